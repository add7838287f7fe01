// Formatting inches from arbitrary floats and codes, and the unit services.
#include "fuzz_support.h"

using namespace wqjfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    FuzzedDataProvider in(data, size);
    const int32_t system = code_from(in);
    const int32_t style = code_from(in);
    const int32_t number_style = code_from(in);
    const int32_t places = code_from(in);
    const int32_t index = code_from(in);
    const float inches = float_from(in);

    take(GETFORMATEDTEXTFROMINCHES(system, style, number_style, inches, places));
    float big = 0, mid = 0, small = 0;
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, places, &big, &mid, &small);
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, places, nullptr, nullptr, nullptr);
    take(GETMEASUREMENTLABEL(system, style, inches));
    take(GETMEASUREMENTDESIGNATOR(system, style, index, number_style));
    CONVERTMEASUREMENT(inches, style);
    MILLIMETERSTOINCHES(inches);
    INCHESTOMILLIMETERS(double_from(in));
    GETCONVERTEDSCALEVALUE(system, inches);
    GETNEARESTSCALERATIOVALUE(system, double_from(in));
    GETSCALERATIOVALUE(system, style, index);
    return 0;
}

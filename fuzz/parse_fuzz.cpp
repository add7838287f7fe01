// Reading typed measurements: separation, value by position, conversion to
// inches and the character tests.
#include "fuzz_support.h"

using namespace wqjfuzz;

namespace {

std::string without_blanks(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    FuzzedDataProvider in(data, size);
    const int32_t system = code_from(in);
    const int32_t position = code_from(in);
    const int32_t from_end = in.ConsumeIntegral<int32_t>() % 3;
    const float maximum = float_from(in);
    const std::string text = text_of(in.ConsumeRemainingBytesAsString());

    // The buffer must hold the text after insertion: at most one added blank
    // per character, and the NUL.
    {
        Buffer buffer(text, 2 * text.size() + 1);
        const std::string separated = take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.get()));
        require(buffer.terminated(), "separated buffer lost its NUL");
        if (separated.empty()) {
            require(buffer.text() == text, "a blank entry changed the buffer");
        } else {
            require(buffer.text() == separated, "buffer differs from the separated result");
            require(without_blanks(separated) == without_blanks(text),
                    "separation changed the non-blank bytes or their order");
        }
    }

    WQJSTRING host = text.empty() ? nullptr : SysAllocStringByteLen(text.data(), static_cast<uint32_t>(text.size()));
    int32_t start = -7, end = -7;
    GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, host, position, from_end, &start, &end);
    GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, host, position, from_end, nullptr, nullptr);
    take(host);

    int32_t error_start = position, error_end = system;
    CONVERTTEXTSTRINGVALUETOINCHES(text.c_str(), maximum, &error_start, &error_end);
    CONVERTTEXTSTRINGVALUETOINCHES(text.c_str(), maximum, nullptr, nullptr);

    const int32_t a = ISVALIDMEASUREMENTNUMERICALCHARACTER(text.c_str());
    const int32_t b = ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, text.c_str());
    require((a == 0 || a == -1) && (b == 0 || b == -1), "a character test answered neither 0 nor -1");
    return 0;
}

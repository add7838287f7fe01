// Exports of units and designators.
#include "exports/boundary.h"
#include "frame/library.h"
#include "measure/units.h"

using wqj::boundary::call;
using wqj::boundary::call_void;
using wqj::boundary::host_string;

double WQJ_CALL INCHESTOMILLIMETERS(double inches) {
    return call(0.0, [&] { return wqj::INCHESTOMILLIMETERS(inches); });
}

float WQJ_CALL MILLIMETERSTOINCHES(float millimeters) {
    return call(0.0f, [&] { return wqj::MILLIMETERSTOINCHES(millimeters); });
}

void WQJ_CALL SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places) {
    call_void([&] { wqj::SETCONVERSIONDECIMALPLACES(system, places); });
}

WQJSTRING WQJ_CALL GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t plain) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETMEASUREMENTDESIGNATOR(system, unit, index, plain)); });
}

WQJSTRING WQJ_CALL GETMEASUREMENTLABEL(int32_t system, int32_t kind, float value) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETMEASUREMENTLABEL(system, kind, value)); });
}

float WQJ_CALL CONVERTMEASUREMENT(float inches, int32_t kind) {
    return call(0.0f, [&] { return wqj::CONVERTMEASUREMENT(inches, kind); });
}

// Exports of measurement formatting.
#include "exports/boundary.h"
#include "measure/formatter.h"
#include "measure/split.h"

using namespace wqj::boundary;

void WQJ_CALL GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places, float* big,
                                                      float* mid, float* small) {
    call_void([&] {
        const wqj::MeasurementParts parts = wqj::GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, places);
        write_to(big, parts.big);
        write_to(mid, parts.mid);
        write_to(small, parts.small);
    });
}

WQJSTRING WQJ_CALL GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t style, int32_t number_style, float inches,
                                            int32_t places) {
    return call(WQJSTRING{}, [&] {
        wqj::detail::FormattedLength text;
        wqj::detail::format_inches(text, system, style, number_style, inches, places);
        return host_string(text.view());
    });
}

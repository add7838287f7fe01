// Exports of measurement text parsing.
#include "exports/boundary.h"
#include "measure/parser.h"

using namespace wqj::boundary;

int32_t WQJ_CALL ISVALIDMEASUREMENTNUMERICALCHARACTER(const char* text) {
    return call(int32_t{0}, [&] { return wqj::ISMEASUREMENTCHARACTER(text_in(text)) ? -1 : 0; });
}

int32_t WQJ_CALL ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(int32_t system, const char* text) {
    return call(int32_t{0}, [&] { return wqj::ISMEASUREMENTCHARACTERFORSYSTEM(system, text_in(text)) ? -1 : 0; });
}

WQJSTRING WQJ_CALL SEPARATEMEASUREMENTSINTEXTSTRING(char* text) {
    return call(WQJSTRING{}, [&] {
        std::string_view entry;
        if (!rewritable_text_in(text, entry)) return WQJSTRING{};  // nothing is written
        // Written once, into the result, and copied from there into the
        // buffer. A blank entry gives empty text and leaves the buffer as it is.
        const std::size_t size = wqj::detail::separated_size(entry);
        if (size == 0) return WQJSTRING{};
        WQJSTRING result =
            host_string_filled(size, [&](std::span<char> out) { wqj::detail::separate_into(entry, out); });
        write_back(text, std::string_view(result, size));
        return result;
    });
}

float WQJ_CALL GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, WQJSTRING text, int32_t position,
                                                         int32_t from_end, int32_t* start, int32_t* end) {
    return call(0.0f, [&] {
        int32_t s = read_from(start);
        int32_t e = read_from(end);
        const float v = wqj::GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, host_string_in(text), position,
                                                                       from_end, s, e);
        write_to(start, s);
        write_to(end, e);
        return v;
    });
}

float WQJ_CALL CONVERTTEXTSTRINGVALUETOINCHES(const char* text, float maximum, int32_t* error_start,
                                              int32_t* error_end) {
    return call(0.0f, [&] {
        int32_t s = read_from(error_start);
        int32_t e = read_from(error_end);
        const float v = wqj::CONVERTTEXTSTRINGVALUETOINCHES(text_in(text), maximum, s, e);
        write_to(error_start, s);
        write_to(error_end, e);
        return v;
    });
}

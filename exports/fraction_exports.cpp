// Exports of fractions.
#include "exports/boundary.h"
#include "measure/fractions.h"

using namespace wqj::boundary;

void WQJ_CALL BREAKFRACTIONAPART(const char* text, int32_t* whole, int32_t* numerator, int32_t* denominator,
                                 char* separator) {
    call_void([&] {
        const auto parts = wqj::BREAKFRACTIONAPART(text_in(text));
        if (!parts) return;  // no slash: nothing is written
        write_to(whole, parts->whole);
        write_to(numerator, parts->numerator);
        write_to(denominator, parts->denominator);
        write_back(separator, std::string_view(&parts->separator, 1));  // exactly 2 bytes
    });
}

WQJSTRING WQJ_CALL CONVERTFRACTIONDENOMINATOR(const char* text, int32_t new_denominator) {
    return call(WQJSTRING{},
                [&] { return host_string(wqj::CONVERTFRACTIONDENOMINATOR(text_in(text), new_denominator)); });
}

WQJSTRING WQJ_CALL REDUCEFRACTION(const char* text, int32_t largest_denominator) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::REDUCEFRACTION(text_in(text), largest_denominator)); });
}

WQJSTRING WQJ_CALL DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::DECIMALTOFRACTIONSTRING(value, largest_denominator)); });
}

float WQJ_CALL FRACTIONSTRINGTODECIMAL(const char* text) {
    return call(0.0f, [&] { return wqj::FRACTIONSTRINGTODECIMAL(text_in(text)); });
}

WQJSTRING WQJ_CALL EXTRACTFRACTIONINTEXTSTRING(const char* text, int32_t from_end, char* remainder,
                                               int32_t* remainder_length, float* value) {
    return call(WQJSTRING{}, [&] {
        // A text or a remainder buffer longer than the most the library
        // reads is refused whole: the remainder would be the rest of only
        // the first part, written over the caller's text. Nothing is written.
        std::string_view whole, held;
        if (!rewritable_text_in(text, whole) || !rewritable_text_in(remainder, held)) return WQJSTRING{};
        const auto found = wqj::FINDFRACTIONINTEXT(whole, from_end);
        const std::string_view rest = found ? std::string_view(found->remainder) : std::string_view();
        // The result is made first, so a failed allocation leaves every
        // caller variable and buffer as it was.
        WQJSTRING result = found ? host_string(found->text) : WQJSTRING{};
        write_to(remainder_length, static_cast<int32_t>(rest.size()));
        // The buffer receives the remainder padded with blanks to the length
        // of the text it held on entry, and never more than that.
        write_padded(remainder, held.size(), rest);
        if (found) write_to(value, found->value);
        return result;
    });
}

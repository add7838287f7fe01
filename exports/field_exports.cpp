// Exports of positional fields.
#include "exports/boundary.h"
#include "text/fields.h"

using namespace wqj::boundary;

namespace {

int32_t replace_field(char* text, int32_t position, const char* field, const char* delimiter) {
    std::string_view record;
    if (!rewritable_text_in(text, record)) return -1;
    const auto result = wqj::SETSTRINGPARTINSTRINGBYPOSITION(record, position, text_in(field), text_in(delimiter));
    if (!result) return -1;  // the buffer is not touched
    write_back(text, *result);
    return static_cast<int32_t>(result->size());
}

}  // namespace

int32_t WQJ_CALL PARSECOUNTDLL(const char* text, const char* delimiter) {
    return call(int32_t{1}, [&] { return wqj::PARSECOUNTDLL(text_in(text), text_in(delimiter)); });
}

WQJSTRING WQJ_CALL GETSTRINGPARTFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter) {
    return call(WQJSTRING{}, [&] {
        return host_string(wqj::GETSTRINGPARTFROMSTRINGBYPOSITION(text_in(text), position, text_in(delimiter)));
    });
}

double WQJ_CALL GETVALUEFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter) {
    return call(0.0, [&] { return wqj::GETVALUEFROMSTRINGBYPOSITION(text_in(text), position, text_in(delimiter)); });
}

int32_t WQJ_CALL SETSTRINGPARTINSTRINGBYPOSITION(char* text, int32_t position, const char* field,
                                                 const char* delimiter) {
    return call(int32_t{-1}, [&] { return replace_field(text, position, field, delimiter); });
}

int32_t WQJ_CALL SETSTRINGPARTINSTRINGBYPOSITION2(char* text, int32_t position, const char* field,
                                                  const char* delimiter) {
    return call(int32_t{-1}, [&] { return replace_field(text, position, field, delimiter); });
}

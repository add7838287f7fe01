// Exports of positional fields.
#include <algorithm>
#include <cstdint>

#include "exports/boundary.h"
#include "text/fields.h"

using namespace wqj::boundary;

namespace {

// Whether the bytes of `inner` touch the `size` bytes from `buffer`.
bool overlaps(std::string_view inner, const char* buffer, std::size_t size) {
    const auto a = reinterpret_cast<std::uintptr_t>(inner.data());
    const auto b = reinterpret_cast<std::uintptr_t>(buffer);
    return !inner.empty() && a < b + size && b < a + inner.size();
}

int32_t replace_field(char* text, int32_t position, const char* field, const char* delimiter) {
    std::string_view record;
    if (!rewritable_text_in(text, record)) return -1;
    const std::string_view new_field = text_in(field);
    // Mostly the result is the record with one field exchanged: then only
    // the bytes after the field move, in the caller's buffer. A new field
    // that lies in that buffer itself is first copied, by the general way.
    if (text != nullptr) {
        const auto place = wqj::detail::replaced_field_in_place(record, position, new_field, text_in(delimiter));
        const std::size_t size = record.size() - (place ? place->length : 0) + new_field.size();
        if (place && !overlaps(new_field, text, std::max(record.size(), size) + 1)) {
            const std::size_t after = place->start + place->length;
            std::memmove(text + place->start + new_field.size(), text + after, record.size() - after + 1);
            if (!new_field.empty()) std::memcpy(text + place->start, new_field.data(), new_field.size());
            return static_cast<int32_t>(size);
        }
    }
    const auto result = wqj::SETSTRINGPARTINSTRINGBYPOSITION(record, position, new_field, text_in(delimiter));
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

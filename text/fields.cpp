// Positional fields over the field services.
#include "text/fields.h"

namespace wqj {

int32_t PARSECOUNTDLL(std::string_view text, std::string_view delimiter) { return FIELDCOUNT(text, delimiter); }

std::string_view GETSTRINGPARTFROMSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                   std::string_view delimiter) {
    return FIELDAT(text, delimiter, position);
}

double GETVALUEFROMSTRINGBYPOSITION(std::string_view text, int32_t position, std::string_view delimiter) {
    return static_cast<double>(TEXTTONUMBER(FIELDAT(text, delimiter, position)));
}

namespace {

std::string trimmed(std::string joined) {
    const std::string_view t = TRIMRIGHTBLANKS(TRIMLEFTBLANKS(joined));
    if (t.size() == joined.size()) return joined;
    return std::string(t);
}

}  // namespace

std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                           std::string_view field, std::string_view delimiter) {
    if (position < 1) return std::nullopt;

    if (delimiter.empty()) {
        // Comma-separated values: the fields as read (quotes and outer
        // blanks gone), joined again with nothing between them, built in
        // the one pass that reads them.
        std::string joined;
        joined.reserve(text.size() + field.size());
        int64_t number = 0;
        for_each_field(text, delimiter, [&](std::string_view f) {
            joined.append(++number == position ? field : f);
            return true;
        });
        if (position > number) return std::nullopt;
        return trimmed(std::move(joined));
    }

    // With a delimiter, splitting and joining again with one delimiter
    // between consecutive fields gives back the record itself, so the result
    // is the record with the one field's bytes exchanged. Nothing is added
    // at the ends: the record stays within the old length minus the old
    // field plus the new one, the room the host provides.
    const auto place = field_place(text, delimiter, position);
    if (!place) return std::nullopt;
    std::string joined;
    joined.reserve(text.size() - place->length + field.size());
    joined.append(text.substr(0, place->start));
    joined.append(field);
    joined.append(text.substr(place->start + place->length));
    return trimmed(std::move(joined));
}

std::optional<FieldPlace> replaced_field_in_place(std::string_view text, int32_t position, std::string_view field,
                                                  std::string_view delimiter) {
    if (position < 1 || delimiter.empty()) return std::nullopt;
    const auto place = field_place(text, delimiter, position);
    if (!place) return std::nullopt;
    // The result's first and last bytes: a blank at either end would be
    // trimmed, which only the rebuilt text does.
    const std::size_t after = place->start + place->length;
    const bool empty = place->start == 0 && field.empty() && after == text.size();
    if (empty) return place;
    const char first = place->start > 0 ? text[0] : (!field.empty() ? field.front() : text[after]);
    const char last = after < text.size() ? text.back() : (!field.empty() ? field.back() : text[place->start - 1]);
    if (first == ' ' || last == ' ') return std::nullopt;
    return place;
}

std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION2(std::string_view text, int32_t position,
                                                            std::string_view field, std::string_view delimiter) {
    return SETSTRINGPARTINSTRINGBYPOSITION(text, position, field, delimiter);
}

}  // namespace wqj

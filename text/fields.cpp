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
    int64_t number = 0;
    std::size_t start = 0, length = 0;
    bool found = false;
    for_each_field(text, delimiter, [&](std::string_view f) {
        if (++number < position) return true;
        start = static_cast<std::size_t>(f.data() - text.data());
        length = f.size();
        found = true;
        return false;
    });
    if (!found) return std::nullopt;
    std::string joined;
    joined.reserve(text.size() - length + field.size());
    joined.append(text.substr(0, start));
    joined.append(field);
    joined.append(text.substr(start + length));
    return trimmed(std::move(joined));
}

std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION2(std::string_view text, int32_t position,
                                                            std::string_view field, std::string_view delimiter) {
    return SETSTRINGPARTINSTRINGBYPOSITION(text, position, field, delimiter);
}

}  // namespace wqj

// Exports of delimited lists.
#include "exports/boundary.h"
#include "text/lists.h"

using namespace wqj::boundary;

namespace {

// The delimiter of the exports that default it: "," in place of an empty
// one, and then "," is written back so that the caller sees what was used
// (the caller's delimiter buffer holds at least 2 bytes). The write-back is
// done last, once every argument has been read.
struct DefaultedDelimiter {
    char* buffer;
    bool defaulted;
    std::string_view text;

    explicit DefaultedDelimiter(char* delimiter)
        : buffer(delimiter),
          defaulted(text_in(delimiter).empty()),
          text(wqj::detail::list_delimiter(text_in(delimiter))) {}
    void write_back_default() const {
        if (defaulted) write_back(buffer, ",");
    }
};

}  // namespace

WQJSTRING WQJ_CALL CREATEDELIMITEDSTRING(char* delimiter, const char* item1, const char* item2, const char* item3,
                                         const char* item4, const char* item5, const char* item6, const char* item7,
                                         const char* item8, const char* item9, const char* item10) {
    return call(WQJSTRING{}, [&] {
        const DefaultedDelimiter d(delimiter);
        const std::string_view items[] = {text_in(item1), text_in(item2), text_in(item3), text_in(item4),
                                          text_in(item5), text_in(item6), text_in(item7), text_in(item8),
                                          text_in(item9), text_in(item10)};
        const WQJSTRING result = host_string(wqj::CREATEDELIMITEDSTRING(d.text, items));
        d.write_back_default();
        return result;
    });
}

WQJSTRING WQJ_CALL ADDTODELIMITEDSTRING(char* list, const char* item, char* delimiter) {
    return call(WQJSTRING{}, [&] {
        std::string_view old;
        if (!rewritable_text_in(list, old)) return WQJSTRING{};  // nothing is written
        const DefaultedDelimiter d(delimiter);
        const std::string added = wqj::ADDTODELIMITEDSTRING(old, text_in(item), d.text);
        const WQJSTRING result = host_string(added);
        // The caller's list gains the delimiter but not the item: the bytes
        // after the old list are exactly those of the returned list.
        if (list != nullptr && !old.empty()) write_back(list + old.size(), d.text);
        d.write_back_default();
        return result;
    });
}

int32_t WQJ_CALL ISSTRINGINDELIMITEDSTRING(const char* list, const char* item, char* delimiter, int32_t keep_blanks,
                                           int32_t case_sensitive) {
    return call(int32_t{0}, [&] {
        const DefaultedDelimiter d(delimiter);
        const int32_t position = wqj::ISSTRINGINDELIMITEDSTRING(text_in(list), text_in(item), d.text,
                                                                keep_blanks != 0, case_sensitive != 0);
        d.write_back_default();
        return position;
    });
}

int32_t WQJ_CALL REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(char* list, int32_t position, const char* delimiter) {
    return call(int32_t{0}, [&] {
        std::string_view old;
        if (!rewritable_text_in(list, old)) return int32_t{0};  // nothing is written
        // Mostly only the bytes after the item move, in the caller's buffer.
        if (list != nullptr) {
            if (const auto cut = wqj::detail::removed_item_in_place(old, position, text_in(delimiter))) {
                if (cut->length != 0)
                    std::memmove(list + cut->at, list + cut->at + cut->length, old.size() - cut->at - cut->length + 1);
                return int32_t{cut->removed ? 1 : 0};
            }
        }
        const wqj::RemovedItem rebuilt = wqj::REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(old, position, text_in(delimiter));
        write_back(list, rebuilt.list);  // never longer than the old list
        return int32_t{rebuilt.removed ? 1 : 0};
    });
}

WQJSTRING WQJ_CALL STRIPNULL(const char* text) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::STRIPNULL(text_in(text))); });
}

WQJSTRING WQJ_CALL CREATEDELIMITEDSTRINGFROMLONGARRAY(char* delimiter, WQJARRAYDESCRIPTOR* array) {
    return call(WQJSTRING{}, [&] {
        const DefaultedDelimiter d(delimiter);
        std::span<const int32_t> elements;
        if (array != nullptr)
            elements = wqj::detail::listed_elements(array->storage, (array->flags & 4) != 0, array->lower_bound,
                                                    array->upper_bound);
        const WQJSTRING result = host_string(wqj::CREATEDELIMITEDSTRINGFROMLONGARRAY(d.text, elements));
        d.write_back_default();
        return result;
    });
}

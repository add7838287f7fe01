// Delimited lists over the field services.
#include "text/lists.h"

#include <algorithm>

#include "text/convert.h"
#include "text/fields.h"

namespace wqj {

std::string_view detail::list_delimiter(std::string_view delimiter) { return delimiter.empty() ? "," : delimiter; }

std::string CREATEDELIMITEDSTRING(std::string_view delimiter, std::span<const std::string_view> items) {
    const std::string_view d = detail::list_delimiter(delimiter);
    std::size_t total = 0;
    for (std::string_view item : items) total += item.size() + d.size();
    std::string list;
    list.reserve(total);
    for (std::string_view item : items) {
        if (item.empty()) continue;
        if (!list.empty()) list += d;
        list += item;
    }
    return list;
}

std::string ADDTODELIMITEDSTRING(std::string_view list, std::string_view item, std::string_view delimiter) {
    const std::string_view d = detail::list_delimiter(delimiter);
    std::string out;
    out.reserve(list.size() + d.size() + item.size());
    out += list;
    if (!list.empty()) out += d;
    out += item;
    return out;
}

int32_t ISSTRINGINDELIMITEDSTRING(std::string_view list, std::string_view item, std::string_view delimiter,
                                  bool keep_blanks, bool case_sensitive) {
    const std::string_view d = detail::list_delimiter(delimiter);
    // Upper-casing maps byte to byte. Unless it has to do with a byte of the
    // delimiter, the items of the upper-cased list are those of the list as
    // it stands, so they are found there and compared upper-cased byte by
    // byte, without an upper-cased copy of the whole list.
    const bool fold_items = !case_sensitive && std::none_of(d.begin(), d.end(), [](char c) {
        return detail::upper_casing_touches(static_cast<unsigned char>(c));
    });
    std::string upper_list, upper_item;
    if (!case_sensitive) {
        upper_item = UPPERCASETEXT(item);
        item = upper_item;
        if (!fold_items) {
            upper_list = UPPERCASETEXT(list);
            list = upper_list;
        }
    }
    if (!keep_blanks) item = detail::trim_blanks(item);
    auto matches = [&](std::string_view f) {
        if (!fold_items) return COMPARETEXT(f, item) == 0;
        if (f.size() != item.size()) return false;
        for (std::size_t i = 0; i < f.size(); ++i)
            if (detail::upper_case_byte(static_cast<unsigned char>(f[i])) != static_cast<unsigned char>(item[i]))
                return false;
        return true;
    };
    int64_t number = 0, found = 0;
    detail::FieldCursor cursor(list, d);
    for (std::string_view f; cursor.next(f);) {
        ++number;
        if (!keep_blanks) f = detail::trim_blanks(f);
        if (matches(f)) {
            found = number;
            break;
        }
    }
    return static_cast<int32_t>(std::min<int64_t>(found, INT32_MAX));
}

RemovedItem REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(std::string_view list, int32_t position,
                                                    std::string_view delimiter) {
    RemovedItem out;
    out.list.reserve(list.size());
    int64_t number = 0;
    auto keep = [&](std::string_view item, std::string_view between) {
        if (++number == position) {
            out.removed = true;
            return;
        }
        if (!out.list.empty()) out.list += between;
        out.list += item;
    };
    if (delimiter.empty()) {
        // Comma-separated values: each kept item with all its bytes (quotes
        // and blanks included), joined again by single commas, so the list
        // reads back as the same items.
        detail::CommaSeparatedCursor cursor(list);
        for (std::string_view f; cursor.next(f);) keep(cursor.region(), ",");
        return out;
    }
    detail::FieldCursor cursor(list, delimiter);
    for (std::string_view f; cursor.next(f);) keep(f, delimiter);
    return out;
}

std::optional<detail::ListCut> detail::removed_item_in_place(std::string_view list, int32_t position,
                                                             std::string_view delimiter) {
    if (delimiter.empty()) return std::nullopt;
    // Joining the items again gives back the list itself, so once the first
    // kept item is not empty the rebuilt list is the list without the item
    // and one delimiter next to it.
    const auto first = field_place(list, delimiter, 1);
    const auto item = position >= 1 ? field_place(list, delimiter, position) : std::nullopt;
    if (!item) {
        if (first->length == 0) return std::nullopt;
        return ListCut{};
    }
    if (position == 1) {
        const std::size_t after = item->length;
        if (after == list.size()) return ListCut{0, after, true};  // the only item
        const auto second = field_place(list, delimiter, 2);
        if (second->length == 0) return std::nullopt;
        return ListCut{0, after + delimiter.size(), true};
    }
    if (first->length == 0) return std::nullopt;
    return ListCut{item->start - delimiter.size(), item->length + delimiter.size(), true};
}

std::string_view STRIPNULL(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    return detail::trim_blanks(text);
}

std::string CREATEDELIMITEDSTRINGFROMLONGARRAY(std::string_view delimiter, std::span<const int32_t> elements) {
    const std::string_view d = detail::list_delimiter(delimiter);
    std::string list;
    list.reserve(elements.size() * (11 + d.size()));
    for (int32_t e : elements) {
        if (!list.empty()) list += d;
        detail::append_whole_number(list, e);
    }
    return list;
}

std::span<const int32_t> detail::listed_elements(const int32_t* storage, bool allocated, int32_t lower, int32_t upper) {
    if (!allocated || storage == nullptr) return {};
    const int64_t first = std::max<int64_t>(0, lower);
    if (int64_t(upper) < first) return {};
    const auto skip = static_cast<std::size_t>(first - lower);
    const auto count = static_cast<std::size_t>(int64_t(upper) - first + 1);
    return {storage + skip, count};
}

}  // namespace wqj

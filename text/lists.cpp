// Delimited lists over the field services.
#include "text/lists.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/convert.h"
#include "text/fields.h"

#if defined(__SSE2__)
#  include <emmintrin.h>
#endif

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

namespace {

// Where a non-empty item, containing no delimiter, may stand as a whole
// item of a list: the positions p where the item's first and last bytes
// stand at p and p + size - 1 (read upper-cased when `fold`: the item is
// upper-cased already), each beside the end of the list, a delimiter or,
// unless blanks are kept, a blank. Every place may hold one or two bytes;
// where SSE2 is there, sixteen positions are tried at a time.
class ItemPlaces {
public:
    ItemPlaces(std::string_view item, std::string_view delimiter, bool fold, bool keep_blanks)
        : size_(item.size()), first_(read_as(item.front(), fold)), last_(read_as(item.back(), fold)) {
        before_.add(delimiter.back());
        after_.add(delimiter.front());
        if (!keep_blanks) {
            before_.add(' ');
            after_.add(' ');
        }
    }

    // The first such position at or after `from`; npos when there is none.
    std::size_t next(std::string_view list, std::size_t from) const {
        const std::size_t n = list.size();
        if (size_ > n || first_.count == 0 || last_.count == 0) return detail::npos;
        const std::size_t end = n - size_ + 1;  // the positions before it can hold the item
        const char* p = list.data();
        auto fits = [&](std::size_t i) {
            return first_.has(p[i]) && last_.has(p[i + size_ - 1]) && (i == 0 || before_.has(p[i - 1])) &&
                   (i + size_ == n || after_.has(p[i + size_]));
        };
        std::size_t i = from;
        if (i == 0) {
            if (fits(0)) return 0;
            i = 1;
        }
#if defined(__SSE2__)
        // From the second position to the last with a byte after the item.
        for (; i + 17 <= end; i += 16) {
            const int mask = _mm_movemask_epi8(
                _mm_and_si128(_mm_and_si128(before_.in(p + i - 1), first_.in(p + i)),
                              _mm_and_si128(last_.in(p + i + size_ - 1), after_.in(p + i + size_))));
            if (mask != 0) return i + std::size_t(std::countr_zero(unsigned(mask)));
        }
#endif
        for (; i < end; ++i)
            if (fits(i)) return i;
        return detail::npos;
    }

private:
    // The bytes one place may hold (the one byte twice when there is one),
    // each also sixteen times over.
    struct Bytes {
        char pair[2][16] = {};
        int count = 0;
        void add(char b) {
            if (count++ == 0) std::memset(pair[0], b, 16);
            std::memset(pair[1], b, 16);
        }
        bool has(char b) const { return count > 0 && (b == pair[0][0] || b == pair[1][0]); }
#if defined(__SSE2__)
        // Each of the sixteen bytes from p: all ones where it is one of them.
        __m128i in(const char* p) const {
            auto load = [](const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
            const __m128i bytes = load(p);
            return _mm_or_si128(_mm_cmpeq_epi8(bytes, load(pair[0])), _mm_cmpeq_epi8(bytes, load(pair[1])));
        }
#endif
    };
    static Bytes read_as(char wanted, bool fold) {
        Bytes bytes;
        unsigned char sources[2] = {static_cast<unsigned char>(wanted)};
        const int count = fold ? detail::upper_case_sources(sources[0], sources) : 1;
        for (int k = 0; k < count; ++k) bytes.add(static_cast<char>(sources[k]));
        return bytes;
    }

    std::size_t size_;
    Bytes first_, last_, before_, after_;
};

}  // namespace

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
    auto same = [&](std::string_view f) {
        return fold_items ? detail::upper_cases_to(f, item) : COMPARETEXT(f, item) == 0;
    };
    auto matches = [&](std::string_view f) { return same(keep_blanks ? f : detail::trim_blanks(f)); };
    auto position = [](int64_t number) { return static_cast<int32_t>(std::min<int64_t>(number, INT32_MAX)); };
    if (item.empty()) {
        int64_t number = 0;
        detail::FieldCursor cursor(list, d);
        for (std::string_view f; cursor.next(f);) {
            ++number;
            if (matches(f)) return position(number);
        }
        return 0;
    }
    // An item never holds the delimiter. An item equal to the one sought has
    // its bytes where ItemPlaces looks, so only the items there are
    // compared, each once, from the left.
    if (item.find(d) != detail::npos) return 0;
    const ItemPlaces places(item, d, fold_items, keep_blanks);
    const std::size_t n = list.size(), m = item.size();
    if (d.size() == 1) {
        // Only blanks may stand between the item and the delimiters around
        // it, so one byte is looked for only about the place, and the items
        // before the one found are counted in bulk.
        const bool blanks_around = !keep_blanks && d[0] != ' ';
        for (std::size_t p = places.next(list, 0); p != detail::npos;) {
            std::size_t start = p, stop = p + m;
            while (blanks_around && start > 0 && list[start - 1] == ' ') --start;
            while (blanks_around && stop < n && list[stop] == ' ') ++stop;
            if ((start == 0 || list[start - 1] == d[0]) && (stop == n || list[stop] == d[0])) {
                if (same(list.substr(p, m))) return FIELDCOUNT(list.substr(0, start), d);
            } else {
                stop = std::min(list.find(d[0], stop), n);  // no byte of the item is the delimiter
            }
            if (stop == n) break;
            p = places.next(list, stop + 1);
        }
        return 0;
    }
    // A longer delimiter may overlap itself ("aa" in "aaa"), so the items are
    // walked from the left as far as needed.
    const detail::Finder finder(d);
    std::size_t at = 0, delimiter_at = finder.next(list, 0);
    int64_t number = 1;
    for (std::size_t p = places.next(list, 0); p != detail::npos;) {
        while (delimiter_at != detail::npos && delimiter_at + d.size() <= p) {
            at = delimiter_at + d.size();
            delimiter_at = finder.next(list, at);
            ++number;
        }
        if (delimiter_at != detail::npos && delimiter_at <= p) {  // the place is within a delimiter
            p = places.next(list, delimiter_at + d.size());
            continue;
        }
        const std::size_t stop = std::min(delimiter_at, n);
        if (matches(list.substr(at, stop - at))) return position(number);
        if (stop == n) break;
        p = places.next(list, stop + d.size());
    }
    return 0;
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

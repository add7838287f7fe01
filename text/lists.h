// Delimited lists: short lists of names and numbers kept as one line of
// text, the items one after another with a delimiter between them and none
// before the first or after the last. Items are numbered from 1 as fields
// (text/fields.h); they are neither quoted nor escaped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wqj {

// The non-empty items in order with the delimiter between them (an item of
// blanks only is not empty). An empty delimiter means ",".
std::string CREATEDELIMITEDSTRING(std::string_view delimiter, std::span<const std::string_view> items);

// The list followed by the delimiter, when the list is not empty, and then
// the item, even an empty one. An empty delimiter means ",".
std::string ADDTODELIMITEDSTRING(std::string_view list, std::string_view item, std::string_view delimiter);

// The position of the first item equal to `item`, 0 when none is. Unless
// case_sensitive, list and item are upper-cased first (not the delimiter,
// so a lower-case delimiter may then no longer occur); unless keep_blanks,
// the item and every list item lose their leading and trailing blanks
// before they are compared. An empty delimiter means ",".
int32_t ISSTRINGINDELIMITEDSTRING(std::string_view list, std::string_view item, std::string_view delimiter,
                                  bool keep_blanks, bool case_sensitive);

struct RemovedItem {
    std::string list;  // the rebuilt list, written back whether or not an item went
    bool removed = false;
};

// The list rebuilt from every item except the one at `position`; each kept
// item is preceded by the delimiter only once the rebuilt list is non-empty,
// so empty items before the first non-empty kept one vanish. The delimiter
// is used as given: an empty one reads the list as comma-separated values,
// and each kept item keeps all its bytes between its commas (quotes and
// blanks included), joined again by single commas.
RemovedItem REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(std::string_view list, int32_t position,
                                                    std::string_view delimiter);

namespace detail {

// When that rebuilt list is the list with one piece cut out (a delimiter
// that is not empty, and a first kept item that is not empty, so no item
// vanishes): the bytes to cut, none when no item is at `position`, and
// whether an item goes. Otherwise nothing, and the list is rebuilt.
struct ListCut {
    std::size_t at = 0;
    std::size_t length = 0;
    bool removed = false;
};
std::optional<ListCut> removed_item_in_place(std::string_view list, int32_t position, std::string_view delimiter);

}  // namespace detail

// The text up to its first NUL, without leading and trailing blanks: the
// contents of a fixed-size, NUL-padded buffer as a clean text.
std::string_view STRIPNULL(std::string_view text);

// The elements as plain decimal integers ("-" for negatives, no blanks)
// with the delimiter between them. An empty delimiter means ",".
std::string CREATEDELIMITEDSTRINGFROMLONGARRAY(std::string_view delimiter, std::span<const int32_t> elements);

namespace detail {

// The delimiter a list export uses: "," in place of an empty one.
std::string_view list_delimiter(std::string_view delimiter);

// The elements of an integer array that a list built from it holds: those
// with the indexes 0 to `upper` that exist in the array whose element with
// index `lower` is at `storage`. No elements when the storage is not
// allocated (or null) or when upper < lower; never more than
// upper - lower + 1 elements from storage.
std::span<const int32_t> listed_elements(const int32_t* storage, bool allocated, int32_t lower, int32_t upper);

}  // namespace detail

}  // namespace wqj

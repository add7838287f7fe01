// Library file names, object codes and names, view lists and the characters
// forbidden in user-given names.
#include <algorithm>
#include <array>

#include "catalogue/catalogue.h"
#include "text/convert.h"
#include "text/fields.h"

namespace wqj {

namespace {

// The first `most` fields (at most five) of `text` split at `delimiter`,
// as views into it, and the number of fields the whole text has.
struct Fields {
    static constexpr int32_t kMost = 5;
    std::array<std::string_view, kMost> views{};
    int32_t kept = 0;
    int32_t count = 0;
    std::string_view at(int32_t field) const {  // from 1; empty when absent
        return field >= 1 && field <= kept ? views[size_t(field - 1)] : std::string_view{};
    }
};
Fields split(std::string_view text, std::string_view delimiter, int32_t most) {
    Fields f;
    f.count = FIELDCOUNT(text, delimiter);
    const int32_t wanted = std::min({f.count, most, Fields::kMost});
    if (wanted < 1) return f;
    detail::FieldCursor cursor(text, delimiter);
    for (std::string_view field; f.kept < wanted && cursor.next(field);) f.views[size_t(f.kept++)] = field;
    return f;
}

int32_t field_integer(std::string_view field) { return ROUNDTOINTEGER(TEXTTONUMBER(field)); }

bool all_digits(std::string_view field) { return FIRSTCHARACTERNOTINSET(1, field, "0123456789") == 0; }

}  // namespace

// ---- library file names ------------------------------------------------------------

std::string GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item) {
    std::string stem = "lib_";
    detail::append_whole_number(stem, category);
    stem += '_';
    detail::append_whole_number(stem, subcategory);
    if (item > 0) {
        stem += '_';
        detail::append_whole_number(stem, item);
    }
    return stem;
}

LibraryCategories GETCATEGORIESFROMLIBRARYNAME(std::string_view name) {
    const Fields f = split(name, "_", 4);
    LibraryCategories r;
    r.category = field_integer(f.at(2));
    if (f.count >= 3) r.subcategory = field_integer(f.at(3));
    if (f.count >= 4) r.item = field_integer(f.at(4));
    return r;
}

int32_t ISVALIDLIBRARYNAME(std::string_view name) {
    if (FINDTEXT(1, name, "__") != 0) return 0;
    const int32_t count = FIELDCOUNT(name, "_");
    if (count < 3 || count > 5) return 0;
    const Fields f = split(name, "_", count);
    if (COMPARETEXT(UPPERCASETEXT(f.at(1)), "LIB") != 0) return 0;
    if (!all_digits(f.at(2))) return 0;
    if (count >= 4 && !all_digits(f.at(3))) return 0;
    if (count == 5 && !all_digits(f.at(4))) return 0;
    if (COMPARETEXT(UPPERCASETEXT(f.at(count)), "LIB.VDF") != 0) return 0;
    return 1;
}

// ---- object classification -----------------------------------------------------------

int32_t ISOBJECTAWALL(std::string_view code) {
    const Fields f = split(code, ",", 3);
    if (f.count < 3) return 0;
    for (int32_t field = 1; field <= 3; ++field)
        if (TEXTTONUMBER(f.at(field)) != 1.0L) return 0;
    return 1;
}

int32_t ISOBJECTAWIRE(std::string_view code) {
    const Fields f = split(code, ",", 4);
    if (f.count < 4) return 0;
    const int32_t subcategory = field_integer(f.at(2));
    const int32_t item = field_integer(f.at(3));
    const int32_t wire = field_integer(f.at(4));
    if (item >= 250 && item <= 254) return wire;
    if (subcategory == 0 && item >= 12 && item <= 14) {
        // The negation of the most negative sub-item type does not exist in
        // 32 bits; it saturates to the largest.
        return wire == INT32_MIN ? INT32_MAX : -wire;
    }
    return 0;
}

int32_t ISOBJECTPARTOFTEXTBOX(std::string_view name) {
    static constexpr std::array<std::string_view, 4> kParts = {"TEXTBOX PRIMARY", "TEXTBOX SECONDARY",
                                                               "TEXTBOX BOUNDRY", "TEXTBOX BACKGROUND"};
    for (size_t i = 0; i < kParts.size(); ++i)
        if (COMPARETEXT(SUBTEXT(name, 1, int32_t(kParts[i].size())), kParts[i]) == 0) return int32_t(i) + 1;
    return 0;
}

int32_t ISSYMBOLVIEWNUMBERVALID(int32_t view, std::string_view list) {
    // The comma-separated values are read one at a time and none is kept,
    // so a long list costs one pass and no copy.
    detail::CommaSeparatedCursor cursor(list);
    std::string_view field;
    while (cursor.next(field))
        if (TEXTTONUMBER(field) == static_cast<long double>(view)) return -1;
    return 0;
}

// ---- name rules ------------------------------------------------------------------
// Each set ends with the double quote; order matters, since the containment
// test answers positions in the set.

std::string GETFOLDERNAMEINVALIDCHARACTERS() { return "/\\:*?<>|\""; }
std::string GETCATEGORYNAMEINVALIDCHARACTERS() { return ".,/\\:*?<>|_\""; }
std::string GETCIRCUITNAMEINVALIDCHARACTERS() { return ".,:*?\""; }
std::string GETSYMBOLNAMEINVALIDCHARACTERS() { return ".,/\\:*?\""; }

int32_t STRINGCONTAINSCHARACTERS(std::string_view text, std::string_view characters) {
    // One pass over the text marks the bytes it holds; the characters are
    // then taken in their own order.
    std::array<bool, 256> present{};
    for (char c : text) present[static_cast<unsigned char>(c)] = true;
    for (size_t i = 0; i < characters.size(); ++i)
        if (present[static_cast<unsigned char>(characters[i])]) return int32_t(std::min<size_t>(i + 1, INT32_MAX));
    return 0;
}

}  // namespace wqj

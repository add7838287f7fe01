// Tests of delimited lists.
#include "text/lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "text/convert.h"

using namespace std::literals;

namespace wqj {
namespace {

TEST(Lists, CreatingSkipsEmptyItems) {
    struct Case {
        std::string_view delimiter;
        std::array<std::string_view, 10> items;
        std::string_view want;
    } cases[] = {
        {"", {"a", "", "b"}, "a,b"},
        {",", {}, ""},
        {" | ", {"x", " ", "y"}, "x |   | y"},  // blanks only is not empty
        {";", {"", "", "", "", "", "", "", "", "", "j"}, "j"},
        {"--", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, "1--2--3--4--5--6--7--8--9--10"},
        {"\t", {"a,b", "c"}, "a,b\tc"},
    };
    for (const Case& c : cases) EXPECT_EQ(CREATEDELIMITEDSTRING(c.delimiter, c.items), c.want) << c.want;
}

TEST(Lists, AddingAppendsTheItemEvenWhenEmpty) {
    struct Case {
        std::string_view list, item, delimiter, want;
    } cases[] = {
        {"a,b", "c", ",", "a,b,c"}, {"", "c", ",", "c"}, {"a", "", ",", "a,"}, {"", "", ",", ""},
        {"a", "b", "", "a,b"},       {"a", "b", "::", "a::b"}, {" ", "b", ",", " ,b"},
    };
    for (const Case& c : cases) EXPECT_EQ(ADDTODELIMITEDSTRING(c.list, c.item, c.delimiter), c.want) << c.want;
}

TEST(Lists, FindingAnItem) {
    struct Case {
        std::string_view list, item, delimiter;
        bool keep_blanks, case_sensitive;
        int32_t want;
    } cases[] = {
        {"Red, Green ,Blue", "green", ",", false, false, 2},
        {"Red, Green ,Blue", "green", ",", false, true, 0},
        {"Red, Green ,Blue", "green", ",", true, false, 0},  // " GREEN " is not "GREEN"
        {"Red, Green ,Blue", " Green ", ",", true, true, 2},
        {"Red, Green ,Blue", "  Blue ", ",", false, true, 3},
        {"", "", ",", false, false, 1},                      // an empty list holds one empty item
        {"a,,b", "", ",", false, false, 2},
        {"a, ,b", "", ",", true, false, 0},
        {"axb", "b", "x", false, false, 0},                  // upper-cased to "AXB": one item
        {"axb", "b", "x", false, true, 2},
        {"a,b,a", "a", ",", false, true, 1},                 // the first match
        {"a,b", "a,b", ",", false, true, 0},
        {"\x84" "a,\x8E", "\x84", ",", false, false, 2},     // code-page letters fold too
        {"\x84", "\x8E", ",", false, true, 0},
        {"x;y", "y", "", false, true, 0},                    // empty delimiter means ","
        {"x,y", "y", "", false, true, 2},
        {"ab\tc", "ab", "\t", false, true, 1},
        // Upper-casing without a copy of the list: the delimiter is found in
        // the list as it stands unless upper-casing makes or changes it.
        {"a;B;c", "b", ";", false, false, 2},
        {"\x84" "x;b", "\x8E" "X", ";", false, false, 1},
        {"Red , green", " GREEN ", ",", false, false, 2},
        {"Red , green ", "GREEN", ",", true, false, 0},
        {"axbXc", "c", "X", false, false, 3},                // "AXBXC" has two "X"
        {"axbXc", "c", "X", false, true, 2},
        {"a\x84" "b", "b", "\x8E", false, false, 2},         // "A\x8E" "B"
        {"a\x8E" "b", "b", "\x84", false, false, 0},         // 0x84 is gone once upper-cased
        {"\x80" ",\x87", "\x87", ",", false, false, 1},       // 0x87 and 0x80 both read as 0x80
        {"\x87" ",\x80", "\x80", ",", false, true, 2},
        // The item's bytes also inside other items, beside blanks, at the ends.
        {"abc,x", "abc", ",", true, true, 1},
        {"x,abc", "abc", ",", true, true, 2},
        {"xabc,abcx,abc", "abc", ",", false, true, 3},
        {"a b,a", "a", ",", false, true, 2},
        {"a,,b", ",", ",", false, true, 0},
        {"a, ,b", " ", ",", true, true, 2},
        {"a,   ,b", "  ", ",", false, true, 2},               // blanks only trims to empty
        {"a, b", " b", ",", true, true, 2},
        {"a  b", "b", " ", false, true, 3},                   // the blank is the delimiter
        {"a  b", "", " ", false, true, 2},
        {"a, b ,c", "b", ", ", false, true, 0},               // "b ,c" is one item
        {"a, b, c", "c", ", ", false, true, 3},
        // Delimiters of more bytes, overlapping themselves: found from the left.
        {"aaab", "b", "aa", false, true, 0},                  // "", "ab"
        {"aaab", "ab", "aa", false, true, 2},
        {"aaaab", "b", "aa", false, true, 3},
        {"abab", "b", "aba", false, true, 2},
        {"x:y::y", "y", "::", false, true, 2},
        {"x:::y", ":y", "::", false, true, 2},
        {"x||y||", "", "||", false, true, 3},
        // Items standing across blocks of sixteen bytes.
        {"0123456789abcd,target,0123456789", "target", ",", false, true, 2},
        {"0123456789abcde,target,0123456789abcdef", "TARGET", ",", false, false, 2},
        {"0123456789abcdef,target,z", "target", ",", false, true, 2},
        {"0123456789abcdefghijklmnopqrstu,x", "x", ",", false, true, 2},
        {"0123456789abcdefghijklmnopqrstuv", "UV", "ST", false, false, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(c.list, c.item, c.delimiter, c.keep_blanks, c.case_sensitive), c.want)
            << c.list << " ? " << c.item << " keep " << c.keep_blanks << " case " << c.case_sensitive;
}

// The item looked for the plain way, every item walked in turn: list and
// item upper-cased unless case-sensitive, then each item and the item
// sought compared without their outer blanks unless they are kept.
int32_t find_by_walking(std::string_view list, std::string_view item, std::string_view delimiter, bool keep_blanks,
                        bool case_sensitive) {
    const std::string_view d = delimiter.empty() ? "," : delimiter;
    const std::string l = case_sensitive ? std::string(list) : UPPERCASETEXT(list);
    const std::string i = case_sensitive ? std::string(item) : UPPERCASETEXT(item);
    auto trimmed = [&](std::string_view t) {
        while (!keep_blanks && !t.empty() && t.front() == ' ') t.remove_prefix(1);
        while (!keep_blanks && !t.empty() && t.back() == ' ') t.remove_suffix(1);
        return t;
    };
    std::size_t at = 0;
    for (int32_t number = 1;; ++number) {
        const std::size_t hit = l.find(d, at);
        if (trimmed(std::string_view(l).substr(at, hit == std::string::npos ? hit : hit - at)) == trimmed(i))
            return number;
        if (hit == std::string::npos) return 0;
        at = hit + d.size();
    }
}

// Lists of short pieces (letters of both cases, code-page letters and
// their capitals, blanks, bytes of the delimiters), long enough to cross
// several blocks of sixteen bytes, searched for pieces and parts of them.
TEST(Lists, FindingAnItemAgreesWithWalkingEveryItem) {
    const std::string_view pieces[] = {"a", "A", "ab", "aB", " a ", "  ", "", "\x84", "\x8E" "b", "x", "X",
                                       "aa", "ba", ",", ";", "b a", "item", "ITEM ", "\x87", "\x80", ": "};
    const std::string_view delimiters[] = {"", ",", ";", " ", "x", "X", "a", "\x84", "\x8E", "aa", "ab",
                                           "aba", ", ", " | ", "||", "::"};
    uint32_t seed = 2512;
    auto draw = [&](std::size_t n) {
        seed = seed * 1664525u + 1013904223u;
        return std::size_t(seed >> 8) % n;
    };
    int found = 0;
    for (int run = 0; run < 40000; ++run) {
        const std::string_view delimiter = delimiters[draw(std::size(delimiters))];
        std::string list;
        std::string_view item = pieces[draw(std::size(pieces))];  // in the list or not
        for (std::size_t k = draw(16); k-- > 0;) {
            const std::string_view piece = pieces[draw(std::size(pieces))];
            if (draw(k + 1) == 0) item = piece;
            list += piece;
            if (k > 0) list += draw(4) != 0 ? delimiter : pieces[draw(std::size(pieces))];
        }
        if (draw(3) == 0) {  // a part of the list
            const std::size_t at = draw(list.size() + 1);
            item = std::string_view(list).substr(at, draw(list.size() - at + 1));
        }
        const bool keep_blanks = draw(2) == 0, case_sensitive = draw(2) == 0;
        const int32_t want = find_by_walking(list, item, delimiter, keep_blanks, case_sensitive);
        found += want != 0;
        // The list alone in its memory, so that a read past it shows.
        const std::unique_ptr<char[]> alone(new char[list.size()]);
        std::copy(list.begin(), list.end(), alone.get());
        const std::string_view in(alone.get(), list.size());
        ASSERT_EQ(ISSTRINGINDELIMITEDSTRING(in, item, delimiter, keep_blanks, case_sensitive), want)
            << '"' << list << "\" ? \"" << item << "\" in \"" << delimiter << "\" keep " << keep_blanks << " case "
            << case_sensitive;
    }
    EXPECT_GT(found, 10000);  // the spread finds items as well as misses them
    EXPECT_LT(found, 30000);
}

TEST(Lists, RemovingRebuildsTheList) {
    struct Case {
        std::string_view list;
        int32_t position;
        std::string_view delimiter, want;
        bool removed;
    } cases[] = {
        {"a,b,c", 2, ",", "a,c", true},   {"a,b,c", 4, ",", "a,b,c", false}, {",x,y", 3, ",", "x", true},
        {"a,,b", 3, ",", "a,", true},     {"a,b,c", 1, ",", "b,c", true},    {"a,b,c", 3, ",", "a,b", true},
        {"a", 1, ",", "", true},          {"", 1, ",", "", true},            {"", 0, ",", "", false},
        {",,x", 0, ",", "x", false},      // rebuilt even when nothing goes: leading empty items vanish
        {"a,,", -1, ",", "a,,", false},   {"x::y::z", 2, "::", "x::z", true},
        // the delimiter is used as given: an empty one reads comma-separated
        // values; kept items keep their bytes and are joined by single commas
        {"a,b,c", 2, "", "a,c", true},    {"\"p,q\",r", 2, "", "\"p,q\"", true},
        {"a,\"b,c\",d", 3, "", "a,\"b,c\"", true}, {" a , b ,c", 2, "", " a ,c", true},
        {",\"x\",y", 9, "", "\"x\",y", false},
    };
    for (const Case& c : cases) {
        const RemovedItem got = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(c.list, c.position, c.delimiter);
        EXPECT_EQ(got.list, c.want) << c.list << " - " << c.position;
        EXPECT_EQ(got.removed, c.removed) << c.list << " - " << c.position;
    }
}

TEST(Lists, StripNullCleansAFixedSizeBuffer) {
    struct Case {
        std::string_view text, want;
    } cases[] = {
        {"  abc  ", "abc"},     {"ab\0\0\0"sv, "ab"}, {" a b \0 c"sv, "a b"}, {"\0abc"sv, ""},
        {"     ", ""},          {"", ""},              {"\tx\t", "\tx\t"},
    };
    for (const Case& c : cases) EXPECT_EQ(STRIPNULL(c.text), c.want) << c.text;
}

TEST(Lists, IntegersArePlainDecimals) {
    struct Case {
        std::string_view delimiter;
        std::vector<int32_t> elements;
        std::string_view want;
    } cases[] = {
        {"", {5, -12, 0}, "5,-12,0"},
        {",", {}, ""},
        {"\xFF", {1, 2, 3}, "1\xFF" "2\xFF" "3"},
        {" ", {INT32_MIN, INT32_MAX, 1000000}, "-2147483648 2147483647 1000000"},
        {"--", {-1}, "-1"},
    };
    for (const Case& c : cases) EXPECT_EQ(CREATEDELIMITEDSTRINGFROMLONGARRAY(c.delimiter, c.elements), c.want);
}

TEST(Lists, ArrayElementsListedFromIndexZero) {
    const int32_t storage[] = {10, 11, 12, 13};
    struct Case {
        bool allocated;
        int32_t lower, upper;
        std::vector<int32_t> want;
    } cases[] = {
        {true, 0, 3, {10, 11, 12, 13}},
        {true, 0, 0, {10}},
        {false, 0, 3, {}},                // not allocated
        {true, 0, -1, {}},
        {true, 2, 1, {}},                 // upper below lower: no elements
        {true, 1, 4, {10, 11, 12, 13}},   // indexes 1 to 4: all exist and are listed
        {true, -2, 1, {12, 13}},          // indexes -2 and -1 are not listed
        {true, -3, -1, {}},
        {true, INT32_MIN, INT32_MIN + 1, {}},
        {true, INT32_MAX, INT32_MAX, {10}},
    };
    for (const Case& c : cases) {
        const auto got = detail::listed_elements(storage, c.allocated, c.lower, c.upper);
        EXPECT_EQ(std::vector<int32_t>(got.begin(), got.end()), c.want) << c.lower << ".." << c.upper;
    }
    EXPECT_TRUE(detail::listed_elements(nullptr, true, 0, 3).empty());
}

// A list of a million items in 16 MiB: the last item found and removed in
// one pass each.
TEST(Lists, ALongListIsHandledInOnePass) {
    std::string list;
    list.reserve(16u << 20);
    int32_t n = 0;
    while (list.size() + 17 <= (16u << 20)) list += "item-0123456789,", ++n;
    list += "Last";
    ++n;
    EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(list, " last ", ",", false, false), n);
    const RemovedItem got = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list, n, ",");
    EXPECT_TRUE(got.removed);
    EXPECT_EQ(got.list.size(), list.size() - 5);
}

}  // namespace
}  // namespace wqj

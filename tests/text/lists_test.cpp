// Tests of delimited lists.
#include "text/lists.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

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
    };
    for (const Case& c : cases)
        EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(c.list, c.item, c.delimiter, c.keep_blanks, c.case_sensitive), c.want)
            << c.list << " ? " << c.item << " keep " << c.keep_blanks << " case " << c.case_sensitive;
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

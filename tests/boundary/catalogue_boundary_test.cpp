// The catalogue exports called as the host calls them. None of these tests
// calls INITIALIZEDLL: the catalogue works without it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "boundary/loaded_library.h"

using wqjtest::take;

namespace {

TEST(BoundaryCatalogue, TextResultsAndEmptyTextAsANullHandle) {
    struct Case {
        WQJSTRING got;
        std::string want;
    } cases[] = {
        {WQJ_FN(GETDESCRIPTIONFORCATEGORYTYPE)(1, 4), "Power"},
        {WQJ_FN(GETDESCRIPTIONFORCATEGORYTYPE)(1, 7), ""},
        {WQJ_FN(GETDESCRIPTIONFORDRAWINGTOOLTYPE)(8), "Label"},
        {WQJ_FN(GETDESCRIPTIONFORDRAWINGTOOLTYPE)(12), ""},
        {WQJ_FN(GETDESCRIPTIONFORWIRETYPE)(2), "Straight"},
        {WQJ_FN(GETSYMBOLITEMNAMEFROMTYPE)(1, 4, 2, 1), "Switches"},
        {WQJ_FN(GETSYMBOLITEMNAMEFROMTYPE)(1, 5, 235, 1), ""},
        {WQJ_FN(GETSYMBOLITEMNAMEFROMTYPE)(1, 4, 2, 0), "Switch"},
        {WQJ_FN(GETSYMBOLSUBITEMNAMEFROMTYPE)(1, 4, 2, 17), "Key Opertated"},
        {WQJ_FN(GETSYMBOLSUBITEMNAMEFROMTYPE)(1, 4, 1, 15), ""},
        {WQJ_FN(GETLIBRARYNAMEFROMCATEGORIES)(1, -1, 5), "lib_1_-1_5"},
        {WQJ_FN(GETSUBCATEGORIESCODESTRING)(1), "1\xFF" "2\xFF" "3\xFF" "4\xFF" "5"},
        {WQJ_FN(GETITEMTYPESCODESTRING)(1, 1), "0\xFF" "1\xFF" "2\xFF" "3"},
        {WQJ_FN(GETITEMTYPESCODESTRING)(1, 3), "0\xFF" "1\xFF" "2\xFF" "3\xFF" "4"},
        {WQJ_FN(GETSUBITEMTYPESCODESTRING)(1, 3, 3), "1"},
        {WQJ_FN(GETSUBITEMTYPESCODESTRING)(1, 4, 8), ""},
        {WQJ_FN(GETSUBITEMTYPESCODESTRING)(1, 1, 2), "1\xFF" "2\xFF" "3"},
        {WQJ_FN(GETFOLDERNAMEINVALIDCHARACTERS)(), "/\\:*?<>|\""},
        {WQJ_FN(GETCATEGORYNAMEINVALIDCHARACTERS)(), ".,/\\:*?<>|_\""},
        {WQJ_FN(GETCIRCUITNAMEINVALIDCHARACTERS)(), ".,:*?\""},
        {WQJ_FN(GETSYMBOLNAMEINVALIDCHARACTERS)(), ".,/\\:*?\""},
    };
    for (Case& c : cases) {
        bool was_null = false;
        EXPECT_EQ(take(c.got, &was_null), c.want);
        EXPECT_EQ(was_null, c.want.empty()) << c.want;
    }
}

TEST(BoundaryCatalogue, ItemTypeFromNameRewritesOnlyTheNamesOwnBytes) {
    struct Case {
        int32_t category, subcategory;
        const char* given;
        int32_t want;
        const char* after;
    } cases[] = {
        {1, 5, "  telephone jacks ", 1, "TELEPHONE JACKS"},
        {3, 5, "camera", 0, "CAMERA"},
        {1, 4, "wire", 254, "WIRE"},
        {1, 4, "   ", 0, "   "},
        {1, 4, "", 0, ""},
    };
    for (const Case& c : cases) {
        // The name, its NUL, then guard bytes the export must not touch.
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        const std::size_t n = std::strlen(c.given);
        std::memcpy(buffer, c.given, n + 1);
        EXPECT_EQ(WQJ_FN(GETSYMBOLITEMTYPEFROMNAME)(c.category, c.subcategory, buffer), c.want) << c.given;
        EXPECT_STREQ(buffer, c.after);
        for (std::size_t i = std::strlen(c.after) + 1; i <= n; ++i) EXPECT_EQ(buffer[i], c.given[i]) << i;
        for (std::size_t i = n + 1; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << c.given << " " << i;
    }
    EXPECT_EQ(WQJ_FN(GETSYMBOLITEMTYPEFROMNAME)(1, 4, nullptr), 0);
}

TEST(BoundaryCatalogue, ItemTypeFromNameLeavesAnAlreadyCleanNameUnwritten) {
    // A name in its final form is not written at all, so text in read-only
    // storage may be passed.
    static const char clean[] = "SWITCHES";
    EXPECT_EQ(WQJ_FN(GETSYMBOLITEMTYPEFROMNAME)(1, 4, const_cast<char*>(clean)), 2);
    static const char blanks[] = "  ";
    EXPECT_EQ(WQJ_FN(GETSYMBOLITEMTYPEFROMNAME)(1, 4, const_cast<char*>(blanks)), 0);
}

TEST(BoundaryCatalogue, CategoriesFromLibraryName) {
    struct Case {
        const char* name;
        int32_t category, subcategory, item;
    } cases[] = {{"lib_1_4_2", 1, 4, 2}, {nullptr, 0, -1, -1}};
    for (const Case& c : cases) {
        int32_t category = 77, subcategory = 77, item = 77;
        EXPECT_EQ(WQJ_FN(GETCATEGORIESFROMLIBRARYNAME)(c.name, &category, &subcategory, &item), 0);
        EXPECT_EQ(category, c.category);
        EXPECT_EQ(subcategory, c.subcategory);
        EXPECT_EQ(item, c.item);
    }
    int32_t category = 0;
    EXPECT_EQ(WQJ_FN(GETCATEGORIESFROMLIBRARYNAME)("lib_3_2_1", &category, nullptr, nullptr), 0);
    EXPECT_EQ(category, 3);
}

TEST(BoundaryCatalogue, IntegerAnswers) {
    struct Case {
        int32_t got, want;
    } cases[] = {
        {WQJ_FN(ISVALIDLIBRARYNAME)("Lib_12_3_45_Lib.Vdf"), 1},
        {WQJ_FN(ISVALIDLIBRARYNAME)(nullptr), 0},
        {WQJ_FN(ISOBJECTAWALL)(" 1, 1, 1"), 1},
        {WQJ_FN(ISOBJECTAWALL)(nullptr), 0},
        {WQJ_FN(ISOBJECTAWIRE)("1,4,254,2"), 2},
        {WQJ_FN(ISOBJECTPARTOFTEXTBOX)("TEXTBOX BACKGROUND"), 4},
        {WQJ_FN(ISOBJECTPARTOFTEXTBOX)(nullptr), 0},
        {WQJ_FN(GETOBJECTWALLSNAPINDEXFROMCATEGORIES)(1, 4, 2, 9), 52},
        {WQJ_FN(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX)(), 262},
        {WQJ_FN(ISSYMBOLVIEWNUMBERVALID)(2, "1, 2 ,3"), -1},
        {WQJ_FN(ISSYMBOLVIEWNUMBERVALID)(0, nullptr), -1},
        {WQJ_FN(STRINGCONTAINSCHARACTERS)("a?b/c", "/\\:*?<>|\""), 1},
        {WQJ_FN(STRINGCONTAINSCHARACTERS)(nullptr, "abc"), 0},
        {WQJ_FN(STRINGCONTAINSCHARACTERS)("abc", nullptr), 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

}  // namespace

// Library file names, object codes and names, view lists and name rules.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>

#include "catalogue/catalogue.h"

namespace {

// ---- library file names ------------------------------------------------------------

TEST(CatalogueLibraryNames, StemFromNumbers) {
    struct Case {
        int32_t category, subcategory, item;
        const char* want;
    } cases[] = {
        {1, 4, 0, "lib_1_4"},   {1, 4, 2, "lib_1_4_2"},  {1, 4, -3, "lib_1_4"}, {1, -1, 5, "lib_1_-1_5"},
        {0, 0, 0, "lib_0_0"},   {-7, -8, 1, "lib_-7_-8_1"},
        {INT_MAX, INT_MIN, INT_MAX, "lib_2147483647_-2147483648_2147483647"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETLIBRARYNAMEFROMCATEGORIES(c.category, c.subcategory, c.item), c.want);
}

TEST(CatalogueLibraryNames, NumbersFromName) {
    struct Case {
        std::string name;
        int32_t category, subcategory, item;
    } cases[] = {
        {"lib_1_4_2", 1, 4, 2},       {"lib_1_4", 1, 4, -1},        {"lib_1", 1, -1, -1},
        {"abc", 0, -1, -1},           {"", 0, -1, -1},              {"lib_1_4_2_LIB.VDF", 1, 4, 2},
        {"lib_1_4_LIB.VDF", 1, 4, 0}, {"x_ 12abc_2.5_3.5", 12, 2, 4}, // prefixes read, ties to even
        {"_-3_", -3, 0, -1},          {"lib_9e99_1_1", INT_MAX, 1, 1}, {"lib__5", 0, 5, -1},
        {"C:\\dir\\lib_1_2_3_LIB.VDF", 1, 2, 3},
    };
    for (const Case& c : cases) {
        const wqj::LibraryCategories r = wqj::GETCATEGORIESFROMLIBRARYNAME(c.name);
        EXPECT_EQ(r.category, c.category) << c.name;
        EXPECT_EQ(r.subcategory, c.subcategory) << c.name;
        EXPECT_EQ(r.item, c.item) << c.name;
    }
}

TEST(CatalogueLibraryNames, Validation) {
    struct Case {
        const char* name;
        int32_t want;
    } cases[] = {
        {"lib_1_LIB.VDF", 1}, {"LIB_1_4_lib.vdf", 1}, {"Lib_12_3_45_Lib.Vdf", 1}, {"lib_0_0_0_LIB.VDF", 1},
        {"lib_1_4", 0}, {"lib__1_LIB.VDF", 0}, {"lib_1_4_2_9_LIB.VDF", 0}, {"lib_-1_LIB.VDF", 0},
        {"lib_1a_LIB.VDF", 0}, {"lib_1_LIB.VDF.bak", 0}, {"", 0}, {"lib_LIB.VDF", 0}, {"lib_1_", 0},
        {"_lib_1_LIB.VDF", 0}, {"lib_1_LIB.VDF_", 0}, {"lib_ 1_LIB.VDF", 0}, {"lib_1_2a_LIB.VDF", 0},
        {"lib_1_2_3a_LIB.VDF", 0}, {"lib_1_LIB VDF", 0}, {"C:\\lib_1_LIB.VDF", 0}, {"lb_1_LIB.VDF", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISVALIDLIBRARYNAME(c.name), c.want) << c.name;
}

TEST(CatalogueLibraryNames, EveryNonNegativeStemMakesAValidName) {
    for (int32_t category : {0, 1, 6, INT_MAX})
        for (int32_t subcategory : {0, 4, 100})
            for (int32_t item : {-1, 0, 1, 254, 10201}) {
                const std::string stem = wqj::GETLIBRARYNAMEFROMCATEGORIES(category, subcategory, item);
                EXPECT_EQ(wqj::ISVALIDLIBRARYNAME(stem + "_LIB.VDF"), 1) << stem;
                const wqj::LibraryCategories back = wqj::GETCATEGORIESFROMLIBRARYNAME(stem);
                EXPECT_EQ(back.category, category);
                EXPECT_EQ(back.subcategory, subcategory);
                EXPECT_EQ(back.item, item > 0 ? item : -1);
            }
}

// ---- object codes and names ------------------------------------------------------------

TEST(CatalogueObjects, WallTest) {
    struct Case {
        const char* code;
        int32_t want;
    } cases[] = {
        {"1,1,1", 1}, {"1,1,1,1,extra", 1}, {" 1, 1, 1", 1}, {"1.0,1,1e0", 1}, {"1,1,1.4", 0},
        {"1,1,2,1", 0}, {"1,1", 0}, {"", 0}, {"2,1,1", 0}, {"1;1;1", 0}, {"1,1,", 0}, {"1,1,1,", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISOBJECTAWALL(c.code), c.want) << c.code;
}

TEST(CatalogueObjects, WireTest) {
    struct Case {
        const char* code;
        int32_t want;
    } cases[] = {
        {"1,4,254,2", 2}, {"1,5,250,3", 3}, {"1,4,255,2", 0}, {"1,4,249,2", 0}, {"1,0,13,2", -2},
        {"1,1,13,2", 0}, {"9,0,12,1", -1}, {"x,0,14,3", -3}, {"1,0,15,3", 0}, {"1,0,11,3", 0},
        {"1,4,254", 0}, {"1,4,254,0", 0}, {"1,4,254,-2", -2}, {"1,4,253.6,2.5", 2},
        {",,254,3,", 3}, {"", 0},
        // A sub-item type too negative to negate saturates instead of overflowing.
        {"1,0,12,-2147483648", INT_MAX}, {"1,0,12,-1e30", INT_MAX}, {"1,0,12,1e30", -INT_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISOBJECTAWIRE(c.code), c.want) << c.code;
}

TEST(CatalogueObjects, TextBoxParts) {
    struct Case {
        std::string name;
        int32_t want;
    } cases[] = {
        {"TEXTBOX PRIMARY 7", 1}, {"TEXTBOX PRIMARY", 1}, {"TEXTBOX SECONDARY", 2}, {"TEXTBOX BOUNDRY", 3},
        {"TEXTBOX BOUNDRYX", 3},  {"TEXTBOX BACKGROUND", 4}, {"TEXTBOX BOUNDARY", 0}, {"textbox primary", 0},
        {" TEXTBOX PRIMARY", 0},  {"TEXTBOX PRIMAR", 0},  {"TEXTBOX BACKGROUN", 0}, {"", 0},
        {std::string("TEXTBOX PRIMARY\0", 16), 1}, {std::string("TEXTBOX\0PRIMARY", 15), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISOBJECTPARTOFTEXTBOX(c.name), c.want) << c.name;
}

TEST(CatalogueObjects, ViewListMembership) {
    struct Case {
        int32_t view;
        const char* list;
        int32_t want;
    } cases[] = {
        {3, "1,2,3", -1}, {4, "1,2,3", 0}, {2, "1, 2 ,3", -1}, {2, "2.5", 0}, {0, "", -1}, {0, "1,2", 0},
        {0, "1,,2", -1}, {5, "\"5\",6", -1}, {6, "\"5,6\"", 0}, {-4, "-4", -1}, {7, "7abc", -1},
        {1, "abc", 0}, {INT_MIN, "-2147483648", -1}, {INT_MAX, "2147483647.5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISSYMBOLVIEWNUMBERVALID(c.view, c.list), c.want) << c.list;
}

// ---- name rules ------------------------------------------------------------------

TEST(CatalogueNameRules, ForbiddenSets) {
    struct Case {
        std::string got, want;
    } cases[] = {
        {wqj::GETFOLDERNAMEINVALIDCHARACTERS(), "/\\:*?<>|\""},
        {wqj::GETCATEGORYNAMEINVALIDCHARACTERS(), ".,/\\:*?<>|_\""},
        {wqj::GETCIRCUITNAMEINVALIDCHARACTERS(), ".,:*?\""},
        {wqj::GETSYMBOLNAMEINVALIDCHARACTERS(), ".,/\\:*?\""},
    };
    const size_t sizes[] = {9, 12, 6, 8};
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].got, cases[i].want);
        EXPECT_EQ(cases[i].got.size(), sizes[i]);
        EXPECT_EQ(cases[i].got.back(), '"');
    }
}

TEST(CatalogueNameRules, ContainmentAnswersThePositionInTheSet) {
    const std::string folder = wqj::GETFOLDERNAMEINVALIDCHARACTERS();
    struct Case {
        std::string text, characters;
        int32_t want;
    } cases[] = {
        {"Kitchen", folder, 0}, {"Kitchen:1", folder, 3}, {"Say \"hi\"", folder, 9}, {"a?b/c", folder, 1},
        {"a?b", folder, 5}, {"Main_Floor", wqj::GETCATEGORYNAMEINVALIDCHARACTERS(), 11},
        {"Main_Floor", wqj::GETSYMBOLNAMEINVALIDCHARACTERS(), 0}, {"", folder, 0}, {"abc", "", 0},
        {"abc", "cb", 1}, {"abc", "xyzb", 4}, {"ABC", "abc", 0}, {"\xFF", "a\xFF", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::STRINGCONTAINSCHARACTERS(c.text, c.characters), c.want) << c.text << " / " << c.characters;
}

// ---- long texts ------------------------------------------------------------------

TEST(CatalogueLongTexts, LinearInTheLengthOfTheirTexts) {
    const auto start = std::chrono::steady_clock::now();
    const std::string big(16u << 20, 'a');
    std::string set(16u << 20, 'b');
    set.back() = 'a';
    EXPECT_EQ(wqj::STRINGCONTAINSCHARACTERS(big, set), int32_t(set.size()));
    std::string views(4u << 20, ',');
    views += "17";
    EXPECT_EQ(wqj::ISSYMBOLVIEWNUMBERVALID(17, views), -1);
    EXPECT_EQ(wqj::ISOBJECTAWIRE("1,4,254,3," + big), 3);
    EXPECT_EQ(wqj::ISVALIDLIBRARYNAME(std::string(1u << 20, '_')), 0);
    EXPECT_EQ(wqj::ISVALIDLIBRARYNAME("lib_1_" + std::string(8u << 20, '9') + "_LIB.VDF"), 1);
    std::string name = "  " + big + "  ";
    EXPECT_EQ(wqj::GETSYMBOLITEMTYPEFROMNAME(1, 4, name), 0);
    EXPECT_EQ(name.size(), big.size());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace

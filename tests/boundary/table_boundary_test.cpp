// The scale and paper exports as a host calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "boundary/loaded_library.h"

using wqjtest::take;

namespace {

class Tables : public ::testing::Test {
protected:
    void SetUp() override { WQJ_FN(INITIALIZEDLL)(); }
};

TEST_F(Tables, ScaleExports) {
    EXPECT_EQ(WQJ_FN(GETSCALERATIOVALUE)(0, 1, 4), 48.0f);
    EXPECT_EQ(WQJ_FN(GETSCALERATIOVALUE)(1, 0, 12), 0.0f);
    EXPECT_EQ(WQJ_FN(GETINDEXFORSCALERATIOVALUES)(0, 1, 96), 6);
    EXPECT_EQ(WQJ_FN(GETINCHESPERFOOTFROMSCALERATIO)(1, 48), 0.25f);
    EXPECT_EQ(WQJ_FN(GETNEARESTSCALERATIOVALUE)(0, 1.0 / 48), 48);
    EXPECT_EQ(WQJ_FN(GETCONVERTEDSCALEVALUE)(1, 25.400051f), 1.0f);
}

TEST_F(Tables, PaperRowsThroughTheExports) {
    EXPECT_EQ(WQJ_FN(GETUBPAPERINFOARRAY)(), 40);
    EXPECT_EQ(WQJ_FN(SIZEPAPERINFOARRAY)(10), 40);
    EXPECT_EQ(take(WQJ_FN(GETPAPERINFONAME)(16)), "Generic A4");
    EXPECT_EQ(WQJ_FN(GETPAPERINFONAMELENGTH)(0), 14);
    EXPECT_EQ(WQJ_FN(GETPAPERINFONAMELENGTH)(30), 0);
    bool was_null = false;
    take(WQJ_FN(GETPAPERINFONAME)(30), &was_null);
    EXPECT_TRUE(was_null);
    EXPECT_EQ(WQJ_FN(GETPAPERINFOWIDTH)(0, 2), 11.0f);
    EXPECT_EQ(WQJ_FN(GETPAPERINFOHEIGHT)(0, 2), 8.5f);
    EXPECT_EQ(WQJ_FN(GETPAPERINFOTOPMARGIN)(0), 0.5f);
    EXPECT_EQ(WQJ_FN(GETPAPERINFORIGHTMARGIN)(30), 0.0f);
}

TEST_F(Tables, SetAndGetAWholeRowWithExactBuffers) {
    WQJ_FN(SETPAPERINFOITEM)(5, "ABCDEFGHIJKLMNOPQRST", 1, 2, 3, 4, 5, 6);
    EXPECT_EQ(WQJ_FN(GETPAPERINFONAMELENGTH)(5), 16);
    char name[18];
    std::memset(name, '#', sizeof name);
    float w = 0, h = 0, t = 0, b = 0, l = 0, r = 0;
    WQJ_FN(GETPAPERINFOITEM)(5, name, &w, &h, &t, &b, &l, &r);
    EXPECT_STREQ(name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(name[17], '#') << "17 bytes at most";
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(t, 3);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(l, 5);
    EXPECT_EQ(r, 6);
    // Null pointers are skipped, not written.
    WQJ_FN(GETPAPERINFOITEM)(5, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    WQJ_FN(SETPAPERINFOITEM)(6, nullptr, 7, 8, 0, 0, 0, 0);
    EXPECT_EQ(WQJ_FN(GETPAPERINFONAMELENGTH)(6), 0);
    WQJ_FN(SETPAPERINFOWIDTH)(7, 9);
    WQJ_FN(SETPAPERINFOLEFTMARGIN)(7, 0.25f);
    EXPECT_EQ(WQJ_FN(GETPAPERINFOWIDTH)(7, 1), 9.0f);
    EXPECT_EQ(WQJ_FN(GETPAPERINFOLEFTMARGIN)(7), 0.25f);
}

TEST_F(Tables, LookupsWriteBackTheNormalisedNameAndTheOrientation) {
    char name[] = "  generic a4 ";
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERNAME)(name), 16);
    EXPECT_STREQ(name, "GENERIC A4");
    char missing[] = " nothing ";
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERNAME)(missing), -1);
    EXPECT_STREQ(missing, "NOTHING");
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERNAME)(nullptr), 27);

    int32_t orientation = 99;
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERSIZE)(0, 11, 8.5f, &orientation), 0);
    EXPECT_EQ(orientation, 2);
    orientation = 99;
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERSIZE)(0, 8.5f, 12, &orientation), -1);
    EXPECT_EQ(orientation, 99) << "unwritten when nothing matches";
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERSIZE)(0, 0, 0, nullptr), 27);
}

}  // namespace

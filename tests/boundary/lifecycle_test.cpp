// The library's life in one fresh process: loaded, sized, initialised,
// changed and initialised again, through the exports only.
#include <gtest/gtest.h>

#include <string>

#include "boundary/loaded_library.h"

using wqjtest::take;

TEST(Lifecycle, FromLoadThroughTwoInitialisations) {
    // Right after loading no table exists.
    EXPECT_EQ(WQJ_FN(GETUBPAPERINFOARRAY)(), -1);
    EXPECT_EQ(WQJ_FN(GETSCALERATIOVALUE)(0, 1, 4), 0.0f);
    char name[] = "Generic A4";
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERNAME)(name), -1);
    int32_t orientation = 0;
    EXPECT_EQ(WQJ_FN(GETPAPERINDEXFROMPAPERSIZE)(0, 8.5f, 11, &orientation), -1);
    // Exports that need INITIALIZEDLL still give defined results before it.
    EXPECT_EQ(WQJ_FN(INCHESTOMILLIMETERS)(1), 25.400051);

    // A table sized by the host before INITIALIZEDLL keeps its size.
    EXPECT_EQ(WQJ_FN(SIZEPAPERINFOARRAY)(60), 60);
    WQJ_FN(SETCONVERSIONDECIMALPLACES)(1, 4);
    WQJ_FN(INITIALIZEDLL)();
    EXPECT_EQ(WQJ_FN(GETUBPAPERINFOARRAY)(), 60);
    EXPECT_EQ(take(WQJ_FN(GETPAPERINFONAME)(40)), "Generic Custom");
    EXPECT_EQ(take(WQJ_FN(GETPAPERINFONAME)(41)), std::string(16, '\0'));
    EXPECT_EQ(WQJ_FN(GETPAPERINFOWIDTH)(60, 1), 0.0f);
    EXPECT_EQ(WQJ_FN(GETSCALERATIOVALUE)(0, 1, 4), 48.0f);

    // A second INITIALIZEDLL restores rows 0 to 40 and keeps the rest.
    WQJ_FN(SETPAPERINFOWIDTH)(0, 9);
    WQJ_FN(SETPAPERINFOITEM)(50, "Mine", 3, 4, 0, 0, 0, 0);
    WQJ_FN(INITIALIZEDLL)();
    EXPECT_EQ(WQJ_FN(GETPAPERINFOWIDTH)(0, 1), 8.5f);
    EXPECT_EQ(take(WQJ_FN(GETPAPERINFONAME)(50)), "Mine");
    EXPECT_EQ(WQJ_FN(GETUBPAPERINFOARRAY)(), 60);
}

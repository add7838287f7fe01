#include "frame/paper.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/library.h"

namespace {

class Papers : public ::testing::Test {
protected:
    void SetUp() override {
        wqj::detail::on_process_attach();
        wqj::INITIALIZEDLL();
    }
};

TEST_F(Papers, DefaultRows) {
    struct Case {
        int32_t row;
        const char* name;
        float width, height, margin;
    } cases[] = {
        {0, "Generic Letter", 8.5f, 11, 0.5f}, {2, "Generic Ledger", 8.5f, 17, 0.5f},
        {11, "Generic 2A0", 46.81f, 66.22f, 0.5f}, {16, "Generic A4", 8.27f, 11.69f, 0.5f},
        {26, "Generic B6", 5.04f, 7.17f, 0.5f}, {27, "", 0, 0, 0}, {39, "", 0, 0, 0},
        {40, "Generic Custom", 8.5f, 11, 0.5f},
    };
    EXPECT_EQ(wqj::GETUBPAPERINFOARRAY(), 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const wqj::PaperRow r = wqj::GETPAPERINFOITEM(c.row);
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(wqj::GETPAPERINFONAME(c.row), c.name);
        EXPECT_EQ(wqj::GETPAPERINFONAMELENGTH(c.row), static_cast<int32_t>(std::string(c.name).size()));
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.height, c.height);
        EXPECT_EQ(r.top, c.margin);
        EXPECT_EQ(r.bottom, c.margin);
        EXPECT_EQ(r.left, c.margin);
        EXPECT_EQ(r.right, c.margin);
    }
    // Stored blank-padded to 16 bytes.
    EXPECT_EQ(std::string((*wqj::globals().PAPERINFOARRAY)[16].Name.data(), 16), "Generic A4      ");
    EXPECT_EQ(std::string((*wqj::globals().PAPERINFOARRAY)[30].Name.data(), 16), std::string(16, ' '));
}

TEST_F(Papers, OrientationSwapsWidthAndHeightOnlyForTwo) {
    struct Case {
        int32_t orientation;
        float width, height;
    } cases[] = {{1, 8.5f, 11}, {0, 8.5f, 11}, {3, 8.5f, 11}, {-2, 8.5f, 11}, {2, 11, 8.5f}};
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETPAPERINFOWIDTH(0, c.orientation), c.width) << c.orientation;
        EXPECT_EQ(wqj::GETPAPERINFOHEIGHT(0, c.orientation), c.height) << c.orientation;
    }
}

TEST_F(Papers, NamesAreCutOrPaddedAndReadBackTrimmed) {
    struct Case {
        const char* name;
        const char* read;
    } cases[] = {
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP"},
        {"  Plot Sheet  ", "Plot Sheet"},
        {"lower case", "lower case"},  // not case-changed
        {"", ""},
        {"                    x", ""},  // the 17th byte is cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wqj::SETPAPERINFOITEM(5, c.name, 1, 2, 3, 4, 5, 6);
        EXPECT_EQ(wqj::GETPAPERINFONAME(5), c.read);
        EXPECT_EQ(wqj::GETPAPERINFONAMELENGTH(5), static_cast<int32_t>(std::string(c.read).size()));
    }
    const wqj::PaperRow r = wqj::GETPAPERINFOITEM(5);
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.height, 2);
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.bottom, 4);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right, 6);
}

TEST_F(Papers, SettersWriteOneFieldEach) {
    wqj::SETPAPERINFOWIDTH(3, 9);
    wqj::SETPAPERINFOHEIGHT(3, 10);
    wqj::detail::set_paper_margin(3, wqj::detail::Margin::Top, 1);
    wqj::detail::set_paper_margin(3, wqj::detail::Margin::Bottom, 2);
    wqj::detail::set_paper_margin(3, wqj::detail::Margin::Left, 3);
    wqj::detail::set_paper_margin(3, wqj::detail::Margin::Right, 4);
    EXPECT_EQ(wqj::GETPAPERINFOWIDTH(3, 1), 9);
    EXPECT_EQ(wqj::GETPAPERINFOHEIGHT(3, 1), 10);
    EXPECT_EQ(wqj::detail::paper_margin(3, wqj::detail::Margin::Top), 1);
    EXPECT_EQ(wqj::detail::paper_margin(3, wqj::detail::Margin::Bottom), 2);
    EXPECT_EQ(wqj::detail::paper_margin(3, wqj::detail::Margin::Left), 3);
    EXPECT_EQ(wqj::detail::paper_margin(3, wqj::detail::Margin::Right), 4);
    EXPECT_EQ(wqj::GETPAPERINFONAME(3), "Generic D");
}

// Rows outside the table and a missing table: setters change nothing,
// getters give 0 or empty text.
TEST_F(Papers, RowsOutsideTheTableReadAsEmptyAndIgnoreWrites) {
    for (int32_t row : {-1, 41, 1 << 30}) {
        SCOPED_TRACE(row);
        wqj::SETPAPERINFOITEM(row, "x", 1, 1, 1, 1, 1, 1);
        wqj::SETPAPERINFOWIDTH(row, 5);
        wqj::detail::set_paper_margin(row, wqj::detail::Margin::Left, 5);
        EXPECT_EQ(wqj::GETPAPERINFOWIDTH(row, 1), 0);
        EXPECT_EQ(wqj::GETPAPERINFOHEIGHT(row, 2), 0);
        EXPECT_EQ(wqj::detail::paper_margin(row, wqj::detail::Margin::Left), 0);
        EXPECT_EQ(wqj::GETPAPERINFONAME(row), "");
        EXPECT_EQ(wqj::GETPAPERINFONAMELENGTH(row), 0);
        EXPECT_EQ(wqj::GETPAPERINFOITEM(row).name, "");
    }
    EXPECT_EQ(wqj::GETUBPAPERINFOARRAY(), 40);
    wqj::detail::on_process_attach();
    EXPECT_EQ(wqj::GETPAPERINFOWIDTH(0, 1), 0);
    EXPECT_EQ(wqj::GETPAPERINDEXFROMPAPERNAME("Generic A4").row, -1);
    EXPECT_EQ(wqj::GETPAPERINDEXFROMPAPERSIZE(0, 8.5f, 11).row, -1);
}

TEST_F(Papers, FindByNameTrimmedAndUpperCased) {
    struct Case {
        const char* name;
        const char* normalised;
        int32_t row;
    } cases[] = {
        {"  generic a4 ", "GENERIC A4", 16}, {"GENERIC LETTER", "GENERIC LETTER", 0}, {"", "", 27},
        {"Generic Custom", "GENERIC CUSTOM", 40}, {"Generic A44", "GENERIC A44", -1},
        {"generic\ta4", "GENERIC\tA4", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const wqj::PaperNameMatch m = wqj::GETPAPERINDEXFROMPAPERNAME(c.name);
        EXPECT_EQ(m.row, c.row);
        EXPECT_EQ(m.normalised, c.normalised);
    }
}

TEST_F(Papers, FindBySizeExactlyInEitherOrientation) {
    struct Case {
        int32_t system;
        float width, height;
        int32_t row, orientation;
    } cases[] = {
        {0, 11, 8.5f, 0, 2},   {0, 8.5f, 11, 0, 1},   {0, 0, 0, 27, 1},  {0, 8.5f, 12, -1, 0},
        {0, 8.27f, 11.69f, 16, 1},
        // metric compares the single-rounded millimetre values
        {1, 210.0584259033203f, 296.92657470703125f, 16, 1},
        {1, 296.92657470703125f, 210.0584259033203f, 16, 2},
        {1, 210, 297, -1, 0},
        {5, 8.5f, 11, 0, 1},  // any system but metric is inches
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.system << " " << c.width << "x" << c.height);
        const wqj::PaperSizeMatch m = wqj::GETPAPERINDEXFROMPAPERSIZE(c.system, c.width, c.height);
        EXPECT_EQ(m.row, c.row);
        if (c.row >= 0) {
            EXPECT_EQ(m.orientation, c.orientation);
        }
    }
}

TEST(PaperTable, SizeBeforeInitialiseIsKeptAndRefusedBoundsCreateNothing) {
    wqj::detail::on_process_attach();
    EXPECT_EQ(wqj::GETUBPAPERINFOARRAY(), -1);
    EXPECT_EQ(wqj::SIZEPAPERINFOARRAY(-1), -1);
    EXPECT_EQ(wqj::SIZEPAPERINFOARRAY(wqj::kLargestPaperUpperBound + 1), -1);
    EXPECT_EQ(wqj::SIZEPAPERINFOARRAY(60), 60);
    EXPECT_EQ(wqj::SIZEPAPERINFOARRAY(10), 60);  // an existing table is not resized
    wqj::INITIALIZEDLL();
    EXPECT_EQ(wqj::GETUBPAPERINFOARRAY(), 60);
    EXPECT_EQ(wqj::GETPAPERINFONAME(40), "Generic Custom");
    EXPECT_EQ(wqj::GETPAPERINFONAME(41), std::string(16, '\0'));  // never written: 16 NUL bytes
    EXPECT_EQ(wqj::GETPAPERINFONAMELENGTH(60), 16);

    // A smaller table: defaults above its bound are skipped.
    wqj::detail::on_process_attach();
    EXPECT_EQ(wqj::SIZEPAPERINFOARRAY(10), 10);
    wqj::INITIALIZEDLL();
    EXPECT_EQ(wqj::GETUBPAPERINFOARRAY(), 10);
    EXPECT_EQ(wqj::GETPAPERINFONAME(10), "Generic L");
}

TEST(PaperTable, ASecondInitialiseRestoresRowsZeroToForty) {
    wqj::detail::on_process_attach();
    wqj::SIZEPAPERINFOARRAY(45);
    wqj::INITIALIZEDLL();
    wqj::SETPAPERINFOWIDTH(0, 9);
    wqj::SETPAPERINFOITEM(44, "Mine", 1, 2, 0, 0, 0, 0);
    wqj::INITIALIZEDLL();
    EXPECT_EQ(wqj::GETPAPERINFOWIDTH(0, 1), 8.5f);
    EXPECT_EQ(wqj::GETPAPERINFONAME(44), "Mine");
}

}  // namespace

#include "frame/library.h"

#include <gtest/gtest.h>

#include "frame/globals.h"

namespace {

using wqj::globals;

class Frame : public ::testing::Test {
protected:
    void SetUp() override { wqj::detail::on_process_attach(); }
};

TEST_F(Frame, LibmainAcceptsProcessAttachOnly) {
    EXPECT_EQ(wqj::LIBMAIN(nullptr, 1, nullptr), 1);
    for (int32_t reason : {0, 2, 3, -1, 99}) EXPECT_EQ(wqj::LIBMAIN(nullptr, reason, nullptr), 0) << reason;
}

TEST_F(Frame, AfterLoadNoTableExistsAndTheGeneratorIsAllOnes) {
    EXPECT_FALSE(globals().initialised);
    EXPECT_FALSE(globals().CONVERSIONDECIMALPLACES.has_value());
    EXPECT_FALSE(globals().SCALERATIOS.has_value());
    EXPECT_FALSE(globals().PAPERINFOARRAY.has_value());
    EXPECT_EQ(globals().random_state, 0xFFFFFFFFu);
}

TEST_F(Frame, InitialiseCreatesEveryTableWithItsSize) {
    wqj::INITIALIZEDLL();
    EXPECT_TRUE(globals().initialised);
    ASSERT_TRUE(globals().CONVERSIONDECIMALPLACES.has_value());
    EXPECT_EQ(*globals().CONVERSIONDECIMALPLACES, (std::array<int32_t, 2>{0, 0}));
    ASSERT_TRUE(globals().SCALERATIOS.has_value());
    ASSERT_TRUE(globals().PAPERINFOARRAY.has_value());
    EXPECT_EQ(globals().PAPERINFOARRAY->size(), 41u);
}

TEST_F(Frame, ScaleTableHoldsTheStandardRatiosAndAClosingZeroEntry) {
    wqj::INITIALIZEDLL();
    const wqj::ScaleTable& t = *globals().SCALERATIOS;
    const float imperial[12] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768};
    const float metric[12] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
    for (int entry = 0; entry < 12; ++entry) {
        EXPECT_EQ(t[entry][0][wqj::SYSTEMIMPERIAL], 1.0f);
        EXPECT_EQ(t[entry][0][wqj::SYSTEMMETRIC], 1.0f);
        EXPECT_EQ(t[entry][1][wqj::SYSTEMIMPERIAL], imperial[entry]) << entry;
        EXPECT_EQ(t[entry][1][wqj::SYSTEMMETRIC], metric[entry]) << entry;
    }
    for (int part = 0; part < 2; ++part) {
        for (int system = 0; system < 2; ++system) EXPECT_EQ(t[12][part][system], 0.0f);
    }
}

TEST_F(Frame, ASecondInitialiseKeepsSizesAndDecimalPlaces) {
    wqj::INITIALIZEDLL();
    (*globals().CONVERSIONDECIMALPLACES)[1] = 4;
    (*globals().SCALERATIOS)[4][1][0] = 99;
    wqj::INITIALIZEDLL();
    EXPECT_EQ((*globals().CONVERSIONDECIMALPLACES)[1], 4);
    EXPECT_EQ((*globals().SCALERATIOS)[4][1][0], 48.0f);
    EXPECT_EQ(globals().PAPERINFOARRAY->size(), 41u);
}

TEST_F(Frame, APaperTableMadeEarlierKeepsItsSize) {
    for (std::size_t rows : {61u, 10u}) {
        wqj::detail::on_process_attach();
        globals().PAPERINFOARRAY.emplace(rows);
        wqj::INITIALIZEDLL();
        EXPECT_EQ(globals().PAPERINFOARRAY->size(), rows);
    }
}

// Rows above the defaults of a table made larger before INITIALIZEDLL stay
// zero-filled: a name of 16 NUL bytes and zero numbers.
TEST_F(Frame, RowsAboveTheDefaultsStayZeroFilled) {
    globals().PAPERINFOARRAY.emplace(61);
    wqj::INITIALIZEDLL();
    for (std::size_t i = 41; i < 61; ++i) {
        const wqj::PAPERINFO& row = (*globals().PAPERINFOARRAY)[i];
        for (char c : row.Name) EXPECT_EQ(c, '\0');
        EXPECT_EQ(row.Width, 0.0f);
        EXPECT_EQ(row.RightMargin, 0.0f);
    }
    EXPECT_EQ((*globals().PAPERINFOARRAY)[40].Width, 8.5f);
}

TEST_F(Frame, UnloadReleasesEveryTable) {
    wqj::INITIALIZEDLL();
    wqj::detail::on_process_detach();
    EXPECT_FALSE(globals().PAPERINFOARRAY.has_value());
    EXPECT_FALSE(globals().SCALERATIOS.has_value());
    EXPECT_FALSE(globals().CONVERSIONDECIMALPLACES.has_value());
}

TEST(Library, ConversionDecimalPlacesSlotZeroForSystemZeroElseOne) {
    wqj::detail::on_process_attach();
    wqj::INITIALIZEDLL();
    auto& table = wqj::globals().CONVERSIONDECIMALPLACES;
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ((*table)[0], 0);
    EXPECT_EQ((*table)[1], 0);
    wqj::SETCONVERSIONDECIMALPLACES(-1, 4);
    EXPECT_EQ((*table)[1], 4);
    EXPECT_EQ((*table)[0], 0);
    wqj::SETCONVERSIONDECIMALPLACES(0, 3);
    EXPECT_EQ((*table)[0], 3);
    wqj::SETCONVERSIONDECIMALPLACES(7, -9);
    EXPECT_EQ((*table)[1], -9);
}

// Before INITIALIZEDLL the setting is kept all the same: the table is made
// on demand, and INITIALIZEDLL then keeps what it holds.
TEST(Library, DecimalPlacesSetBeforeInitialisationAreKept) {
    wqj::detail::on_process_attach();
    wqj::SETCONVERSIONDECIMALPLACES(1, 2);
    wqj::INITIALIZEDLL();
    EXPECT_EQ((*wqj::globals().CONVERSIONDECIMALPLACES)[1], 2);
}

}  // namespace

// Paths, special folders, input state and random identifiers. Natively the
// input and tick cases are driven through the POSIX stand-in.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "frame/globals.h"
#include "services/input.h"
#include "services/paths.h"
#include "services/random.h"

#ifndef _WIN32
#  include "platform/posix/standin.h"
#endif

namespace {

TEST(Paths, SplitIntoDriveDirectoryFileAndPathWithoutFile) {
    struct Case {
        std::string path, drive, directory, file, without_file;
    } cases[] = {
        {"D:\\dir\\sub\\file.txt", "D:", "\\dir\\sub\\", "file.txt", "D:\\dir\\sub\\"},
        {"D:\\file.txt", "D:", "\\", "file.txt", "D:\\"},
        {"D:\\", "D:", "\\", "", "D:\\"},
        {"D:file.txt", "D:", "", "D:file.txt", ""},
        {"file.txt", "", "", "file.txt", ""},
        {"\\dir\\file.txt", "", "\\dir\\", "file.txt", "\\dir\\"},
        {"C: \\ dir \\  name.txt  ", "C:", " \\ dir \\", "name.txt", "C: \\ dir \\"},
        {"", "", "", "", ""},
        {"\\", "", "\\", "", "\\"},
        {"D:", "D:", "", "D:", ""},
        {"\\\\server\\share\\", "", "\\\\server\\share\\", "", "\\\\server\\share\\"},
        // the drive is any first byte before ":"; the forward slash is an ordinary byte
        {"7:\\a", "7:", "\\", "a", "7:\\"},
        {"a/b/c.txt", "", "", "a/b/c.txt", ""},
        // a backslash before ":" lies before the directory's start
        {"\\:x", "\\:", "", ":x", "\\"},
        // only blanks are trimmed, and only from the file name
        {"dir\\\tx \x01", "", "dir\\", "\tx \x01", "dir\\"},
        {"dir\\   ", "", "dir\\", "", "dir\\"},
        {std::string("a\0b\\c\0", 6), "", std::string("a\0b\\", 4), std::string("c\0", 2), std::string("a\0b\\", 4)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETDRIVEFROMPATH(c.path), c.drive) << c.path;
        EXPECT_EQ(wqj::GETDIRECTORYFROMPATH(c.path), c.directory) << c.path;
        EXPECT_EQ(wqj::GETFILENAMEFROMPATH(c.path), c.file) << c.path;
        EXPECT_EQ(wqj::REMOVEFILENAMEFROMFULLPATH(c.path), c.without_file) << c.path;
    }
}

TEST(Paths, ExportFileNameJoinsBaseCategoryAndNumber) {
    struct Case {
        const char* base;
        int32_t category, number;
        const char* want;
    } cases[] = {
        {"  Plan  ", 2, 7, "Plan_Document_7"},
        {"Plan", 1, 7, "Plan_Floor Plan_7"},
        {"Plan", 0, 7, "Plan__7"},
        {"Plan", 2, -3, "Plan_Document_-3"},
        {"Plan", 2, 0, "Plan_Document_0"},
        {"", 99, INT32_MIN, "__-2147483648"},
        {"a\\b:c", 2, INT32_MAX, "a\\b:c_Document_2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETEXPORTFILENAME(c.base, c.category, c.number), c.want) << c.base << " " << c.category;
    }
}

TEST(SpecialFolders, UnknownFolderNumberGivesEmptyText) {
    // (The shell reads the high bits as flags: 0x80000000 is the desktop.)
    for (int32_t folder : {-1, 0x7FFF, 0x3F, INT32_MAX}) {
        EXPECT_EQ(wqj::GETSPECIALFOLDERLOCATION(folder), "") << folder;
    }
}

// ---- random numbers ---------------------------------------------------------

class Random : public ::testing::Test {
protected:
    static void seed_state(uint32_t s) { wqj::globals().random_state = s; }
    static std::vector<int32_t> draw(int n) {
        std::vector<int32_t> values;
        for (int i = 0; i < n; ++i) values.push_back(wqj::GETRANDOMLONGVALUE());
        return values;
    }
};

TEST_F(Random, SequencesFromKnownStates) {
    struct Case {
        uint32_t state;
        std::vector<int32_t> want;
    } cases[] = {
        {0xFFFFFFFFu, {2080096055, 433179940, 1115656853, 283993338, 1877305942}},  // as loaded
        {0, {10000, 67397593}},
        {1148846080u, {523312523, 1677281936, 570421950}},  // the single 1000
        {1290500515u, {1748286810}},                        // the single 123456792
    };
    for (const Case& c : cases) {
        seed_state(c.state);
        EXPECT_EQ(draw(static_cast<int>(c.want.size())), c.want) << c.state;
    }
}

TEST_F(Random, ValuesStayInTheIdentifierRange) {
    // The states whose successors are 0 and all ones give the range's two ends.
    seed_state(0x26B05733u);
    EXPECT_EQ(wqj::GETRANDOMLONGVALUE(), 10000);
    seed_state(0x4D60AE66u);
    EXPECT_EQ(wqj::GETRANDOMLONGVALUE(), INT32_MAX);
    seed_state(0);
    for (int32_t v : draw(1000)) {
        EXPECT_GE(v, 10000);
        EXPECT_LE(v, INT32_MAX);
    }
}

TEST_F(Random, UniqueRecordIdSkipsIdentifiersInUse) {
    seed_state(0xFFFFFFFFu);
    EXPECT_EQ(wqj::GETUNIQUERECORDID(nullptr, -1), 0);
    const int32_t none[] = {1};
    EXPECT_EQ(wqj::GETUNIQUERECORDID(none, INT32_MIN), 0);
    EXPECT_EQ(wqj::globals().random_state, 0xFFFFFFFFu);  // no draw for a negative upper index

    struct Case {
        std::vector<int32_t> in_use;
        int32_t want;
    } cases[] = {
        {{2080096055}, 433179940},
        {{5, 433179940, 2080096055}, 1115656853},
        {{10000, 12345}, 2080096055},
    };
    for (const Case& c : cases) {
        seed_state(0xFFFFFFFFu);
        EXPECT_EQ(wqj::GETUNIQUERECORDID(c.in_use.data(), static_cast<int32_t>(c.in_use.size()) - 1), c.want);
    }
    // Elements beyond the upper index are not looked at.
    seed_state(0xFFFFFFFFu);
    const int32_t later[] = {1, 2080096055};
    EXPECT_EQ(wqj::GETUNIQUERECORDID(later, 0), 2080096055);
    // No array at all: nothing is in use, one draw.
    seed_state(0xFFFFFFFFu);
    EXPECT_EQ(wqj::GETUNIQUERECORDID(nullptr, 5), 2080096055);
    EXPECT_EQ(wqj::GETRANDOMLONGVALUE(), 433179940);
}

#ifndef _WIN32

namespace standin = wqj::platform::standin;

class StandInServices : public ::testing::Test {
protected:
    void SetUp() override { standin::reset(); }
    void TearDown() override { standin::reset(); }
};

TEST_F(StandInServices, SeedIsTheSingleBitPatternOfTheSignedTickCount) {
    struct Case {
        uint32_t ticks;
        uint32_t state;
        int32_t first;
    } cases[] = {
        {0, 0, 10000},
        {1000, 1148846080u, 523312523},
        {123456789, 1290500515u, 1748286810},
        {123456790, 1290500515u, 1748286810},  // rounds to the same single
        {0x80000000u, 0xCF000000u, 92284258},  // taken as -2^31
        {0xFFFFFFFFu, 0xBF800000u, 1589643813},  // taken as -1
    };
    for (const Case& c : cases) {
        standin::set_tick_count(c.ticks);
        wqj::RANDOMIZEDLLGENERATOR();
        EXPECT_EQ(wqj::globals().random_state, c.state) << c.ticks;
        EXPECT_EQ(wqj::GETRANDOMLONGVALUE(), c.first) << c.ticks;
    }
}

constexpr int16_t kDown = static_cast<int16_t>(0x8000);
constexpr int16_t kPressedSince = 0x0001;

TEST_F(StandInServices, MouseButtonFirstDownInOrderLeftRightMiddle) {
    struct Case {
        int16_t left, right, middle;
        int32_t want;
    } cases[] = {
        {0, 0, 0, 0},           {0, kDown, 0, 2},      {kDown, kDown, 0, 1}, {0, 0, kDown, 3},
        {0, kDown, kDown, 2},   {kPressedSince, 0, 0, 1}, {0, 0, kPressedSince, 3},
    };
    for (const Case& c : cases) {
        standin::set_key_state(1, c.left);
        standin::set_key_state(2, c.right);
        standin::set_key_state(4, c.middle);
        EXPECT_EQ(wqj::GETMOUSEBUTTON(nullptr), c.want) << c.left << " " << c.right << " " << c.middle;
    }
}

TEST_F(StandInServices, MouseButtonOnlyWhileTheCursorIsOverTheWindow) {
    const auto window = reinterpret_cast<wqj::platform::Handle>(0x40);
    const auto child = reinterpret_cast<wqj::platform::Handle>(0x44);
    const auto negative = reinterpret_cast<wqj::platform::Handle>(intptr_t{-8});
    // Judged as a signed 32-bit number, whatever the pointer width.
    const auto negative32 = reinterpret_cast<wqj::platform::Handle>(uintptr_t{0x80000000u});
    standin::set_key_state(2, kDown);
    struct Case {
        wqj::platform::Handle under_cursor, given;
        int32_t want;
    } cases[] = {
        {window, window, 2}, {child, window, 0}, {nullptr, window, 0},
        // 0 and negative handles skip the window test
        {child, nullptr, 2}, {child, negative, 2}, {child, negative32, 2},
    };
    for (const Case& c : cases) {
        standin::set_cursor({12, 34}, c.under_cursor);
        EXPECT_EQ(wqj::GETMOUSEBUTTON(c.given), c.want) << c.given;
    }
}

TEST_F(StandInServices, KeyStateIsDownNowOnly) {
    struct Case {
        int16_t state;
        int32_t want;
    } cases[] = {{0, 0}, {kDown, 1}, {kPressedSince, 0}, {static_cast<int16_t>(0x8001), 1}, {0x7FFF, 0}};
    for (const Case& c : cases) {
        standin::set_key_state(16, c.state);
        EXPECT_EQ(wqj::GETKEYSTATE(16), c.want) << c.state;
    }
    EXPECT_EQ(wqj::GETKEYSTATE(-1), 0);
    EXPECT_EQ(wqj::GETKEYSTATE(INT32_MAX), 0);
}

#endif

}  // namespace

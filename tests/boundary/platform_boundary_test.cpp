// Paths, special folders, input state and random identifiers as a host
// calls them.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "boundary/loaded_library.h"

#ifdef _WIN32
#  include <windows.h>
#  include <shlobj.h>
#else
#  include <ctime>
#endif

using wqjtest::take;

namespace {

TEST(BoundaryPaths, PartsOfAPathAsHostStrings) {
    const char* path = "D:\\dir\\sub\\ file.txt ";
    EXPECT_EQ(take(WQJ_FN(GETDRIVEFROMPATH)(path)), "D:");
    EXPECT_EQ(take(WQJ_FN(GETDIRECTORYFROMPATH)(path)), "\\dir\\sub\\");
    EXPECT_EQ(take(WQJ_FN(GETFILENAMEFROMPATH)(path)), "file.txt");
    EXPECT_EQ(take(WQJ_FN(REMOVEFILENAMEFROMFULLPATH)(path)), "D:\\dir\\sub\\");
    // Parts that are not there, and a missing path, are null handles.
    for (const char* p : {"file.txt", "", static_cast<const char*>(nullptr)}) {
        EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETDRIVEFROMPATH)(p)));
        EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETDIRECTORYFROMPATH)(p)));
        EXPECT_TRUE(wqjtest::is_null(WQJ_FN(REMOVEFILENAMEFROMFULLPATH)(p)));
    }
    EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETFILENAMEFROMPATH)("D:\\")));
    EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETFILENAMEFROMPATH)(nullptr)));
}

TEST(BoundaryPaths, ExportFileName) {
    auto name = WQJ_FN(GETEXPORTFILENAME);
    EXPECT_EQ(take(name(" Plan ", 2, 7)), "Plan_Document_7");
    EXPECT_EQ(take(name("Plan", 0, -3)), "Plan__-3");
    EXPECT_EQ(take(name(nullptr, 0, 0)), "__0");
}

TEST(BoundarySpecialFolders, UnknownFolderIsEmpty) {
    EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETSPECIALFOLDERLOCATION)(0x7FFF)));
    EXPECT_TRUE(wqjtest::is_null(WQJ_FN(GETSPECIALFOLDERLOCATION)(-1)));
}

#ifdef _WIN32

// What the shell gives this program for a folder number.
std::string shell_folder(int folder) {
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, folder, &list) != S_OK || list == nullptr) return {};
    char path[MAX_PATH + 1] = {};
    const BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return found ? std::string(path) : std::string();
}

TEST(BoundarySpecialFolders, AgreesWithTheShell) {
    for (int folder : {0x00, 0x05, 0x1A, 0x1C, 0x24, 0x25, 0x26, 0x28, 0x03, 0x11}) {
        EXPECT_EQ(take(WQJ_FN(GETSPECIALFOLDERLOCATION)(folder)), shell_folder(folder)) << folder;
    }
    EXPECT_FALSE(shell_folder(0x24).empty());  // the Windows directory always resolves
}

TEST(BoundaryInput, NothingPressedAndAWindowTheCursorIsNotOver) {
    // A window that is never shown is never under the cursor.
    HWND hidden = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(WQJ_FN(GETMOUSEBUTTON)(hidden), 0);
    DestroyWindow(hidden);
    EXPECT_EQ(WQJ_FN(GETMOUSEBUTTON)(nullptr), 0);
    EXPECT_EQ(WQJ_FN(GETKEYSTATE)(VK_SHIFT), 0);
}

uint32_t host_ticks() { return GetTickCount(); }

#else

TEST(BoundaryInput, NothingPressedAndAWindowTheCursorIsNotOver) {
    EXPECT_EQ(WQJ_FN(GETMOUSEBUTTON)(reinterpret_cast<void*>(0x1234)), 0);
    EXPECT_EQ(WQJ_FN(GETMOUSEBUTTON)(nullptr), 0);
    EXPECT_EQ(WQJ_FN(GETKEYSTATE)(16), 0);
}

// The clock the library's native tick count reads.
uint32_t host_ticks() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

#endif

TEST(BoundaryRandom, ValuesInRangeAndNoDrawForANegativeUpperIndex) {
    for (int i = 0; i < 100; ++i) {
        const int32_t v = WQJ_FN(GETRANDOMLONGVALUE)();
        EXPECT_GE(v, 10000);
        EXPECT_LE(v, INT32_MAX);
    }
    EXPECT_EQ(WQJ_FN(GETUNIQUERECORDID)(nullptr, -1), 0);
}

// Seeds taken within one tick are equal, so the sequences after them are
// too; that fixes what GETUNIQUERECORDID draws after a seed.
TEST(BoundaryRandom, SameTickSameSequenceAndIdentifiersInUseAreSkipped) {
    auto seed = WQJ_FN(RANDOMIZEDLLGENERATOR);
    auto draw = WQJ_FN(GETRANDOMLONGVALUE);
    auto unique = WQJ_FN(GETUNIQUERECORDID);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const uint32_t before = host_ticks();
        seed();
        int32_t first = draw();
        const int32_t second = draw();
        seed();
        const int32_t again = draw();
        seed();
        const int32_t skipped = unique(&first, 0);
        seed();
        const int32_t after_none = unique(&first, -1);
        const int32_t still_first = draw();
        seed();
        const int32_t unused = unique(nullptr, 3);
        if (host_ticks() != before) continue;  // the tick moved: try again
        EXPECT_EQ(again, first);
        EXPECT_EQ(skipped, second);
        EXPECT_EQ(after_none, 0);
        EXPECT_EQ(still_first, first);
        EXPECT_EQ(unused, first);
        return;
    }
    GTEST_SKIP() << "the tick count never held still";
}

}  // namespace

// The operating-system services as the library sees them. Natively these run
// against the POSIX stand-in; on Windows against the real services.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#  include <malloc.h>

#  include "platform/posix/standin.h"
#endif

namespace {

using namespace wqj::platform;

TEST(HostStrings, OleLayoutAndNullForEmptyText) {
    EXPECT_EQ(allocate_host_string(""), nullptr);
    const std::string text("a\0b", 3);
    char* s = allocate_host_string(text);
    ASSERT_NE(s, nullptr);
    uint32_t prefix = 0;
    std::memcpy(&prefix, s - 4, 4);
    EXPECT_EQ(prefix, 3u);
    EXPECT_EQ(host_string_bytes(s), text);
    EXPECT_EQ(s[3], '\0');
    free_host_string(s);
    free_host_string(nullptr);
    EXPECT_TRUE(host_string_bytes(nullptr).empty());
}

TEST(HostStrings, FreedStringsComeBackWithTheirOwnLayout) {
    // Lengths on both sides of 58 bytes (the longest that a 64-byte block
    // holds with its prefix and NULs), freed and asked for again in turn;
    // the last one freed by another thread.
    const uint32_t lengths[] = {1, 16, 57, 58, 59, 200, 58, 3};
    for (int round = 0; round < 3; ++round) {
        std::vector<char*> held;
        for (int k = 0; k < 20; ++k) {
            for (const uint32_t length : lengths) {
                const std::string text(length, static_cast<char>('a' + (k + round) % 26));
                char* s = allocate_host_string(text);
                ASSERT_NE(s, nullptr);
                uint32_t prefix = 0;
                std::memcpy(&prefix, s - 4, 4);
                EXPECT_EQ(prefix, length);
                EXPECT_EQ(host_string_bytes(s), text);
                EXPECT_EQ(s[length], '\0');
                EXPECT_EQ(s[length + 1], '\0');
                held.push_back(s);
            }
        }
        for (char* s : held) free_host_string(s);
    }
    char* moved = allocate_host_string("moved");
    std::thread([moved] { free_host_string(moved); }).join();
    char* again = allocate_host_string("again");
    EXPECT_EQ(host_string_bytes(again), "again");
    free_host_string(again);
#ifndef _WIN32
    // What a thread keeps is freed when it ends: 400 threads that each keep
    // 16 short strings' blocks leave the heap as it was (4 KiB of slack, not
    // the 400 KiB they kept).
    const auto in_use = [] { return mallinfo2().uordblks; };
    const std::size_t before = in_use();
    for (int t = 0; t < 400; ++t) {
        std::thread([] {
            char* s[16];
            for (char*& x : s) x = allocate_host_string("kept by a thread");
            for (char* x : s) free_host_string(x);
        }).join();
    }
    EXPECT_LT(in_use(), before + 4096);
#endif
}

TEST(Time, TickCountMovesForward) {
    const uint32_t a = tick_count();
    const uint32_t b = tick_count();
    EXPECT_LE(b - a, 1000u);
}

#ifndef _WIN32

class StandIn : public ::testing::Test {
protected:
    void SetUp() override {
        standin::reset();
        standin::set_quiet(true);
    }
};

TEST_F(StandIn, EditControlTextSelectionAndFocus) {
    Handle edit = standin::create_edit_control("12 ft 3 in");
    EXPECT_EQ(send_message(edit, standin::kLineLength, 0, 0), 10);
    send_message(edit, standin::kSetSel, 3, 5);
    EXPECT_EQ(standin::selection(edit).start, 3);
    EXPECT_EQ(standin::selection(edit).end, 5);
    send_message(edit, standin::kSetSel, 0, -1);  // -1: to the end
    EXPECT_EQ(standin::selection(edit).end, 10);
    uint32_t start = 99, end = 99;
    send_message(edit, standin::kGetSel, reinterpret_cast<uintptr_t>(&start), reinterpret_cast<intptr_t>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 10u);
    set_window_text(edit, "1 Foot");
    EXPECT_EQ(standin::window_text(edit), "1 Foot");
    set_focus(edit);
    EXPECT_EQ(standin::focused_window(), edit);
    // Messages to unknown windows do nothing.
    EXPECT_EQ(send_message(reinterpret_cast<Handle>(0x7), standin::kLineLength, 0, 0), 0);
}

TEST_F(StandIn, MessageBoxesAreRecorded) {
    message_box("Too long", "Measurement Error");
    ASSERT_EQ(standin::message_boxes().size(), 1u);
    EXPECT_EQ(standin::message_boxes()[0].caption, "Measurement Error");
    EXPECT_EQ(standin::message_boxes()[0].text, "Too long");
}

TEST_F(StandIn, InputStateIsWhatATestSets) {
    EXPECT_EQ(async_key_state(1), 0);
    standin::set_key_state(1, static_cast<int16_t>(0x8000));
    EXPECT_EQ(async_key_state(1), static_cast<int16_t>(0x8000));
    Handle w = standin::create_edit_control("");
    standin::set_cursor({10, 20}, w);
    Point p;
    ASSERT_TRUE(cursor_position(p));
    EXPECT_EQ(window_from_point(p), w);
    EXPECT_EQ(window_from_point({11, 20}), nullptr);
    standin::set_tick_count(1234u);
    EXPECT_EQ(tick_count(), 1234u);
}

TEST_F(StandIn, SpecialFoldersFromXdgLocations) {
    const char* old_home = std::getenv("HOME");
    const std::string home = old_home != nullptr ? old_home : "";
    setenv("HOME", "/home/drafter", 1);
    setenv("XDG_CONFIG_HOME", "/nonexistent-config", 1);
    setenv("XDG_DOCUMENTS_DIR", "/srv/docs", 1);
    EXPECT_EQ(special_folder_path(0x05), "/srv/docs");
    EXPECT_EQ(special_folder_path(0x10), "/home/drafter/Desktop");
    EXPECT_EQ(special_folder_path(0x1A), "/nonexistent-config");
    EXPECT_EQ(special_folder_path(0x28), "/home/drafter");
    EXPECT_EQ(special_folder_path(0x7777), "");
    unsetenv("XDG_DOCUMENTS_DIR");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", home.c_str(), 1);
}

#endif

}  // namespace

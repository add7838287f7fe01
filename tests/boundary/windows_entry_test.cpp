// Validated entry on the DLL with real windows: an EDIT control of the test's
// own, the real message box (read and closed by a thread-local CBT hook),
// and the control's text, selection and focus read back from Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "boundary/loaded_library.h"

namespace {

struct MessageBoxSeen {
    int count = 0;
    std::string caption;
    std::string text;
};

MessageBoxSeen g_seen;
HHOOK g_hook = nullptr;

// On activation of a dialog-class window (a message box), read its caption
// and its static text (control id 0xFFFF) and press OK.
LRESULT CALLBACK watch_message_boxes(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wparam);
        char name[64] = {};
        GetClassNameA(box, name, sizeof name);
        if (std::string(name) == "#32770") {
            char buffer[1024] = {};
            GetWindowTextA(box, buffer, sizeof buffer);
            g_seen.caption = buffer;
            buffer[0] = '\0';
            GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
            g_seen.text = buffer;
            ++g_seen.count;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(g_hook, code, wparam, lparam);
}

struct Outcome {
    float result = 0;
    std::string window_text;
    MessageBoxSeen box;
    DWORD selection_start = 0;
    DWORD selection_end = 0;
    bool focused = false;
};

class WindowsEntry : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WQJ_FN(INITIALIZEDLL)();
        g_hook = SetWindowsHookExA(WH_CBT, watch_message_boxes, nullptr, GetCurrentThreadId());
    }
    static void TearDownTestSuite() { UnhookWindowsHookEx(g_hook); }

    Outcome enter(const std::string& entry, float minimum, float number_maximum, float maximum, int32_t system,
                  int32_t style, int32_t number_style, int32_t places) {
        HWND edit = CreateWindowExA(0, "EDIT", entry.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                    0, 300, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        HWND other = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 300, 40, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(edit, nullptr);
        SetFocus(other);
        SendMessageA(edit, EM_SETSEL, 0, 0);
        g_seen = {};
        Outcome o;
        o.result = WQJ_FN(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG)(edit, entry.c_str(), minimum, number_maximum,
                                                                 maximum, system, style, number_style, places);
        char buffer[1024] = {};
        GetWindowTextA(edit, buffer, sizeof buffer);
        o.window_text = buffer;
        o.box = g_seen;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&o.selection_start),
                     reinterpret_cast<LPARAM>(&o.selection_end));
        o.focused = GetFocus() == edit;
        DestroyWindow(other);
        DestroyWindow(edit);
        return o;
    }
    // The field of the examples: imperial, marks, fractions, places 2.
    Outcome enter(const std::string& entry, float number_maximum = 12) {
        return enter(entry, 0.5f, number_maximum, 1200, 0, 6, 0, 2);
    }
};

TEST_F(WindowsEntry, AcceptedEntryIsWrittenBackInTheDisplayStyle) {
    struct Case {
        const char* entry;
        float want;
        const char* window;
        int32_t number_style = 0;
    } cases[] = {{"6 ' 4 1/2 \"", 76.5f, "6' 4 1/2\""}, {"6 ' 4 1/4 \"", 76.25f, "6' 4 1/4\""},
                   {"2 1/128 in", 2.0078125f, "2 1/128 in"},  // no text reads back: left as typed
                   {"6 ' 4 1/2 \"", 76.5f, "6' 4.5\"", 1}};   // the number style apart from the system
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const Outcome o = enter(c.entry, 0.5f, 12, 1200, 0, 6, c.number_style, 2);
        EXPECT_EQ(o.result, c.want);
        EXPECT_EQ(o.window_text, c.window);
        EXPECT_EQ(o.box.count, 0);
        EXPECT_FALSE(o.focused);
    }
}

TEST_F(WindowsEntry, InvalidNumberShowsTheBoxSelectsTheNumberAndFocusesTheField) {
    struct Case {
        const char* entry;
        float number_maximum;
        const char* unit;
        const char* limit;
        DWORD start, end;
    } cases[] = {
        {"14 in", 12, "inches", "12", 0, 2},
        {"100 in", 99, "inches", "99", 0, 3},
        {"13 ft 2 in", 12, "feet", "12", 0, 2},
        {"2 ft 13 in", 12, "inches", "12", 5, 7},
        {"20 yd", 12, "yards", "12", 0, 2},
        {"  2 ft 13 in", 12, "inches", "12", 7, 9},  // shifted by the leading blanks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const Outcome o = enter(c.entry, c.number_maximum);
        EXPECT_EQ(o.result, -1.0f);
        EXPECT_EQ(o.box.count, 1);
        EXPECT_EQ(o.box.caption, "Measurement Error");
        EXPECT_EQ(o.box.text, std::string("The value you have entered for ") + c.unit +
                                  " is invalid. The value cannot exceed " + c.limit + ".");
        EXPECT_EQ(o.selection_start, c.start);
        EXPECT_EQ(o.selection_end, c.end);
        EXPECT_TRUE(o.focused);
        EXPECT_EQ(o.window_text, c.entry);
    }
}

TEST_F(WindowsEntry, MetricUnitWordsOfTheInvalidNumberMessage) {
    struct Case {
        const char* entry;
        const char* unit;
    } cases[] = {{"20 m", "meters"}, {"20 dm", "decimeters"}, {"20 cm", "centimeters"}, {"20 mm", "millimeters"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const Outcome o = enter(c.entry, 0.5f, 12, 1e9f, 1, 3, 1, 3);
        EXPECT_EQ(o.result, -1.0f);
        EXPECT_EQ(o.box.text, std::string("The value you have entered for ") + c.unit +
                                  " is invalid. The value cannot exceed 12.");
    }
}

TEST_F(WindowsEntry, MaximumAndMinimumMessagesOfBothSystems) {
    struct Case {
        const char* entry;
        float minimum, number_maximum, maximum;
        int32_t system, places;
        const char* message;
        bool whole_entry_selected;
    } cases[] = {
        {"101 ft", 0.5f, 0, 1200, 0, 2, "The maximum value for this measurement is 100 feet.", true},
        {"31 m", 0.5f, 0, 1200, 1, 3, "The maximum value for this measurement is 30.481 meters.", true},
        {"1/4 in", 0.5f, 12, 1200, 0, 2, "The minimum value for this measurement is .5 inch.", false},
        {"1 in", 1.5f, 12, 1200, 0, 2, "The minimum value for this measurement is 1.5 inches.", false},
        {"1 mm", 2, 12, 1200, 1, 3, "The minimum value for this measurement is 50.800102 millimeters.", false},
        {"", 0.5f, 12, 1200, 0, 2, "The minimum value for this measurement is .5 inch.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const Outcome o = enter(c.entry, c.minimum, c.number_maximum, c.maximum, c.system, c.system == 1 ? 3 : 6,
                                0, c.places);
        EXPECT_EQ(o.result, 0.0f);
        EXPECT_EQ(o.box.count, 1);
        EXPECT_EQ(o.box.caption, "Measurement Error");
        EXPECT_EQ(o.box.text, c.message);
        EXPECT_EQ(o.selection_start, 0u);
        EXPECT_EQ(o.selection_end, c.whole_entry_selected ? std::string(c.entry).size() : 0u);
        EXPECT_TRUE(o.focused);
        EXPECT_EQ(o.window_text, c.entry);
    }
}

TEST_F(WindowsEntry, EmptyEntryWithMinimumZeroEmptiesTheField) {
    const Outcome o = enter("", 0, 12, 1200, 0, 6, 0, 2);
    EXPECT_EQ(o.result, 0.0f);
    EXPECT_EQ(o.box.count, 0);
    EXPECT_EQ(o.window_text, "");
}

}  // namespace

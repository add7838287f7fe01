// Validated entry against the POSIX stand-in's edit controls and recorded
// message boxes (the Windows build checks the same rows against a real EDIT
// control in tests/boundary/windows_entry_test.cpp).
#ifndef _WIN32

#include "measure/entry.h"
#include "measure/units.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/standin.h"

namespace {

namespace standin = wqj::platform::standin;

// The field of the examples: imperial, feet and inches with marks,
// fractions, places 2, minimum 0.5, number maximum 12, maximum 1200.
struct Field {
    float minimum = 0.5f;
    float number_maximum = 12;
    float maximum = 1200;
    int32_t system = 0;
    int32_t style = 6;
    int32_t number_style = 0;
    int32_t places = 2;
};

struct Outcome {
    float result;
    std::string window_text;
    std::string message;  // empty: no message box
    int32_t selection_start;
    int32_t selection_end;
    bool focused;
};

Outcome enter(const std::string& entry, const Field& f = {}) {
    standin::reset();
    standin::set_quiet(true);
    wqj::platform::Handle edit = standin::create_edit_control(entry);
    Outcome o;
    o.result = wqj::CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(edit, entry, f.minimum, f.number_maximum, f.maximum,
                                                           f.system, f.style, f.number_style, f.places);
    o.window_text = standin::window_text(edit);
    const auto& boxes = standin::message_boxes();
    if (!boxes.empty()) {
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes.back().caption, "Measurement Error");
        o.message = boxes.back().text;
    }
    o.selection_start = standin::selection(edit).start;
    o.selection_end = standin::selection(edit).end;
    o.focused = standin::focused_window() == edit;
    return o;
}

TEST(Entry, AcceptedEntriesAreWrittenBackInTheDisplayStyle) {
    struct Case {
        const char* entry;
        float want;
        const char* window;
        int32_t system = 0, style = 6, number_style = 0;
    } cases[] = {
        {"6 ' 4 1/2 \"", 76.5f, "6' 4 1/2\""},
        {"12 in", 12, "1'"},
        {"1 ft 6 in", 18, "1' 6\""},
        {"6 ' 4 1/3 \"", 76.333336f, "6' 4 1/3\""},
        // written back at thirds only where that reads back as the same length;
        // else at the smallest largest denominator from 4 to 64 that does
        {"6 ' 4 1/4 \"", 76.25f, "6' 4 1/4\""},
        {"6 ' 4 3/4 \"", 76.75f, "6' 4 3/4\""},
        {"11 7/8 in", 11.875f, "11 7/8\""},
        {"4 7/16 in", 4.4375f, "4 7/16\""},
        {"1 5/7 in", 1.7142857f, "1 5/7\""},
        {"1/128 in", 0.0078125f, "1/128 in"},  // no sixty-fourth reads back: left as typed
        // no text of the style reads back as the length: the field is left as typed
        {"6 ft 4 in", 76, "6 ft 4 in", 0, 3, 1},             // 6.333 Feet reads 75.996
        {"1 m", 39.369999f, "1 m", 1, 0, 1},                 // 999 Millimeters
        {"2540.5 mm", wqj::MILLIMETERSTOINCHES(2540.5f), "2540.5 mm", 1, 0, 1},     // 2 Meters 540 Millimeters
        {"2.5 m", wqj::MILLIMETERSTOINCHES(2500), "2.5 m", 1, 3, 1},                // 2.499 m
        {"25.4 mm", wqj::MILLIMETERSTOINCHES(25.4f), "25.4 mm", 1, 4, 0},        // 25 mm
        {"2 in", 2, "2\"", 0, 6, 1},                         // decimals that read back
        {"100 ft", 1200, "100'"},                            // exactly the maximum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Field f;
        f.minimum = 0;
        f.number_maximum = 0;
        f.system = c.system;
        f.style = c.style;
        f.number_style = c.number_style;
        const Outcome o = enter(c.entry, f);
        EXPECT_EQ(o.result, c.want) ;
        EXPECT_EQ(o.window_text, c.window);
        EXPECT_EQ(o.message, "");
        EXPECT_FALSE(o.focused);
    }
}

TEST(Entry, InvalidNumberNamesItsUnitSelectsItAndReturnsMinusOne) {
    struct Case {
        const char* entry;
        float number_maximum;
        const char* message;
        int32_t start, end;
    } cases[] = {
        {"14 in", 12, "The value you have entered for inches is invalid. The value cannot exceed 12.", 0, 2},
        {"100 in", 99, "The value you have entered for inches is invalid. The value cannot exceed 99.", 0, 3},
        {"13 ft 2 in", 12, "The value you have entered for feet is invalid. The value cannot exceed 12.", 0, 2},
        // inches are checked before feet
        {"2 ft 13 in", 12, "The value you have entered for inches is invalid. The value cannot exceed 12.", 5, 7},
        {"20 yd", 12, "The value you have entered for yards is invalid. The value cannot exceed 12.", 0, 2},
        {"1 ft 2.5 in", 2.25f, "The value you have entered for inches is invalid. The value cannot exceed 2.25.", 5, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Field f;
        f.number_maximum = c.number_maximum;
        const Outcome o = enter(c.entry, f);
        EXPECT_EQ(o.result, -1.0f);
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(o.selection_start, c.start);
        EXPECT_EQ(o.selection_end, c.end);
        EXPECT_TRUE(o.focused);
        EXPECT_EQ(o.window_text, c.entry) << "the entry stays as typed";
    }
}

TEST(Entry, MetricInvalidNumbersNameMetricUnits) {
    struct Case {
        const char* entry;
        const char* word;
    } cases[] = {{"20 m", "meters"}, {"20 dm", "decimeters"}, {"20 cm", "centimeters"}, {"20 mm", "millimeters"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Field f;
        f.system = 1;
        f.style = 3;
        f.maximum = 1e9f;
        const Outcome o = enter(c.entry, f);
        EXPECT_EQ(o.result, -1.0f);
        EXPECT_EQ(o.message, std::string("The value you have entered for ") + c.word +
                                 " is invalid. The value cannot exceed 12.");
    }
}

// The parser counts positions without the entry's leading blanks; the
// selection in the window is shifted so it covers the offending number.
TEST(Entry, SelectionOfTheOffendingNumberIsShiftedByLeadingBlanks) {
    const Outcome o = enter("   2 ft 13 in");
    EXPECT_EQ(o.result, -1.0f);
    EXPECT_EQ(o.selection_start, 8);
    EXPECT_EQ(o.selection_end, 10);
    EXPECT_EQ(o.window_text.substr(8, 2), "13");
}

TEST(Entry, TooLargeStatesTheMaximumInFeetOrMetresAndSelectsTheWholeEntry) {
    struct Case {
        const char* entry;
        int32_t system;
        int32_t places;
        float maximum;
        const char* message;
    } cases[] = {
        {"101 ft", 0, 2, 1200, "The maximum value for this measurement is 100 feet."},
        {"31 m", 1, 3, 1200, "The maximum value for this measurement is 30.481 meters."},
        {"2 ft", 0, 2, 13, "The maximum value for this measurement is 1.08 feet."},
        {"2 ft", 0, 0, 13, "The maximum value for this measurement is 1 feet."},  // always the plural
        // no maximum value switches the check off: 0 rejects every length
        {"1 in", 0, 2, 0, "The maximum value for this measurement is 0 feet."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Field f;
        f.system = c.system;
        f.style = c.system == 1 ? 3 : 6;
        f.places = c.places;
        f.number_maximum = 0;
        f.maximum = c.maximum;
        const Outcome o = enter(c.entry, f);
        EXPECT_EQ(o.result, 0.0f);
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(o.selection_start, 0);
        EXPECT_EQ(o.selection_end, static_cast<int32_t>(std::string(c.entry).size()));
        EXPECT_TRUE(o.focused);
        EXPECT_EQ(o.window_text, c.entry);
    }
}

TEST(Entry, TooSmallStatesTheMinimumInInchesOrMillimetres) {
    struct Case {
        const char* entry;
        int32_t system;
        float minimum;
        int32_t places;
        const char* message;
    } cases[] = {
        {"1/4 in", 0, 0.5f, 2, "The minimum value for this measurement is .5 inch."},
        {"1 in", 0, 1.5f, 2, "The minimum value for this measurement is 1.5 inches."},
        {"1/2 in", 0, 1.0f, 2, "The minimum value for this measurement is 1 inch."},  // plural only above 1
        {"1 in", 0, 1.255f, 2, "The minimum value for this measurement is 1.25 inches."},
        {"1 mm", 1, 2.0f, 3, "The minimum value for this measurement is 50.800102 millimeters."},
        {"", 0, 0.5f, 2, "The minimum value for this measurement is .5 inch."},
        {"   ", 1, 0.01f, 3, "The minimum value for this measurement is .254000504322646 millimeter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Field f;
        f.system = c.system;
        f.minimum = c.minimum;
        f.places = c.places;
        const Outcome o = enter(c.entry, f);
        EXPECT_EQ(o.result, 0.0f);
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(o.selection_start, 0) << "no selection";
        EXPECT_EQ(o.selection_end, 0);
        EXPECT_TRUE(o.focused);
    }
}

TEST(Entry, ChecksRunInOrderInvalidNumberBeforeLimits) {
    Field f;
    f.maximum = 10;
    const Outcome o = enter("14 in", f);
    EXPECT_EQ(o.result, -1.0f);
    EXPECT_NE(o.message.find("is invalid"), std::string::npos);
}

TEST(Entry, AnEmptyEntryWithMinimumZeroIsAcceptedAndEmptiesTheField) {
    Field f;
    f.minimum = 0;
    const Outcome o = enter("", f);
    EXPECT_EQ(o.result, 0.0f);
    EXPECT_EQ(o.message, "");
    EXPECT_EQ(o.window_text, "");
}

}  // namespace

#endif  // the stand-in exists only in the native build

// Validated entry through the export on both builds, for entries that are
// accepted (no message box): the result and a defined outcome for a null
// window and null text. The message boxes are checked against real windows
// in windows_entry_test.cpp and against the stand-in in the unit tests.
#include <gtest/gtest.h>

#include "boundary/loaded_library.h"

namespace {

TEST(EntryExport, AcceptedEntriesReturnInchesEvenWithoutAWindow) {
    WQJ_FN(INITIALIZEDLL)();
    auto entry = WQJ_FN(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG);
    struct Case {
        const char* text;
        float minimum;
        int32_t system;
        float want;
    } cases[] = {
        {"6 ' 4 1/2 \"", 0.5f, 0, 76.5f},
        {"2 m 50 cm", 0.5f, 1, 98.424995f},
        {nullptr, 0, 0, 0},  // null text reads as empty, accepted with minimum 0
        {"", 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text == nullptr ? "(null)" : c.text);
        EXPECT_EQ(entry(nullptr, c.text, c.minimum, 0, 1200, c.system, 6, 0, 2), c.want);
    }
}

}  // namespace

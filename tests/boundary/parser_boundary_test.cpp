// The measurement text exports called exactly as a host calls them: a caller
// buffer written in place, host strings passed by value, positions passed by
// reference (and null), NUL-terminated entries.
#include <gtest/gtest.h>

#include "bits.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "boundary/loaded_library.h"

using wqjtest::take;
using namespace std::string_literals;

namespace {

using wqjtest::bits;

constexpr char kGuard = '\x5A';
constexpr int32_t kUnset = -99;

class ParserExports : public ::testing::Test {
protected:
    static void SetUpTestSuite() { WQJ_FN(INITIALIZEDLL)(); }
};

TEST_F(ParserExports, CharacterTestsAnswerMinusOneOrZero) {
    auto any = WQJ_FN(ISVALIDMEASUREMENTNUMERICALCHARACTER);
    auto for_system = WQJ_FN(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER);
    EXPECT_EQ(any("/"), -1);
    EXPECT_EQ(any("a"), 0);
    EXPECT_EQ(any(nullptr), 0);
    EXPECT_EQ(for_system(0, "\\"), -1);
    EXPECT_EQ(for_system(2, "/"), 0);
    EXPECT_EQ(for_system(1, nullptr), 0);
}

TEST_F(ParserExports, SeparateWritesTheSeparatedTextAndItsNulOnly) {
    auto separate = WQJ_FN(SEPARATEMEASUREMENTSINTEXTSTRING);
    struct Case {
        std::string text, want;
    } cases[] = {
        {"6'4\"", "6 ' 4 \""},
        {"6 ft", "6 ft"},
    };
    for (const Case& c : cases) {
        // Exactly the room the separated text and its NUL need, then guards.
        std::vector<char> buffer(c.want.size() + 1 + 8, kGuard);
        std::memcpy(buffer.data(), c.text.c_str(), c.text.size() + 1);
        EXPECT_EQ(take(separate(buffer.data())), c.want) << c.text;
        EXPECT_EQ(std::string(buffer.data()), c.want) << c.text;
        EXPECT_TRUE(std::all_of(buffer.begin() + std::ptrdiff_t(c.want.size() + 1), buffer.end(),
                                [](char b) { return b == kGuard; }))
            << c.text;
    }
}

TEST_F(ParserExports, SeparateLeavesABlankEntryAsItIs) {
    auto separate = WQJ_FN(SEPARATEMEASUREMENTSINTEXTSTRING);
    for (const std::string& blank : {"   "s, ""s}) {
        std::vector<char> buffer(blank.begin(), blank.end());
        buffer.push_back('\0');
        buffer.push_back(kGuard);
        bool was_null = false;
        EXPECT_EQ(take(separate(buffer.data()), &was_null), "");
        EXPECT_TRUE(was_null);
        EXPECT_EQ(std::string(buffer.data()), blank);
        EXPECT_EQ(buffer.back(), kGuard);
    }
    EXPECT_TRUE(wqjtest::is_null(separate(nullptr)));
}

TEST_F(ParserExports, ValueByPositionReadsAHostStringByItsLength) {
    auto by_position = WQJ_FN(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION);
    struct Case {
        std::string text;
        int32_t position, from_end;
        float want;
        int32_t start, end;
    } cases[] = {
        {"6 FT 4 1/2 IN", 10, -1, 4.5f, 6, 10},
        // a NUL byte does not end a host string: "12" after it is read
        {"3\0" "12"s, 4, -1, 12, 3, 4},
        // nothing read: the caller's variables keep their values
        {"\0" "7 IN"s, 1, 0, 0, kUnset, kUnset},
    };
    for (const Case& c : cases) {
        WQJSTRING text = wqjtest::make_host_string(c.text);
        int32_t s = kUnset, e = kUnset;
        EXPECT_EQ(bits(by_position(0, text, c.position, c.from_end, &s, &e)), bits(c.want)) << c.text;
        EXPECT_EQ(s, c.start) << c.text;
        EXPECT_EQ(e, c.end) << c.text;
        take(text);
    }
    // Null position pointers are not written; a null host string is empty text.
    WQJSTRING text = wqjtest::make_host_string("6 FT 4 1/2 IN");
    EXPECT_EQ(by_position(0, text, 10, -1, nullptr, nullptr), 4.5f);
    take(text);
    int32_t s = kUnset, e = kUnset;
    EXPECT_EQ(by_position(0, nullptr, 1, -1, &s, &e), 0.0f);
    EXPECT_EQ(s, kUnset);
    EXPECT_EQ(e, kUnset);
}

TEST_F(ParserExports, ConvertReportsInchesOrTheErrorAndItsPositions) {
    auto convert = WQJ_FN(CONVERTTEXTSTRINGVALUETOINCHES);
    int32_t s = kUnset, e = kUnset;
    EXPECT_EQ(bits(convert("6 ' 4 1/2 \"", 0, &s, &e)), bits(76.5f));
    EXPECT_EQ(s, kUnset);  // written only with an error code
    EXPECT_EQ(convert("2 ft 13 in", 12, &s, &e), -6.0f);
    EXPECT_EQ(s, 6);
    EXPECT_EQ(e, 7);
    EXPECT_EQ(convert("100 in", 12, nullptr, nullptr), -6.0f);
    EXPECT_EQ(convert(nullptr, 12, &s, &e), 0.0f);
}

}  // namespace

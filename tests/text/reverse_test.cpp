#include "text/reverse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(Reverse, BytesFromLastToFirst) {
    struct Case {
        std::string text, want;
    } cases[] = {
        {"abc", "cba"},
        {"", ""},
        {"a b", "b a"},
        {"x", "x"},
        {"a\0b"s, "b\0a"s},
        {"\0\0x"s, "x\0\0"s},
        // a multi-byte character is reversed byte by byte
        {"\xC3\xA9x", "x\xA9\xC3"},
        {"\xFF\x80 ", " \x80\xFF"},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::REVERSESTRINGDLL(c.text), c.want) << c.text;
}

TEST(Reverse, LongTextRoundTrips) {
    std::string text(16u << 20, 'a');
    for (std::size_t i = 0; i < text.size(); i += 7) text[i] = static_cast<char>(i % 251);
    const std::string reversed = wqj::REVERSESTRINGDLL(text);
    ASSERT_EQ(reversed.size(), text.size());
    EXPECT_EQ(reversed.front(), text.back());
    EXPECT_EQ(wqj::REVERSESTRINGDLL(reversed), text);
}

TEST(Numeric, DigitsAndAtMostOnePoint) {
    struct Case {
        std::string text;
        int32_t want;
    } cases[] = {
        {"123", 1},  {"12.5", 1}, {".", 1},    {"5.", 1},     {"0123456789", 1}, {"", 1},
        {".5.", 0},  {"..", 0},   {"1.2.3", 0},
        // signs, blanks, exponents, commas, control bytes
        {"-5", 0},   {"+5", 0},   {" 5", 0},   {"5 ", 0},     {"1e5", 0},        {"1,5", 0},
        {"\t5", 0},  {"1\0"s, 0}, {"\0"s, 0},  {"\xB2", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::ISNUMERICDLL(c.text), c.want) << c.text;
}

TEST(Numeric, LongTexts) {
    std::string digits(16u << 20, '7');
    EXPECT_EQ(wqj::ISNUMERICDLL(digits), 1);
    digits[digits.size() / 2] = '.';
    EXPECT_EQ(wqj::ISNUMERICDLL(digits), 1);
    digits[digits.size() - 1] = '.';
    EXPECT_EQ(wqj::ISNUMERICDLL(digits), 0);
    EXPECT_EQ(wqj::ISNUMERICDLL(std::string(16u << 20, '.')), 0);
}

}  // namespace

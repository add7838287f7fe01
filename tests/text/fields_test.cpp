// Tests of positional fields.
#include "text/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::literals;

namespace wqj {
namespace {

TEST(Fields, CountIsDelimiterOccurrencesPlusOne) {
    struct Case {
        std::string_view text, delimiter;
        int32_t want;
    } cases[] = {
        {"", ",", 1},          {"a,b,", ",", 3},     {"a--b", "--", 2},        {"a--b", "-", 3},
        {"a||b", "|", 3},      {"aaa", "aa", 2},     {"aaaa", "aa", 3},        {"abc", "ABC", 1},
        {"a\0b\0c"sv, "\0"sv, 3},
        // empty delimiter: comma-separated values, commas inside quotes do not count
        {"a,\"b,c\",d", "", 3}, {"", "", 1},         {" \"x,y\" junk, z", "", 2}, {"\"open,ended", "", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(PARSECOUNTDLL(c.text, c.delimiter), c.want) << c.text << " / " << c.delimiter;
}

TEST(Fields, ReadingAFieldAsText) {
    struct Case {
        std::string_view text;
        int32_t position;
        std::string_view delimiter, want;
    } cases[] = {
        {"a,b,c", -1, ",", "c"},    {"a,b,c", -3, ",", "a"},  {"a,b,c", -4, ",", ""},   {"a,b,c", 4, ",", ""},
        {"a,b,c", 0, ",", ""},      {"a, b", 2, ",", " b"},   {"a,b,", 3, ",", ""},     {"x--y--z", 2, "--", "y"},
        {"a,b", INT32_MIN, ",", ""}, {"a,b", INT32_MAX, ",", ""},
        // comma-separated values: leading blanks skipped, quotes removed,
        // trailing blanks of unquoted fields dropped
        {" a , b ", 2, "", "b"},    {"x, \" p,q \" tail,y", 2, "", " p,q "}, {"x,\" p,q \",y", -1, "", "y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(c.text, c.position, c.delimiter), c.want)
            << c.text << " @" << c.position << " / " << c.delimiter;
}

// Fields far into a record, counted from either end: each is the piece
// between its delimiters found by hand, across many blocks of sixteen bytes
// and with empty fields among them.
TEST(Fields, ReadingFarFieldsFromEitherEnd) {
    std::string text;
    std::vector<std::string> fields;
    for (int i = 0; i < 70; ++i) {
        fields.push_back(i % 9 == 4 ? "" : "f" + std::to_string(i * i));
        text += (i ? "," : "") + fields.back();
    }
    const auto n = static_cast<int32_t>(fields.size());
    for (int32_t k = 1; k <= n; ++k) {
        EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(text, k, ","), fields[std::size_t(k - 1)]) << k;
        EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(text, -k, ","), fields[std::size_t(n - k)]) << -k;
    }
    EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(text, n + 1, ","), "");
    EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(text, -n - 1, ","), "");
}

TEST(Fields, ReadingAFieldAsANumber) {
    struct Case {
        std::string_view text;
        int32_t position;
        std::string_view delimiter;
        double want;
    } cases[] = {
        {"1.5|x|  7ft", 3, "|", 7},  {"1.5|x|  7ft", 2, "|", 0},  {"1.5|x|  7ft", 1, "|", 1.5},
        {"1.5|x|  7ft", 9, "|", 0},  {"1|\t-2.25", -1, "|", -2.25}, {"1|\r5", 2, "|", 0},
        {"&HFF;3", 1, ";", 255},     {"a,\" 12.5 \",b", 2, "", 12.5}, {"", 1, ",", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION(c.text, c.position, c.delimiter), c.want)
            << c.text << " @" << c.position;
}

TEST(Fields, ReplacingAFieldRejoinsAndTrimsTheRecord) {
    struct Case {
        std::string_view text;
        int32_t position;
        std::string_view field, delimiter, want;
    } cases[] = {
        {"a,b,c", 2, "x", ",", "a,x,c"},
        {"a,b", 1, " x", ",", "x,b"},           // the blank at the start of the record goes
        {"a,b", 2, "", ",", "a,"},
        {"a,b", 1, "p,q", ",", "p,q,b"},        // not escaped: now three fields
        {"a , b", 2, "c ", ",", "a ,c"},        // blanks next to delimiters stay, trailing ones go
        {"  a,b  ", 1, "a", ",", "a,b"},        // the record is trimmed as a whole
        {"a,b", 1, "   ", ",", ",b"},
        {"", 1, "new", ",", "new"},
        {"x--y--z", 3, "w", "--", "x--y--w"},
        {"aaaa", 2, "b", "aa", "aabaa"},        // fields found from the left, non-overlapping
        {"a\tb", 2, "c\t", "\t", "a\tc\t"},     // tabs are not blanks
        // empty delimiter: comma-separated values; only the bytes between the
        // field's separating commas are exchanged, every other byte stays
        {"a,b", 2, "x", "", "a,x"},
        {"a,b", 1, "x", "", "x,b"},
        {"\"p,q\",r", 2, "s", "", "\"p,q\",s"},
        {"  a , b ", 1, "x", "", "x, b"},
        {"\"p,q\" , r", 1, "s", "", "s, r"},
        {"a,\"b,c\",d", 3, "x", "", "a,\"b,c\",x"},
        {" \"p,q\" , r ,s", 2, "-", "", "\"p,q\" ,-,s"},
        {"a,b", 1, " ", "", ",b"},
        {"\"p,q", 1, "x", "", "x"},            // an unclosed quote runs to the end
    };
    for (const Case& c : cases) {
        const auto got = SETSTRINGPARTINSTRINGBYPOSITION(c.text, c.position, c.field, c.delimiter);
        ASSERT_TRUE(got.has_value()) << c.text << " @" << c.position;
        EXPECT_EQ(*got, c.want) << c.text << " @" << c.position << " <- " << c.field;
        EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION2(c.text, c.position, c.field, c.delimiter), got);
    }
}

TEST(Fields, ReplacingAcceptsOnlyPositionsOfTheRecord) {
    struct Case {
        std::string_view text, delimiter;
        int32_t position;
    } cases[] = {
        {"a,b,c", ",", 4}, {"a,b,c", ",", 0}, {"a,b,c", ",", -1}, {"", ",", 2},
        {"a,b", ",", INT32_MAX}, {"a,b", ",", INT32_MIN}, {"a,\"b,c\"", "", 3},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(SETSTRINGPARTINSTRINGBYPOSITION(c.text, c.position, "x", c.delimiter).has_value())
            << c.text << " @" << c.position;
}

// With the delimiter quote-comma-quote the record keeps its own quotes: the
// rebuilt record gets none added at its ends, so it never outgrows the old
// record minus the old field plus the new one.
TEST(Fields, ReplacingInAQuotedRecordAddsNoQuotes) {
    const auto got = SETSTRINGPARTINSTRINGBYPOSITION("\"a\",\"b\",\"c\"", 2, "x", "\",\"");
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, "\"a\",\"x\",\"c\"");
}

// The one-pass walk over the fields agrees with the field services.
TEST(Fields, WalkingTheFieldsAgreesWithTheFieldServices) {
    const std::string long_delimiter(40, 'a');  // longer delimiters are searched another way
    const std::string long_text = "x" + std::string(95, 'a') + "y" + long_delimiter + long_delimiter + "z";
    struct Case {
        std::string_view text, delimiter;
    } cases[] = {
        {"", ","},          {",", ","},          {"a,,b,", ","},   {"aaaaa", "aa"},   {"abab", "ab"},
        {"a\0b"sv, "\0"sv}, {"x--y-", "--"},     {long_text, long_delimiter},       {"a,\"b,c\" ,d,", ""},
        {" \"q", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> walked;
        detail::FieldCursor cursor(c.text, c.delimiter);
        for (std::string_view f; cursor.next(f);) walked.emplace_back(f);
        ASSERT_EQ(int32_t(walked.size()), FIELDCOUNT(c.text, c.delimiter)) << c.text;
        for (size_t i = 0; i < walked.size(); ++i)
            EXPECT_EQ(walked[i], FIELDAT(c.text, c.delimiter, int32_t(i + 1))) << c.text << " field " << i + 1;
    }
}

// A record of a million fields in 16 MiB, its last field replaced: done in
// one pass (a rescan per field would not finish within the test's time).
TEST(Fields, ALongRecordIsHandledInOnePass) {
    std::string record;
    record.reserve(16u << 20);
    while (record.size() + 17 <= (16u << 20)) record += "field-0123456789|";
    record += "last";
    const int32_t n = PARSECOUNTDLL(record, "|");
    EXPECT_GT(n, 900000);
    EXPECT_EQ(GETSTRINGPARTFROMSTRINGBYPOSITION(record, -1, "|"), "last");
    const auto got = SETSTRINGPARTINSTRINGBYPOSITION(record, n, "end", "|");
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->size(), record.size() - 1);
    EXPECT_EQ(got->substr(got->size() - 4), "|end");
}

}  // namespace
}  // namespace wqj

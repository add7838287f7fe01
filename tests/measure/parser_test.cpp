#include "measure/parser.h"

#include <gtest/gtest.h>

#include "bits.h"

#include <cstring>
#include <limits>
#include <string>

#include "measure/formatter.h"
#include "measure/units.h"
#include "text/convert.h"

namespace {

using wqjtest::bits;

using namespace std::string_literals;

constexpr int32_t kUnset = -99;  // a position the call must not write

float inches(std::string_view text, float maximum = 0) {
    int32_t s = kUnset, e = kUnset;
    return wqj::CONVERTTEXTSTRINGVALUETOINCHES(text, maximum, s, e);
}

// ---- character tests --------------------------------------------------------

TEST(ParserCharacters, SlashesBelongToNumbersOnlyInSystemZero) {
    struct Case {
        int32_t system;
        std::string text;
        bool want;
    } cases[] = {
        {0, "7", true},   {1, "0", true},   {2, "9", true},    {0, ".", true},   {-1, ".", true},
        {0, "/", true},   {0, "\\", true},  {1, "/", false},   {2, "/", false},  {-1, "\\", false},
        {0, "-", false},  {0, " ", false},  {0, "a", false},   {0, "", false},   {0, "\0" "7"s, false},
        {0, "7x", true},  {0, "x7", false}, {0, "\xB2", false},  // only the first byte counts
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::ISMEASUREMENTCHARACTERFORSYSTEM(c.system, c.text), c.want) << c.system << " '" << c.text << "'";
    }
    for (const char* yes : {"7", ".", "/", "\\"}) EXPECT_TRUE(wqj::ISMEASUREMENTCHARACTER(yes)) << yes;
    for (const char* no : {"-", " ", "a", "", "'", "\""}) EXPECT_FALSE(wqj::ISMEASUREMENTCHARACTER(no)) << no;
}

// ---- separation ---------------------------------------------------------------

TEST(ParserSeparate, OneBlankAtEveryNumberWordBoundary) {
    struct Case {
        std::string text, want;
    } cases[] = {
        {"6'4\"", "6 ' 4 \""},
        {"6ft4-1/2in", "6 ft 4 - 1/2 in"},
        {"2m50cm", "2 m 50 cm"},
        {"6'4 1/2\"", "6 ' 4 1/2 \""},
        // numbers and words stay whole
        {"12.5", "12.5"},          {"1/2", "1/2"},        {"5\\8", "5\\8"},     {"ft", "ft"},
        {"x", "x"},                {"7", "7"},
        // no blank next to an existing blank; blanks at the ends are kept
        {"6 ft", "6 ft"},          {"  6ft  ", "  6 ft  "}, {"6 ' 4 \"", "6 ' 4 \""},
        // a dot counts with the number, so "Ft." is split
        {"6 Ft. 4 In.", "6 Ft . 4 In ."},
        {"a1b2", "a 1 b 2"},       {"1a2", "1 a 2"},
        // only byte 32 is a blank: tabs and NUL bytes are word characters
        {"6\tft", "6 \tft"},       {"6\0ft"s, "6 \0ft"s},
        // bytes from 0x80 up are word characters
        {"\xB2" "5\xFF", "\xB2 5 \xFF"},
        // blanks at the last pair of a sixteen-byte block and the first of
        // the next, and at the text's last pair
        {std::string(16, 'a') + "7" + std::string(40, 'a'), std::string(16, 'a') + " 7 " + std::string(40, 'a')},
        {std::string(48, 'a') + "7", std::string(48, 'a') + " 7"},
        // blank texts give empty text
        {"", ""},                  {"   ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(wqj::SEPARATEMEASUREMENTSINTEXTSTRING(c.text), c.want) << c.text;
}

// Long entries, read sixteen bytes at a time: each unit separated as alone,
// and one blank where a unit's last word meets the next unit's number.
TEST(ParserSeparate, RepeatedUnitsSeparateAsEachAlone) {
    struct Case {
        std::string unit, separated;
    } cases[] = {
        {"6'4\"", "6 ' 4 \""},
        {"2m50cm", "2 m 50 cm"},
        {"6ft4-1/2in", "6 ft 4 - 1/2 in"},
        {"12.5ft\\3x", "12.5 ft \\3 x"},
        {"1 ft 2in", "1 ft 2 in"},
        {"9\tq\0a"s, "9 \tq\0a"s},
    };
    for (const Case& c : cases) {
        for (const int n : {1, 2, 3, 5, 17, 40}) {
            std::string text, want;
            for (int i = 0; i < n; ++i) {
                text += c.unit;
                want += (i ? " " : "") + c.separated;
            }
            EXPECT_EQ(wqj::SEPARATEMEASUREMENTSINTEXTSTRING(text), want) << c.unit << " x" << n;
        }
    }
}

// The rules step by step, as the text is rewritten: a text that is blank
// after trimming gives empty text; otherwise each pair of neighbours from
// the first on gets a blank between them when neither is a blank and
// exactly one is a digit, ".", "/" or "\", and the next pair then starts
// with that blank.
std::string separated_by_the_rules(std::string text) {
    if (text.find_first_not_of(' ') == std::string::npos) return "";
    auto number = [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '/' || c == '\\'; };
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] != ' ' && text[i] != ' ' && number(text[i - 1]) != number(text[i])) text.insert(i, 1, ' ');
    }
    return text;
}

// Every way blanks can fall in a sixteen-byte block: bit k of the pattern
// switches between a word and a number at the block's k-th byte, with word
// and number characters of every kind, and enough text after the block that
// it is not left to the byte-by-byte end.
TEST(ParserSeparate, EveryPatternOfBlanksInABlockFollowsTheRules) {
    const std::string words = "aZ'\"-\t\xB2\xFF\x80,_";
    const std::string numbers = "0123456789./\\";
    for (uint32_t pattern = 0; pattern < (1u << 16); ++pattern) {
        std::string text = "q";
        bool number = false;
        for (uint32_t k = 0; k < 16; ++k) {
            number ^= (pattern >> k & 1u) != 0;
            const std::string& kind = number ? numbers : words;
            text += kind[(pattern + 5 * k) % kind.size()];
        }
        text.append(40, number ? '9' : 'x');
        ASSERT_EQ(wqj::SEPARATEMEASUREMENTSINTEXTSTRING(text), separated_by_the_rules(text)) << "pattern " << pattern;
    }
}

// Seeded texts of numbers, unit words, marks, blanks, bytes from 0x80 up and
// NUL bytes, 0 to 120 bytes long, so that they end at every place in and
// across the sixteen-byte blocks.
TEST(ParserSeparate, SeededTextsFollowTheRules) {
    const std::string pieces[] = {"6",   "12",   "0.5", "1/2", "3\\4", "ft", "in",  "FEET", "cm",  "m",    "'",
                                  "\"",  "-",    " ",   "   ", "x",    ".",  "/",   "\xB2", "\xFF", "\x80", "\0"s};
    uint32_t seed = 25;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    for (int i = 0; i < 40000; ++i) {
        const std::size_t size = next(121);
        std::string text;
        while (text.size() < size) text += pieces[next(std::size(pieces))];
        text.resize(size);
        ASSERT_EQ(wqj::SEPARATEMEASUREMENTSINTEXTSTRING(text), separated_by_the_rules(text)) << "[" << text << "]";
    }
}

TEST(ParserSeparate, LinearOnSixteenMebibytes) {
    std::string text;
    for (int i = 0; i < 8 * 1024 * 1024; ++i) text += "1a";
    const std::string out = wqj::SEPARATEMEASUREMENTSINTEXTSTRING(text);
    ASSERT_EQ(out.size(), 2 * text.size() - 1);
    EXPECT_EQ(out.substr(0, 8), "1 a 1 a ");
    EXPECT_EQ(out.back(), 'a');
}

// ---- whole entry ----------------------------------------------------------------

TEST(ParserInches, EntriesWithoutFractions) {
    struct Case {
        std::string text;
        float want;
    } cases[] = {
        {"6 ft 4 in", 76},         {"6 FEET 4 INCHES", 76},  {"6 Feet. 4 Inches.", 76},
        {"6 ' 4 \"", 76},          {"6 ' 4 ''", 76},          {"3 yd", 108},
        {"1 yard 1 foot 1 inch", 49},
        {"12 in", 12},             {".5 in", 0.5f},           {"1.25 ft", 15},
        // a number is read only before a unit word between blanks
        {"6FT 4IN", 0},            {"12", 0},                 {"   ", 0},   {"", 0},
        {"6 ft 4", 72},            {"FT 6", 0},               {"6  3 in", 3},
        {"ft", 0},                 {"6 ft4 in", 4},  // "FT4" is no unit word
        // case-insensitive, blanks at the ends do not matter
        {"  6 fT  ", 72},          {"6\tft", 0},
        // the run before the word: "-" and letters end it; "1.2.3" reads as 1.2
        {"-5 in", 5},              {"x5 in", 5},              {"1.2.3 in", 1.2f},
        {"5x in", 0},
        // metric
        {"25 mm", 0.98425f},       {"2 m 50 cm", 98.424995f}, {"1 ft 10 cm", 15.937f},
        {"3 dm", 11.811f},         {"1 D.M.", 3.937f},        {"2 C.M.", 0.7874f},
        {"1 millimeter", 0.03937f}, {"1 M.M.", 0.03937f},     {"1 meters.", 39.369999f},
        // a NUL byte is an ordinary character of the entry
        {"1\0 2 in"s, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(inches(c.text)), bits(c.want)) << "'" << c.text << "'";
}

TEST(ParserInches, EntriesWithFractions) {
    struct Case {
        std::string text;
        float want;
    } cases[] = {
        {"6 ' 4 1/2 \"", 76.5f},   {"6 ' - 4 1/2 \"", 76.5f}, {"6 FT 4 1/2 IN", 76.5f},
        {"1/2 in", 0.5f},          {"3/4 IN", 0.75f},         {"1 1/2 ft", 18},
        {"5\\8 in", 0.625f},       {"12 03/16 in", 12.1875f}, {"6 ' 1/2 \"", 72.5f},
        // only blanks may stand between a whole number and its fraction
        {"4 - 1/2 in", 0.5f},      {"4-1/2 in", 0.5f},
        // metric amounts take fractions too
        {"2 1/2 m", wqj::MILLIMETERSTOINCHES(2500)},
        // a fraction is read with the number directly before its own word,
        // never a second time with a later unit's number
        {"1/2 FT 3 IN", 9},        {"5 1/2 ' 3 \"", 69},     {"1/2 yd 1 ft", 30},
        {"4 1/2 \" 6 '", 76.5f},  {"6 ' 4 1/2 \" 1/4 yd", 85.5f},
        // a zero denominator gives an infinite amount
        {"1/0 in", std::numeric_limits<float>::infinity()},
        // fraction and number summed in extended precision: 2^29 + 32 is a tie
        // between singles that the 4.7e-10 decides upward (rounded to double
        // first, the tie would go to even, 2^29)
        {"536870944 1/2147483647 in", 536870976.0f},
        // a numerator too large for a single, divided exactly and rounded once
        // (16777220 / 7, from the numerator as a single, would give 2396745.75)
        {"16777219/7 in", 2396745.5f},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(inches(c.text)), bits(c.want)) << "'" << c.text << "'";
}

TEST(ParserInches, EachUnitCountsOnceByTableOrderThenFirstOccurrence) {
    struct Case {
        std::string text;
        float want;
    } cases[] = {
        // "FEET" comes before "FT" in the table, whatever comes first in the text
        {"3 FT 4 FEET", 48},
        {"4 FEET 3 FT", 48},
        // the same word twice: the first occurrence
        {"3 FT 4 FT", 36},
        {"2 in 5 in", 2},
        // the inch mark comes before two apostrophes and before "IN"
        {"1 in 2 '' 3 \"", 3},
        {"1 in 2 ''", 2},
        // metric replaces imperial in the same slot; the order in the text does not matter
        {"1 M 1 YD", 39.369999f},
        {"1 YD 1 M", 39.369999f},
        {"1 cm 1 in", 0.3937f},
        {"1 ft 1 dm", 3.937f},
        // millimetres have their own slot
        {"1 in 25 mm", static_cast<float>(1.0 + static_cast<double>(0.98425f))},
        // a unit word that is a longer word's part is not matched
        {"5 INN", 0},
        {"5 MMM", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(bits(inches(c.text)), bits(c.want)) << c.text;
}

TEST(ParserInches, SlotsAreSummedInExtendedPrecisionAndRoundedOnce) {
    // yards 36 + feet 16777212 + inches 1 + mm .03937: summed in single
    // precision the inch is lost at a tie (16777248).
    EXPECT_EQ(inches("1 yd 1398101 ft 1 in 1 mm"), 16777250.0f);
    // 67108872 + 12 is a tie between singles 67108880 and 67108888; the
    // 9.3e-10 inch of the millimetres (below a double's last bit there)
    // decides it upward in extended precision.
    EXPECT_EQ(inches("67108872 IN 1 FT 0.0000000237 MM"), 67108888.0f);
}

TEST(ParserInches, NumberAboveTheMaximumGivesItsUnitCodeAndPosition) {
    struct Case {
        std::string text;
        float maximum;
        float want;
        int32_t start, end;  // kUnset: not written
    } cases[] = {
        {"14 in", 12, -6, 1, 2},
        {"100 in", 12, -6, 1, 3},
        {"12 in", 12, 12, kUnset, kUnset},  // equal passes
        {"13 ft 2 in", 12, -4, 1, 2},
        {"2 ft 13 in", 12, -6, 6, 7},       // inches are checked before feet
        // processing order: index 0, 2, 1, 3; imperial before metric
        {"13 yd 13 m", 12, -2, 1, 2},
        {"13 m", 12, -1, 1, 2},
        {"13 mm 13 in", 12, -6, 7, 8},
        {"13 ft 13 cm", 12, -5, 7, 8},
        {"13 cm 13 in", 12, -6, 7, 8},
        {"13 dm", 12, -3, 1, 2},
        {"13 mm", 12, -7, 1, 2},
        // a one-character number after another unit was read is located at its own place
        {"3 in 5 ft", 4, -4, 6, 6},
        {"10 in 5 ft", 4, -6, 1, 2},
        // positions count in the entry without its leading blanks, upper-cased
        {"   6 ft 100 in", 12, -6, 6, 8},
        // the comparison is on the number as written, before conversion
        {"2 m", 12, 78.74f, kUnset, kUnset},
        {"20 mm", 12, -7, 1, 2},
        // zero, negative or NaN maximum checks nothing
        {"100 in", 0, 100, kUnset, kUnset},
        {"100 in", -1, 100, kUnset, kUnset},
        {"100 in", std::numeric_limits<float>::quiet_NaN(), 100, kUnset, kUnset},
        // a number without a unit word is not checked
        {"100", 12, 0, kUnset, kUnset},
        // whole number and fraction are checked together and marked together
        {"13 1/2 in", 12, -6, 1, 6},
        {"11 3/2 in", 12, -6, 1, 6},
        {"1/2 FT 13 IN", 12, -6, 8, 9},
        {"11 1/2 in", 12, 11.5f, kUnset, kUnset},
    };
    for (const Case& c : cases) {
        int32_t s = kUnset, e = kUnset;
        EXPECT_EQ(bits(wqj::CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, s, e)), bits(c.want)) << c.text;
        EXPECT_EQ(s, c.start) << c.text;
        EXPECT_EQ(e, c.end) << c.text;
    }
}

TEST(ParserInches, LinearOnSixteenMebibytes) {
    std::string text(16 * 1024 * 1024, 'x');
    text += " 1 yd 2 ft 3 in 4 mm";
    EXPECT_EQ(bits(inches(text)), bits(static_cast<float>(63.0 + static_cast<double>(wqj::MILLIMETERSTOINCHES(4)))));
    std::string digits(16 * 1024 * 1024, '7');
    EXPECT_EQ(inches(digits + " in", 12), -6.0f);
}

// The entry read the long way: each pass's designators in order, the first
// " WORD " of the upper-cased entry searched for, and the number read
// backward before it.
float inches_by_search(std::string_view text, float maximum, int32_t& start, int32_t& end) {
    std::string entry(wqj::detail::trim_blanks(text));
    if (entry.empty()) return 0;
    wqj::detail::upper_case_in_place(entry.data(), entry.size());
    entry += ' ';
    float slots[4] = {0, 0, 0, 0};
    for (const wqj::detail::UnitPass& pass : wqj::detail::kUnitPasses) {
        for (const std::string_view word : wqj::detail::designators(pass.system, pass.unit)) {
            const std::size_t hit = entry.find(" " + std::string(word) + " ");
            if (hit == std::string::npos) continue;
            const float v = wqj::GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(pass.system, entry,
                                                                          static_cast<int32_t>(hit), -1, start, end);
            if (maximum > 0 && v > maximum) return static_cast<float>(pass.error_code);
            const auto scaled = static_cast<float>(static_cast<long double>(v) * static_cast<long double>(pass.factor));
            slots[pass.unit] = pass.system == wqj::SYSTEMMETRIC ? wqj::MILLIMETERSTOINCHES(scaled) : scaled;
            break;
        }
    }
    long double total = 0;
    for (const float slot : slots) total += static_cast<long double>(slot);
    return static_cast<float>(total);
}

TEST(ParserInches, SeededEntriesReadAsSearchingEachDesignatorInTurn) {
    const char* const pieces[] = {"6",  "12", "1/2", "3\\4", ".5", "'",    "\"",  "''",  "ft", "FEET", "feet.", "F",
                                  "in", "I.", "IN.", "yd",    "Y",  "m",    "M.",   "mm",  "cm", "DEC",  "D.M.",  "x",
                                  "-",  "mmm", "inn", "6FT",  "IN4", "1/0", "999999999", "16777217/3", "1/2147483647",
                                  ".0000000237", "1234567890"};
    uint32_t seed = 25;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        std::string text;
        for (uint32_t n = seed % 9; n > 0; --n) {
            seed = seed * 1664525u + 1013904223u;
            text += pieces[(seed >> 8) % std::size(pieces)];
            text.append((seed >> 20) % 3, ' ');
        }
        const float maximum = (seed >> 24) % 4 == 0 ? 10.0f : 0.0f;
        int32_t s1 = kUnset, e1 = kUnset, s2 = kUnset, e2 = kUnset;
        const float want = inches_by_search(text, maximum, s1, e1);
        ASSERT_EQ(bits(wqj::CONVERTTEXTSTRINGVALUETOINCHES(text, maximum, s2, e2)), bits(want)) << "[" << text << "]";
        if (want < 0) {
            ASSERT_EQ(s2, s1) << "[" << text << "]";
            ASSERT_EQ(e2, e1) << "[" << text << "]";
        }
    }
}

// ---- number by position -----------------------------------------------------

struct ByPosition {
    int32_t system;
    std::string text;
    int32_t position, from_end;
    float want;
    int32_t start, end;  // kUnset: not written
};

void check(const ByPosition& c) {
    int32_t s = kUnset, e = kUnset;
    const float v = wqj::GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(c.system, c.text, c.position, c.from_end, s, e);
    EXPECT_EQ(bits(v), bits(c.want)) << c.text << " @" << c.position << " flag " << c.from_end;
    EXPECT_EQ(s, c.start) << c.text << " @" << c.position << " flag " << c.from_end;
    EXPECT_EQ(e, c.end) << c.text << " @" << c.position << " flag " << c.from_end;
}

TEST(ParserByPosition, WholeNumbersAndWhereTheyStand) {
    const ByPosition cases[] = {
        // backward: the run that ends at the position, blanks skipped
        {0, "5", 1, -1, 5, 1, 1},
        {0, "14 IN", 2, -1, 14, 1, 2},
        {0, "100 IN", 3, -1, 100, 1, 3},
        {0, "6 FT 14 IN", 7, -1, 14, 6, 7},
        {0, "6 FT 4 IN", 6, -1, 4, 6, 6},
        {0, "6 FT 4 IN", 5, -1, 0, kUnset, kUnset},  // a blank then "FT": nothing read
        {0, "  12  ", 6, -1, 12, 3, 4},
        {0, "12", 99, -1, 12, 1, 2},                 // beyond the end: the whole text
        {0, "7 7", 3, -1, 7, 3, 3},                  // the same digits earlier do not mislead
        {0, "1.2.3", 5, -1, 1.2f, 1, 5},
        {1, "12.5", 4, -1, 12.5f, 1, 4},
        // forward: the run that starts at the position
        {0, "6 FT", 1, 0, 6, 1, 1},
        {0, "  7 IN", 1, 0, 7, 3, 3},
        {0, "6 FT 4 IN", 6, 0, 4, 6, 6},
        {0, "6 FT 4", 6, 0, 4, 6, 6},                // the last position
        {0, "6 FT", 1, 1, 6, 1, 1},                  // any flag but -1 is forward
        {0, "6 FT", 1, -2, 6, 1, 1},
        // nothing to read: 0 and the positions keep their values
        {0, "FT", 2, -1, 0, kUnset, kUnset},
        {0, "   ", 3, -1, 0, kUnset, kUnset},
        {0, "", 1, -1, 0, kUnset, kUnset},
        {0, "6 FT", 0, -1, 0, kUnset, kUnset},
        {0, "6 FT", 5, 0, 0, kUnset, kUnset},
        {0, "6 FT", 20, 0, 0, kUnset, kUnset},
        // a forward position before the text reads nothing
        {0, "6 FT", 0, 0, 0, kUnset, kUnset},
        {0, "6 FT", -3, 0, 0, kUnset, kUnset},
        // NUL bytes are characters like any other
        {0, "3\0" "12"s, 4, -1, 12, 3, 4},
    };
    for (const ByPosition& c : cases) check(c);
}

TEST(ParserByPosition, FractionsAndWhereTheyStand) {
    const ByPosition cases[] = {
        {0, "6 FT 4 1/2 IN", 10, -1, 4.5f, 6, 10},
        {0, "6 FT 4 1/2 IN", 1, 0, 6.5f, 1, 10},   // forward: the first fraction with the leading number
        {0, "1/2", 3, -1, 0.5f, 1, 3},
        {0, "12 3/16", 7, -1, 12.1875f, 1, 7},
        {0, "03/16 IN", 5, -1, 0.1875f, 1, 5},
        {1, "3/4", 3, -1, 0.75f, 1, 3},             // fractions are found in either system
        {0, "4 - 1/2", 7, -1, 0.5f, 5, 7},
        // backward, a fraction further back than the number is not read
        {0, "1/2 FT 3 IN", 8, -1, 3, 8, 8},
        {0, "5 1/2 ' 3", 9, -1, 3, 9, 9},
        // the last fraction; before it, system 0 takes "3/4" as a number run (3)
        {0, "1 3/4 5/8", 9, -1, 3.625f, 3, 9},
        {1, "1 3/4 5/8", 9, -1, 4.625f, 5, 9},
        // the number left once the fraction is cut out may span the cut
        {0, "7.1/2.5", 1, 0, 7.5f, 1, 7},
    };
    for (const ByPosition& c : cases) check(c);
}

// The whole entry reads each unit's number backward on the text as it
// stands; it must give what reading by position gives (value bits and
// positions) on any text: seeded texts of number characters, blanks, marks
// and letters, at every position, in both systems.
TEST(ParserByPosition, ReadingBeforeAPositionIsReadingBackward) {
    const char alphabet[] = "0123456789//\\.. '\"FTINM-X";
    uint32_t seed = 2024;
    for (int i = 0; i < 150000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        std::string text(seed % 19, ' ');
        for (char& c : text) {
            seed = seed * 1664525u + 1013904223u;
            c = alphabet[(seed >> 16) % (sizeof alphabet - 1)];
        }
        for (int32_t position = 0; position <= static_cast<int32_t>(text.size()) + 1; ++position) {
            for (const int32_t system : {0, 1}) {
                int32_t s1 = -7, e1 = -7, s2 = -7, e2 = -7;
                const float want = wqj::GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, text, position, -1, s1, e1);
                const float got = wqj::detail::read_number_before(system, text, position, s2, e2);
                ASSERT_EQ(bits(got), bits(want)) << "[" << text << "] at " << position << " system " << system;
                ASSERT_EQ(s2, s1) << "[" << text << "] at " << position;
                ASSERT_EQ(e2, e1) << "[" << text << "] at " << position;
            }
        }
    }
}

// ---- round trip with the formatter ----------------------------------------------

TEST(ParserRoundTrip, EverySixteenthUpTo200FeetReadsBackInEveryParseableImperialStyle) {
    // Words, abbreviations with and without dots, marks with and without the
    // dash, inches only. Decimal feet (3-5, 8) are rounded by design and plain
    // inches (13) carry no unit word, so they are not read back.
    const int32_t styles[] = {0, 1, 2, 6, 7, 9, 10, 11, 12};
    for (int32_t style : styles) {
        int failures = 0;
        for (int32_t sixteenths = 0; sixteenths <= 200 * 12 * 16; ++sixteenths) {
            const float length = static_cast<float>(sixteenths) / 16.0f;
            const std::string text = wqj::GETFORMATEDTEXTFROMINCHES(0, style, 0, length, 16);
            const float back = inches(wqj::SEPARATEMEASUREMENTSINTEXTSTRING(text));
            if (bits(back) != bits(length) && ++failures <= 3) {
                ADD_FAILURE() << "style " << style << ": " << length << " written '" << text << "' reads " << back;
            }
        }
        EXPECT_EQ(failures, 0) << "style " << style;
    }
}

}  // namespace

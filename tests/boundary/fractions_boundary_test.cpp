// The fraction and reversal exports called exactly as a host calls them:
// caller buffers of exact size, by-reference outputs, null pointers and host
// strings passed by value.
#include <gtest/gtest.h>

#include "bits.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "boundary/loaded_library.h"

using wqjtest::take;
using namespace std::string_literals;

namespace {

using wqjtest::bits;

constexpr char kGuard = '\x5A';
constexpr std::size_t kGuardBytes = 16;

// A caller's buffer of exactly `size` bytes with guard bytes after it.
struct GuardedBuffer {
    std::vector<char> bytes;
    std::size_t size;
    explicit GuardedBuffer(std::size_t n, char fill = '#') : bytes(n + kGuardBytes, kGuard), size(n) {
        std::fill(bytes.begin(), bytes.begin() + std::ptrdiff_t(n), fill);
    }
    // A buffer holding `text` and its NUL, nothing more.
    static GuardedBuffer holding(const std::string& text) {
        GuardedBuffer b(text.size() + 1);
        std::memcpy(b.data(), text.c_str(), text.size() + 1);
        return b;
    }
    char* data() { return bytes.data(); }
    std::string text() const { return std::string(bytes.data(), strnlen(bytes.data(), size)); }
    bool guard_intact() const {
        for (std::size_t i = size; i < bytes.size(); ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
};

TEST(FractionExports, BreakFractionApartWritesFourOutputs) {
    auto split = WQJ_FN(BREAKFRACTIONAPART);
    struct Case {
        const char* text;
        int32_t whole, numerator, denominator;
        const char* separator;
    } cases[] = {
        {"12 7/16", 12, 7, 16, "/"}, {"5\\8", 0, 5, 8, "\\"}, {"99999999999/1", 0, 2147483647, 1, "/"},
    };
    for (const Case& c : cases) {
        int32_t whole = -9, numerator = -9, denominator = -9;
        GuardedBuffer separator(2);
        split(c.text, &whole, &numerator, &denominator, separator.data());
        EXPECT_EQ(whole, c.whole) << c.text;
        EXPECT_EQ(numerator, c.numerator) << c.text;
        EXPECT_EQ(denominator, c.denominator) << c.text;
        EXPECT_EQ(std::string(separator.data(), 2), std::string(c.separator) + '\0') << c.text;
        EXPECT_TRUE(separator.guard_intact()) << c.text;
    }
}

TEST(FractionExports, BreakFractionApartWithoutSlashOrWithNullPointers) {
    auto split = WQJ_FN(BREAKFRACTIONAPART);
    for (const char* text : {"7", "", static_cast<const char*>(nullptr)}) {
        int32_t whole = -9, numerator = -9, denominator = -9;
        GuardedBuffer separator(2);
        split(text, &whole, &numerator, &denominator, separator.data());
        EXPECT_EQ(whole, -9);
        EXPECT_EQ(numerator, -9);
        EXPECT_EQ(denominator, -9);
        EXPECT_EQ(separator.bytes[0], '#');
        EXPECT_EQ(separator.bytes[1], '#');
    }
    // Each output may be absent; the others are still written.
    int32_t numerator = -9;
    split("2 3/4", nullptr, &numerator, nullptr, nullptr);
    EXPECT_EQ(numerator, 3);
    GuardedBuffer separator(2);
    split("2 3\\4", nullptr, nullptr, nullptr, separator.data());
    EXPECT_EQ(separator.text(), "\\");
    EXPECT_TRUE(separator.guard_intact());
}

TEST(FractionExports, ConvertReduceAndDecimalAsHostStrings) {
    auto convert = WQJ_FN(CONVERTFRACTIONDENOMINATOR);
    auto reduce = WQJ_FN(REDUCEFRACTION);
    auto decimal = WQJ_FN(DECIMALTOFRACTIONSTRING);
    struct TextCase {
        const char* text;
        int32_t n;
        const char* want;
    };
    const TextCase converted[] = {{"1-3/4", 8, "1 6/8"}, {nullptr, 8, ""}};
    for (const TextCase& c : converted) {
        EXPECT_EQ(take(convert(c.text, c.n)), c.want) << (c.text ? c.text : "(null)") << " " << c.n;
    }
    const TextCase reduced[] = {{"6/4", 16, "1 1/2"}, {nullptr, 16, ""}};
    for (const TextCase& c : reduced) {
        EXPECT_EQ(take(reduce(c.text, c.n)), c.want) << (c.text ? c.text : "(null)") << " " << c.n;
    }
    struct DecimalCase {
        float value;
        const char* want;
    } decimals[] = {{2.5f, "2 1/2"}, {0.3333333f, "5/16"}};
    for (const DecimalCase& c : decimals) EXPECT_EQ(take(decimal(c.value, 16)), c.want) << c.value;

    bool was_null = false;
    take(reduce("1/64", 16), &was_null);
    EXPECT_TRUE(was_null);
    take(decimal(0.01f, 16), &was_null);
    EXPECT_TRUE(was_null);
}

TEST(FractionExports, FractionStringToDecimal) {
    auto value = WQJ_FN(FRACTIONSTRINGTODECIMAL);
    struct Case {
        const char* text;
        float want;
    } cases[] = {{"1/3", 1.0f / 3.0f}, {nullptr, 0}};
    for (const Case& c : cases) EXPECT_EQ(bits(value(c.text)), bits(c.want)) << (c.text ? c.text : "(null)");
}

TEST(FractionExports, ExtractWritesTheRemainderPaddedToTheBuffersLength) {
    auto extract = WQJ_FN(EXTRACTFRACTIONINTEXTSTRING);
    struct Case {
        std::string text;
        int32_t from_end;
        const char* found;
        std::string remainder;
        float value;
    } cases[] = {
        {"5 3/16 x", 0, "3/16", "5  x", 0.1875f},
        {"  7/8  ", 0, "7/8", "", 0.875f},
        {"1/0 in", 0, "1/0", " in", std::numeric_limits<float>::infinity()},
        {"no fraction", 0, "", "", -1},
    };
    for (const Case& c : cases) {
        GuardedBuffer buffer = GuardedBuffer::holding(c.text);
        int32_t length = -9;
        float value = -1;
        const std::string found = take(extract(c.text.c_str(), c.from_end, buffer.data(), &length, &value));
        EXPECT_EQ(found, c.found) << c.text;
        EXPECT_EQ(length, static_cast<int32_t>(c.remainder.size())) << c.text;
        // The remainder and blanks up to the text's length, then its NUL.
        const std::string want = c.remainder + std::string(c.text.size() - c.remainder.size(), ' ') + '\0';
        EXPECT_EQ(std::string(buffer.data(), buffer.size), want) << c.text;
        EXPECT_TRUE(buffer.guard_intact()) << c.text;
        EXPECT_EQ(bits(value), bits(c.value)) << c.text;  // written only when found
    }
}

TEST(FractionExports, ExtractWithNullOrShortBuffersAndSharedText) {
    auto extract = WQJ_FN(EXTRACTFRACTIONINTEXTSTRING);
    // Every by-reference argument may be absent.
    EXPECT_EQ(take(extract("5 3/16 x", 0, nullptr, nullptr, nullptr)), "3/16");
    EXPECT_EQ(take(extract(nullptr, 0, nullptr, nullptr, nullptr)), "");

    // A buffer whose text is shorter than the remainder gets no more than
    // its own length; the length reported is the remainder's.
    GuardedBuffer shorter = GuardedBuffer::holding("ab");
    int32_t length = 0;
    EXPECT_EQ(take(extract("left 1/2 right", 0, shorter.data(), &length, nullptr)), "1/2");
    EXPECT_EQ(length, 11);
    EXPECT_EQ(std::string(shorter.data(), shorter.size), "le"s + '\0');
    EXPECT_TRUE(shorter.guard_intact());

    // The text itself may serve as the buffer.
    GuardedBuffer shared = GuardedBuffer::holding("4 1/2 ft");
    float value = 0;
    EXPECT_EQ(take(extract(shared.data(), 0, shared.data(), &length, &value)), "1/2");
    EXPECT_EQ(shared.text(), "4  ft   ");
    EXPECT_EQ(length, 5);
    EXPECT_EQ(value, 0.5f);
    EXPECT_TRUE(shared.guard_intact());
}

TEST(ReversalExports, ReverseStringDllReversesEveryByteOfAHostString) {
    auto reverse = WQJ_FN(REVERSESTRINGDLL);
    struct Case {
        std::string text, want;
    } cases[] = {
        {"a\0b"s, "b\0a"s}, {"\0"s, "\0"s}, {"\xC3\xA9!", "!\xA9\xC3"},
    };
    for (const Case& c : cases) {
        WQJSTRING argument = wqjtest::make_host_string(c.text);
        EXPECT_EQ(take(reverse(argument)), c.want) << c.text;
        take(argument);  // the argument is the caller's and still intact
    }
    bool was_null = false;
    take(reverse(nullptr), &was_null);
    EXPECT_TRUE(was_null);
}

TEST(ReversalExports, ReverseStringReadsUpToTheFirstNul) {
    auto reverse = WQJ_FN(REVERSESTRING);
    const char with_nul[] = {'a', '\0', 'b', '\0'};
    EXPECT_EQ(take(reverse("abc")), "cba");
    EXPECT_EQ(take(reverse(with_nul)), "a");
    bool was_null = false;
    take(reverse(""), &was_null);
    EXPECT_TRUE(was_null);
    take(reverse(nullptr), &was_null);
    EXPECT_TRUE(was_null);
}

TEST(ReversalExports, IsNumericDll) {
    auto numeric = WQJ_FN(ISNUMERICDLL);
    struct Case {
        const char* text;
        int32_t want;
    } cases[] = {{"12.5", 1}, {".5.", 0}, {nullptr, 1}};
    for (const Case& c : cases) EXPECT_EQ(numeric(c.text), c.want) << (c.text ? c.text : "(null)");
}

}  // namespace

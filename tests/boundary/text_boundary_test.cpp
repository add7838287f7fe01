// The field and list exports called exactly as a host calls them: caller
// buffers of exact size with guard bytes after them, the delimiter written
// back, null pointers, array descriptors, texts of 16 MiB.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "boundary/loaded_library.h"
#include "tests/int32_array.h"

using wqjtest::take;
using namespace std::string_literals;

namespace {

constexpr char kGuard = '\x5A';
constexpr std::size_t kGuardBytes = 16;

// A caller's buffer holding `text` and its NUL in exactly `size` bytes,
// with guard bytes after it.
struct Buffer {
    std::vector<char> bytes;
    std::size_t size;
    Buffer(const std::string& text, std::size_t n) : bytes(n + kGuardBytes, kGuard), size(n) {
        std::memcpy(bytes.data(), text.c_str(), text.size() + 1);
    }
    explicit Buffer(const std::string& text) : Buffer(text, text.size() + 1) {}
    char* data() { return bytes.data(); }
    std::string text() const { return std::string(bytes.data()); }
    bool guards_intact() const {
        for (std::size_t i = size; i < bytes.size(); ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
};

TEST(BoundaryFields, CountAndReadWithNullPointersAsEmptyText) {
    EXPECT_EQ(WQJ_FN(PARSECOUNTDLL)("a--b", "--"), 2);
    EXPECT_EQ(WQJ_FN(PARSECOUNTDLL)(nullptr, ","), 1);
    EXPECT_EQ(WQJ_FN(PARSECOUNTDLL)("a,\"b,c\"", nullptr), 2);  // a null delimiter is empty
    EXPECT_EQ(take(WQJ_FN(GETSTRINGPARTFROMSTRINGBYPOSITION)("a, b", 2, ",")), " b");
    bool was_null = false;
    take(WQJ_FN(GETSTRINGPARTFROMSTRINGBYPOSITION)("a,b,c", 4, ","), &was_null);
    EXPECT_TRUE(was_null);  // empty text is a null handle
    take(WQJ_FN(GETSTRINGPARTFROMSTRINGBYPOSITION)(nullptr, 1, nullptr), &was_null);
    EXPECT_TRUE(was_null);
    EXPECT_EQ(WQJ_FN(GETVALUEFROMSTRINGBYPOSITION)("1.5|x|  7ft", 3, "|"), 7.0);
    EXPECT_EQ(WQJ_FN(GETVALUEFROMSTRINGBYPOSITION)("1|0.1", 2, "|"), 0.1);
    EXPECT_EQ(WQJ_FN(GETVALUEFROMSTRINGBYPOSITION)(nullptr, 1, nullptr), 0.0);
}

TEST(BoundaryFields, ReplacingWritesTheRecordIntoAnExactBuffer) {
    using Set = decltype(&SETSTRINGPARTINSTRINGBYPOSITION);
    const Set exports[] = {WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION), WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION2)};
    struct Case {
        std::string text;
        int32_t position;
        const char* field;
        const char* delimiter;
        std::string want;  // the buffer afterwards
        int32_t result;
    } cases[] = {
        {"a,b,c", 2, "x", ",", "a,x,c", 5},
        {"a,b,c", 4, "x", ",", "a,b,c", -1},  // untouched
        {"a,b", 1, "p,q", ",", "p,q,b", 5},    // longer than the old record
        {"a,b", 1, " x", ",", "x,b", 3},
        {"a,b", 2, nullptr, ",", "a,", 2},
        // a null delimiter reads comma-separated values: every other byte stays
        {"a,b", 1, "z", nullptr, "z,b", 3},
        {" \"p,q\" , r", 2, "s", "", "\"p,q\" ,s", 8},
        {"\"a\",\"b\"", 1, "\"c", "\",\"", "\"c\",\"b\"", 7},
        {"a,b,c", 3, "", ",", "a,b,", 4},
        {"a", 1, "", ",", "", 0},
        {"a,b", 2, "x ", ",", "a,x", 3},  // a trailing blank is trimmed too
        {"a--b--c", 2, "xyz", "--", "a--xyz--c", 9},
        // past the first blocks of sixteen bytes
        {"f01,f02,f03,f04,f05,f06,f07,f08,f09,f10", 9, "nine", ",", "f01,f02,f03,f04,f05,f06,f07,f08,nine,f10", 40},
    };
    for (Set set : exports) {
        for (const Case& c : cases) {
            // Room for the longest result: old record minus the field plus the new one.
            const std::size_t room = c.text.size() + (c.field ? std::strlen(c.field) : 0) + 1;
            Buffer buffer(c.text, room);
            const std::vector<char> before = buffer.bytes;
            EXPECT_EQ(set(buffer.data(), c.position, c.field, c.delimiter), c.result) << c.text << " @" << c.position;
            EXPECT_EQ(buffer.text(), c.want) << c.text << " @" << c.position;
            EXPECT_TRUE(buffer.guards_intact()) << c.text;
            if (c.result < 0) {
                EXPECT_EQ(buffer.bytes, before) << "touched: " << c.text;
            }
        }
        // A null buffer is an empty record, which has one field; nothing is written.
        EXPECT_EQ(set(nullptr, 1, "x", ","), 1);
        EXPECT_EQ(set(nullptr, 2, "x", ","), -1);
    }
}

// A new field taken from the caller's own buffer is read before the record
// is rewritten over it.
TEST(BoundaryFields, ReplacingWithAFieldFromTheSameBuffer) {
    Buffer buffer("ab,cd,ef\0xyz"s, 16);
    std::memcpy(buffer.data(), "ab,cd,ef\0xyz", 13);
    EXPECT_EQ(WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION)(buffer.data(), 1, buffer.data() + 9, ","), 9);
    EXPECT_EQ(buffer.text(), "xyz,cd,ef");
    Buffer record("ab,cd,ef", 16);
    EXPECT_EQ(WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION)(record.data(), 1, record.data() + 3, ","), 11);
    EXPECT_EQ(record.text(), "cd,ef,cd,ef");
    EXPECT_TRUE(record.guards_intact());
}

// A text longer than the 16 MiB the library reads, in a buffer an export
// rewrites, is refused whole (the export's failure result) rather than
// written back cut short.
TEST(BoundaryFields, TextsBeyondTheReadLimitAreNotRewritten) {
    std::string record(16u << 20, 'a');
    record += ",tail 6'4 1/2";
    Buffer buffer(record, 2 * record.size() + 2);
    const struct {
        const char* name;
        std::function<std::string()> call;
        std::string failure;
    } cases[] = {
        {"SETSTRINGPARTINSTRINGBYPOSITION",
         [&] { return std::to_string(WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION)(buffer.data(), 1, "x", ",")); }, "-1"},
        {"REMOVESTRINGINDELIMITEDSTRINGBYPOSITION",
         [&] { return std::to_string(WQJ_FN(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(buffer.data(), 1, ",")); }, "0"},
        {"ADDTODELIMITEDSTRING",
         [&] {
             bool was_null = false;
             const std::string r = take(WQJ_FN(ADDTODELIMITEDSTRING)(buffer.data(), "x", nullptr), &was_null);
             return was_null ? std::string("null") : r;
         },
         "null"},
        {"SEPARATEMEASUREMENTSINTEXTSTRING",
         [&] {
             bool was_null = false;
             const std::string r = take(WQJ_FN(SEPARATEMEASUREMENTSINTEXTSTRING)(buffer.data()), &was_null);
             return was_null ? std::string("null") : r;
         },
         "null"},
        {"GETSYMBOLITEMTYPEFROMNAME",
         [&] { return std::to_string(WQJ_FN(GETSYMBOLITEMTYPEFROMNAME)(1, 5, buffer.data())); }, "0"},
        {"GETPAPERINDEXFROMPAPERNAME",
         [&] { return std::to_string(WQJ_FN(GETPAPERINDEXFROMPAPERNAME)(buffer.data())); }, "-1"},
        // The remainder buffer holds the long text, or receives what is left
        // of it: the length and the value are not written either.
        {"EXTRACTFRACTIONINTEXTSTRING",
         [&] {
             int32_t length = -7;
             float value = -7;
             bool was_null = false;
             const std::string r = take(
                 WQJ_FN(EXTRACTFRACTIONINTEXTSTRING)(buffer.data(), 0, buffer.data(), &length, &value), &was_null);
             return (was_null ? std::string("null") : r) + " " + std::to_string(length) + " " + std::to_string(value);
         },
         "null -7 " + std::to_string(-7.0f)},
        {"EXTRACTFRACTIONINTEXTSTRING into a long buffer",
         [&] {
             int32_t length = -7;
             bool was_null = false;
             take(WQJ_FN(EXTRACTFRACTIONINTEXTSTRING)("5 1/2 x", 0, buffer.data(), &length, nullptr), &was_null);
             return std::string(was_null ? "null " : "text ") + std::to_string(length);
         },
         "null -7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.call(), c.failure) << c.name;
        EXPECT_TRUE(buffer.text() == record) << c.name << " rewrote the caller's text";
    }
    // A text of exactly the limit is read whole and rewritten.
    std::string limit(16u << 20, 'a');
    limit[1] = ',';
    Buffer exact(limit);
    EXPECT_EQ(WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION)(exact.data(), 1, "b", ","), int32_t(limit.size()));
}

TEST(BoundaryLists, TheDefaultDelimiterIsWrittenBack) {
    // create: delimiter buffer of exactly 2 bytes
    Buffer delimiter("", 2);
    EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRING)(delimiter.data(), "a", "", "b", nullptr, "", "", "", "", "", "")),
              "a,b");
    EXPECT_EQ(delimiter.text(), ",");
    EXPECT_TRUE(delimiter.guards_intact());

    // find
    Buffer d2("", 2);
    EXPECT_EQ(WQJ_FN(ISSTRINGINDELIMITEDSTRING)("Red, Green ,Blue", "green", d2.data(), 0, 0), 2);
    EXPECT_EQ(d2.text(), ",");
    EXPECT_TRUE(d2.guards_intact());
    EXPECT_EQ(WQJ_FN(ISSTRINGINDELIMITEDSTRING)("Red, Green ,Blue", "green", d2.data(), 0, -1), 0);  // any non-zero flag
    EXPECT_EQ(WQJ_FN(ISSTRINGINDELIMITEDSTRING)("Red, Green ,Blue", " green ", d2.data(), 1, 0), 2);

    // from an integer array
    int32_t storage[] = {5, -12, 0};
    WQJARRAYDESCRIPTOR array = wqjtest::int32_array(storage, 3);
    Buffer d3("", 2);
    EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRINGFROMLONGARRAY)(d3.data(), &array)), "5,-12,0");
    EXPECT_EQ(d3.text(), ",");
    EXPECT_TRUE(d3.guards_intact());

    // a delimiter given is left as it is; a null delimiter is "," and not written
    Buffer d4(" | ");
    EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRING)(d4.data(), "x", " ", "y", "", "", "", "", "", "", "")), "x |   | y");
    EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRING)(d4.data(), "x", "", "", "", "", "", "", "", "i", "j")), "x | i | j");
    EXPECT_EQ(d4.text(), " | ");
    EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRING)(nullptr, "x", "y", nullptr, nullptr, nullptr, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr)),
              "x,y");
    bool was_null = false;
    take(WQJ_FN(CREATEDELIMITEDSTRING)(d4.data(), "", "", "", "", "", "", "", "", "", ""), &was_null);
    EXPECT_TRUE(was_null);
}

TEST(BoundaryLists, AddingLeavesTheListWithTheDelimiterOnly) {
    struct Case {
        std::string list;
        const char* item;
        std::string delimiter;
        std::string want, list_after, delimiter_after;
    } cases[] = {
        {"a,b", "c", ",", "a,b,c", "a,b,", ","},
        {"", "c", ",", "c", "", ","},
        {"a", "b", "", "a,b", "a,", ","},
        {"a", nullptr, "::", "a::", "a::", "::"},
    };
    for (const Case& c : cases) {
        Buffer list(c.list, c.list.size() + c.delimiter_after.size() + 1);
        Buffer delimiter(c.delimiter, std::max<std::size_t>(2, c.delimiter.size() + 1));
        EXPECT_EQ(take(WQJ_FN(ADDTODELIMITEDSTRING)(list.data(), c.item, delimiter.data())), c.want);
        EXPECT_EQ(list.text(), c.list_after);
        EXPECT_EQ(delimiter.text(), c.delimiter_after);
        EXPECT_TRUE(list.guards_intact() && delimiter.guards_intact()) << c.list;
    }
    EXPECT_EQ(take(WQJ_FN(ADDTODELIMITEDSTRING)(nullptr, "c", nullptr)), "c");
}

TEST(BoundaryLists, RemovingRewritesTheListAndKeepsAnEmptyDelimiter) {
    struct Case {
        std::string list;
        int32_t position;
        const char* delimiter;
        std::string list_after;
        int32_t result;
    } cases[] = {
        {"a,b,c", 2, ",", "a,c", 1}, {",x,y", 3, ",", "x", 1},
        {"a,,b", 3, ",", "a,", 1},   {",,x", 9, ",", "x", 0},       {"a,b,c", 2, "", "a,c", 1},
        {"a,b", 1, nullptr, "b", 1},
        {"a,b,c", 1, ",", "b,c", 1}, {"a", 1, ",", "", 1}, {"a,,c", 1, ",", "c", 1},
        {"aa--bb--cc", 2, "--", "aa--cc", 1}, {"a,b,c", 0, ",", "a,b,c", 0},
        {"i01,i02,i03,i04,i05,i06,i07,i08,i09,i10", 9, ",", "i01,i02,i03,i04,i05,i06,i07,i08,i10", 1},
    };
    for (const Case& c : cases) {
        Buffer list(c.list);
        EXPECT_EQ(WQJ_FN(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(list.data(), c.position, c.delimiter), c.result);
        EXPECT_EQ(list.text(), c.list_after);
        EXPECT_TRUE(list.guards_intact());
    }
    Buffer empty("", 2);
    WQJ_FN(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(Buffer("a,b").data(), 1, empty.data());
    EXPECT_EQ(empty.text(), "");  // this export writes no delimiter back
    EXPECT_EQ(WQJ_FN(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(nullptr, 1, ","), 1);
}

TEST(BoundaryLists, StripNullReadsAFixedSizeBuffer) {
    const char padded[8] = {' ', 'a', 'b', ' ', '\0', '\0', 'x', '\0'};
    EXPECT_EQ(take(WQJ_FN(STRIPNULL)(padded)), "ab");
    bool was_null = false;
    take(WQJ_FN(STRIPNULL)("    "), &was_null);
    EXPECT_TRUE(was_null);
    take(WQJ_FN(STRIPNULL)(nullptr), &was_null);
    EXPECT_TRUE(was_null);
}

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(WQJARRAYDESCRIPTOR) == 32);
static_assert(offsetof(WQJARRAYDESCRIPTOR, flags) == 4);
static_assert(offsetof(WQJARRAYDESCRIPTOR, element_count) == 8);
static_assert(offsetof(WQJARRAYDESCRIPTOR, element_size) == 20);
static_assert(offsetof(WQJARRAYDESCRIPTOR, lower_bound) == 24);
static_assert(offsetof(WQJARRAYDESCRIPTOR, upper_bound) == 28);
#endif

TEST(BoundaryLists, ArrayDescriptorsAreReadByTheirBoundsAndFlag) {
    int32_t storage[] = {7, 8, 9};
    struct Case {
        int32_t* storage;
        uint8_t flags;
        int32_t lower, upper;
        std::string want;
    } cases[] = {
        {storage, 4, 0, 2, "7,8,9"},
        {storage, 4 | 0x80, 0, 1, "7,8"},  // other flag bits do not matter
        {storage, 0, 0, 2, ""},            // storage not allocated
        {storage, 4, 2, 0, ""},            // bounds upside down
        {storage, 4, 1, 3, "7,8,9"},       // indexes 1 to 3
        {storage, 4, -1, 1, "8,9"},        // index -1 is not listed
        {nullptr, 4, 0, 2, ""},
    };
    for (const Case& c : cases) {
        WQJARRAYDESCRIPTOR array{};
        array.storage = c.storage;
        array.flags = c.flags;
        array.element_count = 1000000;  // counts and sizes are not read
        array.storage_bytes = -1;
        array.lower_bound = c.lower;
        array.upper_bound = c.upper;
        char delimiter[2] = ",";
        EXPECT_EQ(take(WQJ_FN(CREATEDELIMITEDSTRINGFROMLONGARRAY)(delimiter, &array)), c.want)
            << c.lower << ".." << c.upper;
    }
    // A null descriptor is an empty array; the empty delimiter is still written back.
    Buffer delimiter("", 2);
    bool was_null = false;
    take(WQJ_FN(CREATEDELIMITEDSTRINGFROMLONGARRAY)(delimiter.data(), nullptr), &was_null);
    EXPECT_TRUE(was_null);
    EXPECT_EQ(delimiter.text(), ",");
}

// 16 MiB texts of about a million fields go through every export in one
// pass each.
TEST(BoundaryText, SixteenMebibyteTexts) {
    std::string text;
    text.reserve(16u << 20);
    int32_t n = 0;
    while (text.size() + 17 < (16u << 20)) text += "item-0123456789,", ++n;
    text += "last";
    ++n;
    ASSERT_LE(text.size(), std::size_t(16u << 20));
    EXPECT_EQ(WQJ_FN(PARSECOUNTDLL)(text.c_str(), ","), n);
    EXPECT_EQ(take(WQJ_FN(GETSTRINGPARTFROMSTRINGBYPOSITION)(text.c_str(), n, ",")), "last");
    Buffer record(text, text.size() + 4);
    EXPECT_EQ(WQJ_FN(SETSTRINGPARTINSTRINGBYPOSITION)(record.data(), n, "final", ","), int32_t(text.size() + 1));
    char delimiter[2] = ",";
    EXPECT_EQ(WQJ_FN(ISSTRINGINDELIMITEDSTRING)(text.c_str(), "LAST", delimiter, 0, 0), n);
    Buffer list(text);
    EXPECT_EQ(WQJ_FN(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(list.data(), n, ","), 1);
    EXPECT_EQ(list.text().size(), text.size() - 5);
    EXPECT_EQ(take(WQJ_FN(STRIPNULL)(text.c_str())).size(), text.size());
}

}  // namespace

// Allocation failure: every allocation a call makes (C++ allocations and
// host strings) is made to fail in turn. Each export must then give its
// failure result, leave the caller's buffers as they were, leak nothing and
// not crash; once no allocation fails it must give its normal result.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#endif

namespace {

// The allocation counter: while counting, the allocation numbered fail_at
// fails; blocks made while counting are tracked until freed.
struct Counter {
    bool counting = false;
    std::size_t seen = 0;
    std::size_t fail_at = 0;
    bool injected = false;
    long live = 0;
};
Counter counter;

bool next_allocation_fails() {
    if (!counter.counting) return false;
    if (++counter.seen != counter.fail_at) return false;
    counter.injected = true;
    return true;
}

// Each block carries a 16-byte header (keeping the alignment malloc gives)
// that says whether it was made while counting.
constexpr std::size_t kHeader = 16;
constexpr unsigned kCounted = 0x5eed5eed;

void* allocate(std::size_t n) {
    if (next_allocation_fails()) return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(n + kHeader));
    if (block == nullptr) return nullptr;
    const unsigned tag = counter.counting ? kCounted : 0;
    std::memcpy(block, &tag, sizeof tag);
    if (counter.counting) ++counter.live;
    return block + kHeader;
}

void release(void* p) noexcept {
    if (p == nullptr) return;
    auto* block = static_cast<unsigned char*>(p) - kHeader;
    unsigned tag;
    std::memcpy(&tag, block, sizeof tag);
    if (tag == kCounted) --counter.live;
    std::free(block);
}

}  // namespace

extern "C" bool wqj_fault_allocation_fails() { return next_allocation_fails(); }

void* operator new(std::size_t n) {
    if (void* p = allocate(n)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allocate(n); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }

namespace {

// Ends the counted part of a call: what the test does after the export
// (describing its outcome) allocates freely.
void stop() { counter.counting = false; }

// A host string's bytes ("null" for a null handle); frees it.
std::string take(WQJSTRING s) {
    stop();
    if (s == nullptr) return "null";
#ifdef _WIN32
    const auto bstr = reinterpret_cast<BSTR>(s);  // a real OLE string
    std::string bytes(s, SysStringByteLen(bstr));
    SysFreeString(bstr);
#else
    std::string bytes(s, SysStringByteLen(s));
    SysFreeString(s);
#endif
    return "\"" + bytes + "\"";
}

// Walks the failing allocation through every allocation of `call`, which
// gives a description of everything the caller sees (result and buffers).
// Returns how many allocations the call makes.
// `normal` is the outcome once nothing fails; without it, a first call that
// nothing makes fail gives it (and builds any state made once). A call that
// creates lasting state (`normal` given) may keep what its success made.
std::size_t walk(const char* name, const std::string& failure, const std::function<std::string()>& call,
                 std::string normal = {}) {
    const bool keeps_state = !normal.empty();
    if (normal.empty()) normal = call();
    EXPECT_NE(normal, failure) << name << ": the normal result looks like the failure";
    for (std::size_t n = 1;; ++n) {
        counter = Counter{};
        counter.fail_at = n;
        counter.counting = true;
        const std::string seen = call();
        counter.counting = false;
        if (counter.injected || !keeps_state) {
            EXPECT_EQ(counter.live, 0) << name << " leaked with allocation " << n << " failing";
        }
        if (!counter.injected) {
            EXPECT_EQ(seen, normal) << name << " with no allocation failing";
            return n - 1;
        }
        EXPECT_EQ(seen, failure) << name << " with allocation " << n << " failing";
        if (n > 10000) {
            ADD_FAILURE() << name << " never stops allocating";
            return n;
        }
    }
}

// A caller buffer: its text, then room to spare.
struct Buffer {
    char bytes[128];
    explicit Buffer(const char* text) {
        std::memset(bytes, 'Z', sizeof bytes);
        std::strcpy(bytes, text);
    }
    std::string text() const { return bytes; }
};

// Run alone in a fresh process (a test of its own): nothing is initialised.
// Initialisation's one allocation is the paper table; when it fails, the
// scale ratios are still written and no paper table exists.
TEST(FreshProcess, InitialisationWithoutThePaperTable) {
    auto state = [] {
        stop();
        return std::to_string(GETSCALERATIOVALUE(0, 1, 2)) + " " + std::to_string(GETUBPAPERINFOARRAY());
    };
    const std::string before = state();
    const std::size_t allocations = walk(
        "INITIALIZEDLL", std::to_string(12.0f) + " -1",
        [&] {
            INITIALIZEDLL();
            return state();
        },
        std::to_string(12.0f) + " 40");
    EXPECT_EQ(before, std::to_string(0.0f) + " -1");
    EXPECT_EQ(allocations, 1u);
}

// Runs before any other test of this program: no paper table exists yet.
TEST(AllocationFailure, PaperTableIsNotCreatedWhenItsAllocationFails) {
    const std::size_t allocations = walk(
        "SIZEPAPERINFOARRAY", "-1 -1",
        [] {
            const int32_t bound = SIZEPAPERINFOARRAY(60);
            stop();
            return std::to_string(bound) + " " + std::to_string(GETUBPAPERINFOARRAY());
        },
        "60 60");
    EXPECT_GE(allocations, 1u);
}

class AllocationFailureAfterInit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { INITIALIZEDLL(); }
};

TEST_F(AllocationFailureAfterInit, TextResultsAreNullAndBuffersUntouched) {
    struct Case {
        const char* name;
        std::string failure;
        std::function<std::string()> call;
    };
    const std::string entry = "6'4 1/2\"";
    const Case cases[] = {
        {"GETFORMATEDTEXTFROMINCHES", "null",
         [] { return take(GETFORMATEDTEXTFROMINCHES(SYSTEMIMPERIAL, FORMATFEETINCHESWORDS, NUMBERSFRACTIONAL, 76.5f, 16)); }},
        {"SEPARATEMEASUREMENTSINTEXTSTRING", "null " + entry,
         [&] {
             Buffer b(entry.c_str());
             const std::string r = take(SEPARATEMEASUREMENTSINTEXTSTRING(b.bytes));
             return r + " " + b.text();
         }},
        {"REDUCEFRACTION", "null", [] { return take(REDUCEFRACTION("6/4", 16)); }},
        {"CONVERTFRACTIONDENOMINATOR", "null", [] { return take(CONVERTFRACTIONDENOMINATOR("1/2", 8)); }},
        {"DECIMALTOFRACTIONSTRING", "null", [] { return take(DECIMALTOFRACTIONSTRING(1.375f, 16)); }},
        // A failed result leaves the remainder buffer and its length as they were.
        {"EXTRACTFRACTIONINTEXTSTRING", "null 5 3/16 x -1",
         [] {
             Buffer b("5 3/16 x");
             int32_t length = -1;
             float value = -1;
             const std::string r = take(EXTRACTFRACTIONINTEXTSTRING("5 3/16 x", 0, b.bytes, &length, &value));
             return r + " " + b.text() + " " + std::to_string(length);
         }},
        {"GETSTRINGPARTFROMSTRINGBYPOSITION", "null", [] { return take(GETSTRINGPARTFROMSTRINGBYPOSITION("a|bb|c", 2, "|")); }},
        // Texts longer than a short string's inline room, so they allocate,
        // and records that are rebuilt rather than changed in place (a
        // leading blank trimmed, an empty first item dropped).
        {"SETSTRINGPARTINSTRINGBYPOSITION", "-1 first,second,third",
         [] {
             Buffer b("first,second,third");
             const int32_t r = SETSTRINGPARTINSTRINGBYPOSITION(b.bytes, 1, " replacement field", ",");
             stop();
             return std::to_string(r) + " " + b.text();
         }},
        {"CREATEDELIMITEDSTRING", "null []",
         [] {
             Buffer d("");
             const std::string r = take(CREATEDELIMITEDSTRING(d.bytes, "a", "", "b", "", "", "", "", "", "", ""));
             return r + " [" + d.text() + "]";
         }},
        {"ADDTODELIMITEDSTRING", "null a,b",
         [] {
             Buffer list("a,b");
             Buffer d(",");
             const std::string r = take(ADDTODELIMITEDSTRING(list.bytes, "c", d.bytes));
             return r + " " + list.text();
         }},
        {"REMOVESTRINGINDELIMITEDSTRINGBYPOSITION", "0 ,first,second,third,fourth",
         [] {
             Buffer list(",first,second,third,fourth");
             const int32_t r = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.bytes, 2, ",");
             stop();
             return std::to_string(r) + " " + list.text();
         }},
        {"STRIPNULL", "null", [] { return take(STRIPNULL("  abc  ")); }},
        {"REVERSESTRING", "null", [] { return take(REVERSESTRING("abc")); }},
        {"GETLIBRARYNAMEFROMCATEGORIES", "null", [] { return take(GETLIBRARYNAMEFROMCATEGORIES(1, 4, 5)); }},
        {"GETSUBCATEGORIESCODESTRING", "null", [] { return take(GETSUBCATEGORIESCODESTRING(1)); }},
        {"GETDIRECTORYFROMPATH", "null", [] { return take(GETDIRECTORYFROMPATH("C:\\dir\\sub\\file.txt")); }},
        {"GETFILENAMEFROMPATH", "null", [] { return take(GETFILENAMEFROMPATH("C:\\dir\\sub\\file.txt")); }},
        {"GETPAPERINFONAME", "null", [] { return take(GETPAPERINFONAME(16)); }},
    };
    for (const Case& c : cases) {
        const std::size_t allocations = walk(c.name, c.failure, c.call);
        EXPECT_GE(allocations, 1u) << c.name << " makes no allocation: the walk tests nothing";
    }
}

TEST_F(AllocationFailureAfterInit, NumericResultsGiveTheirFailureValue) {
    // Whatever allocation fails, the number is the export's failure value.
    walk("CONVERTTEXTSTRINGVALUETOINCHES", "0 -5 -5", [] {
        int32_t s = -5, e = -5;
        const float v = CONVERTTEXTSTRINGVALUETOINCHES("6'4 1/2\"", 1000.0f, &s, &e);
        stop();
        return std::to_string(v == 0.0f ? 0 : v) + " " + std::to_string(s) + " " + std::to_string(e);
    });
    walk("GETPAPERINDEXFROMPAPERNAME", "-1   generic a4 ", [] {
        Buffer b("  generic a4 ");
        const int32_t row = GETPAPERINDEXFROMPAPERNAME(b.bytes);
        stop();
        return std::to_string(row) + " " + b.text();
    });
}

}  // namespace

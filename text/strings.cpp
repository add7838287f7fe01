// The text services (see convert.h): trimming, case, comparison, search and
// substrings. Positions count bytes from 1.
#include "convert.h"

#include <algorithm>

#include "text/search.h"

namespace wqj {
namespace {

using namespace detail;

constexpr bool is_upper_mapped(unsigned char c, unsigned char& out) {
    if (c >= 'a' && c <= 'z') {
        out = static_cast<unsigned char>(c - 'a' + 'A');
        return true;
    }
    switch (c) {
        case 0x84: out = 0x8E; return true;
        case 0x94: out = 0x99; return true;
        case 0x81: out = 0x9A; return true;
        case 0x82: out = 0x90; return true;
        case 0xA4: out = 0xA5; return true;
        case 0x86: out = 0x8F; return true;
        case 0x87: out = 0x80; return true;
        default: return false;
    }
}

}  // namespace

using namespace detail;

// ---- text services --------------------------------------------------------

std::string_view TRIMLEFTBLANKS(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    return text.substr(i);
}

std::string_view TRIMRIGHTBLANKS(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

std::string_view detail::trim_blanks(std::string_view text) { return TRIMRIGHTBLANKS(TRIMLEFTBLANKS(text)); }

namespace {
// UPPERCASETEXT's mapping of every byte, made once from is_upper_mapped, and
// the other byte it makes each byte of (the byte itself when there is none).
struct UpperCaseTable {
    unsigned char to[256];
    unsigned char from_other[256];
    int changed = 0, named = 0;  // bytes changed, and named in from_other
    constexpr UpperCaseTable() : to(), from_other() {
        for (unsigned c = 0; c < 256; ++c) {
            unsigned char u = static_cast<unsigned char>(c);
            is_upper_mapped(static_cast<unsigned char>(c), u);
            to[c] = u;
            from_other[c] = static_cast<unsigned char>(c);
        }
        for (unsigned c = 0; c < 256; ++c) {
            if (to[c] == c) continue;
            ++changed;
            if (from_other[to[c]] == to[c] && to[to[c]] == to[c]) {
                from_other[to[c]] = static_cast<unsigned char>(c);
                ++named;
            }
        }
    }
};
constexpr UpperCaseTable kUpperCase;
// Every changed byte is named: no byte is made of two others, and none made
// of another is changed itself.
static_assert(kUpperCase.named == kUpperCase.changed);
}  // namespace

unsigned char detail::upper_case_byte(unsigned char c) { return kUpperCase.to[c]; }

int detail::upper_case_sources(unsigned char upper, unsigned char (&sources)[2]) {
    int count = 0;
    if (kUpperCase.to[upper] == upper) sources[count++] = upper;
    if (kUpperCase.from_other[upper] != upper) sources[count++] = kUpperCase.from_other[upper];
    return count;
}

bool detail::upper_cases_to(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (kUpperCase.to[static_cast<unsigned char>(text[i])] != static_cast<unsigned char>(upper[i])) return false;
    return true;
}

bool detail::upper_casing_touches(unsigned char c) {
    if (upper_case_byte(c) != c) return true;
    if (c >= 'A' && c <= 'Z') return true;
    switch (c) {
        case 0x8E: case 0x99: case 0x9A: case 0x90: case 0xA5: case 0x8F: case 0x80: return true;
        default: return false;
    }
}

void detail::upper_case_in_place(char* first, size_t count) {
    for (size_t i = 0; i < count; ++i) first[i] = static_cast<char>(kUpperCase.to[static_cast<unsigned char>(first[i])]);
}

void detail::append_upper_case(std::string& out, std::string_view text) {
    const size_t at = out.size();
    out.append(text);
    upper_case_in_place(out.data() + at, text.size());
}

std::string UPPERCASETEXT(std::string_view text) {
    std::string out;
    detail::append_upper_case(out, text);
    return out;
}
int COMPARETEXT(std::string_view a, std::string_view b) {
    const int r = a.compare(b);  // bytes compared as unsigned values
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int32_t FINDTEXT(int32_t start, std::string_view text, std::string_view pattern) {
    const int64_t len = int64_t(text.size());
    if (len == 0) return 0;
    if (start >= 0) {
        const int64_t s = start == 0 ? 1 : start;
        if (s > len) return 0;
        if (pattern.empty()) return clamp32(s);
        const size_t hit = Finder(pattern).next(text, size_t(s - 1));
        return hit == npos ? 0 : clamp32(int64_t(hit) + 1);
    }
    const int64_t p = len + start + 1;
    if (p < 1) return 0;
    if (pattern.empty()) return clamp32(p);
    const size_t hit = Finder(pattern).last(text.substr(0, size_t(p)));
    return hit == npos ? 0 : clamp32(int64_t(hit) + 1);
}

std::string_view SUBTEXT(std::string_view text, int32_t start, int32_t count) {
    const int64_t len = int64_t(text.size());
    if (start == 0) return {};
    int64_t s = start > 0 ? start : len + start + 1;
    if (s < 1 || s > len) return {};
    int64_t c = count >= 0 ? count : len + count;
    if (c <= 0) return {};
    return text.substr(size_t(s - 1), size_t(std::min(c, len - s + 1)));
}

int32_t COUNTOCCURRENCES(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return 0;
    const Finder finder(pattern);
    int64_t count = 0;
    for (size_t at = finder.next(text, 0); at != npos; at = finder.next(text, at + pattern.size())) ++count;
    return clamp32(count);
}

// A start below 1 counts as 1; an empty text or a start beyond the end give
// 0 before an empty set is considered.
int32_t FIRSTCHARACTERNOTINSET(int32_t start, std::string_view text, std::string_view set) {
    const int64_t len = int64_t(text.size());
    const int64_t s = start < 1 ? 1 : start;
    if (len == 0 || s > len) return 0;
    if (set.empty()) return clamp32(s);
    bool in_set[256] = {};
    for (char c : set) in_set[static_cast<unsigned char>(c)] = true;
    for (int64_t i = s - 1; i < len; ++i)
        if (!in_set[static_cast<unsigned char>(text[size_t(i)])]) return clamp32(i + 1);
    return 0;
}

}  // namespace wqj

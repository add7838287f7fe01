// How `wqj call` writes a call's output, and how a script line gives its
// arguments: one format for the tool and for the call recorder, so that a
// recording is a transcript of `wqj call --bits --script` to the byte.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace wqjtool {

// The words of an export table's column ("i32 text buf"): its argument
// types or names, in order.
inline std::vector<std::string_view> table_words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        std::size_t j = i;
        while (j < s.size() && s[j] != ' ') ++j;
        if (j > i) out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

// The shortest text that reads back as exactly this value.
template <class F>
std::string shortest_text(F value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// How bytes other than printable ASCII are written in quotes: in a
// transcript as \n, \r, \t or \xHH, so the same bytes print the same on
// every build and terminal; in JSON as \u00XX, a string whose code points
// are the bytes.
enum class Escapes { Transcript, Json };

// Bytes in double quotes: printable ASCII as is, the quote and the backslash
// escaped, every other byte escaped as `escapes` says.
inline std::string quoted(std::string_view bytes, Escapes escapes = Escapes::Transcript) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (escapes == Escapes::Json) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out + "\"";
}

// With bits, also the value's bit pattern ("1.5 (0x3FC00000)"), which tells
// apart what the shortest text cannot (the payloads of NaNs).
template <class F>
std::string float_text(F value, bool bits) {
    std::string out = shortest_text(value);
    if (!bits) return out;
    using U = std::conditional_t<sizeof(F) == 4, uint32_t, uint64_t>;
    U pattern;
    std::memcpy(&pattern, &value, sizeof pattern);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, sizeof(F) == 4 ? " (0x%08llX)" : " (0x%016llX)",
                  static_cast<unsigned long long>(pattern));
    return out + buffer;
}

// A host string's bytes as a result line: quoted with their count.
inline std::string host_bytes_text(std::string_view bytes) {
    return quoted(bytes) + " (" + std::to_string(bytes.size()) + (bytes.size() == 1 ? " byte)" : " bytes)");
}

// A text argument of a script line read with --escapes: in single quotes,
// the backslash doubled, every byte other than printable ASCII (and the
// quote itself) as \xHH, so any bytes pass through a line unchanged.
inline std::string script_text(std::string_view bytes) {
    static const char hex[] = "0123456789ABCDEF";
    std::string s = "'";
    for (unsigned char c : bytes) {
        if (c == '\\') {
            s += "\\\\";
        } else if (c >= 0x20 && c < 0x7F && c != '\'') {
            s += static_cast<char>(c);
        } else {
            s += "\\x";
            s += hex[c >> 4];
            s += hex[c & 15];
        }
    }
    return s + "'";
}

}  // namespace wqjtool

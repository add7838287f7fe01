#include "tools/wqj/commands.h"
#include "tools/wqj/transcript.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "text/convert.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#endif

namespace wqjtool {

bool json_output = false;
const char* command_name = "";

std::string take(WQJSTRING s) {
    if (s == nullptr) return {};
#ifdef _WIN32
    std::string bytes(s, SysStringByteLen(reinterpret_cast<BSTR>(s)));
    SysFreeString(reinterpret_cast<BSTR>(s));
#else
    std::string bytes(s, SysStringByteLen(s));
    SysFreeString(s);
#endif
    return bytes;
}

// ---- options and arguments -----------------------------------------------------------

namespace {

bool listed(std::string_view name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

// The whole stream (closed unless it is standard input); a read error (a
// directory, a device) is a Failure, not an empty text.
std::string read_all(std::FILE* in, const std::string& what) {
    std::string text;
    char chunk[65536];
    std::size_t n;
    errno = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, n);
    const bool failed = std::ferror(in) != 0;
    const int error = errno;
    if (in != stdin) std::fclose(in);
    if (failed) unreadable(what, error);
    return text;
}

std::string without_line_end(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

}  // namespace

Cli::Cli(const Args& args, std::initializer_list<const char*> flags, std::initializer_list<const char*> valued,
         int text_at, bool leading) {
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a.size() < 3 || a.compare(0, 2, "--") != 0) {
            if (options && a == "--") {
                options = false;
                continue;
            }
            plain.push_back(a);
            if (leading) options = false;
            continue;
        }
        const std::size_t equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (a == "--json") {
            json_output = true;
            continue;
        }
        const bool takes_value = listed(name, valued) || (text_at >= 0 && name == "--file");
        if (!takes_value) {
            if (!listed(name, flags)) {
                std::vector<std::string> known(flags.begin(), flags.end());
                known.insert(known.end(), valued.begin(), valued.end());
                known.insert(known.end(), {"--json", "--help"});
                if (text_at >= 0) known.emplace_back("--file");
                const std::string guess = closest(name, known);
                throw UsageError{"unknown option " + brief(name) + (guess.empty() ? "" : "; did you mean " + guess + "?") +
                                 " (wqj " + command_name + " --help lists the options)"};
            }
            if (equals != std::string::npos) throw UsageError{"option " + brief(name) + " takes no value"};
            flags_given.push_back(name);
            continue;
        }
        if (equals != std::string::npos) {
            values.emplace_back(name, a.substr(equals + 1));
        } else {
            if (i + 1 == args.size()) throw UsageError{"option " + brief(name) + " needs a value"};
            values.emplace_back(name, args[++i]);
        }
    }
    if (text_at < 0) return;
    std::size_t at = static_cast<std::size_t>(text_at);
    if (const std::string* file = value("--file")) {
        const std::string what = "the file " + brief(*file);
        std::FILE* in = std::fopen(file->c_str(), "rb");
        if (in == nullptr) unreadable(what, errno);
        at = std::min(at, plain.size());
        plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), without_line_end(read_all(in, what)));
    } else if (plain.size() > at && plain[at] == "-") {
        plain[at] = without_line_end(read_all(stdin, "standard input"));
    } else {
        return;
    }
    if (const std::size_t nul = plain[at].find('\0'); nul != std::string::npos)
        warn("the text holds a NUL byte at byte " + std::to_string(nul + 1) + " of " + std::to_string(plain[at].size()) +
             "; the library reads it only up to there");
}

bool Cli::has(std::string_view flag) const {
    return std::find(flags_given.begin(), flags_given.end(), flag) != flags_given.end();
}

const std::string* Cli::value(std::string_view name) const {
    const std::string* found = nullptr;
    for (const auto& v : values)
        if (v.first == name) found = &v.second;  // the last one given counts
    return found;
}

void Cli::expect(std::size_t least, std::size_t most, const char* usage) const {
    if (plain.size() < least || plain.size() > most) throw UsageError{std::string("usage: ") + usage};
}

// ---- numbers ------------------------------------------------------------------------

template <class F>
F floating_arg(const std::string& text, const std::string& what, bool finite) {
    std::string_view s = text;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    F v{};
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    const bool range = r.ec == std::errc::result_out_of_range;
    if (s.empty() || (r.ec != std::errc{} && !range) || r.ptr != s.data() + s.size())
        throw UsageError{what + " " + brief(text) + " is not a number"};
    if (range) {
        // Too small reads as the nearest (a subnormal or zero); too large is
        // refused, as an infinity is given as inf or -inf.
        const std::string digits(s);
        if constexpr (std::is_same_v<F, float>) v = std::strtof(digits.c_str(), nullptr);
        else v = std::strtod(digits.c_str(), nullptr);
        if (std::isinf(v)) {
            throw UsageError{what + " " + brief(text) +
                             (std::is_same_v<F, float> ? " is out of range for a single (at most 3.4028235e38)"
                                                       : " is out of range for a double (at most 1.7976931348623157e308)")};
        }
    }
    if (finite && !std::isfinite(v)) throw UsageError{what + " " + brief(text) + " is not a finite number"};
    return v;
}
template float floating_arg<float>(const std::string&, const std::string&, bool);
template double floating_arg<double>(const std::string&, const std::string&, bool);

double number_arg(const std::string& text, const std::string& what) { return floating_arg<double>(text, what, true); }

float single_arg(const std::string& text, const std::string& what) { return floating_arg<float>(text, what, true); }

long long whole_arg(const std::string& text, const std::string& what, long long low, long long high, bool hexadecimal) {
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (hexadecimal && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    const bool whole = !s.empty() && r.ptr == s.data() + s.size();
    if (!whole || (r.ec != std::errc{} && r.ec != std::errc::result_out_of_range))
        throw UsageError{what + " " + brief(text) + " is not a whole number"};
    const long long v = r.ec != std::errc{} || magnitude > (1ULL << 62) ? (negative ? LLONG_MIN : LLONG_MAX)
                        : negative ? -static_cast<long long>(magnitude)
                                   : static_cast<long long>(magnitude);
    if (v < low || v > high) {
        throw UsageError{what + " " + brief(text) + " is out of range (" + std::to_string(low) + " to " +
                         std::to_string(high) + ")"};
    }
    return v;
}

int32_t integer_arg(const std::string& text, const std::string& what, long long low, long long high) {
    return static_cast<int32_t>(whole_arg(text, what, low, high, false));
}

int32_t pattern_arg(const std::string& text, const std::string& what) {
    const long long v = whole_arg(text, what, INT32_MIN, UINT32_MAX, true);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
}

std::string brief(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out = "'";
    for (unsigned char c : text.substr(0, text.size() > kShown + 20 ? kShown : text.size())) {
        if (c >= 0x20 && c != 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    out += "'";
    if (text.size() > kShown + 20) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

void warn(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "wqj %s: warning: %s\n", command_name, message.c_str());
}

void unreadable(const std::string& what, int error) {
    throw Failure{"cannot read " + what + ": " + (error != 0 ? std::strerror(error) : "read error")};
}

bool LineReader::next(std::string& line) {
    if (done_) return false;
    line.clear();
    errno = 0;
    int c;
    while ((c = std::fgetc(in_)) != EOF && c != '\n') line += static_cast<char>(c);
    if (c == EOF) {
        done_ = true;
        if (std::ferror(in_)) {
            error_ = errno;
            return false;
        }
        if (line.empty()) return false;
    }
    ++number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// ---- JSON ---------------------------------------------------------------------------

std::string json_text(std::string_view bytes) { return quoted(bytes, Escapes::Json); }

std::string shortest(double value) { return shortest_text(value); }

std::string shortest(float value) { return shortest_text(value); }

std::string json_number(double value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    return shortest(value);
}

std::string json_number(float value) {
    if (!std::isfinite(value)) return json_number(static_cast<double>(value));
    return shortest(value);
}

std::string json_list(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
    return out + "]";
}

JsonObject& JsonObject::add(std::string_view key, const std::string& json) {
    if (!body.empty()) body += ',';
    body += json_text(key) + ":" + json;
    return *this;
}

void emit(const JsonObject& object) { std::printf("%s\n", object.str().c_str()); }

// ---- names --------------------------------------------------------------------------

std::string closest(std::string_view name, const std::vector<std::string>& names) {
    const std::string wanted = wqj::UPPERCASETEXT(name);
    std::string best;
    std::size_t best_distance = 3 + wanted.size() / 6;  // farther is no suggestion
    for (const std::string& candidate : names) {
        const std::string c = wqj::UPPERCASETEXT(candidate);
        // Edit distance, one row at a time.
        std::vector<std::size_t> row(c.size() + 1);
        for (std::size_t j = 0; j <= c.size(); ++j) row[j] = j;
        for (std::size_t i = 1; i <= wanted.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= c.size(); ++j) {
                const std::size_t up = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (wanted[i - 1] == c[j - 1] ? 0 : 1)});
                diagonal = up;
            }
        }
        if (row[c.size()] < best_distance) {
            best_distance = row[c.size()];
            best = candidate;
        }
    }
    return best;
}

}  // namespace wqjtool

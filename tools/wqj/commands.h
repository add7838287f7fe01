// The subcommands of wqj, the command-line tool over the library, and what
// they share: one reader of options and arguments, one rule for numbers,
// the JSON writer and the warnings.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wqjdll.h"

namespace wqjtool {

using Args = std::vector<std::string>;

// Thrown for a usage error (exit status 2): the message names the bad argument.
struct UsageError {
    std::string message;
};

// Thrown when something asked for is not there or is refused (exit status 1).
struct Failure {
    std::string message;
};

struct Command {
    const char* name;
    const char* summary;
    const char* help;  // the full --help text
    int (*run)(const Args& args);
};

const std::vector<Command>& commands();

// Set from the command line before a command runs.
extern bool json_output;          // --json: one JSON object per result
extern const char* command_name;  // for messages: "wqj NAME: ..."

// The options and arguments of one command. Every command reads them the
// same way: "--opt value" or "--opt=value" for an option with a value, a
// flag alone, "--" ends the options; anything else (also "-" and negative
// numbers) is an argument. With `leading`, the options end at the first
// argument too (wqj call: what follows the export's name is its arguments). A command that reads a text (text_at >= 0) also
// takes "--file PATH", whose content becomes argument text_at, and reads the
// argument "-" at text_at from standard input; one line ending at the end of
// such a text is dropped. Such a text holding a NUL byte is warned about, as
// the library reads a text argument only up to its first NUL. An unknown
// option is a usage error that names the nearest known one.
struct Cli {
    Cli(const Args& args, std::initializer_list<const char*> flags, std::initializer_list<const char*> valued,
        int text_at = -1, bool leading = false);
    bool has(std::string_view flag) const;
    const std::string* value(std::string_view name) const;
    // The argument count must lie in least..most, else the usage line.
    void expect(std::size_t least, std::size_t most, const char* usage) const;

    Args plain;
    std::vector<std::string> flags_given;
    std::vector<std::pair<std::string, std::string>> values;
};

// Numbers from the command line, by one rule: decimal, with an optional
// sign; no blanks. `what` names the argument in the message. A floating
// number too small for its type reads as the nearest (a subnormal or 0),
// one too large for it is refused; with `finite`, so are inf and nan.
template <class F>
F floating_arg(const std::string& text, const std::string& what, bool finite);
double number_arg(const std::string& text, const std::string& what);  // finite
float single_arg(const std::string& text, const std::string& what);   // finite
// A whole number from low to high; with `hexadecimal` also 0x hexadecimal.
long long whole_arg(const std::string& text, const std::string& what, long long low, long long high,
                    bool hexadecimal = false);
int32_t integer_arg(const std::string& text, const std::string& what, long long low = INT32_MIN,
                    long long high = INT32_MAX);
// Where a bit pattern is meant, also 0x hexadecimal up to 0xFFFFFFFF.
int32_t pattern_arg(const std::string& text, const std::string& what);

// An argument in a message: in single quotes, control bytes as \xHH, and a
// long one cut short with its length.
std::string brief(std::string_view text);

// A warning on standard error: "wqj NAME: warning: ...".
void warn(const std::string& message);

// Input that cannot be read (a missing file, a directory, a read error) is a
// Failure naming it and the reason: "cannot read the file 'x': No such file
// or directory". `what` is "the file 'x'" or "standard input"; `error` an
// errno value (0: no reason known).
[[noreturn]] void unreadable(const std::string& what, int error);

// A stream read a line at a time (without its "\n" or "\r\n"), the lines
// counted from 1; a last line without a line end counts. A read error ends
// the reading; error() then holds its errno for unreadable().
class LineReader {
public:
    explicit LineReader(std::FILE* in) : in_(in) {}
    bool next(std::string& line);
    long number() const { return number_; }
    int error() const { return error_; }

private:
    std::FILE* in_;
    long number_ = 0;
    int error_ = 0;
    bool done_ = false;
};

// ---- JSON ----------------------------------------------------------------------
// A text is a JSON string whose code points are its bytes (quoted, with the
// JSON escapes of transcript.h). Numbers are exact:
// integers as they are, floats and doubles as the shortest text that reads
// back to the same value, NaN and infinities as the strings "nan", "inf" and
// "-inf".
std::string json_text(std::string_view bytes);
std::string json_number(double value);
std::string json_number(float value);
std::string json_list(const std::vector<std::string>& items);  // items already JSON

struct JsonObject {
    std::string body;
    JsonObject& add(std::string_view key, const std::string& json);
    JsonObject& text(std::string_view key, std::string_view bytes) { return add(key, json_text(bytes)); }
    JsonObject& integer(std::string_view key, long long v) { return add(key, std::to_string(v)); }
    JsonObject& boolean(std::string_view key, bool v) { return add(key, v ? "true" : "false"); }
    std::string str() const { return "{" + body + "}"; }
};
void emit(const JsonObject& object);  // one object, one line

// The shortest text that reads back as exactly this value.
std::string shortest(double value);
std::string shortest(float value);

// The display styles of a system (imperial, or metric): code and constant name.
struct DisplayStyle {
    int32_t code;
    const char* name;
};
std::span<const DisplayStyle> display_styles(bool metric);

// The payload of a host string returned by an export; the string is freed.
std::string take(WQJSTRING s);

// The closest of `names` to `name` when it is close enough, else "".
std::string closest(std::string_view name, const std::vector<std::string>& names);

// Each area of the library adds its commands to the list.
void add_measure_commands(std::vector<Command>& list);
void add_table_commands(std::vector<Command>& list);    // wqj scales, papers, paper-for
void add_parse_command(std::vector<Command>& list);     // wqj parse
void add_try_command(std::vector<Command>& list);       // wqj try
void add_format_command(std::vector<Command>& list);    // wqj format
void add_fraction_command(std::vector<Command>& list);  // wqj fraction
void add_text_commands(std::vector<Command>& list);       // wqj field, list
void add_catalogue_commands(std::vector<Command>& list);  // wqj catalogue
void add_platform_commands(std::vector<Command>& list);   // wqj path, folder, id
void add_call_command(std::vector<Command>& list);        // wqj call NAME ARGS...
void add_calls_command(std::vector<Command>& list);       // wqj calls [--seed N] [--count K]
void add_replay_command(std::vector<Command>& list);      // wqj replay FILE

}  // namespace wqjtool

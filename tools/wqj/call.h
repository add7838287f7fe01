// wqj call's machinery for the commands built on it: a script line read and
// called exactly as `wqj call --script` does, with what it prints captured
// into a string instead of written to standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/wqj/commands.h"

namespace wqjtool {

// One argument as the export received it, taken just before the call.
struct CallArgument {
    std::string type;     // the table's word: i32, text, buf, ...
    std::string name;
    bool null = false;    // a null pointer was passed
    std::string bytes;    // text, buf, hstr: the text given (a buffer's initial text)
    int32_t integer = 0;  // i32
    bool edit = false;    // a window given as edit:TEXT (the text in bytes)
};

struct CallOptions {
    long long room = 0;          // --room N: each buffer has at least N bytes
    bool escapes = false;
    bool bits = false;           // --bits: floats also as their bit patterns
    std::size_t text_bytes = 0;  // the bytes of all text arguments of the call
    // The validated entry is called with no window (0), whatever handle is
    // given, once the arguments are read.
    bool no_window = false;
    // When set, the output lines are appended here instead of printed, and
    // the arguments are kept here.
    std::string* capture = nullptr;
    std::vector<CallArgument>* arguments = nullptr;
};

// A script line split as the shell splits it and its options read (added
// to `defaults`): the call is the export's name and its arguments.
struct ScriptLine {
    Args call;
    CallOptions options;
    bool json = false;  // the line asks for --json (the tool's own setting is left as it was)
};

// Throws UsageError with the message `wqj call --script` gives for the line.
// `line` must not be blank or a comment.
ScriptLine read_script_line(const std::string& line, const CallOptions& defaults);

// Calls the line's export; `output` receives what `wqj call --script` prints
// after "> LINE" (each line ending in "\n"), `arguments` the arguments as
// passed. Throws UsageError for bad arguments, as `wqj call` reports them.
void call_captured(const ScriptLine& line, std::string& output, std::vector<CallArgument>& arguments);

// The result type of an export in the table ("void", "i32", "f32", "f64",
// "hstr"), or nullptr when no export has that name.
const char* export_result_type(const std::string& name);

}  // namespace wqjtool

// The subcommands of wqj, the command-line tool over the library.
#pragma once

#include <string>
#include <vector>

namespace wqjtool {

using Args = std::vector<std::string>;

// Thrown for a usage error: the message names the bad argument.
struct UsageError {
    std::string message;
};

struct Command {
    const char* name;
    const char* summary;
    const char* help;  // the full --help text
    int (*run)(const Args& args);
};

const std::vector<Command>& commands();

}  // namespace wqjtool

// The subcommands of wqj, the command-line tool over the library.
#pragma once

#include <string>
#include <vector>

#include "wqjdll.h"

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

// The payload of a host string returned by an export; the string is freed.
std::string take(WQJSTRING s);

// Each area of the library adds its commands to the list.
void add_measure_commands(std::vector<Command>& list);
void add_table_commands(std::vector<Command>& list);    // wqj scales, papers, paper-for
void add_parse_command(std::vector<Command>& list);     // wqj parse
void add_format_command(std::vector<Command>& list);    // wqj format
void add_fraction_command(std::vector<Command>& list);  // wqj fraction
void add_text_commands(std::vector<Command>& list);       // wqj field, list
void add_catalogue_commands(std::vector<Command>& list);  // wqj catalogue
void add_platform_commands(std::vector<Command>& list);   // wqj path, folder, id
void add_call_command(std::vector<Command>& list);        // wqj call NAME ARGS...

}  // namespace wqjtool

// wqj parse: reads an entry into inches as the host's length fields do.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/convert.h"
#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

// A single as the library writes it (7 digits), without the leading blank.
std::string single_text(float value) {
    return std::string(wqj::TRIMLEFTBLANKS(wqj::NUMBERTOTEXT(value, 7)));
}

const char* unit_of_error(int code) {
    switch (code) {
        case -1: return "metres";
        case -2: return "yards";
        case -3: return "decimetres";
        case -4: return "feet";
        case -5: return "centimetres";
        case -6: return "inches";
        case -7: return "millimetres";
        default: return "unknown";
    }
}

float parse_maximum(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(v)) {
        throw UsageError{"maximum '" + text + "' is not a number"};
    }
    return static_cast<float>(v);
}

int run_parse(const Args& args) {
    const std::string* entry = nullptr;
    float maximum = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--max") {
            if (i + 1 == args.size()) throw UsageError{"'--max' needs a number"};
            maximum = parse_maximum(args[++i]);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            throw UsageError{"unknown option '" + a + "'"};
        } else if (entry != nullptr) {
            throw UsageError{"unexpected argument '" + a + "' (quote the whole entry as one TEXT)"};
        } else {
            entry = &a;
        }
    }
    if (entry == nullptr) throw UsageError{"usage: wqj parse TEXT [--max N]"};

    // The separated text is at most twice as long as the entry.
    std::vector<char> buffer(entry->begin(), entry->end());
    buffer.resize(2 * entry->size() + 1, '\0');
    const std::string separated = take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    std::printf("separated  %s\n", separated.empty() ? "(blank)" : separated.c_str());

    int32_t error_start = 0;
    int32_t error_end = 0;
    const float inches = CONVERTTEXTSTRINGVALUETOINCHES(separated.c_str(), maximum, &error_start, &error_end);
    if (inches >= 0 || std::isnan(inches)) {
        std::printf("inches     %s\n", single_text(inches).c_str());
        return 0;
    }
    // Error positions count in the entry without its leading blanks.
    const int code = static_cast<int>(inches);
    std::size_t lead = 0;
    while (lead < separated.size() && separated[lead] == ' ') ++lead;
    if (error_start >= 1 && error_end >= error_start) {
        const std::size_t from = lead + static_cast<std::size_t>(error_start) - 1;
        const std::size_t to = std::min(lead + static_cast<std::size_t>(error_end), separated.size());
        if (from < to) {
            std::printf("           %s%s\n", std::string(from, ' ').c_str(), std::string(to - from, '^').c_str());
        }
    }
    std::printf("error      %d: a number of %s exceeds the maximum %s (positions %d to %d)\n", code,
                unit_of_error(code), single_text(maximum).c_str(), error_start, error_end);
    return 1;
}

}  // namespace

void add_parse_command(std::vector<Command>& list) {
    list.push_back(
        {"parse", "read a length entry into inches",
         "usage: wqj parse TEXT [--max N]\n\n"
         "Reads TEXT as a length field of the drawing program does: blanks are put\n"
         "between numbers and unit words (the separated text is shown), then each\n"
         "unit is looked up by its words (wqj units lists them) and the number before\n"
         "it is read. Prints the length in inches; a number without a unit word is not\n"
         "read. With --max N, a number above N (in its own unit) is an error: its code\n"
         "and unit are shown and the number is marked with ^ (exit status 1).\n\n"
         "  wqj parse \"6'4 1/2\\\"\"          ->  separated  6 ' 4 1/2 \"\n"
         "                                   inches     76.5\n"
         "  wqj parse '2m50cm'             ->  inches     98.425\n"
         "  wqj parse '100 in' --max 12    ->  error      -6: a number of inches ...\n",
         run_parse});
}

}  // namespace wqjtool

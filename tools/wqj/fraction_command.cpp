// wqj fraction: reduces, rescales and converts inch fractions through the
// library's fraction exports.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/convert.h"
#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

constexpr const char* kUsage =
    "usage: wqj fraction reduce TEXT [MAXDEN]\n"
    "       wqj fraction convert TEXT NEWDEN\n"
    "       wqj fraction decimal VALUE [MAXDEN]\n"
    "       wqj fraction value TEXT\n";

constexpr int32_t kNoCap = INT32_MAX;
constexpr int32_t kSixteenths = 16;

int32_t parse_integer(const std::string& text, const char* what) {
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
        throw UsageError{std::string(what) + " '" + text + "' is not a 32-bit integer"};
    }
    return static_cast<int32_t>(v);
}

float parse_value(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        throw UsageError{"value '" + text + "' is not a number"};
    }
    return static_cast<float>(v);
}

// A result text on its own line; the library's empty text is named.
void print_text(const std::string& text) {
    std::printf("%s\n", text.empty() ? "(empty text)" : text.c_str());
}

void expect_arguments(const Args& args, std::size_t least, std::size_t most, const char* usage) {
    if (args.size() < least || args.size() > most) throw UsageError{std::string("usage: wqj fraction ") + usage};
}

int run_fraction(const Args& args) {
    if (args.empty()) throw UsageError{"missing action (use reduce, convert, decimal or value)"};
    const std::string& action = args[0];
    if (action == "reduce") {
        expect_arguments(args, 2, 3, "reduce TEXT [MAXDEN]");
        const int32_t cap = args.size() > 2 ? parse_integer(args[2], "largest denominator") : kNoCap;
        print_text(take(REDUCEFRACTION(args[1].c_str(), cap)));
    } else if (action == "convert") {
        expect_arguments(args, 3, 3, "convert TEXT NEWDEN");
        print_text(take(CONVERTFRACTIONDENOMINATOR(args[1].c_str(), parse_integer(args[2], "new denominator"))));
    } else if (action == "decimal") {
        expect_arguments(args, 2, 3, "decimal VALUE [MAXDEN]");
        const float value = parse_value(args[1]);
        const int32_t cap = args.size() > 2 ? parse_integer(args[2], "largest denominator") : kSixteenths;
        print_text(take(DECIMALTOFRACTIONSTRING(value, cap)));
    } else if (action == "value") {
        expect_arguments(args, 2, 2, "value TEXT");
        const float value = FRACTIONSTRINGTODECIMAL(args[1].c_str());
        std::printf("%s\n", std::string(wqj::TRIMLEFTBLANKS(wqj::NUMBERTOTEXT(value, 7))).c_str());
    } else {
        throw UsageError{"unknown action '" + action + "' (use reduce, convert, decimal or value)"};
    }
    return 0;
}

}  // namespace

void add_fraction_command(std::vector<Command>& list) {
    static const std::string help = std::string(kUsage) +
        "\n"
        "Works on inch fractions as the library writes them: an optional whole\n"
        "number, one separator character, numerator, \"/\" (or \"\\\"), denominator.\n"
        "\n"
        "  reduce   lowest terms with the whole part carried; MAXDEN caps the\n"
        "           denominator (default: no cap), rounding to the nearest\n"
        "           fraction over MAXDEN, ties to even\n"
        "  convert  the fraction over NEWDEN, neither reduced nor carried\n"
        "  decimal  VALUE to six places, written as a fraction of at most MAXDEN\n"
        "           (default 16)\n"
        "  value    numerator / denominator as a single (the whole part is not added)\n"
        "\n"
        "An empty result is shown as (empty text).\n"
        "\n"
        "  wqj fraction reduce 6/4          ->  1 1/2\n"
        "  wqj fraction reduce 15/16 4      ->  1\n"
        "  wqj fraction convert 1-3/4 8     ->  1 6/8\n"
        "  wqj fraction decimal 2.5         ->  2 1/2\n"
        "  wqj fraction decimal -0.3333333  ->  -5/16\n"
        "  wqj fraction value 3/4           ->  .75\n";
    list.push_back({"fraction", "reduce, rescale and convert inch fractions", help.c_str(), run_fraction});
}

}  // namespace wqjtool

// wqj fraction: reduces, rescales and converts inch fractions through the
// library's fraction exports.
#include <climits>
#include <cstdio>
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
    "       wqj fraction value TEXT\n"
    "(TEXT may be - for standard input, or given as --file PATH)\n";

constexpr int32_t kNoCap = INT32_MAX;
constexpr int32_t kSixteenths = 16;

// A result text on its own line (the library's empty text is named), or
// with --json one object.
int print_text(const std::string& action, const std::string& given, const std::string& text) {
    if (json_output) emit(JsonObject{}.text("action", action).text("text", given).text("result", text));
    else std::printf("%s\n", text.empty() ? "(empty text)" : text.c_str());
    return 0;
}

int run_fraction(const Args& args) {
    const Cli cli(args, {}, {}, 1);
    if (cli.plain.empty()) throw UsageError{"missing action (use reduce, convert, decimal or value)"};
    const std::string& action = cli.plain[0];
    const Args& a = cli.plain;
    if (action == "reduce") {
        cli.expect(2, 3, "wqj fraction reduce TEXT [MAXDEN]");
        const int32_t cap = a.size() > 2 ? integer_arg(a[2], "largest denominator", 1) : kNoCap;
        return print_text(action, a[1], take(REDUCEFRACTION(a[1].c_str(), cap)));
    }
    if (action == "convert") {
        cli.expect(3, 3, "wqj fraction convert TEXT NEWDEN");
        return print_text(action, a[1], take(CONVERTFRACTIONDENOMINATOR(a[1].c_str(), integer_arg(a[2], "new denominator", 1))));
    }
    if (action == "decimal") {
        cli.expect(2, 3, "wqj fraction decimal VALUE [MAXDEN]");
        const float value = single_arg(a[1], "value");
        const int32_t cap = a.size() > 2 ? integer_arg(a[2], "largest denominator", 1) : kSixteenths;
        return print_text(action, a[1], take(DECIMALTOFRACTIONSTRING(value, cap)));
    }
    if (action == "value") {
        cli.expect(2, 2, "wqj fraction value TEXT");
        const float value = FRACTIONSTRINGTODECIMAL(a[1].c_str());
        if (json_output) emit(JsonObject{}.text("action", action).text("text", a[1]).add("result", json_number(value)));
        else std::printf("%s\n", wqj::detail::number_text(value, 7).c_str());
        return 0;
    }
    throw UsageError{"unknown action " + brief(action) + " (use reduce, convert, decimal or value)"};
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
        "A denominator (MAXDEN, NEWDEN) is 1 or more; VALUE is a single. An empty\n"
        "result is shown as (empty text).\n"
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

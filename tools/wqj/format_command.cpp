// wqj format: a length written in every display style of the library.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

struct Style {
    int32_t code;
    const char* name;
};

const Style kImperialStyles[] = {
    {0, "FORMATFEETINCHESWORDS"},  {1, "FORMATFEETINCHESDOTABBREV"}, {2, "FORMATFEETINCHESABBREV"},
    {3, "FORMATFEETWORDS"},        {4, "FORMATFEETDOTABBREV"},       {5, "FORMATFEETABBREV"},
    {6, "FORMATFEETINCHESMARKS"},  {7, "FORMATFEETINCHESMARKSDASH"}, {8, "FORMATFEETMARK"},
    {9, "FORMATINCHESWORDS"},      {10, "FORMATINCHESDOTABBREV"},    {11, "FORMATINCHESABBREV"},
    {12, "FORMATINCHESMARK"},      {13, "FORMATINCHESPLAIN"},
};
const Style kMetricStyles[] = {
    {0, "FORMATMETERSMILLIMETERSWORDS"}, {1, "FORMATMETERSMILLIMETERSABBREV"},
    {2, "FORMATMETERSWORDS"},            {3, "FORMATMETERSABBREV"},
    {4, "FORMATMILLIMETERSABBREV"},      {5, "FORMATMILLIMETERSPLAIN"},
    {6, "FORMATMETERSCENTIMETERSABBREV"},
};

bool is_number(const std::string& text) {
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

double parse_inches(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        throw UsageError{"inches '" + text + "' is not a number"};
    }
    return v;
}

int32_t parse_places(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
        throw UsageError{"places '" + text + "' is not a whole number"};
    }
    return static_cast<int32_t>(v);
}

int run_format(const Args& args) {
    bool metric = false;
    bool decimal = false;
    bool have_places = false;
    int32_t places = 0;
    const std::string* inches_text = nullptr;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--metric") {
            metric = true;
        } else if (a == "--decimal") {
            decimal = true;
        } else if (a == "--places") {
            if (i + 1 >= args.size()) throw UsageError{"option '--places' needs a number"};
            places = parse_places(args[++i]);
            have_places = true;
        } else if (a.size() > 1 && a[0] == '-' && !is_number(a)) {
            throw UsageError{"unknown option '" + a + "'"};
        } else if (inches_text != nullptr) {
            throw UsageError{"unexpected argument '" + a + "'"};
        } else {
            inches_text = &a;
        }
    }
    if (inches_text == nullptr) throw UsageError{"usage: wqj format INCHES [--metric] [--decimal] [--places N]"};
    const float inches = static_cast<float>(parse_inches(*inches_text));

    const bool fractions = !metric && !decimal;
    if (!have_places) places = fractions ? 16 : 3;
    const int32_t system = metric ? SYSTEMMETRIC : SYSTEMIMPERIAL;
    const int32_t number_style = decimal ? NUMBERSDECIMAL : NUMBERSFRACTIONAL;

    float big = 0, mid = 0, small = 0;
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, fractions ? 20 : places, &big, &mid, &small);
    // The parts as GETINDIVIDUALMEASUREMENTVALUESFROMINCHES gives them.
    if (metric) {
        std::printf("%s inches (metric, decimals %d): %g m, %g mm\n", inches_text->c_str(), places, big, mid);
    } else if (fractions) {
        std::printf("%s inches (imperial, fractions up to 1/%d): %g ft, %g in, %g\n", inches_text->c_str(), places,
                    big, mid, small);
    } else {
        std::printf("%s inches (imperial, decimals %d): %g ft, %g in, %g\n", inches_text->c_str(), places, big, mid,
                    small);
    }
    const Style* first = metric ? std::begin(kMetricStyles) : std::begin(kImperialStyles);
    const Style* last = metric ? std::end(kMetricStyles) : std::end(kImperialStyles);
    for (const Style* s = first; s != last; ++s) {
        const std::string text = take(GETFORMATEDTEXTFROMINCHES(system, s->code, number_style, inches, places));
        std::printf("%3d  %-30s %s\n", s->code, s->name, text.empty() ? "(empty text)" : text.c_str());
    }
    return 0;
}

}  // namespace

void add_format_command(std::vector<Command>& list) {
    list.push_back({"format", "write a length in every display style",
                    "usage: wqj format INCHES [--metric] [--decimal] [--places N]\n\n"
                    "Writes INCHES in each of the library's display styles, one line per style:\n"
                    "the style code, its constant name and the text (\"(empty text)\" when the\n"
                    "library gives none, as for zero and negative lengths).\n\n"
                    "  --metric     the seven metric styles instead of the fourteen imperial ones\n"
                    "  --decimal    the fractional inch as decimals instead of a fraction\n"
                    "  --places N   the largest denominator with fractions (default 16), else\n"
                    "               the number of decimals (default 3)\n\n"
                    "  wqj format 76.5              ->   6  FORMATFEETINCHESMARKS  6' 4 1/2\"\n"
                    "  wqj format 100 --metric      ->   2  FORMATMETERSWORDS      2.54 Meters\n",
                    run_format});
}

}  // namespace wqjtool

// wqj format: a length written in every display style of the library.
#include <cstdio>
#include <string>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {

namespace {

const DisplayStyle kImperialStyles[] = {
    {0, "FORMATFEETINCHESWORDS"},  {1, "FORMATFEETINCHESDOTABBREV"}, {2, "FORMATFEETINCHESABBREV"},
    {3, "FORMATFEETWORDS"},        {4, "FORMATFEETDOTABBREV"},       {5, "FORMATFEETABBREV"},
    {6, "FORMATFEETINCHESMARKS"},  {7, "FORMATFEETINCHESMARKSDASH"}, {8, "FORMATFEETMARK"},
    {9, "FORMATINCHESWORDS"},      {10, "FORMATINCHESDOTABBREV"},    {11, "FORMATINCHESABBREV"},
    {12, "FORMATINCHESMARK"},      {13, "FORMATINCHESPLAIN"},
};
const DisplayStyle kMetricStyles[] = {
    {0, "FORMATMETERSMILLIMETERSWORDS"}, {1, "FORMATMETERSMILLIMETERSABBREV"},
    {2, "FORMATMETERSWORDS"},            {3, "FORMATMETERSABBREV"},
    {4, "FORMATMILLIMETERSABBREV"},      {5, "FORMATMILLIMETERSPLAIN"},
    {6, "FORMATMETERSCENTIMETERSABBREV"},
};

}  // namespace

std::span<const DisplayStyle> display_styles(bool metric) {
    if (metric) return kMetricStyles;
    return kImperialStyles;
}

namespace {

int run_format(const Args& args) {
    const Cli cli(args, {"--metric", "--decimal"}, {"--places"});
    cli.expect(1, 1, "wqj format INCHES [--metric] [--decimal] [--places N]");
    const bool metric = cli.has("--metric");
    const bool decimal = cli.has("--decimal");
    const bool fractions = !metric && !decimal;
    const float inches = single_arg(cli.plain[0], "inches");
    // A denominator of 1 to 4096 with fractions, else 0 to 15 decimals.
    const std::string* places_text = cli.value("--places");
    const int32_t places = places_text ? integer_arg(*places_text, "option --places", fractions ? 1 : 0, fractions ? 4096 : 15)
                                       : (fractions ? 16 : 3);
    const int32_t system = metric ? SYSTEMMETRIC : SYSTEMIMPERIAL;
    const int32_t number_style = decimal ? NUMBERSDECIMAL : NUMBERSFRACTIONAL;

    float big = 0, mid = 0, small = 0;
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, fractions ? 20 : places, &big, &mid, &small);
    const std::span<const DisplayStyle> styles = display_styles(metric);
    const DisplayStyle* first = styles.data();
    const DisplayStyle* last = styles.data() + styles.size();
    if (json_output) {
        std::vector<std::string> styles;
        for (const DisplayStyle* s = first; s != last; ++s) {
            styles.push_back(JsonObject{}
                                 .integer("style", s->code)
                                 .text("name", s->name)
                                 .text("text", take(GETFORMATEDTEXTFROMINCHES(system, s->code, number_style, inches, places)))
                                 .str());
        }
        emit(JsonObject{}
                 .add("inches", json_number(inches))
                 .text("system", metric ? "metric" : "imperial")
                 .boolean("fractions", fractions)
                 .integer("places", places)
                 .add("parts", json_list({json_number(big), json_number(mid), json_number(small)}))
                 .add("styles", json_list(styles)));
        return 0;
    }
    // The parts as GETINDIVIDUALMEASUREMENTVALUESFROMINCHES gives them.
    const char* shown = cli.plain[0].c_str();
    if (metric) {
        std::printf("%s inches (metric, decimals %d): %g m, %g mm\n", shown, places, big, mid);
    } else if (fractions) {
        std::printf("%s inches (imperial, fractions up to 1/%d): %g ft, %g in, %g\n", shown, places, big, mid, small);
    } else {
        std::printf("%s inches (imperial, decimals %d): %g ft, %g in, %g\n", shown, places, big, mid, small);
    }
    for (const DisplayStyle* s = first; s != last; ++s) {
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
                    "library gives none, as for zero and negative lengths). INCHES is a single:\n"
                    "a value beyond its range (1e39) is refused.\n\n"
                    "  --metric     the seven metric styles instead of the fourteen imperial ones\n"
                    "  --decimal    the fractional inch as decimals instead of a fraction\n"
                    "  --places N   the largest denominator with fractions (default 16), else\n"
                    "               the number of decimals (default 3)\n\n"
                    "  wqj format 76.5              ->   6  FORMATFEETINCHESMARKS  6' 4 1/2\"\n"
                    "  wqj format 100 --metric      ->   2  FORMATMETERSWORDS      2.54 Meters\n",
                    run_format});
}

}  // namespace wqjtool

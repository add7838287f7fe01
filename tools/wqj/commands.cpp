// wqj convert, units and number, and the list of every command.
#include "tools/wqj/commands.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "text/convert.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

// ---- convert ----------------------------------------------------------------

enum class Unit { Inches, Millimeters, Feet, Meters };

Unit parse_unit(const std::string& name) {
    if (name == "in" || name == "inch" || name == "inches") return Unit::Inches;
    if (name == "mm" || name == "millimeters") return Unit::Millimeters;
    if (name == "ft" || name == "foot" || name == "feet") return Unit::Feet;
    if (name == "m" || name == "meters") return Unit::Meters;
    throw UsageError{"unknown unit " + brief(name) + " (use in, mm, ft or m)"};
}

int run_convert(const Args& args) {
    const Cli cli(args, {}, {});
    cli.expect(3, 3, "wqj convert VALUE FROM TO");
    const double value = number_arg(cli.plain[0], "value");
    const Unit from = parse_unit(cli.plain[1]);
    const Unit to = parse_unit(cli.plain[2]);
    // Each step's number must fit the type the library takes or gives it
    // as: 1e39 is no single, 1e308 inches no double number of millimetres.
    auto fit = [&](double x, bool single) {
        if (single ? std::isfinite(static_cast<float>(x)) : std::isfinite(x)) return x;
        throw UsageError{"value " + brief(cli.plain[0]) + " is out of range: " + cli.plain[1] + " -> " + cli.plain[2] +
                         " goes beyond the largest " + (single ? "single" : "double")};
    };
    // To inches first, as the library holds every length in inches.
    double inches = value;
    int digits = 15;
    switch (from) {
        case Unit::Inches: break;
        case Unit::Millimeters: inches = MILLIMETERSTOINCHES(static_cast<float>(fit(value, true))); digits = 7; break;
        case Unit::Feet: inches = fit(value * 12, false); break;
        case Unit::Meters: inches = MILLIMETERSTOINCHES(static_cast<float>(fit(value * 1000, true))); digits = 7; break;
    }
    double result = inches;
    switch (to) {
        case Unit::Inches: break;
        case Unit::Millimeters: result = fit(INCHESTOMILLIMETERS(inches), false); break;
        case Unit::Feet: result = CONVERTMEASUREMENT(static_cast<float>(fit(inches, true)), CONVERTTOFEET); digits = 7; break;
        case Unit::Meters: result = CONVERTMEASUREMENT(static_cast<float>(fit(inches, true)), CONVERTTOMETERS); digits = 7; break;
    }
    if (json_output) {
        emit(JsonObject{}
                 .add("value", json_number(value))
                 .text("from", cli.plain[1])
                 .text("to", cli.plain[2])
                 .add("inches", json_number(inches))
                 .add("result", digits == 7 ? json_number(static_cast<float>(result)) : json_number(result)));
        return 0;
    }
    std::printf("%s %s\n", wqj::detail::number_text(result, digits).c_str(), cli.plain[2].c_str());
    return 0;
}

// ---- units --------------------------------------------------------------------

int run_units(const Args& args) {
    const Cli cli(args, {"--imperial", "--metric"}, {});
    cli.expect(0, 0, "wqj units [--imperial | --metric]");
    if (cli.has("--imperial") && cli.has("--metric")) throw UsageError{"--imperial and --metric exclude each other"};
    struct System {
        bool shown;
        int32_t code;
        const char* name;
        const char* units[4];
        const char* kinds[8];
    };
    const System systems[] = {
        {!cli.has("--metric"), SYSTEMIMPERIAL, "imperial", {"yard", "foot", "inch", nullptr},
         {"feet word", "inches word", "ft", "in", "ft.", "in.", "foot mark", "inch mark"}},
        {!cli.has("--imperial"), SYSTEMMETRIC, "metric", {"metre", "decimetre", "centimetre", "millimetre"},
         {"metres word", "millimetres word", "m", "mm", "cm", nullptr, nullptr, nullptr}},
    };
    for (const System& s : systems) {
        if (!s.shown) continue;
        if (!json_output) std::printf("%s designators (matched whole, between blanks, in this order):\n", s.name);
        for (int32_t unit = 0; unit < 4 && s.units[unit] != nullptr; ++unit) {
            std::vector<std::string> words;
            for (int32_t index = 0;; ++index) {
                std::string word = take(GETMEASUREMENTDESIGNATOR(s.code, unit, index, 1));
                if (word.empty()) break;
                words.push_back(word);
            }
            if (json_output) {
                std::vector<std::string> texts;
                for (const std::string& w : words) texts.push_back(json_text(w));
                emit(JsonObject{}.text("system", s.name).integer("unit", unit).text("name", s.units[unit])
                         .add("designators", json_list(texts)));
                continue;
            }
            std::printf("  %-11s", s.units[unit]);
            for (const std::string& w : words) std::printf(" %s", w.c_str());
            std::printf("\n");
        }
        if (!json_output) std::printf("%s labels (kind: for 1, for 2):\n", s.name);
        for (int32_t kind = 0; kind < 8 && s.kinds[kind] != nullptr; ++kind) {
            const std::string one = take(GETMEASUREMENTLABEL(s.code, kind, 1));
            const std::string two = take(GETMEASUREMENTLABEL(s.code, kind, 2));
            if (json_output) {
                emit(JsonObject{}.text("system", s.name).integer("kind", kind).text("name", s.kinds[kind])
                         .text("for_1", one).text("for_2", two));
            } else {
                std::printf("  %d %-17s %-12s %s\n", kind, s.kinds[kind], one.c_str(), two.c_str());
            }
        }
    }
    return 0;
}

// ---- number ------------------------------------------------------------------

int run_number(const Args& args) {
    const Cli cli(args, {}, {}, 0);
    cli.expect(1, 1, "wqj number TEXT");
    const std::string& text = cli.plain[0];
    const long double value = wqj::TEXTTONUMBER(text);
    const double as_double = static_cast<double>(value);
    const float as_single = static_cast<float>(value);
    if (json_output) {
        emit(JsonObject{}
                 .text("text", text)
                 .text("double", wqj::NUMBERTOTEXT(as_double, 15))
                 .text("single", wqj::NUMBERTOTEXT(as_single, 7))
                 .integer("integer", wqj::ROUNDTOINTEGER(value))
                 .text("places6", wqj::FORMATWITHMASK(as_double, ".######"))
                 .add("value", json_number(as_double)));
        return 0;
    }
    std::printf("text     \"%s\"\n", text.c_str());
    std::printf("double   \"%s\"\n", wqj::NUMBERTOTEXT(as_double, 15).c_str());
    std::printf("single   \"%s\"\n", wqj::NUMBERTOTEXT(as_single, 7).c_str());
    std::printf("integer  %d\n", wqj::ROUNDTOINTEGER(value));
    std::printf("6 places \"%s\"\n", wqj::FORMATWITHMASK(as_double, ".######").c_str());
    return 0;
}

std::vector<Command> make_commands() {
    std::vector<Command> list;
    add_try_command(list);
    list.push_back(
        {"convert", "convert a length between in, mm, ft and m",
         "usage: wqj convert VALUE FROM TO\n\n"
         "Converts VALUE (a finite decimal number) between inches (in), millimetres\n"
         "(mm), feet (ft) and metres (m) the way the library does: every length goes\n"
         "through inches, and each direction has its own factor:\n"
         "  mm -> in   millimetres / 25.400051, as a single (MILLIMETERSTOINCHES)\n"
         "  in -> mm   inches x 25.400051, as a double (INCHESTOMILLIMETERS)\n"
         "  m  -> in   metres x 1000 as millimetres, then as mm -> in (39.37 in per m)\n"
         "  in -> m    inches / 39.369, as a single (CONVERTMEASUREMENT)\n"
         "  ft <-> in  12 inches per foot\n"
         "so `wqj convert 1 m m` gives 1.000025 m, not 1. A value that does not fit\n"
         "a step's type (1e39 as a single, 1e308 in as millimetres in a double) is\n"
         "refused as a usage error.\n\n"
         "  wqj convert 1 in mm      ->  25.400051 mm\n"
         "  wqj convert 100 in m     ->  2.54007 m\n",
         run_convert});
    list.push_back({"units", "list the unit words the library reads and writes",
                    "usage: wqj units [--imperial | --metric]\n\n"
                    "Lists the designators (unit words measurement text may contain, tried in the\n"
                    "order shown) and the labels formatted text is written with; both systems\n"
                    "unless one is chosen.\n",
                    run_units});
    list.push_back({"number", "show how a text reads as a number and writes back",
                    "usage: wqj number TEXT | - | --file PATH\n\n"
                    "Reads the longest numeric prefix of TEXT as the library does (leading blanks,\n"
                    "tabs and line feeds skipped; exponents E or D; &H, &O and &B integers) and\n"
                    "writes the value back as a double (15 digits), a single (7 digits), an\n"
                    "integer (ties to even) and to six decimal places.\n\n"
                    "  wqj number '  12.5ft'    ->  double \" 12.5\"\n"
                    "  wqj number '&HFFFF'      ->  integer -1\n",
                    run_number});
    add_measure_commands(list);
    add_table_commands(list);
    add_text_commands(list);
    add_catalogue_commands(list);
    add_platform_commands(list);
    add_call_command(list);
    add_calls_command(list);
    add_replay_command(list);
    return list;
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> list = make_commands();
    return list;
}

}  // namespace wqjtool

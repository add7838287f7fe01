#include "tools/wqj/commands.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/convert.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#endif

namespace wqjtool {

std::string take(WQJSTRING s) {
    if (s == nullptr) return {};
#ifdef _WIN32
    std::string bytes(s, SysStringByteLen(reinterpret_cast<BSTR>(s)));
    SysFreeString(reinterpret_cast<BSTR>(s));
#else
    std::string bytes(s, SysStringByteLen(s));
    SysFreeString(s);
#endif
    return bytes;
}

namespace {

// A number as the library writes it, without the leading blank.
std::string number_text(long double value, int digits) {
    return std::string(wqj::TRIMLEFTBLANKS(wqj::NUMBERTOTEXT(value, digits)));
}

double parse_number(const std::string& text, const char* what) {
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        throw UsageError{std::string(what) + " '" + text + "' is not a number"};
    }
    return v;
}

void expect_count(const Args& args, std::size_t n, const char* usage) {
    if (args.size() != n) throw UsageError{std::string("usage: ") + usage};
}

// ---- convert ----------------------------------------------------------------

enum class Unit { Inches, Millimeters, Feet, Meters };

Unit parse_unit(const std::string& name) {
    if (name == "in" || name == "inch" || name == "inches") return Unit::Inches;
    if (name == "mm" || name == "millimeters") return Unit::Millimeters;
    if (name == "ft" || name == "foot" || name == "feet") return Unit::Feet;
    if (name == "m" || name == "meters") return Unit::Meters;
    throw UsageError{"unknown unit '" + name + "' (use in, mm, ft or m)"};
}

int run_convert(const Args& args) {
    expect_count(args, 3, "wqj convert VALUE FROM TO");
    const double value = parse_number(args[0], "value");
    const Unit from = parse_unit(args[1]);
    const Unit to = parse_unit(args[2]);
    // To inches first, as the library holds every length in inches.
    double inches = value;
    int digits = 15;
    switch (from) {
        case Unit::Inches: break;
        case Unit::Millimeters: inches = MILLIMETERSTOINCHES(static_cast<float>(value)); digits = 7; break;
        case Unit::Feet: inches = value * 12; break;
        case Unit::Meters: inches = MILLIMETERSTOINCHES(static_cast<float>(value * 1000)); digits = 7; break;
    }
    double result = inches;
    switch (to) {
        case Unit::Inches: break;
        case Unit::Millimeters: result = INCHESTOMILLIMETERS(inches); break;
        case Unit::Feet: result = CONVERTMEASUREMENT(static_cast<float>(inches), CONVERTTOFEET); digits = 7; break;
        case Unit::Meters: result = CONVERTMEASUREMENT(static_cast<float>(inches), CONVERTTOMETERS); digits = 7; break;
    }
    std::printf("%s %s\n", number_text(result, digits).c_str(), args[2].c_str());
    return 0;
}

// ---- units --------------------------------------------------------------------

int run_units(const Args& args) {
    bool imperial = true;
    bool metric = true;
    for (const std::string& a : args) {
        if (a == "--imperial") metric = false;
        else if (a == "--metric") imperial = false;
        else throw UsageError{"unknown option '" + a + "'"};
    }
    struct System {
        bool shown;
        int32_t code;
        const char* name;
        const char* units[4];
        const char* kinds[8];
    };
    const System systems[] = {
        {imperial, SYSTEMIMPERIAL, "imperial", {"yard", "foot", "inch", nullptr},
         {"feet word", "inches word", "ft", "in", "ft.", "in.", "foot mark", "inch mark"}},
        {metric, SYSTEMMETRIC, "metric", {"metre", "decimetre", "centimetre", "millimetre"},
         {"metres word", "millimetres word", "m", "mm", "cm", nullptr, nullptr, nullptr}},
    };
    for (const System& s : systems) {
        if (!s.shown) continue;
        std::printf("%s designators (matched whole, between blanks, in this order):\n", s.name);
        for (int32_t unit = 0; unit < 4 && s.units[unit] != nullptr; ++unit) {
            std::printf("  %-11s", s.units[unit]);
            for (int32_t index = 0;; ++index) {
                std::string word = take(GETMEASUREMENTDESIGNATOR(s.code, unit, index, 1));
                if (word.empty()) break;
                std::printf(" %s", word.c_str());
            }
            std::printf("\n");
        }
        std::printf("%s labels (kind: for 1, for 2):\n", s.name);
        for (int32_t kind = 0; kind < 8 && s.kinds[kind] != nullptr; ++kind) {
            std::printf("  %d %-17s %-12s %s\n", kind, s.kinds[kind], take(GETMEASUREMENTLABEL(s.code, kind, 1)).c_str(),
                        take(GETMEASUREMENTLABEL(s.code, kind, 2)).c_str());
        }
    }
    return 0;
}

// ---- number ------------------------------------------------------------------

int run_number(const Args& args) {
    expect_count(args, 1, "wqj number TEXT");
    const long double value = wqj::TEXTTONUMBER(args[0]);
    const double as_double = static_cast<double>(value);
    const float as_single = static_cast<float>(value);
    std::printf("text     \"%s\"\n", args[0].c_str());
    std::printf("double   \"%s\"\n", wqj::NUMBERTOTEXT(as_double, 15).c_str());
    std::printf("single   \"%s\"\n", wqj::NUMBERTOTEXT(as_single, 7).c_str());
    std::printf("integer  %d\n", wqj::ROUNDTOINTEGER(value));
    std::printf("6 places \"%s\"\n", wqj::FORMATWITHMASK(as_double, ".######").c_str());
    return 0;
}

std::vector<Command> make_commands() {
    std::vector<Command> list = {
        {"convert", "convert a length between in, mm, ft and m",
         "usage: wqj convert VALUE FROM TO\n\n"
         "Converts VALUE between inches (in), millimetres (mm), feet (ft) and metres (m)\n"
         "the way the library does: every length goes through inches; inches and\n"
         "millimetres at 25.400051 mm per inch, metres at 39.369 inches.\n\n"
         "  wqj convert 1 in mm      ->  25.400051 mm\n"
         "  wqj convert 100 in m     ->  2.54007 m\n",
         run_convert},
        {"units", "list the unit words the library reads and writes",
         "usage: wqj units [--imperial | --metric]\n\n"
         "Lists the designators (unit words measurement text may contain, tried in the\n"
         "order shown) and the labels formatted text is written with.\n",
         run_units},
        {"number", "show how a text reads as a number and writes back",
         "usage: wqj number TEXT\n\n"
         "Reads the longest numeric prefix of TEXT as the library does (leading blanks,\n"
         "tabs and line feeds skipped; exponents E or D; &H, &O and &B integers) and\n"
         "writes the value back as a double (15 digits), a single (7 digits), an\n"
         "integer (ties to even) and to six decimal places.\n\n"
         "  wqj number '  12.5ft'    ->  double \" 12.5\"\n"
         "  wqj number '&HFFFF'      ->  integer -1\n",
         run_number},
    };
    add_measure_commands(list);
    add_table_commands(list);
    add_text_commands(list);
    add_catalogue_commands(list);
    add_platform_commands(list);
    add_call_command(list);
    return list;
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> list = make_commands();
    return list;
}

}  // namespace wqjtool

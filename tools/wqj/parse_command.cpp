// wqj parse and wqj try: an entry read into inches as the host's length
// fields read it, with a warning for every part of it that was not read or
// was read as something other than it looks; try goes on through the
// display styles and the validated-entry verdict.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "measure/entry.h"
#include "measure/parser.h"
#include "text/convert.h"
#include "tools/wqj/commands.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#endif

namespace wqjtool {
namespace {

// A single as the shortest text that reads back as it (98.424995, not the
// library's 7 digits 98.425, which read back as a different single), as
// --json writes it.
std::string single_text(float value) { return shortest(value); }

const char* unit_of_error(int code) {
    switch (code) {
        case ERRORMETERS: return "metres";
        case ERRORYARDS: return "yards";
        case ERRORDECIMETERS: return "decimetres";
        case ERRORFEET: return "feet";
        case ERRORCENTIMETERS: return "centimetres";
        case ERRORINCHES: return "inches";
        case ERRORMILLIMETERS: return "millimetres";
        default: return "unknown";
    }
}

const char* const kUnitNames[2][4] = {{"yards", "feet", "inches", ""},
                                      {"metres", "decimetres", "centimetres", "millimetres"}};

// A blank-separated word of the entry and where it stands (0-based, in the
// upper-cased entry without its leading blanks).
struct Word {
    std::size_t at;
    std::string text;
    bool read = false;
};

bool numeric(const std::string& w) { return w.find_first_not_of("0123456789./\\") == std::string::npos; }
bool fraction(const std::string& w) { return numeric(w) && w.find_first_of("/\\") != std::string::npos; }

// What a number looks like to a reader: a whole number, a fraction or both.
double looks_like(const std::string& whole, const std::string& part) {
    double v = whole.empty() ? 0 : std::strtod(whole.c_str(), nullptr);
    if (!part.empty()) {
        const std::size_t slash = part.find_first_of("/\\");
        const double d = std::strtod(part.c_str() + slash + 1, nullptr);
        if (d != 0) v += std::strtod(part.substr(0, slash).c_str(), nullptr) / d;
    }
    return v;
}

// One unit of the entry as the library found it.
struct Found {
    int system, unit;
    std::string word;   // the designator
    float value;        // the number the library read before it
    std::string shown;  // the words taken as that number ("4 1/2"), or ""
    double looks;       // what those words look like
    std::size_t from, to;  // columns (1-based) in the separated text of number and unit word
};

struct Reading {
    std::string separated;
    float inches = 0;
    int32_t error_start = 0, error_end = 0;
    std::vector<Found> found;
    std::vector<std::string> warnings;
};

float number_before(int32_t system, const std::string& text, int32_t position) {
    WQJSTRING host = reinterpret_cast<WQJSTRING>(SysAllocStringByteLen(text.data(), static_cast<uint32_t>(text.size())));
    int32_t start = 0, end = 0;
    const float v = GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, host, position, -1, &start, &end);
#ifdef _WIN32
    SysFreeString(reinterpret_cast<BSTR>(host));
#else
    SysFreeString(host);
#endif
    return v;
}

// Reads the entry as CONVERTTEXTSTRINGVALUETOINCHES does (after separating
// it) and finds, word by word, what was read and what was not.
Reading read_entry(const std::string& entry, float maximum) {
    Reading r;
    std::vector<char> buffer(entry.begin(), entry.end());  // the separated text is at most twice as long
    buffer.resize(2 * entry.size() + 1, '\0');
    r.separated = take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    r.inches = CONVERTTEXTSTRINGVALUETOINCHES(r.separated.c_str(), maximum, &r.error_start, &r.error_end);

    const std::size_t lead = std::min(r.separated.find_first_not_of(' '), r.separated.size());
    const std::string as_typed = std::string(wqj::TRIMRIGHTBLANKS(std::string_view(r.separated).substr(lead))) + " ";
    const std::string t = wqj::UPPERCASETEXT(as_typed);
    std::vector<Word> words;
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t end = t.find(' ', i);
        if (end > i) words.push_back({i, as_typed.substr(i, end - i)});
        i = end + 1;
    }
    // The units in the order of the library's passes, a unit index at a
    // time; a metric unit replaces the imperial one of the same index.
    const auto& order = wqj::detail::kUnitPasses;
    for (std::size_t first = 0, next = 0; first < std::size(order); first = next) {
        const int unit = order[first].unit;
        while (next < std::size(order) && order[next].unit == unit) ++next;
        std::vector<Found> passes;
        std::vector<std::size_t> taken;  // word indexes of the last pass found
        for (std::size_t q = first; q < next; ++q) {
            const int system = order[q].system;
            for (int32_t d = 0;; ++d) {
                const std::string padded = take(GETMEASUREMENTDESIGNATOR(system, unit, d, 0));
                const std::string word = padded.size() > 2 ? padded.substr(1, padded.size() - 2) : "";
                if (word.empty()) break;
                const std::size_t p = t.find(padded);
                if (p == std::string::npos) continue;
                Found f{system, unit, word, number_before(system, t, static_cast<int32_t>(p)), "", 0, 0, 0};
                std::size_t k = 0;
                while (k < words.size() && words[k].at != p + 1) ++k;
                if (k == words.size()) continue;  // not at a word of its own
                std::vector<std::size_t> these = {k};
                std::size_t first = k;
                if (k >= 1 && numeric(words[k - 1].text)) {
                    first = k - 1;
                    if (fraction(words[k - 1].text) && k >= 2 && numeric(words[k - 2].text) &&
                        !fraction(words[k - 2].text))
                        first = k - 2;
                }
                for (std::size_t j = first; j < k; ++j) {
                    these.push_back(j);
                    f.shown += (j > first ? " " : "") + words[j].text;
                }
                const bool two = k - first == 2;
                f.looks = looks_like(two || (k > first && !fraction(words[first].text)) ? words[first].text : "",
                                     k > first && fraction(words[k - 1].text) ? words[k - 1].text : "");
                f.from = lead + words[first].at + 1;
                f.to = lead + p + word.size() + 1;
                f.word = words[k].text;
                passes.push_back(f);
                taken = these;
                break;
            }
        }
        if (passes.empty()) continue;
        if (passes.size() == 2) {
            r.warnings.push_back("'" + passes[0].word + "' (" + kUnitNames[0][unit] + ") is replaced by '" +
                                 passes[1].word + "' (" + kUnitNames[1][unit] +
                                 "): a metric unit replaces the imperial one of the same size class");
        }
        for (const std::size_t j : taken) words[j].read = true;
        const Found& f = passes.back();
        if (f.shown.empty()) {
            r.warnings.push_back("no number before '" + f.word + "' at column " + std::to_string(f.to - f.word.size() + 1) +
                                 " (read as " + single_text(f.value) + ")");
        } else if (const float looks = static_cast<float>(f.looks);
                   looks != f.value && !(std::fabs(looks - f.value) <= 1e-6f * std::max(1.0f, std::fabs(looks)))) {
            r.warnings.push_back("'" + f.shown + " " + f.word + "' reads as " + single_text(f.value) + " " +
                                 kUnitNames[f.system][f.unit] + ", not " + single_text(static_cast<float>(f.looks)));
        }
        r.found.push_back(f);
    }
    std::sort(r.found.begin(), r.found.end(), [](const Found& a, const Found& b) { return a.from < b.from; });
    // The words nothing read, in runs.
    for (std::size_t i = 0; i < words.size();) {
        if (words[i].read) {
            ++i;
            continue;
        }
        std::size_t j = i;
        std::string run = words[i].text;
        while (j + 1 < words.size() && !words[j + 1].read) run += " " + words[++j].text;
        const std::size_t from = lead + words[i].at + 1, to = lead + words[j].at + words[j].text.size();
        std::string why = " is not read";
        if (j + 1 < words.size() && fraction(words[j + 1].text) && numeric(words[i].text))
            why += " (a whole number is read with its fraction only when blanks alone stand between them: 4 1/2)";
        else if (numeric(words[j].text))
            why += " (no unit word follows it; wqj units lists them)";
        else if (r.found.empty())
            why += " (a number is read only before a unit word between blanks; wqj units lists them)";
        r.warnings.push_back(brief(run) + " at column" + (from == to ? " " + std::to_string(from)
                                                                      : "s " + std::to_string(from) + "-" + std::to_string(to)) +
                             why);
        i = j + 1;
    }
    if (r.found.empty()) r.warnings.insert(r.warnings.begin(), "nothing was read");
    return r;
}

std::string json_found(const Found& f) {
    return JsonObject{}
        .text("unit", kUnitNames[f.system][f.unit])
        .text("word", f.word)
        .text("number", f.shown)
        .add("value", json_number(f.value))
        .integer("from", static_cast<long long>(f.from))
        .integer("to", static_cast<long long>(f.to))
        .str();
}

void print_found(const Reading& r) {
    for (const Found& f : r.found) {
        std::printf("number     %-10s %s = %s %s (columns %zu-%zu)\n", (f.shown.empty() ? "(none)" : f.shown).c_str(),
                    f.word.c_str(), single_text(f.value).c_str(), kUnitNames[f.system][f.unit], f.from, f.to);
    }
}

std::vector<std::string> json_texts(const std::vector<std::string>& texts) {
    std::vector<std::string> out;
    for (const std::string& t : texts) out.push_back(json_text(t));
    return out;
}

// The maximum exceeded: its code and unit, the number marked with ^.
std::string error_text(const Reading& r, float maximum) {
    const int code = static_cast<int>(r.inches);
    return std::to_string(code) + ": a number of " + unit_of_error(code) + " exceeds the maximum " +
           single_text(maximum) + " (positions " + std::to_string(r.error_start) + " to " +
           std::to_string(r.error_end) + ")";
}

void print_error_mark(const Reading& r) {
    std::size_t lead = 0;
    while (lead < r.separated.size() && r.separated[lead] == ' ') ++lead;
    if (r.error_start >= 1 && r.error_end >= r.error_start) {
        const std::size_t from = lead + static_cast<std::size_t>(r.error_start) - 1;
        const std::size_t to = std::min(lead + static_cast<std::size_t>(r.error_end), r.separated.size());
        if (from < to) std::printf("           %s%s\n", std::string(from, ' ').c_str(), std::string(to - from, '^').c_str());
    }
}

float limit_arg(const Cli& cli, const char* name, float otherwise) {
    const std::string* v = cli.value(name);
    return v ? single_arg(*v, std::string("option ") + name) : otherwise;
}

int run_parse(const Args& args) {
    const Cli cli(args, {"--strict"}, {"--max"}, 0);
    cli.expect(1, 1, "wqj parse TEXT | - | --file PATH [--max N] [--strict]");
    const float maximum = limit_arg(cli, "--max", 0);
    const Reading r = read_entry(cli.plain[0], maximum);
    const bool error = r.inches < 0;
    if (json_output) {
        JsonObject o;
        o.text("entry", cli.plain[0]).text("separated", r.separated).add("inches", json_number(r.inches));
        std::vector<std::string> found;
        for (const Found& f : r.found) found.push_back(json_found(f));
        o.add("numbers", json_list(found)).add("warnings", json_list(json_texts(r.warnings)));
        if (error) o.text("error", error_text(r, maximum));
        emit(o);
    } else {
        std::printf("separated  %s\n", r.separated.empty() ? "(blank)" : r.separated.c_str());
        if (error) {
            print_error_mark(r);
            std::printf("error      %s\n", error_text(r, maximum).c_str());
        } else {
            std::printf("inches     %s\n", single_text(r.inches).c_str());
            print_found(r);
        }
        for (const std::string& w : r.warnings) warn(w);
    }
    return error || r.found.empty() || (cli.has("--strict") && !r.warnings.empty()) ? 1 : 0;
}

// ---- try -------------------------------------------------------------------------

// What CONVERTTEXTSTRINGVALUETOINCHESERRORMSG makes of the separated entry:
// its result and the message box text, or the field's new text when accepted.
// The messages are built as the export builds them, number for number (the
// same roundings to `places`, the same number writing), as the tool cannot
// show a message box of its own on every build.
struct Verdict {
    float result;
    bool accepted;
    std::string text;
    bool left_as_typed = false;  // accepted, but no text of the style reads back as the length
};

Verdict validate(const std::string& separated, float minimum, float number_maximum, float maximum, int32_t system,
                 int32_t style, int32_t number_style, int32_t places) {
    int32_t start = 0, end = 0;
    const float v = CONVERTTEXTSTRINGVALUETOINCHES(separated.c_str(), number_maximum, &start, &end);
    const bool metric = system == SYSTEMMETRIC;
    if (v < 0) {
        return {-1, false, "The value you have entered for " + std::string(wqj::detail::invalid_number_unit(v)) +
                               " is invalid. The value cannot exceed " + wqj::detail::number_text(number_maximum, 7) + "."};
    }
    if (v > maximum) {
        const float converted = CONVERTMEASUREMENT(maximum, metric ? CONVERTTOMETERS : CONVERTTOFEET);
        const double rounded = static_cast<double>(wqj::ROUNDTODIGITS(converted, places));
        return {0, false, "The maximum value for this measurement is " + wqj::detail::number_text(rounded, 15) +
                              (metric ? " meters." : " feet.")};
    }
    if (v < minimum) {
        if (metric) {
            const double mm = INCHESTOMILLIMETERS(minimum);
            return {0, false, "The minimum value for this measurement is " + wqj::detail::number_text(mm, 15) +
                                  (mm > 1 ? " millimeters." : " millimeter.")};
        }
        const double r = static_cast<double>(wqj::ROUNDTODIGITS(minimum, places));
        return {0, false, "The minimum value for this measurement is " + wqj::detail::number_text(r, 15) +
                              (r > 1 ? " inches." : " inch.")};
    }
    const std::optional<std::string> shown = wqj::detail::field_text(system, style, number_style, v);
    return {v, true, shown.value_or(""), !shown};
}

int run_try(const Args& args) {
    const Cli cli(args, {"--metric", "--decimal", "--strict"}, {"--places", "--min", "--max", "--number-max", "--style"}, 0);
    cli.expect(1, 1, "wqj try ENTRY | - | --file PATH [--metric] [--decimal] [--places N] [--min IN] [--max IN] "
                     "[--number-max N] [--style CODE] [--strict]");
    const bool metric = cli.has("--metric");
    const bool fractions = !metric && !cli.has("--decimal");
    const std::string* places_text = cli.value("--places");
    const int32_t places = places_text ? integer_arg(*places_text, "option --places", fractions ? 1 : 0, fractions ? 4096 : 15)
                                       : (fractions ? 16 : 3);
    const int32_t system = metric ? SYSTEMMETRIC : SYSTEMIMPERIAL;
    const int32_t number_style = fractions ? NUMBERSFRACTIONAL : NUMBERSDECIMAL;
    const std::string* style_text = cli.value("--style");
    const int32_t style = style_text ? integer_arg(*style_text, "option --style", 0, metric ? 6 : 13) : (metric ? 3 : 6);
    const float minimum = limit_arg(cli, "--min", 0);
    const float maximum = limit_arg(cli, "--max", 3.4e38f);
    const float number_maximum = limit_arg(cli, "--number-max", 0);

    const std::string& entry = cli.plain[0];
    const Reading r = read_entry(entry, 0);
    // The messages round to --places decimals; without it to 2, as a field's do.
    const Verdict verdict = validate(r.separated, minimum, number_maximum, maximum, system, style, number_style,
                                     places_text ? places : 2);

    JsonObject o;
    std::vector<std::string> displays;
    if (json_output) {
        o.text("entry", entry).text("separated", r.separated).add("inches", json_number(r.inches));
        std::vector<std::string> found;
        for (const Found& f : r.found) found.push_back(json_found(f));
        o.add("numbers", json_list(found)).add("warnings", json_list(json_texts(r.warnings)));
    } else {
        std::printf("entry      %s\n", entry.c_str());
        std::printf("separated  %s\n", r.separated.empty() ? "(blank)" : r.separated.c_str());
        std::printf("inches     %s\n", single_text(r.inches).c_str());
        print_found(r);
        for (const std::string& w : r.warnings) std::printf("warning    %s\n", w.c_str());
        std::printf("displays   (%s, %s%d; each read back)\n", metric ? "metric" : "imperial",
                    fractions ? "fractions up to 1/" : "decimals ", places);
    }
    const std::span<const DisplayStyle> styles = display_styles(metric);
    const DisplayStyle* first = styles.data();
    const DisplayStyle* last = styles.data() + styles.size();
    for (const DisplayStyle* s = first; s != last; ++s) {
        const std::string text = take(GETFORMATEDTEXTFROMINCHES(system, s->code, number_style, r.inches, places));
        const Reading back = read_entry(text, 0);
        const bool same = back.inches == r.inches;
        if (json_output) {
            displays.push_back(JsonObject{}
                                   .integer("style", s->code)
                                   .text("name", s->name)
                                   .text("text", text)
                                   .add("reads_back", json_number(back.inches))
                                   .boolean("same", same)
                                   .str());
        } else {
            std::printf("%5d  %-30s %-24s %s\n", s->code, s->name, text.empty() ? "(empty text)" : text.c_str(),
                        same ? "same" : ("reads back " + shortest(back.inches)).c_str());
        }
    }
    if (json_output) {
        o.add("displays", json_list(displays))
            .add("verdict", JsonObject{}
                                .boolean("accepted", verdict.accepted)
                                .add("result", json_number(verdict.result))
                                .add(verdict.accepted ? "field" : "message",
                                     verdict.left_as_typed ? "null" : json_text(verdict.text))
                                .str());
        emit(o);
    } else if (verdict.left_as_typed) {
        std::printf("verdict    accepted, %s inches; the field is left as typed\n", single_text(verdict.result).c_str());
    } else if (verdict.accepted) {
        std::printf("verdict    accepted, %s inches; the field becomes: %s\n", single_text(verdict.result).c_str(),
                    verdict.text.empty() ? "(empty text)" : verdict.text.c_str());
    } else {
        std::printf("verdict    refused (%s): [Measurement Error] %s\n", single_text(verdict.result).c_str(),
                    verdict.text.c_str());
    }
    return !verdict.accepted || r.found.empty() || (cli.has("--strict") && !r.warnings.empty()) ? 1 : 0;
}

}  // namespace

void add_parse_command(std::vector<Command>& list) {
    list.push_back(
        {"parse", "read a length entry into inches",
         "usage: wqj parse TEXT | - | --file PATH [--max N] [--strict]\n\n"
         "Reads TEXT as a length field of the drawing program does: blanks are put\n"
         "between numbers and unit words (the separated text is shown), then each\n"
         "unit is looked up by its words (wqj units lists them) and the number before\n"
         "it is read. Prints the length in inches (the shortest text that reads back\n"
         "as the single) and each number read, with its columns in the separated\n"
         "text. A number without a unit word is not read; every part of the entry\n"
         "that is not read, or reads as something other than it looks (\"4-1/2\"\n"
         "reads as 1/2), is warned about on standard error. Exit status 1 when\n"
         "nothing was read (\"12\", a blank entry), and with --strict also when part\n"
         "of the entry was not read.\n"
         "With --max N, a number above N (in its own unit) is an error: its code\n"
         "and unit are shown and the number is marked with ^ (exit status 1).\n\n"
         "  wqj parse \"6' 4 1/2\\\"\"         ->  separated  6 ' 4 1/2 \"\n"
         "                                   inches     76.5\n"
         "  wqj parse '2m50cm'             ->  inches     98.424995\n"
         "  wqj parse '100 in' --max 12    ->  error      -6: a number of inches ...\n",
         run_parse});
}

void add_try_command(std::vector<Command>& list) {
    list.push_back(
        {"try", "an entry end to end: read, displayed, read back, validated",
         "usage: wqj try ENTRY | - | --file PATH [--metric] [--decimal] [--places N]\n"
         "               [--min IN] [--max IN] [--number-max N] [--style CODE] [--strict]\n\n"
         "Follows one typed length along the host's whole road:\n"
         "  separated  the entry with blanks put between numbers and unit words\n"
         "  inches     the length it reads as\n"
         "  number     each number read: its words, the unit word, the value, and\n"
         "             its columns in the separated text\n"
         "  warning    each part of the entry that was not read or reads as\n"
         "             something other than it looks\n"
         "  displays   the length in every display style (imperial, or --metric;\n"
         "             fractions up to 1/N, or --decimal with N decimals: --places N,\n"
         "             default 16 or 3), each with whether it reads back to the\n"
         "             same length\n"
         "  verdict    what validated entry (CONVERTTEXTSTRINGVALUETOINCHESERRORMSG)\n"
         "             does with the separated entry: accepted with the text the field\n"
         "             becomes (in --style CODE, default 6 imperial, 3 metric; only a\n"
         "             text that reads back as the same length, else the field is left\n"
         "             as typed), or the\n"
         "             \"Measurement Error\" message. Limits in inches: --min (default\n"
         "             0), --max (default none), --number-max (per number, in its own\n"
         "             unit; default none), each a single. The messages round to\n"
         "             --places decimals (default 2), as the library writes them.\n"
         "Exit status 1 when nothing of the entry was read or the verdict refuses\n"
         "it, and with --strict also when part of it was not read.\n\n"
         "  wqj try \"6' 4 1/2\\\"\"\n"
         "  wqj try 2m50cm --metric\n"
         "  wqj try \"6' 4-1/2\\\"\"       (warns: '4 -' is not read)\n",
         run_try});
}

}  // namespace wqjtool

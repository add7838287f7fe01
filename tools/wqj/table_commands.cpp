// wqj scales, papers and paper-for: the drawing-scale and paper-size tables.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

struct Systems {
    bool imperial = true;
    bool metric = true;
};

Systems parse_systems(const Args& args, bool both_by_default, const char* usage) {
    const Cli cli(args, {"--imperial", "--metric"}, {});
    cli.expect(0, 0, usage);
    if (cli.has("--imperial") && cli.has("--metric")) throw UsageError{"--imperial and --metric exclude each other"};
    Systems s;
    s.imperial = !cli.has("--metric");
    s.metric = cli.has("--metric") || (both_by_default && !cli.has("--imperial"));
    return s;
}

std::string ratio(int32_t system, int32_t entry) {
    return std::to_string(static_cast<int>(GETSCALERATIOVALUE(system, 0, entry))) + ":" +
           std::to_string(static_cast<int>(GETSCALERATIOVALUE(system, 1, entry)));
}

int run_scales(const Args& args) {
    const Systems s = parse_systems(args, true, "wqj scales [--imperial | --metric]");
    if (!json_output) std::printf("entry  imperial  in/ft     metric\n");
    for (int32_t entry = 0; entry < 12; ++entry) {
        const float per_foot =
            GETINCHESPERFOOTFROMSCALERATIO(GETSCALERATIOVALUE(SYSTEMIMPERIAL, 0, entry), GETSCALERATIOVALUE(SYSTEMIMPERIAL, 1, entry));
        if (json_output) {
            JsonObject o;
            o.integer("entry", entry);
            if (s.imperial) o.text("imperial", ratio(SYSTEMIMPERIAL, entry)).add("inches_per_foot", json_number(per_foot));
            if (s.metric) o.text("metric", ratio(SYSTEMMETRIC, entry));
            emit(o);
            continue;
        }
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", per_foot);
        std::printf("%5d  %-8s  %-8s  %s\n", entry, s.imperial ? ratio(SYSTEMIMPERIAL, entry).c_str() : "",
                    s.imperial ? buffer : "", s.metric ? ratio(SYSTEMMETRIC, entry).c_str() : "");
    }
    return 0;
}

// A row's portrait size: inches, or millimetres as the library converts them.
std::pair<float, float> paper_size(int32_t row, bool metric) {
    float w = GETPAPERINFOWIDTH(row, 1);
    float h = GETPAPERINFOHEIGHT(row, 1);
    if (metric) {
        w = GETCONVERTEDSCALEVALUE(SYSTEMIMPERIAL, w);
        h = GETCONVERTEDSCALEVALUE(SYSTEMIMPERIAL, h);
    }
    return {w, h};
}

int run_papers(const Args& args) {
    const Systems s = parse_systems(args, false, "wqj papers [--imperial | --metric]");
    const char* unit = s.metric ? "mm" : "in";
    if (!json_output)
        std::printf("row  name              width x height (%s)           margins: top bottom left right (in)\n", unit);
    const int32_t upper = GETUBPAPERINFOARRAY();
    for (int32_t row = 0; row <= upper; ++row) {
        const std::string name = take(GETPAPERINFONAME(row));
        const auto [w, h] = paper_size(row, s.metric);
        const float margins[4] = {GETPAPERINFOTOPMARGIN(row), GETPAPERINFOBOTTOMMARGIN(row),
                                  GETPAPERINFOLEFTMARGIN(row), GETPAPERINFORIGHTMARGIN(row)};
        if (json_output) {
            emit(JsonObject{}.integer("row", row).text("name", name).add("width", json_number(w))
                     .add("height", json_number(h)).text("unit", unit)
                     .add("margins", json_list({json_number(margins[0]), json_number(margins[1]),
                                                json_number(margins[2]), json_number(margins[3])})));
            continue;
        }
        // Inches as short decimals; millimetres with every digit the library compares.
        const int digits = s.metric ? 9 : 6;
        std::printf("%3d  %-16s  %11.*g x %-11.*g  %g %g %g %g\n", row, name.c_str(), digits, w, digits, h, margins[0],
                    margins[1], margins[2], margins[3]);
    }
    return 0;
}

struct Match {
    int32_t row;
    bool landscape;
    float off;  // the larger of the two differences
};

std::string describe(const Match& m, bool metric) {
    const auto [w, h] = paper_size(m.row, metric);
    char size[64];
    std::snprintf(size, sizeof size, "%.9g x %.9g", w, h);
    return "row " + std::to_string(m.row) + ": " + take(GETPAPERINFONAME(m.row)) + ", " +
           (m.landscape ? "landscape" : "portrait") + " (" + size + ")";
}

int run_paper_for(const Args& args) {
    const Cli cli(args, {"--metric"}, {"--tolerance"});
    cli.expect(2, 2, "wqj paper-for WIDTH HEIGHT [--metric] [--tolerance T]");
    const bool metric = cli.has("--metric");
    const float width = single_arg(cli.plain[0], "width");
    const float height = single_arg(cli.plain[1], "height");
    const std::string* t = cli.value("--tolerance");
    const float tolerance = t ? single_arg(*t, "option --tolerance") : 0;
    if (tolerance < 0) throw UsageError{"option --tolerance " + brief(*t) + " is negative"};

    // The library's own exact match first; a row without a name is no paper.
    int32_t orientation = 0;
    const int32_t row = GETPAPERINDEXFROMPAPERSIZE(metric ? SYSTEMMETRIC : SYSTEMIMPERIAL, width, height, &orientation);
    std::vector<Match> rows;
    for (int32_t r = 0; r <= GETUBPAPERINFOARRAY(); ++r) {
        if (GETPAPERINFONAMELENGTH(r) <= 0) continue;
        const auto [w, h] = paper_size(r, metric);
        const float portrait = std::max(std::fabs(w - width), std::fabs(h - height));
        const float landscape = std::max(std::fabs(h - width), std::fabs(w - height));
        rows.push_back({r, landscape < portrait, std::min(portrait, landscape)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Match& a, const Match& b) { return a.off < b.off; });
    const Match* found = nullptr;
    Match exact{row, orientation == 2, 0};
    if (row >= 0 && GETPAPERINFONAMELENGTH(row) > 0) found = &exact;
    else if (!rows.empty() && rows.front().off <= tolerance && tolerance > 0) found = &rows.front();
    if (found != nullptr) {
        if (json_output) {
            const auto [w, h] = paper_size(found->row, metric);
            emit(JsonObject{}.integer("row", found->row).text("name", take(GETPAPERINFONAME(found->row)))
                     .text("orientation", found->landscape ? "landscape" : "portrait")
                     .add("width", json_number(w)).add("height", json_number(h)).add("off", json_number(found->off)));
        } else {
            std::printf("row %d: %s, %s\n", found->row, take(GETPAPERINFONAME(found->row)).c_str(),
                        found->landscape ? "landscape" : "portrait");
        }
        return 0;
    }
    std::string nearest;
    for (std::size_t i = 0; i < rows.size() && i < 3; ++i) nearest += "\n  " + describe(rows[i], metric);
    throw Failure{"no paper of that size" + (tolerance > 0 ? " within " + shortest(tolerance) : std::string()) +
                  "; the nearest:" + nearest};
}

}  // namespace

void add_table_commands(std::vector<Command>& list) {
    list.push_back({"scales", "list the standard drawing scales",
                    "usage: wqj scales [--imperial | --metric]\n\n"
                    "Lists the drawing-scale table: entry, the imperial ratio with its inches on\n"
                    "paper per foot, and the metric ratio.\n",
                    run_scales});
    list.push_back({"papers", "list the paper-size table",
                    "usage: wqj papers [--imperial | --metric]\n\n"
                    "Lists the paper-size table as INITIALIZEDLL loads it: row, name, portrait\n"
                    "width and height (inches, or millimetres with --metric) and the margins.\n",
                    run_papers});
    list.push_back({"paper-for", "find the paper of a size",
                    "usage: wqj paper-for WIDTH HEIGHT [--metric] [--tolerance T]\n\n"
                    "Finds the first paper of exactly that size in either orientation\n"
                    "(GETPAPERINDEXFROMPAPERSIZE); rows without a name are no paper. With\n"
                    "--metric the size is in millimetres as the library converts it (A4 is\n"
                    "210.058426 x 296.926575). With --tolerance T the nearest named paper\n"
                    "whose width and height each lie within T counts too. Exit status 1 when\n"
                    "there is none; the three nearest papers are then named.\n",
                    run_paper_for});
}

}  // namespace wqjtool

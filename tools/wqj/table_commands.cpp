// wqj scales, papers and paper-for: the drawing-scale and paper-size tables.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

struct Systems {
    bool imperial = true;
    bool metric = true;
};

Systems parse_systems(const Args& args, bool both_by_default) {
    Systems s;
    s.metric = both_by_default;
    for (const std::string& a : args) {
        if (a == "--imperial") {
            s.imperial = true;
            s.metric = false;
        } else if (a == "--metric") {
            s.imperial = false;
            s.metric = true;
        } else {
            throw UsageError{"unknown option '" + a + "'"};
        }
    }
    return s;
}

int run_scales(const Args& args) {
    const Systems s = parse_systems(args, true);
    std::printf("entry  imperial  in/ft     metric\n");
    for (int32_t entry = 0; entry < 12; ++entry) {
        std::string imperial, per_foot, metric;
        const float d0 = GETSCALERATIOVALUE(SYSTEMIMPERIAL, 0, entry);
        const float d1 = GETSCALERATIOVALUE(SYSTEMIMPERIAL, 1, entry);
        if (s.imperial) {
            imperial = std::to_string(static_cast<int>(d0)) + ":" + std::to_string(static_cast<int>(d1));
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%g", GETINCHESPERFOOTFROMSCALERATIO(d0, d1));
            per_foot = buffer;
        }
        if (s.metric) {
            metric = std::to_string(static_cast<int>(GETSCALERATIOVALUE(SYSTEMMETRIC, 0, entry))) + ":" +
                     std::to_string(static_cast<int>(GETSCALERATIOVALUE(SYSTEMMETRIC, 1, entry)));
        }
        std::printf("%5d  %-8s  %-8s  %s\n", entry, imperial.c_str(), per_foot.c_str(), metric.c_str());
    }
    return 0;
}

int run_papers(const Args& args) {
    const Systems s = parse_systems(args, false);
    const char* unit = s.metric ? "mm" : "in";
    std::printf("row  name              width x height (%s)           margins: top bottom left right (in)\n", unit);
    const int32_t upper = GETUBPAPERINFOARRAY();
    for (int32_t row = 0; row <= upper; ++row) {
        const std::string name = take(GETPAPERINFONAME(row));
        float w = GETPAPERINFOWIDTH(row, 1);
        float h = GETPAPERINFOHEIGHT(row, 1);
        if (s.metric) {
            w = GETCONVERTEDSCALEVALUE(SYSTEMIMPERIAL, w);
            h = GETCONVERTEDSCALEVALUE(SYSTEMIMPERIAL, h);
        }
        // Inches as short decimals; millimetres with every digit the library compares.
        const int digits = s.metric ? 9 : 6;
        std::printf("%3d  %-16s  %11.*g x %-11.*g  %g %g %g %g\n", row, name.c_str(), digits, w, digits, h,
                    GETPAPERINFOTOPMARGIN(row),
                    GETPAPERINFOBOTTOMMARGIN(row), GETPAPERINFOLEFTMARGIN(row), GETPAPERINFORIGHTMARGIN(row));
    }
    return 0;
}

float parse_size(const std::string& text, const char* what) {
    char* end = nullptr;
    const float v = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0') throw UsageError{std::string(what) + " '" + text + "' is not a number"};
    return v;
}

int run_paper_for(const Args& args) {
    Args sizes;
    int32_t system = SYSTEMIMPERIAL;
    for (const std::string& a : args) {
        if (a == "--metric") system = SYSTEMMETRIC;
        else if (a.rfind("--", 0) == 0) throw UsageError{"unknown option '" + a + "'"};
        else sizes.push_back(a);
    }
    if (sizes.size() != 2) throw UsageError{"usage: wqj paper-for WIDTH HEIGHT [--metric]"};
    const float width = parse_size(sizes[0], "width");
    const float height = parse_size(sizes[1], "height");
    int32_t orientation = 0;
    const int32_t row = GETPAPERINDEXFROMPAPERSIZE(system, width, height, &orientation);
    if (row < 0) {
        std::printf("no paper of that size\n");
        return 1;
    }
    std::printf("row %d: %s, %s\n", row, take(GETPAPERINFONAME(row)).c_str(),
                orientation == 2 ? "landscape" : "portrait");
    return 0;
}

}  // namespace

void add_table_commands(std::vector<Command>& list) {
    list.push_back({"scales", "list the standard drawing scales",
                    "usage: wqj scales [--imperial | --metric]\n\n"
                    "Lists the drawing-scale table: entry, the imperial ratio with its inches on\n"
                    "paper per foot, and the metric ratio.\n",
                    run_scales});
    list.push_back({"papers", "list the paper-size table",
                    "usage: wqj papers [--metric]\n\n"
                    "Lists the paper-size table as INITIALIZEDLL loads it: row, name, portrait\n"
                    "width and height (inches, or millimetres with --metric) and the margins.\n",
                    run_papers});
    list.push_back({"paper-for", "find the paper of a size",
                    "usage: wqj paper-for WIDTH HEIGHT [--metric]\n\n"
                    "Finds the first paper of exactly that size in either orientation. With\n"
                    "--metric the size is in millimetres as the library converts it (A4 is\n"
                    "210.058426 x 296.926575). Exit status 1 when there is none.\n",
                    run_paper_for});
}

}  // namespace wqjtool

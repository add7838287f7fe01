// wqj calls: prints a seeded script of `wqj call --script` lines that drives
// every export taking numbers or text through its rules, edges and odd
// values. Run through two libraries of these exports (ours natively and as
// WQJDLL.dll, or two releases), the two transcripts show every difference in
// what they answer; between our two builds they must agree byte for byte.
//
// The script depends on nothing but the seed, the count and the library's
// answers taken while generating (catalogue names, code strings, paper
// sizes), which are the same on both builds: the draws come from
// std::mt19937_64, whose sequence is fixed by the language, through our own
// range helpers (the standard distributions differ between libraries). So
// the native wqj and wqj.exe print the same script.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "tools/wqj/commands.h"
#include "tools/wqj/transcript.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

using Strings = std::vector<std::string>;

// The default seed: "WQJDLL01" in ASCII.
constexpr uint64_t kDefaultSeed = 0x57514A444C4C3031ULL;

// The seed and own range helpers. Draws that make up one value are sequenced
// through braced lists, so the script does not depend on a compiler's order
// of evaluation either.
std::mt19937_64 rng(kDefaultSeed);
uint64_t below(uint64_t n) { return rng() % n; }
int range(int lo, int hi) { return lo + static_cast<int>(below(static_cast<uint64_t>(hi) - lo + 1)); }
bool chance(int percent) { return below(100) < static_cast<uint64_t>(percent); }
template <class T> T pick(std::initializer_list<T> v) { return v.begin()[below(v.size())]; }
const std::string& pick(const Strings& v) { return v[below(v.size())]; }
float unit32() { return static_cast<float>(rng() >> 40) * 0x1p-24f; }   // [0, 1), exact
double unit64() { return static_cast<double>(rng() >> 11) * 0x1p-53; }  // [0, 1), exact
std::string cat(std::initializer_list<std::string> parts) { return std::accumulate(parts.begin(), parts.end(), std::string()); }
std::string blanks(int most) { return std::string(static_cast<std::size_t>(range(0, most)), ' '); }

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr int kMin = std::numeric_limits<int32_t>::min();
constexpr int kMax = std::numeric_limits<int32_t>::max();

// Numbers as wqj reads them back exactly: integers in decimal, floats shortest.
std::string n(long long v) { return std::to_string(v); }
std::string f(float v) { return shortest(v); }
std::string d(double v) { return shortest(v); }

// A text argument for --escapes (one writer with the call recorder).
std::string q(std::string_view bytes) { return script_text(bytes); }

// How many more lines to print; -1 for no limit. Lines past the limit are
// still drawn (their round runs to its end) but not printed.
long long lines_left = -1;

// One script line; a line with a quoted text argument reads it with --escapes.
void call(const char* name, const Strings& args) {
    if (lines_left == 0) return;
    if (lines_left > 0) --lines_left;
    const bool text = std::any_of(args.begin(), args.end(), [](const std::string& a) { return a[0] == '\''; });
    std::string line = text ? "--escapes " : "";
    line += name;
    for (const std::string& a : args) line += ' ' + a;
    if (json_output) {
        emit(JsonObject{}.text("call", line));
    } else {
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
}
void call(const char* name, std::initializer_list<std::string> args = {}) { call(name, Strings(args)); }

std::string host(WQJSTRING s) { return take(s); }  // a host string of this library, freed
std::string vary_case(std::string s, int how = -1) {  // as is, lower, Title, mixed or (4) upper
    if (how < 0) how = range(0, 3);
    for (std::size_t i = 0; i < s.size() && how > 0; ++i) {
        const bool up = how == 4 || (how == 2 && i == 0) || (how == 3 && chance(50));
        if (up && s[i] >= 'a' && s[i] <= 'z') s[i] = static_cast<char>(s[i] - 32);
        if (!up && s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] + 32);
    }
    return s;
}

// Lengths in inches: 16ths and 64ths, random floats, just below whole inches
// and feet, millimetre counts, edges.
float inches() {
    const float below_whole = pick({0.99999f, 0.97f, 0.999f, 0.96875f, 0.9999999f, 0.5f, 0.9995f});
    switch (below(8)) {
        case 0: return static_cast<float>(range(-40, 800)) / 16;
        case 1: return static_cast<float>(range(-64, 4000)) / 64;
        case 2: return unit32() * 2000;
        case 3: return static_cast<float>(range(0, 40)) + below_whole;
        case 4: return static_cast<float>(12 * range(1, 20) - 1) + below_whole;
        case 5: return static_cast<float>(range(0, 20000) / 25.400051);
        case 6: return pick({0.0f, -0.0f, 1e-30f, 1.4e-45f, 1e-7f, 1e7f, 16777216.0f, 3.4e38f, kInf, -kInf, kNaN, -13.0f,
                             -0.5f, -76.5f, 2147483648.0f, 1e10f, 76.5f, 12.5f, 11.97f, 39.37f, 4.999f, 100.0f, 0.0625f});
        default: return static_cast<float>(range(-3000, 300000)) / 1000;
    }
}
int places() {
    return chance(85) ? pick({0, 1, 2, 3, 4, 8, 16, 32, 64}) : pick({5, 7, 10, 12, 18, 19, 25, 100, -1, -3, 1000, kMax});
}

// ---- typed lengths ----------------------------------------------------------

const Strings kNumbers = {"6", "12", "0", "4", "100", "3", "25", "2", "007", "13", "1", "99999", "12.5", ".5", "3.",
                          "0.25", "1.2.3", "2.54", "3/16", "1/2", "15/16", "7/8", "5\\8", "1/0", "0/4", "3/", "/4",
                          "4 1/2", "1-3/4", "4 - 1/2", "2 8/16", "-3", "+2", "1e3", "10.75", "12345678901"};
const Strings kUnits = {"'", "\"", "''", "FT", "FEET", "FOOT", "FT.", "F", "F.", "IN", "INCH", "INCHES", "IN.", "I",
                        "YD", "YDS", "YARD", "YARDS", "Y", "M", "M.", "METER", "METERS", "METER.", "MM", "MM.",
                        "MILLIMETERS", "MILL", "MILLI", "CM", "CENTIMETERS", "CENT", "CENTI", "C.M.", "DM",
                        "DECIMETERS", "DECI", "DEC", "D.M.", "M.M.", "FEET.", "INCHES."};
const Strings kJunk = {"x", "-", "--", "abc", "#", ",", "\xE4", "\x84", "\xFF", "\t", "&HFF", "ft4", "\x81" "ft", "/"};

// Numbers and unit words, with blanks around the words or typed without them;
// now and then long, with junk between.
std::string entry(bool separated) {
    std::string s = blanks(separated ? 2 : 1);
    for (int i = 0, pairs = chance(10) ? range(4, 16) : range(1, 3); i < pairs; ++i) {
        if (chance(8)) s += pick(kJunk) + (separated ? " " : "");
        s += pick(kNumbers);
        if (chance(90)) s += cat({separated ? (chance(10) ? "  " : " ") : (chance(15) ? " " : ""), vary_case(pick(kUnits))});
        if (separated && chance(10)) s += " -";
        if (separated || chance(40)) s += " ";
    }
    return (s + blanks(2)).substr(0, 200);
}

void typed_lengths() {
    for (const char* t : {"6 ' 4 1/2 \"", "6 ' - 4 1/2 \"", "6 ft 4 in", "6FT 4IN", "3 yd", "1/2 in", "4 - 1/2 in", "12",
                          "   ", "", "2 m 50 cm", "25 mm", "1 ft 10 cm", "3 FT 4 FEET", "6  3 in", "14 in", "100 in",
                          "13 ft 2 in", "2 ft 13 in", "12 in", "3 in 5 ft", "1 \xE4 ft", "7 ' '"}) {
        call("CONVERTTEXTSTRINGVALUETOINCHES", {q(t), pick({"0", "12", "4"}), "0", "0"});
    }
    for (int i = 0; i < 160; ++i) {
        const float max = chance(60) ? 0.0f : pick({12.0f, 99.0f, 1.0f, -5.0f, 0.5f, 1000.0f, 11.5f, kNaN, kInf, 3.0f});
        call("CONVERTTEXTSTRINGVALUETOINCHES", {q(entry(chance(75))), f(max), pick({"0", "-9"}), pick({"0", "-9"})});
    }
    for (int i = 0; i < 70; ++i) call("SEPARATEMEASUREMENTSINTEXTSTRING", {q(chance(10) ? blanks(3) : entry(false))});
    for (int i = 0; i < 90; ++i) {  // numbers by position, mostly next to a blank, where the parser reads
        std::string t = entry(true);
        if (chance(50)) t = vary_case(t, 4) + " ";
        if (chance(5)) t.insert(below(t.size() + 1), 1, '\0');
        const int from_end = pick({-1, -1, 0, 1, 2});
        int pos = range(-1, static_cast<int>(t.size()) + 2);
        for (int tries = 0; tries < 20 && chance(80); ++tries) {
            const int b = static_cast<int>(below(t.size()));
            if (t[static_cast<std::size_t>(b)] == ' ') { pos = from_end == -1 ? b : b + 2; break; }
        }
        call("GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION",
             {n(pick({0, 0, 1, 2, -1})), q(t), n(pos), n(from_end), pick({"0", "5"}), pick({"0", "5"})});
    }
    for (const char* c : {"7", ".", "/", "\\", "-", " ", "a", "", "0", "9", "12", "/x", "\xB9", "'", "\"", ",", "+"}) {
        call("ISVALIDMEASUREMENTNUMERICALCHARACTER", {q(c)});
        for (int system : {0, 1, 2}) call("ISVALIDMEASUREMENTSCALENUMERICALCHARACTER", {n(system), q(c)});
    }
}

// ---- formatting, units and designators --------------------------------------

void formatting() {
    for (int system : {0, 1}) {  // every style, in and out of the table
        for (int style = -1; style <= (system == 0 ? 14 : 7); ++style) {
            for (float len : {76.5f, 12.5f, 11.97f, 0.5f, 100.0f, 39.37f, -13.0f}) {
                call("GETFORMATEDTEXTFROMINCHES", {n(system), n(style), n(pick({0, 1})), f(len), n(pick({16, 2, 3, 64}))});
            }
        }
    }
    for (int i = 0; i < 190; ++i) {
        if (i % 70 == 35) call("SETCONVERSIONDECIMALPLACES", {n(range(-1, 2)), n(places())});
        const int system = chance(60) ? 0 : chance(90) ? 1 : pick({2, -1, 100});
        const int style = chance(90) ? range(0, system == 1 ? 6 : 13) : pick({-1, 14, 15, 7, 100});
        call("GETFORMATEDTEXTFROMINCHES",
             {n(system), n(style), n(chance(90) ? range(0, 1) : pick({2, -1})), f(inches()), n(places())});
    }
    for (int i = 0; i < 50; ++i) {
        call("GETINDIVIDUALMEASUREMENTVALUESFROMINCHES", {n(pick({0, 1, 1, 2})), f(inches()), n(places()), "0", "0", "0"});
    }
    for (int i = 0; i < 25; ++i) {
        call("INCHESTOMILLIMETERS", {d(chance(80) ? static_cast<double>(inches()) : pick({1.0, 12.0, 1e300, -1e-300, 0.3}))});
        call("MILLIMETERSTOINCHES", {f(chance(70) ? inches() * 25.4f : pick({25.4f, 1000.0f, 1e38f, -0.0f}))});
        call("CONVERTMEASUREMENT", {f(inches()), n(chance(85) ? range(0, 1) : pick({-1, 2, 7}))});
    }
    for (int system : {0, 1}) {
        for (int kind = -1; kind <= 9; ++kind) {
            for (float v : {1.0f, 1.5f}) call("GETMEASUREMENTLABEL", {n(system), n(kind), f(v)});
        }
        for (int unit = -1; unit <= 4; ++unit) {
            for (int index = -1; index <= (unit < 0 || unit > 3 ? 0 : 11); ++index) {
                call("GETMEASUREMENTDESIGNATOR", {n(system), n(unit), n(index), n(pick({0, 1, -1}))});
            }
        }
    }
    for (int i = 0; i < 20; ++i) {
        call("GETMEASUREMENTLABEL", {n(pick({2, -1, 5})), n(range(-1, 8)), f(pick({0.0f, -2.0f, 1.0000001f, kNaN, kInf}))});
        call("GETMEASUREMENTDESIGNATOR", {n(pick({5, -1, 2})), n(range(-1, 4)), n(range(-1, 11)), n(pick({0, 1, 7}))});
    }
}

// ---- fractions --------------------------------------------------------------

std::string fraction() {
    switch (below(6)) {
        case 0: return cat({n(range(0, 40)), pick({"/", "/", "\\"}), n(pick({0, 1, 2, 3, 4, 7, 8, 10, 16, 32, 64, 100}))});
        case 1: return cat({n(range(0, 30)), pick({" ", "-", "x", "  ", ""}), n(range(0, 20)), "/", n(pick({2, 4, 16, 3}))});
        case 2: return pick({"7", "", "1/", "/2", "a/b", "3 /4", "3/ 4", "1.5/2", "-3/4", "99999999999/3", "12 7/16 in",
                             "1/2/3", "\\", " 3/4 ", "0625/10000", "3/4\\5", "5\\8", "2 1\\2", "00/00", "1  1/2"});
        case 3: return cat({pick({"x ", "6 ft ", "", "- "}), n(range(1, 12)), " ", n(range(1, 15)), "/16", pick({" in", ""})});
        case 4: return cat({"\xE4", n(range(1, 9)), "/", n(range(1, 9)), "\xFF"});
        default: return cat({n(range(1, 100)), "/", n(range(1, 100))});
    }
}

void fractions() {
    auto den = [] { return n(pick({-1, 0, 1, 2, 3, 4, 8, 16, 32, 64, 100, 7, 1000000})); };
    for (int i = 0; i < 40; ++i) {
        call("BREAKFRACTIONAPART", {q(fraction()), "-7", "-7", "-7", q("")});
        call("CONVERTFRACTIONDENOMINATOR", {q(fraction()), den()});
        call("REDUCEFRACTION", {q(fraction()), den()});
        call("FRACTIONSTRINGTODECIMAL", {q(fraction())});
        const std::string t = fraction();  // the remainder buffer starts as a copy of the text
        call("EXTRACTFRACTIONINTEXTSTRING", {q(t), n(pick({0, -1, 1})), q(t + blanks(2)), "0", "-1"});
    }
    for (int i = 0; i < 60; ++i) {
        const float v = chance(70) ? inches() : pick({0.1f, 0.3333333f, 0.97f, 0.01f, -2.5f, 2.5f, 3.0f, 1e8f, 5e-7f});
        call("DECIMALTOFRACTIONSTRING", {f(v), den()});
    }
}

// ---- fields, lists, reversal ------------------------------------------------

const Strings kValues = {"12.5", "-3e4", "&HFF", "1.5E+300", " .5", "1e-400", "abc", "", "  7ft", "&HFFFF", "&HFFFF&",
                         "&O17", "&B101", "&H", "2D2", "\t7", "\r7", "1e5000", "-0", "0x10", "5.", "+.5e-3", "1.7e308",
                         "99999999999999999999", "1d400", "x y", " a b ", "\xE4\x84", "5E", "&HFFFFFFFF", "- 5", "4.9e-324",
                         "2.2250738585072011e-308", "9007199254740993", "0.1234567890123456789", "123456789012345678901"};
const Strings kDelims = {"", ",", "|", "ab", "\xFF", "\",\"", " | ", "--", "a"};
const Strings kItems = {"a", "", "b", " ", "Red", " Green ", "BLUE", "x|y", "a,b", "\xE4", "\x84\x94", "abab", "--"};

// A record of number texts (with the empty delimiter some fields quoted), or a list of items.
std::string record(const std::string& delim, int fields) {
    std::string s;
    for (int i = 0; i < fields; ++i) {
        std::string v = pick(kValues);
        if (delim.empty() && chance(25)) v = cat({blanks(1), "\"", v, ",", pick(kValues), "\"", chance(30) ? "x" : ""});
        s += (i ? delim : "") + v;
    }
    return s.substr(0, 200);
}
std::string list(const std::string& delim) {
    std::string s;
    for (int i = 0, k = range(0, 6); i < k; ++i) s += (i ? delim : "") + pick(kItems);
    return s;
}

void fields_and_lists() {
    for (int i = 0; i < 180; ++i) {
        const std::string& delim = pick(kDelims);
        const int count = range(1, 8);
        const std::string text = q(record(delim, count));
        const std::string pos = n(chance(70) ? range(1, count) : range(-count - 2, count + 2));
        if (i % 5 == 0) call("PARSECOUNTDLL", {text, q(delim)});
        if (i % 5 == 1) call("GETSTRINGPARTFROMSTRINGBYPOSITION", {text, pos, q(delim)});
        if (i % 5 == 2 || i % 5 == 3) call("GETVALUEFROMSTRINGBYPOSITION", {text, pos, q(delim)});
        if (i % 5 == 4) {
            call(i % 10 == 4 ? "SETSTRINGPARTINSTRINGBYPOSITION" : "SETSTRINGPARTINSTRINGBYPOSITION2",
                 {text, pos, q(chance(20) ? pick({"", " x ", "p,q", "|"}) : pick(kValues)), q(delim)});
        }
    }
    for (int i = 0; i < 32; ++i) {
        const std::string delim = pick(kDelims);
        call("CREATEDELIMITEDSTRING", {q(delim), q(pick(kItems)), q(pick(kItems)), q(pick(kItems)), q(pick(kItems)),
                                       q(pick(kItems)), q(chance(50) ? "" : pick(kItems)), q(""), q(""), q(""),
                                       q(chance(50) ? "" : pick(kItems))});
        call("ADDTODELIMITEDSTRING", {q(list(delim)), q(pick(kItems)), q(delim)});
        const std::string inside = list(delim), item = chance(50) ? inside.substr(0, inside.find(delim)) : pick(kItems);
        const std::string sought = chance(50) ? vary_case(cat({blanks(1), item, blanks(1)})) : item;
        call("ISSTRINGINDELIMITEDSTRING", {q(inside), q(sought), q(delim), n(pick({0, 1, -1})), n(pick({0, 1, 2}))});
        call("REMOVESTRINGINDELIMITEDSTRINGBYPOSITION", {q(list(delim)), n(range(-1, 7)), q(delim)});
        const std::string nuls(static_cast<std::size_t>(range(0, 4)), '\0');  // a NUL-padded fixed-size buffer
        call("STRIPNULL", {q(cat({blanks(3), pick(kItems), blanks(2), nuls, pick({"junk", "", "  "})}))});
        std::string numbers = chance(10) ? "[]" : "";
        for (int j = 0, k = numbers.empty() ? range(1, 8) : 0; j < k; ++j) {
            numbers += (j ? "," : "") + n(chance(80) ? range(-20, 300) : pick({kMin, kMax, 0, 10201}));
        }
        call("CREATEDELIMITEDSTRINGFROMLONGARRAY", {q(delim), numbers});
    }
    for (const char* t : {"abc", "", "a b", "\xE4x\x84", "12.5", ".", ".5.", "-5", " 5", "1e5", "0123456789.", "1,5"}) {
        call("REVERSESTRING", {q(t)});
        call("ISNUMERICDLL", {q(t)});
    }
    for (int i = 0; i < 25; ++i) {
        std::string t = entry(chance(50));
        t.resize(std::min<std::size_t>(t.size(), below(201)));
        if (chance(30)) t.insert(below(t.size() + 1), 1, '\0');
        call(chance(50) ? "REVERSESTRINGDLL" : "REVERSESTRING", {q(t)});
        call("ISNUMERICDLL", {q(chance(50) ? cat({n(range(0, 99999)), pick({"", ".", ".5", "..", "x"})}) : pick(kValues))});
    }
}

// ---- drawing scales and paper rows ------------------------------------------

void scales() {
    for (int system = -1; system <= 2; ++system) {
        for (int part = -1; part <= 2; ++part) {
            for (int entry = -1; entry <= 13; ++entry) {
                const bool inside = system >= 0 && system <= 1 && part >= 0 && part <= 1;
                if (inside || chance(10)) call("GETSCALERATIOVALUE", {n(system), n(part), n(entry)});
            }
        }
    }
    for (int real : {1, 2, 5, 10, 12, 20, 24, 25, 48, 50, 64, 96, 100, 128, 192, 200, 250, 256, 384, 500, 768, 1000}) {
        call("GETINDEXFORSCALERATIOVALUES", {n(pick({0, 1})), "1", n(real)});
        call("GETINCHESPERFOOTFROMSCALERATIO", {"1", n(real)});
        call("GETNEARESTSCALERATIOVALUE", {n(pick({0, 1, 7})), d(1.0 / real)});
    }
    for (int i = 0; i < 20; ++i) {
        call("GETINDEXFORSCALERATIOVALUES", {n(pick({0, 1, 2, -1})), f(pick({0.0f, 1.0f, 2.0f})), f(pick({0.0f, 96.0f, 48.5f}))});
        const float real = pick({0.0f, 3.0f, 7.0f, -0.0f, kInf});
        call("GETINCHESPERFOOTFROMSCALERATIO", {f(inches()), f(chance(50) ? real + unit32() : real)});
        const double ratio = unit64();
        call("GETNEARESTSCALERATIOVALUE", {n(pick({0, 1, -1})), d(chance(70) ? ratio * pick({1.0, 0.1, 0.01, 3.0})
                                                                  : pick({0.0, -1.0, 0.4, 0.02, 0.001, 0.0009, 1e-300}))});
        call("GETCONVERTEDSCALEVALUE", {n(pick({0, 1, 2, -1})), f(chance(80) ? inches() : 25.400051f)});
    }
}

const Strings kPaperNames = {"Generic A4", "  generic a4 ", "GENERIC LETTER", "", "   ", "Generic Custom", "Generic",
                             "Generic  A4", "generic b6", "Generic\xA4", "Generic Letterxx", "x"};

void paper_reads() {
    for (int row = -1; row <= 42; ++row) {
        call("GETPAPERINFONAME", {n(row)});
        call("GETPAPERINFONAMELENGTH", {n(row)});
        call("GETPAPERINFOWIDTH", {n(row), n(pick({1, 2, 0, -2}))});
        call("GETPAPERINFOHEIGHT", {n(row), n(pick({1, 2, 3}))});
        if (row % 5 != 0) continue;
        for (const char* margin : {"GETPAPERINFOTOPMARGIN", "GETPAPERINFOBOTTOMMARGIN", "GETPAPERINFOLEFTMARGIN",
                                   "GETPAPERINFORIGHTMARGIN"}) {
            call(margin, {n(row)});
        }
        call("GETPAPERINFOITEM", {n(row), q(""), "-1", "-1", "-1", "-1", "-1", "-1"});
    }
    for (int i = 0; i < 24; ++i) {  // sizes of the rows as stored, turned, in millimetres, or a little off
        const int row = range(0, 40);
        float w = GETPAPERINFOWIDTH(row, 1), h = GETPAPERINFOHEIGHT(row, 1);
        const bool metric = chance(30);
        if (metric) w = static_cast<float>(INCHESTOMILLIMETERS(w)), h = static_cast<float>(INCHESTOMILLIMETERS(h));
        if (chance(40)) std::swap(w, h);
        if (chance(15)) w += 0.01f;
        call("GETPAPERINDEXFROMPAPERSIZE", {n(metric ? 1 : pick({0, 2})), f(w), f(h), "-5"});
    }
    for (const std::string& name : kPaperNames) call("GETPAPERINDEXFROMPAPERNAME", {q(name)});
}

void paper_writes_then_reset() {
    const char* setters[] = {"SETPAPERINFOWIDTH", "SETPAPERINFOHEIGHT", "SETPAPERINFOTOPMARGIN",
                             "SETPAPERINFOBOTTOMMARGIN", "SETPAPERINFOLEFTMARGIN", "SETPAPERINFORIGHTMARGIN"};
    for (int i = 0; i < 24; ++i) {
        const int row = chance(85) ? range(0, 40) : pick({-1, 41, 1000});
        const std::string name = pick({"Plan", "  Padded ", "Exactly16Bytes!!", "A Twenty Byte Name..", "",
                                       "\xE4\x84 Sheet", "generic a4", "Generic Letter"});
        call("SETPAPERINFOITEM", {n(row), q(name), f(inches()), f(inches()), f(0.5f), f(unit32()), f(-0.0f), f(kNaN)});
        call(setters[i % 6], {n(row), f(inches())});
        call("GETPAPERINFOITEM", {n(row), q(""), "0", "0", "0", "0", "0", "0"});
        call("GETPAPERINFONAMELENGTH", {n(row)});
        call("GETPAPERINDEXFROMPAPERNAME", {q(name)});
    }
    for (int ub : {-1, 10, 40, 100}) call("SIZEPAPERINFOARRAY", {n(ub)});
    call("INITIALIZEDLL");  // rows 0 to 40 back to their defaults
    call("GETUBPAPERINFOARRAY");
    for (int row = -1; row <= 41; ++row) call("GETPAPERINFOITEM", {n(row), q(""), "0", "0", "0", "0", "0", "0"});
    for (const std::string& name : kPaperNames) call("GETPAPERINDEXFROMPAPERNAME", {q(name)});
}

// ---- symbol catalogue -------------------------------------------------------

int last_item(int sub) {  // a few past the last item type of each subcategory
    constexpr int last[] = {2, 6, 16, 6, 35, 40, 2};
    return sub >= 0 && sub <= 6 ? last[sub] : 2;
}
int item_for(int sub) { return chance(20) ? pick({235, 248, 249, 254, 10201, 0, -1}) : range(0, last_item(sub)); }

// A catalogue key: mostly an item that has sub-items (found through the library's
// code strings) with a sub-item inside or just outside its list, else any key.
struct Item { int sub, item, count; };
std::vector<Item> items_with_subitems;
Strings key() {
    if (chance(75) && !items_with_subitems.empty()) {
        const Item& k = items_with_subitems[below(items_with_subitems.size())];
        return {"1", n(k.sub), n(k.item), n(chance(70) ? range(1, k.count) : pick({0, k.count + 1, -1}))};
    }
    const int sub = chance(92) ? range(0, 6) : pick({-1, 7});
    return {n(chance(90) ? 1 : range(-1, 7)), n(sub), n(item_for(sub)), n(range(-1, 30))};
}

void catalogue() {
    items_with_subitems.clear();  // found again each round, the same
    for (int sub = 1; sub <= 5; ++sub) {
        for (int item = 1; item <= 260; item += item == 40 ? 195 : 1) {  // 1 to 40, then 235 to 260
            const std::string codes = host(GETSUBITEMTYPESCODESTRING(1, sub, item));
            const auto count = static_cast<int>(std::count(codes.begin(), codes.end(), '\xFF'));
            if (!codes.empty()) items_with_subitems.push_back({sub, item, count + 1});
        }
    }
    for (int s = -1; s <= 7; ++s) call("GETDESCRIPTIONFORCATEGORYTYPE", {"1", n(s)});
    for (int c = -1; c <= 7; ++c) for (int s : {0, 99}) call("GETDESCRIPTIONFORCATEGORYTYPE", {n(c), n(s)});
    for (int t = -1; t <= 13; ++t) call("GETDESCRIPTIONFORDRAWINGTOOLTYPE", {n(t)});
    for (int t = -1; t <= 5; ++t) call("GETDESCRIPTIONFORWIRETYPE", {n(t)});

    // Item names of every subcategory; the library's names, varied, feed the reverse lookup.
    std::vector<std::pair<int, std::string>> names = {{-1, "Wire"}, {-1, "Speaker"}, {-1, "Battery Backup (UPS)"},
                                                      {-1, "General"}, {-1, "Graphic Objects"}, {-1, "TELEPHONEJACKS"}};
    for (int sub = -1; sub <= 7; ++sub) {
        const int last = last_item(sub), shared[] = {235, 248, 249, 254, 10201};
        for (int k = 0; k <= last + 5; ++k) {
            const int item = k <= last ? k : shared[k - last - 1];
            call("GETSYMBOLITEMNAMEFROMTYPE", {"1", n(sub), n(item), n(pick({0, 1, 7, -1}))});
            for (int plural : {0, 1}) {
                if (std::string s = host(GETSYMBOLITEMNAMEFROMTYPE(1, sub, item, plural)); !s.empty()) names.emplace_back(sub, s);
            }
        }
    }
    for (int i = 0; i < 15; ++i) call("GETSYMBOLITEMNAMEFROMTYPE", {n(pick({0, 2, 3, -1, 6})), n(range(0, 5)), n(range(1, 5)), "1"});
    for (int i = 0; i < 80; ++i) {
        auto [sub, name] = names[below(names.size())];
        if (sub < 0 || chance(20)) sub = range(-1, 7);
        std::string inner = name;  // an inner blank doubled
        if (const auto b = inner.find(' '); b != std::string::npos) inner.insert(b, " ");
        const std::string other = name.back() == 's' ? name.substr(0, name.size() - 1) : name + "s";
        name = pick({vary_case(name), cat({blanks(3), vary_case(name), blanks(2)}), other, inner, name + "\t", blanks(4),
                     name + "\xE4", name});
        call("GETSYMBOLITEMTYPEFROMNAME", {n(chance(90) ? 1 : pick({0, 2, -1})), n(sub), q(name)});
    }
    for (int i = 0; i < 90; ++i) call("GETSYMBOLSUBITEMNAMEFROMTYPE", key());

    // Library names: stems from the library, with the suffix in any case and damaged.
    for (int i = 0; i < 45; ++i) {
        const int c = chance(90) ? range(0, 7) : pick({-1, 10201, kMin});
        const int s = chance(90) ? range(0, 7) : -1, item = chance(80) ? range(-1, 40) : pick({235, 254, -3});
        call("GETLIBRARYNAMEFROMCATEGORIES", {n(c), n(s), n(item)});
        const std::string stem = host(GETLIBRARYNAMEFROMCATEGORIES(c, s, item));
        const std::string name = stem + (chance(80) ? vary_case("_LIB.VDF") : "");
        const std::string used = chance(50) ? vary_case(name)
                                            : pick({"lib_" + name, name + ".bak", name + "_9_LIB.VDF", name + "_", name + " ",
                                                    "C:\\libs\\" + name, "lib__" + name.substr(4), "lib_1a_LIB.VDF",
                                                    "lib_-1_LIB.VDF", "lib_ 1_LIB.VDF", "", "abc", "lib"});
        call("GETCATEGORIESFROMLIBRARYNAME", {q(used), "7", "7", "7"});
        call("ISVALIDLIBRARYNAME", {q(used)});
    }

    // Code strings.
    for (int c = -1; c <= 7; ++c) call("GETSUBCATEGORIESCODESTRING", {n(c)});
    for (int c = -1; c <= 3; ++c) for (int s = -1; s <= 7; ++s) call("GETITEMTYPESCODESTRING", {n(c), n(s)});
    for (int i = 0; i < 60; ++i) {
        Strings k = key();
        k.pop_back();
        call("GETSUBITEMTYPESCODESTRING", k);
    }

    // Object codes, text-box part names, wall-snap indexes and view lists.
    const Strings fields[] = {{"1", "1", "1.0", " 1", "2", "9", "", "x"},
                              {"1", "1", "0", "4", "5", "1.4", " 1", "-1"},
                              {"1", "1", "254", "250", "252", "12", "13", "14", "255", "249", "1.0", "&H1", "1e0"},
                              {"1", "2", "3", "0", "-2", "2.5", "", "x"}, {"extra", "", "7"}, {"1"}};
    for (int i = 0; i < 45; ++i) {
        std::string code;
        for (int j = 0, k = chance(80) ? range(3, 6) : range(1, 2); j < k; ++j) code += (j ? "," : "") + pick(fields[j]);
        call("ISOBJECTAWIRE", {q(code)});
        call("ISOBJECTAWALL", {q(code)});
    }
    for (int i = 0; i < 30; ++i) {
        const std::string box = pick({"TEXTBOX PRIMARY", "TEXTBOX SECONDARY", "TEXTBOX BOUNDRY", "TEXTBOX BACKGROUND",
                                      "TEXTBOX BOUNDARY"});
        const std::string name = pick({box + " 7", box + "\xE4", box.substr(0, box.size() - 1), " " + box, box});
        call("ISOBJECTPARTOFTEXTBOX", {q(chance(20) ? vary_case(name) : name)});
    }
    for (int i = 0; i < 100; ++i) call("GETOBJECTWALLSNAPINDEXFROMCATEGORIES", key());
    call("GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX");
    const Strings views = {"1,2,3", "1, 2 ,3", "2.5", "", " 7", "&H3", "\"2,3\",4", "0", "x,1", ",,", "-1", "3,3", "10,20"};
    for (int i = 0; i < 35; ++i) call("ISSYMBOLVIEWNUMBERVALID", {n(pick({-1, 0, 1, 2, 3, 4, 7, 20})), q(pick(views))});

    // The characters forbidden in user-given names, and the test against them.
    for (const char* g : {"GETFOLDERNAMEINVALIDCHARACTERS", "GETCATEGORYNAMEINVALIDCHARACTERS",
                          "GETCIRCUITNAMEINVALIDCHARACTERS", "GETSYMBOLNAMEINVALIDCHARACTERS"}) {
        call(g);
    }
    const Strings sets = {host(GETFOLDERNAMEINVALIDCHARACTERS()), host(GETCATEGORYNAMEINVALIDCHARACTERS()),
                          host(GETCIRCUITNAMEINVALIDCHARACTERS()), host(GETSYMBOLNAMEINVALIDCHARACTERS()), "", "cb", "\xE4"};
    const Strings texts = {"Kitchen", "Kitchen:1", "a?b/c", "a?b", "Main_Floor", "", "abc", "say \"hi\"", "x.y,z", "\xE4"};
    for (int i = 0; i < 40; ++i) call("STRINGCONTAINSCHARACTERS", {q(pick(texts)), q(pick(sets))});
}

// ---- angles, rectangles, bits -----------------------------------------------

double angle() {
    switch (below(6)) {
        case 0: return range(-800, 800);
        case 1: return range(-1440, 1440) * 0.5;
        case 2: return pick({0.0, -0.0, 359.0, 359.5, 360.0, -360.0, -359.0, 725.0, -725.0, 1e300, -1e300, 1e-300, 180.0,
                             720.0, 359.0000000001, double{kInf}, -double{kInf}, double{kNaN}});
        case 3: return unit64() * 720 - 360;
        case 4: return 15.0 * range(-30, 60);
        default: return unit64() * 14 - 7;
    }
}
// Corners on a half-unit grid between lo and hi, now and then odd; or a fixed rectangle in any corner order.
std::string rect(int lo, int hi) {
    auto c = [&] { return chance(97) ? d(range(2 * lo, 2 * hi) * 0.5) : d(pick({-0.0, double{kNaN}, 1e300})); };
    if (chance(45)) return pick({"0,0,10,10", "0,0,10,10", "2,3,8,7", "10,10,0,0", "0,10,10,0", "10,0,0,10"});
    return cat({c(), ",", c(), ",", c(), ",", c()});
}

void geometry() {
    for (int i = 0; i < 22; ++i) {
        call("REDUCETO360DEGREEANGLE", {d(angle()), n(pick({0, 1, -1}))});
        call("ADDANGLEOFFSET", {d(angle()), d(angle())});
        call("ROTATEDEGREESVALUE", {d(angle()), d(angle())});
        call("ROTATERADIANSVALUE", {d(angle()), d(chance(80) ? unit64() * 8 - 4 : angle())});
        call("ROTATETONEXTDEGREEVALUE", {d(angle()), d(chance(95) ? pick({15.0, -15.0, 0.5, 90.0, -90.0, 7.5, 400.0}) : 0.0)});
        call("ANGLEPASSEDTHROUGHZERO", {d(angle()), d(angle())});
        call("GETOFFSETFROMANGLES", {d(angle()), d(angle()), n(chance(85) ? range(0, 2) : pick({-1, 3, 7})),
                                     d(chance(60) ? 0.0 : pick({5.0, -5.0, 90.0, 1e-300}))});
    }
    for (int i = 0; i < 30; ++i) {
        call("SETRECTLOWERLEFTJUSTIFIED", {d(angle()), d(angle()), d(angle()), d(angle())});
        call("ISPOINTINRECTDOUBLE", {d(range(-2, 22) * 0.5), d(range(-2, 22) * 0.5), rect(-1, 11), n(pick({0, 0, 1, -1}))});
        call("RECTINRECT", {rect(-2, 12), chance(50) ? rect(0, 10) : rect(-5, 15)});
    }
    for (int i = 0; i < 25; ++i) {  // the indexes stay inside the list passed
        std::vector<int> values(static_cast<std::size_t>(range(1, 8)));
        std::string elements;
        for (int& v : values) elements += cat({elements.empty() ? "" : ",", n(v = chance(90) ? range(0, 9) : kMin)});
        const int count = static_cast<int>(values.size()), first = range(0, count - 1);
        const int last = chance(85) ? range(first, count - 1) : range(0, count - 1);
        const int value = chance(60) ? values[static_cast<std::size_t>(range(0, count - 1))] : range(0, 9);
        call("ISVALUEINLONGARRAY", {n(value), elements, n(last), n(first)});
    }
    auto value = [] { return n(chance(70) ? static_cast<int32_t>(rng()) : pick({0, -1, 1, 5, 8, -2, kMin, kMax})); };
    auto bit = [] { return n(chance(80) ? range(0, 31) : pick({-1, -2, 32, 33, 64, 100, kMin})); };
    for (int i = 0; i < 15; ++i) {
        call("GETTOTALBITSSET", {value(), n(range(-2, 40))});
        call("GETFIRSTBITSET", {value(), n(range(-3, 34)), n(range(-2, 40))});
        for (const char* name : {"EXAMINEBIT", "CLEARBIT", "SETBIT", "TOGGLEBIT"}) call(name, {value(), bit()});
        call("SHIFTBITSLEFT", {value(), n(range(-33, 65))});
        call("SHIFTBITSRIGHT", {value(), n(range(-33, 65))});
        call("ROTATEBITSLEFT", {n(range(0, 255)), n(range(-17, 17))});
        call("ROTATEBITSRIGHT", {n(range(0, 255)), n(chance(90) ? range(-17, 17) : kMin)});
    }
}

// ---- paths ------------------------------------------------------------------

void paths() {
    const Strings drives = {"", "", "C:", "d:", "x:", ":", "\\\\server", "1:"};
    const Strings dirs = {"", "\\", "\\dir\\", "dir\\sub\\", "\\a b\\c\\", "/unix/style/", "\\\xE4\\", "\\\\", "\\dir\\sub"};
    const Strings files = {"file.txt", " file.txt ", "", "a", "no ext", "\xE4\x84.vdf", "x\\", "lib_1_4_LIB.VDF", "  "};
    for (int i = 0; i < 30; ++i) {
        const std::string path = q(cat({pick(drives), pick(dirs), pick(files), chance(10) ? "\\" : ""}));
        for (const char* name : {"GETDIRECTORYFROMPATH", "GETDRIVEFROMPATH", "GETFILENAMEFROMPATH", "REMOVEFILENAMEFROMFULLPATH"}) {
            call(name, {path});
        }
    }
    for (int i = 0; i < 25; ++i) {
        call("GETEXPORTFILENAME", {q(pick({" Plan ", "Plan", "", "  ", "a b", "\xE4", "C:\\x"})), n(range(-1, 8)),
                                   n(chance(80) ? range(-20, 2000) : pick({kMin, kMax}))});
    }
}

// ---- random values: the generator is never seeded, so its sequence is fixed --

uint32_t generator = 0xFFFFFFFFu;  // the library's state, followed to plant the values about to be drawn
int32_t draw(uint32_t& s) {
    s = s * 134775813u + 1u;
    return 10000 + static_cast<int32_t>((static_cast<uint64_t>(s >> 1) * 2147473648ULL) >> 31);
}
void random_values(int count) {
    for (int i = 0; i < count; ++i, draw(generator)) call("GETRANDOMLONGVALUE");
}
void unique_ids() {
    for (int i = 0; i < 6; ++i) {
        uint32_t ahead = generator;
        std::vector<int32_t> ids;
        for (int j = 0, k = range(1, 6); j < k; ++j) ids.push_back(chance(50) ? draw(ahead) : range(0, 50000));
        std::string elements;
        for (int32_t v : ids) elements += (elements.empty() ? "" : ",") + n(v);
        const int upper = i == 0 ? -1 : range(0, static_cast<int>(ids.size()) - 1);
        call("GETUNIQUERECORDID", {elements, n(upper)});
        for (bool taken = upper >= 0; taken;) {  // every attempt draws once
            const int32_t v = draw(generator);
            taken = std::find(ids.begin(), ids.begin() + upper + 1, v) != ids.begin() + upper + 1;
        }
    }
}

// ---- the script ---------------------------------------------------------------

// Every group once, in this order. Later rounds repeat it with the draws
// going on: the calls are new, and the random values and identifiers follow
// the library's generator on from where the round before left it.
void one_round() {
    for (int reason = -1; reason <= 4; ++reason) call("LIBMAIN", {"0", n(reason), n(reason == 1 ? 0 : 7)});
    call("GETUBPAPERINFOARRAY");
    random_values(5);
    typed_lengths();
    formatting();
    unique_ids();
    fractions();
    fields_and_lists();
    random_values(3);
    scales();
    paper_reads();
    catalogue();
    geometry();
    paths();
    unique_ids();
    random_values(2);
    paper_writes_then_reset();  // the setters last: later calls would see the rows they changed
}

// A seed: a whole number from 0 to 2^64 - 1, decimal or 0x hexadecimal.
uint64_t seed_arg(const std::string& text) {
    std::string_view s = text;
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    uint64_t seed = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), seed, base);
    if (s.empty() || r.ptr != s.data() + s.size() || r.ec != std::errc{}) {
        throw UsageError{"option --seed " + brief(text) +
                         " is not a whole number from 0 to 18446744073709551615 (decimal or 0x hexadecimal)"};
    }
    return seed;
}

int run_calls(const Args& args) {
    const Cli cli(args, {}, {"--seed", "--count"});
    cli.expect(0, 0, "wqj calls [--seed N] [--count K]");
    const std::string* seed = cli.value("--seed");
    const std::string* count = cli.value("--count");
    rng.seed(seed ? seed_arg(*seed) : kDefaultSeed);
    lines_left = count ? integer_arg(*count, "option --count", 1, INT32_MAX) : -1;
    generator = 0xFFFFFFFFu;  // as the library loads: never seeded
    // The paper sizes looked up come from this process's rows, the defaults
    // INITIALIZEDLL made before the command ran.
    do {
        one_round();
    } while (lines_left > 0 && !std::ferror(stdout));  // a closed pipe wants no more
    return 0;
}

}  // namespace

void add_calls_command(std::vector<Command>& list) {
    list.push_back({"calls", "print a seeded script of calls to compare two libraries",
                    "usage: wqj calls [--seed N] [--count K]\n\n"
                    "Prints a script for wqj call --script, one call a line, that drives the\n"
                    "exports taking numbers or text (111 of the 116) through their rules, edges\n"
                    "and odd values: typed lengths and the numbers in them, lengths in every\n"
                    "display style, units and labels, fractions, fields and lists, number texts,\n"
                    "reversal, drawing scales, paper rows (read; written last, then reset with\n"
                    "INITIALIZEDLL), catalogue keys and names, library names, code strings,\n"
                    "object codes, angles, rectangles, bits, paths, random values and record\n"
                    "identifiers (the generator as loaded, never seeded). Left out are the five\n"
                    "whose results depend on the machine or the moment:\n"
                    "CONVERTTEXTSTRINGVALUETOINCHESERRORMSG (a window and a message box),\n"
                    "GETSPECIALFOLDERLOCATION, GETMOUSEBUTTON, GETKEYSTATE and\n"
                    "RANDOMIZEDLLGENERATOR.\n\n"
                    "The script depends only on the seed and the count (and on the catalogue\n"
                    "names, code strings and paper sizes of the library wqj runs with, which\n"
                    "some calls are made from): the same on every machine, from the native wqj\n"
                    "and from wqj.exe (which ends its lines with CR LF). Texts are quoted for\n"
                    "--escapes, so every line is printable ASCII, and every line runs in\n"
                    "wqj call without a usage error.\n\n"
                    "  --seed N   the seed: 0 to 18446744073709551615, decimal or 0x hexadecimal\n"
                    "             (default 0x57514A444C4C3031, that is 6291891811611586609)\n"
                    "  --count K  K calls, 1 to 2147483647. Without it the script is one round:\n"
                    "             every group once, about 4,000 calls. With it, rounds follow\n"
                    "             one another, the draws going on, until K lines are printed:\n"
                    "             the first round is the script without --count, and a smaller\n"
                    "             K gives the first K lines of a larger one (same seed).\n"
                    "  --json     one object a line, {\"call\": LINE}\n\n"
                    "Comparing two libraries of these exports (two releases, or two builds):\n"
                    "make the script once and run that file through each, in one wqj call\n"
                    "process each, so the library's state carries from line to line as in a\n"
                    "program, and compare:\n"
                    "  wqj calls --count 100000 > s.txt\n"
                    "  wqj call --bits --script s.txt > a.txt     (wqj with the one library)\n"
                    "  wqj call --bits --script s.txt > b.txt     (wqj with the other)\n"
                    "  diff a.txt b.txt\n"
                    "--bits prints each float and double with its bit pattern too, so a\n"
                    "difference of one bit shows. wqj.exe uses the WQJDLL.dll in its own\n"
                    "folder; the native wqj the libwqjdll.so.0 that LD_LIBRARY_PATH names\n"
                    "first; wqj --version names the file it loaded.\n",
                    run_calls});
}

}  // namespace wqjtool

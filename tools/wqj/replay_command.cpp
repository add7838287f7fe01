// wqj replay FILE: runs the calls of a transcript of `wqj call --bits
// --script` again, in order and in this one process, through wqj call's own
// reading and printing, and compares what each call prints now with what
// was recorded.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/wqj/call.h"
#include "tools/wqj/commands.h"
#include "tools/wqj/entry_watch.h"
#include "tools/wqj/transcript.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

constexpr const char* kUsage = "wqj replay [--strict] [--json] [--escapes] [--room N] FILE";

// One call of the transcript: its "> LINE" and the output lines after it.
struct RecordedCall {
    long line_number = 0;
    std::string line;
    std::vector<std::string> output;
    std::vector<long> output_lines;  // each output line's line number in the file
};

enum class Verdict { Identical, Differs, Mended, NotCompared, Usage };

const char* verdict_name(Verdict v) {
    switch (v) {
        case Verdict::Identical: return "identical";
        case Verdict::Differs: return "differs";
        case Verdict::Mended: return "mended";
        case Verdict::NotCompared: return "not compared";
        case Verdict::Usage: return "usage";
    }
    return "";
}

struct Tally {
    long calls = 0;
    long identical = 0;
    long differing = 0;
    long mended = 0;
    long not_compared = 0;
    long usage = 0;

    void count(Verdict v) {
        ++calls;
        switch (v) {
            case Verdict::Identical: ++identical; break;
            case Verdict::Differs: ++differing; break;
            case Verdict::Mended: ++mended; break;
            case Verdict::NotCompared: ++not_compared; break;
            case Verdict::Usage: ++usage; break;
        }
    }
    JsonObject json() const {
        return JsonObject{}
            .integer("calls", calls)
            .integer("identical", identical)
            .integer("differing", differing)
            .integer("mended", mended)
            .integer("not_compared", not_compared)
            .integer("usage", usage);
    }
};

std::vector<std::string> lines_of(const std::string& output) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find('\n', start);
        out.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// ---- calls whose results belong to the machine or the moment ----------------------

// The generator is in the state it has at load (as in the recording, which
// also began in a new process) until a call seeds it from the clock; from
// then on no draw can be the same on another run.
struct Generator {
    long seeded_at = 0;  // the line of the call that seeded it from the clock
};

std::optional<std::string> not_comparable(const std::string& name, const std::vector<CallArgument>& args,
                                          Generator& generator) {
    if (name == "GETSPECIALFOLDERLOCATION") return "the path of a special folder is this machine's";
    if (name == "GETMOUSEBUTTON") return "the mouse buttons at the moment of the call";
    if (name == "GETKEYSTATE") return "the key's state at the moment of the call";
    // With an upper index below 0 GETUNIQUERECORDID draws nothing and gives 0.
    const bool draws = name == "GETRANDOMLONGVALUE" || (name == "GETUNIQUERECORDID" && args.size() == 2 && args[1].integer >= 0);
    if (draws && generator.seeded_at != 0)
        return "draws from the generator seeded from the clock at line " + std::to_string(generator.seeded_at);
    return std::nullopt;
}

// ---- behaviours this library mends on purpose ----------------------------------------

bool blank(char c) { return c == ' '; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// Read backward up to the end of `s`, the drawing program's rule took the
// last fraction before it (the last "N/D", else the last "N\D") wherever it
// stood; the mended rule takes it only when nothing but blanks follows it.
// True when the two can differ: that fraction exists and something else
// follows it.
bool fraction_not_directly_before(std::string_view s) {
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    std::size_t slash = s.rfind('/');
    if (slash == std::string_view::npos) slash = s.rfind('\\');
    if (slash == std::string_view::npos || slash == 0 || slash + 1 >= s.size()) return false;
    if (!digit(s[slash - 1]) || !digit(s[slash + 1])) return false;
    std::size_t end = slash + 1;
    while (end < s.size() && digit(s[end])) ++end;
    return end < s.size();
}

// An entry's units each read their number backward from the unit word, a
// word between blanks that holds no digit: true when, for one of them, the
// last fraction before it stands there but not directly before it. One pass
// over the entry.
bool fraction_read_with_another_unit(std::string_view text) {
    struct Slash {
        std::size_t at = std::string_view::npos;
        std::size_t digits_end = 0;  // the end of the digits after it
    };
    Slash last_slash, last_backslash;
    std::size_t previous_word_end = 0;  // 0: no word yet
    for (std::size_t i = 0; i < text.size();) {
        if (blank(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        bool has_digit = false;
        for (; end < text.size() && !blank(text[end]); ++end) has_digit = has_digit || digit(text[end]);
        if (!has_digit && previous_word_end > 0) {
            const Slash& f = last_slash.at != std::string_view::npos ? last_slash : last_backslash;
            if (f.at != std::string_view::npos && f.at > 0 && f.at + 1 < previous_word_end && digit(text[f.at - 1]) &&
                digit(text[f.at + 1]) && f.digits_end < previous_word_end)
                return true;
        }
        for (std::size_t k = i; k < end; ++k) {
            if (text[k] != '/' && text[k] != '\\') continue;
            Slash& f = text[k] == '/' ? last_slash : last_backslash;
            f.at = k;
            f.digits_end = k + 1;
            while (f.digits_end < end && digit(text[f.digits_end])) ++f.digits_end;
        }
        previous_word_end = end;
        i = end;
    }
    return false;
}

struct Mend {
    std::string reason;
    std::vector<std::string> fields;  // the only fields it changes ("result" for the result)
};

const char* const kJoinedFields =
    "with an empty delimiter the record keeps its commas and quotes (the drawing program's rule joined the "
    "comma-separated fields with nothing between them)";
const char* const kJoinedItems =
    "with an empty delimiter the kept items are joined by commas with all their bytes (the drawing program's "
    "rule joined them with nothing between them and dropped their quotes and blanks)";
const char* const kOwnFraction =
    "a number read backward takes a fraction only when it stands directly before it (the drawing program's rule "
    "took the last fraction anywhere before it)";
const char* const kEntryFraction =
    "each unit's number takes a fraction only when it stands directly before it (the drawing program's rule took "
    "an earlier unit's fraction again)";
const char* const kWriteBack =
    "an accepted entry is written back only as a text that reads back as the accepted length, else left as typed "
    "(the drawing program's rule wrote the style's text with three decimals or thirds, another length)";

// The mend that applies to this call, when its arguments are those that
// make the two rules differ.
std::optional<Mend> mend_for(const std::string& name, const std::vector<CallArgument>& a) {
    auto has_any = [](const std::string& s, std::string_view bytes) { return s.find_first_of(bytes) != std::string::npos; };
    if ((name == "SETSTRINGPARTINSTRINGBYPOSITION" || name == "SETSTRINGPARTINSTRINGBYPOSITION2") && a.size() == 4 &&
        a[3].bytes.empty() && has_any(a[0].bytes, ","))
        return Mend{kJoinedFields, {"result", "text"}};
    if (name == "REMOVESTRINGINDELIMITEDSTRINGBYPOSITION" && a.size() == 3 && a[2].bytes.empty() &&
        has_any(a[0].bytes, ",\" "))
        return Mend{kJoinedItems, {"list"}};
    if (name == "GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION" && a.size() == 6 && a[3].integer == -1 &&
        a[2].integer >= 1 &&
        fraction_not_directly_before(std::string_view(a[1].bytes).substr(0, static_cast<std::size_t>(a[2].integer))))
        return Mend{kOwnFraction, {"result", "start", "end"}};
    if (name == "CONVERTTEXTSTRINGVALUETOINCHES" && a.size() == 4 && fraction_read_with_another_unit(a[0].bytes))
        return Mend{kEntryFraction, {"result", "error_start", "error_end"}};
    if (name == kEntryExport && a.size() == 9 && fraction_read_with_another_unit(a[1].bytes))
        return Mend{kEntryFraction, {"result", "window", "message"}};
    return std::nullopt;
}

// The validated entry accepted the entry (no message box) and the recorded
// window shows what the drawing program's rule wrote back: the style's text
// of the result with 3 (decimals or the largest denominator).
bool written_back_by_old_rule(const std::string& name, const std::vector<CallArgument>& a,
                              const std::vector<std::string>& recorded, const std::vector<std::string>& now) {
    if (name != kEntryExport || a.size() != 9 || !a[0].edit || now.empty()) return false;
    // The result line: "76.25 (0x42988000)".
    const std::size_t bits = now[0].rfind("(0x");
    if (bits == std::string::npos) return false;
    const uint32_t pattern = static_cast<uint32_t>(std::strtoul(now[0].c_str() + bits + 3, nullptr, 16));
    float result;
    std::memcpy(&result, &pattern, sizeof result);
    std::string window_line;
    for (const std::string& line : recorded) {
        if (line.rfind("message = ", 0) == 0) return false;
        if (line.rfind("window = ", 0) == 0) window_line = line;
    }
    const std::string old = take(GETFORMATEDTEXTFROMINCHES(a[5].integer, a[6].integer, a[7].integer, result, 3));
    return window_line == "window = " + quoted(old);
}

// ---- comparing -------------------------------------------------------------------------

// The field an output line shows: "result" for the result line, else the
// name before " = ".
std::string field_of(const std::string& line, std::size_t index, bool has_result) {
    if (index == 0 && has_result) return "result";
    const std::size_t equals = line.find(" = ");
    return equals == std::string::npos ? line : line.substr(0, equals);
}

// Where the value of an output line starts (after "name = ").
std::size_t value_start(const std::string& line, std::size_t index, bool has_result) {
    if (index == 0 && has_result) return 0;
    const std::size_t equals = line.find(" = ");
    return equals == std::string::npos ? 0 : equals + 3;
}

// The line without its bit patterns (" (0x3FC00000)"): how it reads without --bits.
std::string without_bits(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        if (line.compare(i, 4, " (0x") == 0) {
            std::size_t j = i + 4;
            while (j < line.size() && std::isxdigit(static_cast<unsigned char>(line[j]))) ++j;
            if (j > i + 4 && j < line.size() && line[j] == ')') {
                i = j + 1;
                continue;
            }
        }
        out += line[i++];
    }
    return out;
}

struct FirstDifference {
    std::size_t index = 0;    // of the output line
    std::string field;
    std::optional<std::size_t> at;  // 1-based byte of the value; none when one side has no such line
    long file_line = 0;       // the recorded line's line number, or the call's
    std::string text;         // for people
};

FirstDifference first_difference(const RecordedCall& call, const std::vector<std::string>& now, bool has_result) {
    const std::vector<std::string>& was = call.output;
    std::size_t i = 0;
    while (i < was.size() && i < now.size() && was[i] == now[i]) ++i;
    FirstDifference d;
    d.index = i;
    d.file_line = i < was.size() ? call.output_lines[i] : call.line_number;
    const std::string line_note = " (line " + std::to_string(d.file_line) + ")";
    if (i < was.size() && i < now.size()) {
        d.field = field_of(was[i], i, has_result);
        const std::size_t start = value_start(was[i], i, has_result);
        std::size_t k = 0;
        while (k < was[i].size() && k < now[i].size() && was[i][k] == now[i][k]) ++k;
        d.at = k >= start ? k - start + 1 : 1;
        const bool result = i == 0 && has_result;
        d.text = (result ? "the result" : d.field) + ", at byte " + std::to_string(*d.at) +
                 (result ? "" : " of its value") + line_note;
        if (without_bits(now[i]) == was[i]) d.text += "; recorded without --bits? replay compares bit patterns";
    } else if (i < was.size()) {
        d.field = field_of(was[i], i, has_result);
        d.text = d.field + " is recorded but not printed now" + line_note;
    } else {
        d.field = field_of(now[i], i, has_result);
        d.text = d.field + " is printed now but was not recorded (after line " +
                 std::to_string(call.output.empty() ? call.line_number : call.output_lines.back()) + ")";
    }
    return d;
}

// Whether every differing line is one of the fields the mend changes, and
// the two outputs have the same lines.
bool only_mended_fields(const RecordedCall& call, const std::vector<std::string>& now, bool has_result,
                        const Mend& mend) {
    if (call.output.size() != now.size()) return false;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (call.output[i] == now[i]) continue;
        const std::string field = field_of(call.output[i], i, has_result);
        if (field != field_of(now[i], i, has_result)) return false;
        bool listed = false;
        for (const std::string& f : mend.fields) listed = listed || f == field;
        if (!listed) return false;
    }
    return true;
}

// ---- reporting ------------------------------------------------------------------------

// A long line cut to the part around byte `at` (0-based), with its length.
std::string excerpt(const std::string& s, std::size_t at = 0) {
    constexpr std::size_t kShown = 160;
    if (s.size() <= kShown + 40) return s;
    const std::size_t start = at > 60 ? at - 60 : 0;
    const std::size_t end = std::min(s.size(), start + kShown);
    return (start > 0 ? "..." : "") + s.substr(start, end - start) + (end < s.size() ? "..." : "") + " (" +
           std::to_string(s.size()) + " bytes)";
}

std::vector<std::string> json_texts(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) out.push_back(json_text(l));
    return out;
}

struct Outcome {
    Verdict verdict = Verdict::Identical;
    std::string export_name;  // empty when the line names no export
    std::string reason;       // mended, not compared, usage
    std::vector<std::string> now;
    std::optional<FirstDifference> difference;
    std::optional<std::vector<std::string>> compared;  // the recorded lines compared, when not all of them
};

void report(const RecordedCall& call, const Outcome& o) {
    const std::vector<std::string>& recorded = o.compared ? *o.compared : call.output;
    if (json_output) {
        JsonObject j;
        j.integer("line", call.line_number).text("call", call.line);
        j.add("export", o.export_name.empty() ? "null" : json_text(o.export_name));
        j.text("verdict", verdict_name(o.verdict));
        if (!o.reason.empty()) j.text("reason", o.reason);
        if (o.difference) {
            j.text("field", o.difference->field);
            j.integer("field_line", o.difference->file_line);
            j.add("at", o.difference->at ? std::to_string(*o.difference->at) : "null");
        }
        if (o.verdict != Verdict::Usage) j.add("recorded", json_list(json_texts(recorded))).add("now", json_list(json_texts(o.now)));
        emit(j);
        return;
    }
    std::printf("line %ld: %s\n", call.line_number, excerpt(call.line).c_str());
    switch (o.verdict) {
        case Verdict::Usage: std::printf("  usage: %s\n", o.reason.c_str()); return;
        case Verdict::NotCompared: std::printf("  not compared: %s\n", o.reason.c_str()); return;
        case Verdict::Mended:
            std::printf("  mended: %s\n  reason:   %s\n", o.difference->text.c_str(), o.reason.c_str());
            break;
        default: std::printf("  differs: %s\n", o.difference->text.c_str()); break;
    }
    // The lines that differ, recorded against now.
    const std::size_t n = std::max(recorded.size(), o.now.size());
    for (std::size_t i = o.difference->index; i < n; ++i) {
        const std::string* was = i < recorded.size() ? &recorded[i] : nullptr;
        const std::string* now = i < o.now.size() ? &o.now[i] : nullptr;
        if (was != nullptr && now != nullptr && *was == *now) continue;
        std::size_t at = 0;
        if (was != nullptr && now != nullptr)
            while (at < was->size() && at < now->size() && (*was)[at] == (*now)[at]) ++at;
        std::printf("  recorded: %s\n", was != nullptr ? excerpt(*was, at).c_str() : "(nothing)");
        std::printf("  now:      %s\n", now != nullptr ? excerpt(*now, at).c_str() : "(nothing)");
    }
}

void summarize(const Tally& total, const std::map<std::string, Tally>& by_export, bool strict) {
    if (json_output) {
        std::vector<std::string> rows;
        for (const auto& [name, t] : by_export) {
            JsonObject row;
            row.text("export", name).body += "," + t.json().body;
            rows.push_back(row.str());
        }
        emit(total.json().boolean("strict", strict).add("exports", json_list(rows)));
        return;
    }
    std::printf("replayed %ld calls: %ld identical, %ld differing, %ld mended, %ld not compared, %ld usage\n",
                total.calls, total.identical, total.differing, total.mended, total.not_compared, total.usage);
    if (by_export.empty()) return;
    std::printf("%-41s %6s %9s %9s %6s %12s %5s\n", "export", "calls", "identical", "differing", "mended",
                "not compared", "usage");
    for (const auto& [name, t] : by_export)
        std::printf("%-41s %6ld %9ld %9ld %6ld %12ld %5ld\n", name.c_str(), t.calls, t.identical, t.differing,
                    t.mended, t.not_compared, t.usage);
}

// ---- replaying -------------------------------------------------------------------------

struct Replay {
    CallOptions defaults;
    Generator generator;
    Tally total;
    std::map<std::string, Tally> by_export;

    Outcome run(const RecordedCall& call) {
        Outcome o;
        std::string output;
        std::vector<CallArgument> arguments;
        try {
            const ScriptLine line = read_script_line(call.line, defaults);
            if (!line.call.empty() && export_result_type(line.call[0]) != nullptr) o.export_name = line.call[0];
            // With --json wqj call prints this and every later call as JSON:
            // no transcript.
            if (line.json) throw UsageError{"--json on a script line: a transcript holds the calls' plain output"};
            call_captured(line, output, arguments);
        } catch (const UsageError& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "wqj replay: line %ld: %s\n", call.line_number, e.message.c_str());
            o.verdict = Verdict::Usage;
            o.reason = e.message;
            return o;
        }
        o.now = lines_of(output);
        if (auto why = not_comparable(o.export_name, arguments, generator)) {
            o.verdict = Verdict::NotCompared;
            o.reason = *why;
        }
        if (o.export_name == "RANDOMIZEDLLGENERATOR") {
            generator.seeded_at = call.line_number;
            o.verdict = Verdict::NotCompared;
            o.reason = "seeds the generator from the clock; the draws after it are not compared";
        }
        if (o.verdict == Verdict::NotCompared) return o;
        // Where there are no edit controls the window's text after the call
        // cannot be had: the rest is compared, the window is not.
        const RecordedCall* recorded = &call;
        RecordedCall without_window;
        if (!kEditControls && o.export_name == kEntryExport && !arguments.empty() && arguments[0].edit) {
            without_window = call;
            for (std::size_t i = 0; i < without_window.output.size(); ++i) {
                if (without_window.output[i].rfind("window = ", 0) != 0) continue;
                without_window.output.erase(without_window.output.begin() + static_cast<std::ptrdiff_t>(i));
                without_window.output_lines.erase(without_window.output_lines.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
            recorded = &without_window;
            o.compared = without_window.output;
            if (o.now == recorded->output) {
                o.verdict = Verdict::NotCompared;
                o.reason = "the window's text after the call: this system has no edit controls (the rest is identical)";
                return o;
            }
        }
        if (o.now == recorded->output) return o;
        const bool has_result = std::string_view(export_result_type(o.export_name)) != "void";
        o.difference = first_difference(*recorded, o.now, has_result);
        std::optional<Mend> mend = mend_for(o.export_name, arguments);
        if (!mend && written_back_by_old_rule(o.export_name, arguments, recorded->output, o.now))
            mend = Mend{kWriteBack, {"window"}};
        if (mend && only_mended_fields(*recorded, o.now, has_result, *mend)) {
            o.verdict = Verdict::Mended;
            o.reason = mend->reason;
        } else {
            o.verdict = Verdict::Differs;
        }
        return o;
    }

    // Returns false when the output can no longer be written.
    bool replay(const RecordedCall& call) {
        const Outcome o = run(call);
        total.count(o.verdict);
        by_export[o.export_name.empty() ? "(no export)" : o.export_name].count(o.verdict);
        if (o.verdict != Verdict::Identical) report(call, o);
        return std::fflush(stdout) == 0 && !std::ferror(stdout);
    }
};

bool is_blank_or_comment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

int run_replay(const Args& args) {
    const Cli cli(args, {"--strict", "--escapes"}, {"--room"});
    cli.expect(1, 1, kUsage);
    Replay r;
    r.defaults.bits = true;
    // A window handle recorded in another process names no window here, or
    // another program's: the validated entry is replayed without one. Its
    // result does not depend on the window.
    r.defaults.no_window = true;
    r.defaults.escapes = cli.has("--escapes");
    if (const std::string* room = cli.value("--room")) r.defaults.room = integer_arg(*room, "room", 0, 1 << 28);
    const bool strict = cli.has("--strict");

    const std::string& path = cli.plain[0];
    const std::string what = path == "-" ? "standard input" : "the file " + brief(path);
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (in == nullptr) unreadable(what, errno);
    std::optional<RecordedCall> pending;
    long strays = 0;  // lines before the first call that are neither
    long first_stray = 0;
    bool writing = true;
    LineReader reader(in);
    std::string line;
    while (writing && reader.next(line)) {
        const long line_number = reader.number();
        // A call: "> LINE" as wqj call --script shows it.
        if (line.rfind("> ", 0) == 0) {
            if (pending) writing = r.replay(*pending);
            pending.reset();
            if (is_blank_or_comment(std::string_view(line).substr(2))) continue;
            pending.emplace();
            pending->line_number = line_number;
            pending->line = line.substr(2);
            continue;
        }
        // Output never is blank and never starts with #.
        if (is_blank_or_comment(line)) continue;
        if (!pending) {
            if (strays++ == 0) first_stray = line_number;
            continue;
        }
        pending->output.push_back(line);
        pending->output_lines.push_back(line_number);
    }
    if (pending && writing) r.replay(*pending);
    const bool failed = std::ferror(in) != 0;
    if (in != stdin) std::fclose(in);
    if (failed) unreadable(what, reader.error());
    if (strays > 0)
        warn(std::to_string(strays) + (strays == 1 ? " line" : " lines") + " before the first call (from line " +
             std::to_string(first_stray) + ") " + (strays == 1 ? "is" : "are") + " ignored: a call is shown as \"> LINE\"");
    summarize(r.total, r.by_export, strict);
    if (r.total.calls == 0)
        throw Failure{"no calls in " + what + " (a transcript shows each call as \"> LINE\" followed by its output, "
                      "as wqj call --bits --script prints it)"};
    const bool differs = r.total.differing + r.total.usage > 0 || (strict && r.total.mended > 0);
    return differs ? 1 : 0;
}

}  // namespace

void add_replay_command(std::vector<Command>& list) {
    list.push_back({"replay", "run a transcript of wqj call again and compare",
                    "usage: wqj replay [--strict] [--json] [--escapes] [--room N] FILE\n\n"
                    "FILE (- for standard input) is a transcript: what `wqj call --bits --script`\n"
                    "prints, each call's script line shown as \"> LINE\" and followed by its\n"
                    "output (the result, then name = value lines). wqj replay runs every call\n"
                    "again in order, all in this one process (so a setter's effect and the random\n"
                    "sequence carry from call to call as in the recording), against the library\n"
                    "this wqj runs with, and compares its output now, floats to the bit, with the\n"
                    "recorded one. Blank lines and lines starting with # are skipped. --escapes\n"
                    "and --room N are those the transcript was made with (`wqj call --escapes`).\n\n"
                    "Every call that does not print the same is listed: its line in FILE, the\n"
                    "call, the first differing field (the result, or name of a name = value\n"
                    "line, with the byte of its value where they part and that field's line in\n"
                    "FILE), and each differing line recorded against now. A line that is not a\n"
                    "valid call (an unknown export, bad arguments) is reported on standard error\n"
                    "as wqj call --script reports it, and counts as a difference (usage). At the\n"
                    "end, the counts and a table by export: calls, identical, differing, mended,\n"
                    "not compared, usage.\n\n"
                    "Not compared, each listed with the reason, but still called for their\n"
                    "effect on the library's state:\n"
                    "  GETSPECIALFOLDERLOCATION     a folder's path is the machine's\n"
                    "  GETMOUSEBUTTON, GETKEYSTATE  the mouse and keys at that moment\n"
                    "  RANDOMIZEDLLGENERATOR        seeds the generator from the clock\n"
                    "  GETRANDOMLONGVALUE, GETUNIQUERECORDID\n"
                    "                               after RANDOMIZEDLLGENERATOR, to the end\n"
                    "                               (nothing else seeds the generator)\n"
                    "Draws before it are compared: a transcript starts in a new process, with\n"
                    "the generator as loaded; GETUNIQUERECORDID with an upper index below 0\n"
                    "draws nothing and is compared.\n\n"
                    "The validated entry (CONVERTTEXTSTRINGVALUETOINCHESERRORMSG): a window\n"
                    "recorded as edit:TEXT is replayed in an edit control wqj makes holding TEXT,\n"
                    "and its text after the call (window = ...) is compared; so is the text of\n"
                    "the message box the call raises (message = ..., the box is closed by wqj).\n"
                    "Where there are no edit controls (every system but Windows) the window's\n"
                    "text is not compared: a call identical in the rest counts as not compared.\n"
                    "A window recorded as a number names no window here (a handle of another\n"
                    "process) and is replayed as 0; the result does not depend on it.\n\n"
                    "Mended: where this library changed a behaviour on purpose (docs/exports.md),\n"
                    "a difference is listed as mended, with the reason, when the call has the\n"
                    "arguments that make the two behaviours differ and only the fields that\n"
                    "behaviour writes differ:\n"
                    "  SETSTRINGPARTINSTRINGBYPOSITION, SETSTRINGPARTINSTRINGBYPOSITION2\n"
                    "      an empty or null delimiter and a record holding a comma (the result,\n"
                    "      text)\n"
                    "  REMOVESTRINGINDELIMITEDSTRINGBYPOSITION\n"
                    "      an empty or null delimiter and a list holding a comma, a double quote\n"
                    "      or a blank (list)\n"
                    "  GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION\n"
                    "      read backward (-1), the last fraction (N/D, else N\\D) before the\n"
                    "      position not directly before it, blanks aside (the result, start, end)\n"
                    "  CONVERTTEXTSTRINGVALUETOINCHES, CONVERTTEXTSTRINGVALUETOINCHESERRORMSG\n"
                    "      the same before a word without digits (a unit word) of the entry (the\n"
                    "      result, error_start, error_end; window, message)\n"
                    "  CONVERTTEXTSTRINGVALUETOINCHESERRORMSG\n"
                    "      an accepted entry whose recorded window shows the style's text with 3\n"
                    "      (GETFORMATEDTEXTFROMINCHES ... 3), as the drawing program wrote it back\n"
                    "      (window)\n"
                    "Mended differences alone leave the exit status 0; --strict counts them as\n"
                    "differences.\n\n"
                    "--json: one object per listed call, {\"line\", \"call\", \"export\", \"verdict\"\n"
                    "(\"differs\", \"mended\", \"not compared\" or \"usage\"), \"reason\", \"field\",\n"
                    "\"field_line\", \"at\", \"recorded\": [lines], \"now\": [lines]}, then one\n"
                    "summary object {\"calls\", \"identical\", \"differing\", \"mended\",\n"
                    "\"not_compared\", \"usage\", \"strict\", \"exports\": [{\"export\", \"calls\", ...}]}.\n\n"
                    "Exit status: 0 every compared call identical (mended ones aside, unless\n"
                    "--strict); 1 a difference or a line in error, or FILE cannot be read;\n"
                    "2 a usage error.\n\n"
                    "  wqj call --bits --script calls.txt > before.txt   (with one library)\n"
                    "  wqj replay before.txt                             (with another)\n",
                    run_replay});
}

}  // namespace wqjtool

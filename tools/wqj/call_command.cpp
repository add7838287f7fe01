// wqj call NAME ARGS...: calls any export by name, its arguments typed from the
// export table (wqj_export_list.inc, made from exports/exports.txt), and shows
// the result and everything the export wrote back.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

#include "tools/wqj/call.h"
#include "tools/wqj/commands.h"
#include "tools/wqj/entry_watch.h"
#include "tools/wqj/transcript.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#endif

namespace wqjtool {
namespace {

// ---- the export table ------------------------------------------------------------

std::vector<std::string> words(std::string_view s) {
    const std::vector<std::string_view> views = table_words(s);
    return {views.begin(), views.end()};
}

// ---- printing ----------------------------------------------------------------------

std::string host_string_text(WQJSTRING s) {
    if (s == nullptr) return "(null)";
    return host_bytes_text(take(s));
}

// ---- reading the arguments -----------------------------------------------------------

using Options = CallOptions;

// One line of a call's output: printed, or kept when the output is captured.
void put_line(const Options& o, const std::string& line) {
    if (o.capture == nullptr) {
        std::printf("%s\n", line.c_str());
        return;
    }
    *o.capture += line;
    *o.capture += '\n';
}

// Arguments as wqj reads every number: an i32 also as a 0x bit pattern, a
// float or a double also as inf, -inf or nan.
float single_value(const std::string& text, const std::string& what) { return floating_arg<float>(text, what, false); }
double double_value(const std::string& text, const std::string& what) { return floating_arg<double>(text, what, false); }

// "1,2,3" (brackets optional, "[]" empty).
std::vector<std::string> list_items(const std::string& text) {
    std::string_view s = text;
    if (s.size() >= 2 && s.front() == '[' && s.back() == ']') s = s.substr(1, s.size() - 2);
    std::vector<std::string> items;
    if (s.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = s.find(',', start);
        items.emplace_back(s.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return items;
}

// Text with --escapes: \\ \" \0 \n \r \t \xHH stand for their bytes.
std::string unescape(const std::string& text, const std::string& what) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) throw UsageError{what + " " + brief(text) + " ends in a lone backslash"};
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            case '0': out += '\0'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                unsigned v = 0;
                const char* first = text.data() + i + 1;
                const char* last = text.data() + std::min(text.size(), i + 3);
                const auto r = std::from_chars(first, last, v, 16);
                if (r.ec != std::errc{} || r.ptr != first + 2)
                    throw UsageError{what + " " + brief(text) + " has a bad \\x escape (two hex digits)"};
                out += static_cast<char>(v);
                i += 2;
                break;
            }
            default: throw UsageError{what + " " + brief(text) + " has an unknown escape '\\" + text[i] + "'"};
        }
    }
    return out;
}

// One argument as the export receives it, with the storage behind a pointer.
struct Slot {
    std::string type;  // the table's word: i32, f32, ..., desc
    std::string name;
    int32_t i = 0;
    float f = 0;
    double d = 0;
    void* p = nullptr;
    std::string text;                 // text, hstr
    std::vector<char> buffer;         // buf
    std::vector<int32_t> i32s;        // i32ref
    std::vector<float> f32s;          // f32ref
    std::vector<double> f64s;         // f64ref
    RECTDOUBLE rect{};                // rect
    WQJARRAYDESCRIPTOR descriptor{};  // desc
    uint8_t byte = 0;                 // ptr
    WQJSTRING host = nullptr;         // hstr, freed by the slot
    bool edit = false;                // handle given as edit:TEXT (the text in `text`)
#ifdef _WIN32
    std::unique_ptr<EditControl> control;  // that edit control
#endif

    Slot() = default;
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;
    ~Slot() {
        if (host != nullptr) {
#ifdef _WIN32
            SysFreeString(reinterpret_cast<BSTR>(host));
#else
            SysFreeString(host);
#endif
        }
    }

    template <class T>
    T as() const {
        if constexpr (std::is_same_v<T, int32_t>) return i;
        else if constexpr (std::is_same_v<T, float>) return f;
        else if constexpr (std::is_same_v<T, double>) return d;
        else {
            static_assert(std::is_pointer_v<T>);
            return static_cast<T>(p);
        }
    }
};

template <class V, class Parse>
void fill_list(std::vector<V>& out, void*& p, const std::string& text, const std::string& what, Parse parse) {
    if (text == "null") return;  // a null pointer: read as 0, not written
    const std::vector<std::string> items = list_items(text);
    if (items.empty()) throw UsageError{what + " " + brief(text) + " needs a value (or null)"};
    for (const std::string& item : items) out.push_back(parse(item, what));
    p = out.data();
}

void prepare(Slot& s, const std::string& text, const Options& o) {
    const std::string what = s.name;
    const std::string& t = s.type;
    if (t == "i32") {
        s.i = pattern_arg(text, what);
    } else if (t == "f32") {
        s.f = single_value(text, what);
    } else if (t == "f64") {
        s.d = double_value(text, what);
    } else if (text == "null" && (t == "text" || t == "buf" || t == "hstr")) {
        return;  // a null pointer (the text "null" itself: --escapes and \x6Eull)
    } else if (t == "text") {
        s.text = o.escapes ? unescape(text, what) : text;
        s.p = s.text.data();
    } else if (t == "buf") {
        const std::string initial = o.escapes ? unescape(text, what) : text;
        // Every export writes back at most twice the texts it is given (the
        // separated entry; a record with a longer field) or a short fixed text
        // (a default delimiter, a paper name), so this room always suffices.
        std::size_t room = 2 * o.text_bytes + 64;
        if (o.room > 0) room = std::max(room, static_cast<std::size_t>(o.room));
        s.buffer.assign(room, '\0');
        std::memcpy(s.buffer.data(), initial.data(), initial.size());
        s.p = s.buffer.data();
    } else if (t == "i32ref") {
        fill_list(s.i32s, s.p, text, what, pattern_arg);
    } else if (t == "f32ref") {
        fill_list(s.f32s, s.p, text, what, single_value);
    } else if (t == "f64ref") {
        fill_list(s.f64s, s.p, text, what, double_value);
    } else if (t == "hstr") {
        s.text = o.escapes ? unescape(text, what) : text;
        if (s.text.size() > UINT32_MAX / 2) throw UsageError{what + " is too long"};
        s.host = reinterpret_cast<WQJSTRING>(SysAllocStringByteLen(s.text.data(), static_cast<uint32_t>(s.text.size())));
        if (s.host == nullptr) throw UsageError{what + ": no memory for the host string"};
        s.p = s.host;
    } else if (t == "handle" && text.rfind(kEditPrefix, 0) == 0) {
        // edit:TEXT: an edit control holding TEXT, made for the call.
        if (s.name != "window") throw UsageError{what + " is no window: edit:TEXT is for a window"};
        const std::string rest = text.substr(kEditPrefix.size());
        s.text = o.escapes ? unescape(rest, what) : rest;
        s.edit = true;
#ifdef _WIN32
        s.control = std::make_unique<EditControl>(s.text);
        if (s.control->handle() == nullptr) throw UsageError{what + ": the edit control could not be made"};
        s.p = s.control->handle();
#endif
    } else if (t == "handle") {
        if (text != "null")
            s.p = reinterpret_cast<void*>(static_cast<uintptr_t>(
                whole_arg(text, what, 0, static_cast<long long>(std::min<uintmax_t>(UINTPTR_MAX, 1ULL << 62)), true)));
    } else if (t == "ptr") {
        // A pointer to one byte holding the value (0 or null: a null pointer).
        if (text != "null") {
            s.byte = static_cast<uint8_t>(whole_arg(text, what, 0, 255, true));
            if (s.byte != 0 || text != "0") s.p = &s.byte;
        }
    } else if (t == "rect") {
        if (text == "null") return;
        const std::vector<std::string> items = list_items(text);
        if (items.size() != 4) throw UsageError{what + " " + brief(text) + " is not four numbers X1,Y1,X2,Y2"};
        s.rect = {double_value(items[0], what), double_value(items[1], what), double_value(items[2], what),
                  double_value(items[3], what)};
        s.p = &s.rect;
    } else if (t == "desc") {
        if (text == "null") return;
        for (const std::string& item : list_items(text)) s.i32s.push_back(pattern_arg(item, what));
        const int32_t n = static_cast<int32_t>(s.i32s.size());
        s.descriptor.storage = n > 0 ? s.i32s.data() : nullptr;
        s.descriptor.flags = n > 0 ? 4 : 0;
        s.descriptor.kind = 2;
        s.descriptor.element_type = 10;
        s.descriptor.dimensions = 1;
        s.descriptor.element_count = n;
        s.descriptor.storage_bytes = 4 * n;
        s.descriptor.element_size = 4;
        s.descriptor.lower_bound = 0;
        s.descriptor.upper_bound = n - 1;
        s.p = &s.descriptor;
    } else {
        throw UsageError{"argument " + what + " has a type wqj does not know: " + t};
    }
}

template <class V, class Show>
std::string join(const std::vector<V>& values, Show show) {
    std::string out;
    for (std::size_t k = 0; k < values.size(); ++k) out += (k ? "," : "") + show(values[k]);
    return out;
}

// The "name = value" line of something the export may have written, or "".
std::string written_back(const Slot& s, const Options& o) {
    const std::string& t = s.type;
    if (s.p == nullptr && t != "ptr") return "";
    std::string value;
    if (t == "buf") {
        const auto end = std::find(s.buffer.begin(), s.buffer.end(), '\0');
        value = quoted(std::string_view(s.buffer.data(), static_cast<std::size_t>(end - s.buffer.begin())));
    } else if (t == "i32ref") {
        value = join(s.i32s, [](int32_t v) { return std::to_string(v); });
    } else if (t == "f32ref") {
        value = join(s.f32s, [&](float v) { return float_text(v, o.bits); });
    } else if (t == "f64ref") {
        value = join(s.f64s, [&](double v) { return float_text(v, o.bits); });
    } else if (t == "rect") {
        value = float_text(s.rect.X1, o.bits) + "," + float_text(s.rect.Y1, o.bits) + "," +
                float_text(s.rect.X2, o.bits) + "," + float_text(s.rect.Y2, o.bits);
    } else if (t == "ptr") {
        if (s.p == nullptr) return "";
        value = std::to_string(s.byte);
    } else if (t == "handle" && s.edit) {
        const std::optional<std::string> text = window_text(s.p);
        if (!text) return "";
        value = quoted(*text);
    } else {
        return "";
    }
    return s.name + " = " + value;
}

// Index arguments that say how far an export reads into an i32ref array: wqj
// only passes the array when every element read lies inside it.
void check_array_reach(std::string_view name, const std::vector<Slot>& slots) {
    auto within = [](const Slot& array, int32_t first, int32_t last, const std::string& range) {
        if (array.p == nullptr || first > last) return;  // nothing is read
        const long long n = static_cast<long long>(array.i32s.size());
        if (first < 0 || last >= n)
            throw UsageError{range + " (" + std::to_string(first) + ".." + std::to_string(last) +
                             ") reaches past the " + std::to_string(n) + " values of " + array.name};
    };
    if (name == "ISVALUEINLONGARRAY") within(slots[1], slots[3].i, slots[2].i, "first_index..last_index");
    if (name == "GETUNIQUERECORDID") within(slots[0], 0, slots[1].i, "0..upper_index");
}

// The same with --json: the value as JSON, or "" when nothing was written.
std::string written_json(const Slot& s) {
    const std::string& t = s.type;
    if (s.p == nullptr) return "";
    auto list = [](const auto& values) {
        std::vector<std::string> items;
        for (const auto v : values) items.push_back(json_number(v));
        return items.size() == 1 ? items[0] : json_list(items);
    };
    if (t == "buf") return json_text(s.buffer.data());
    if (t == "i32ref") {
        std::vector<std::string> items;
        for (const int32_t v : s.i32s) items.push_back(std::to_string(v));
        return items.size() == 1 ? items[0] : json_list(items);
    }
    if (t == "f32ref") return list(s.f32s);
    if (t == "f64ref") return list(s.f64s);
    if (t == "rect") return json_list({json_number(s.rect.X1), json_number(s.rect.Y1), json_number(s.rect.X2), json_number(s.rect.Y2)});
    if (t == "ptr") return std::to_string(s.byte);
    if (t == "handle" && s.edit) {
        const std::optional<std::string> text = window_text(s.p);
        return text ? json_text(*text) : "";
    }
    return "";
}

// ---- calling ---------------------------------------------------------------------

// The result as JSON (the text of a host string, null for none).
template <class R>
std::string result_json(R r) {
    if constexpr (std::is_same_v<R, int32_t>) return std::to_string(r);
    else if constexpr (std::is_same_v<R, float> || std::is_same_v<R, double>) return json_number(r);
    else return r == nullptr ? "null" : json_text(take(r));
}

std::string call_result;  // with --json, the result of the last call

template <class R>
void print_result(R r, const Options& o) {
    if constexpr (std::is_same_v<R, int32_t>) put_line(o, std::to_string(r));
    else if constexpr (std::is_same_v<R, float> || std::is_same_v<R, double>) put_line(o, float_text(r, o.bits));
    else {
        static_assert(std::is_same_v<R, WQJSTRING>);
        put_line(o, host_string_text(r));
    }
}

// Calls Fn with the slots as its arguments. The parameter pattern carries the
// calling convention (stdcall on the DLL build), so deduction matches the
// exports' own pointer types.
template <class R, class... A, std::size_t... I>
void call_with(R(WQJ_CALL* fn)(A...), const std::vector<Slot>& slots, const Options& o, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) fn(slots[I].template as<A>()...);
    else if (json_output) call_result = result_json(fn(slots[I].template as<A>()...));
    else print_result(fn(slots[I].template as<A>()...), o);
}

template <class R, class... A>
void call_export(R(WQJ_CALL* fn)(A...), const std::vector<Slot>& slots, const Options& o) {
    call_with(fn, slots, o, std::index_sequence_for<A...>{});
}

struct Export {
    int ordinal;
    const char* name;
    const char* result;
    const char* types;
    const char* names;  // the arguments' names, as in the header
    void (*call)(const std::vector<Slot>& slots, const Options& o);
};

#define WQJ_EXPORT(ordinal, NAME, argbytes, result, types, names) \
    void call_##NAME(const std::vector<Slot>& slots, const Options& o) { call_export(&::NAME, slots, o); }
#include "wqj_export_list.inc"
#undef WQJ_EXPORT

const Export kExports[] = {
#define WQJ_EXPORT(ordinal, NAME, argbytes, result, types, names) {ordinal, #NAME, result, types, names, call_##NAME},
#include "wqj_export_list.inc"
#undef WQJ_EXPORT
};

const Export* find_export(const std::string& name) {
    for (const Export& e : kExports)
        if (name == e.name) return &e;
    return nullptr;
}

std::string signature(const Export& e) {
    const std::vector<std::string> types = words(e.types);
    const std::vector<std::string> names = words(e.names);
    std::string out;
    for (std::size_t k = 0; k < types.size(); ++k) out += " " + types[k] + ":" + (k < names.size() ? names[k] : "?");
    return out;
}

// With --json one object a line, as every --json result:
// {"export":NAME,"result":TYPE,"parameters":[{"name":NAME,"type":TYPE},...]}.
int run_list() {
    for (const Export& e : kExports) {
        if (!json_output) {
            std::printf("%-42s %-5s%s\n", e.name, e.result, signature(e).c_str());
            continue;
        }
        const std::vector<std::string> types = words(e.types);
        const std::vector<std::string> names = words(e.names);
        std::vector<std::string> parameters;
        for (std::size_t k = 0; k < types.size(); ++k)
            parameters.push_back(JsonObject{}.text("name", k < names.size() ? names[k] : "?").text("type", types[k]).str());
        emit(JsonObject{}.text("export", e.name).text("result", e.result).add("parameters", json_list(parameters)));
    }
    return 0;
}

// The options before NAME, read as every command reads its options (added
// to those a script gave), and NAME with its arguments. --script and --list
// only on the command line (script and list set).
Args read_options(const Args& args, Options& o, std::string* script = nullptr, bool* list = nullptr) {
    const Cli cli = script != nullptr ? Cli(args, {"--escapes", "--bits", "--list"}, {"--room", "--script"}, -1, true)
                                      : Cli(args, {"--escapes", "--bits"}, {"--room"}, -1, true);
    o.escapes = o.escapes || cli.has("--escapes");
    o.bits = o.bits || cli.has("--bits");
    if (const std::string* room = cli.value("--room")) o.room = integer_arg(*room, "room", 0, 1 << 28);
    if (script != nullptr) {
        if (const std::string* file = cli.value("--script")) *script = *file;
        *list = cli.has("--list");
    }
    return cli.plain;
}

// One call: NAME and its arguments.
void call_one(const Args& args, Options o, const std::string* line = nullptr) {
    if (args.empty()) throw UsageError{"usage: wqj call [--room N] [--escapes] [--bits] NAME ARGS..."};
    const Export* e = find_export(args[0]);
    if (e == nullptr) {
        std::vector<std::string> names;
        for (const Export& x : kExports) names.emplace_back(x.name);
        const std::string guess = closest(args[0], names);
        throw UsageError{"unknown export " + brief(args[0]) + (guess.empty() ? "" : "; did you mean " + guess + "?") +
                         " (wqj call --list lists them)"};
    }
    const std::vector<std::string> types = words(e->types);
    const std::vector<std::string> names = words(e->names);
    const std::size_t given = args.size() - 1;
    if (given != types.size()) {
        throw UsageError{std::string(e->name) + " takes " + std::to_string(types.size()) +
                         (types.size() == 1 ? " argument" : " arguments") + " (" +
                         (types.empty() ? std::string("none") : signature(*e).substr(1)) + "), " +
                         std::to_string(given) + " given"};
    }
    for (std::size_t a = 0; a < types.size(); ++a) {
        if (types[a] == "text" || types[a] == "buf" || types[a] == "hstr") o.text_bytes += args[1 + a].size();
    }
    std::vector<Slot> slots(types.size());
    for (std::size_t a = 0; a < types.size(); ++a) {
        slots[a].type = types[a];
        slots[a].name = names[a];
        prepare(slots[a], args[1 + a], o);
    }
    check_array_reach(e->name, slots);
    const bool entry = e->name == kEntryExport;
    if (o.no_window && entry && !slots[0].edit) slots[0].p = nullptr;
    if (!kEditControls && o.capture == nullptr && !slots.empty() && slots[0].edit)
        warn("no edit controls on this system: edit:TEXT passes no window (0) and no window text is shown");
    if (o.arguments != nullptr) {
        o.arguments->clear();
        for (const Slot& s : slots) {
            CallArgument a;
            a.type = s.type;
            a.name = s.name;
            a.null = s.p == nullptr && s.type != "i32" && s.type != "f32" && s.type != "f64";
            if (s.type == "text" || s.type == "hstr" || s.edit) a.bytes = s.text;
            else if (s.type == "buf" && s.p != nullptr) a.bytes = s.buffer.data();
            a.integer = s.i;
            a.edit = s.edit;
            o.arguments->push_back(std::move(a));
        }
    }
    // The validated entry's message box is closed as it shows and its text
    // is part of the output.
    std::optional<MessageBoxWatch> watch;
    if (entry) watch.emplace(MessageBoxWatch::Mode::Close);
    if (json_output) {
        call_result = "null";
        e->call(slots, o);
        JsonObject written;
        for (const Slot& s : slots) {
            const std::string value = written_json(s);
            if (!value.empty()) written.add(s.name, value);
        }
        if (watch)
            if (const std::optional<std::string> message = watch->finish()) written.text("message", *message);
        JsonObject out;
        if (line != nullptr) out.text("line", *line);
        emit(out.text("export", e->name).add("result", call_result).add("written", written.str()));
        return;
    }
    e->call(slots, o);
    std::optional<std::string> message;
    if (watch) message = watch->finish();
    for (const Slot& s : slots) {
        const std::string line = written_back(s, o);
        if (!line.empty()) put_line(o, line);
    }
    if (message) put_line(o, "message = " + quoted(*message));
}

// A script line as the shell would split it: words between blanks; '...'
// keeps every byte; in "..." a backslash keeps a following " or \ (and is
// kept itself before anything else); outside quotes a backslash keeps the
// next byte; a # that starts a word outside quotes starts a comment to the
// end of the line ('#', "#" and a#b are text).
std::vector<std::string> split_line(std::string_view line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i == line.size() || line[i] == '#') return out;
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            const char c = line[i++];
            if (c == '\'') {
                const std::size_t end = line.find('\'', i);
                if (end == std::string_view::npos) throw UsageError{"a ' is not closed"};
                word.append(line.substr(i, end - i));
                i = end + 1;
            } else if (c == '"') {
                for (;;) {
                    if (i == line.size()) throw UsageError{"a \" is not closed"};
                    const char d = line[i++];
                    if (d == '"') break;
                    if (d == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) word += line[i++];
                    else word += d;
                }
            } else if (c == '\\' && i < line.size()) {
                word += line[i++];
            } else {
                word += c;
            }
        }
        out.push_back(std::move(word));
    }
}

// --script FILE (or - for standard input): one call a line, all in this one
// process, so a setter's effect and the generator's sequence carry on from
// line to line. Each call's output follows its line, shown as "> LINE".
// Blank lines and lines starting with # are skipped. A line in error is
// reported on standard error ("line N: ...") and the script goes on; the
// exit status is then 2. A script that cannot be read (missing, a directory)
// is a Failure, as every command's unreadable input is; so is one whose
// reading fails part way, after the calls read so far. The script stops when
// the output can no longer be written (a closed pipe).
int run_script(const std::string& path, const Options& defaults) {
    const std::string what = path == "-" ? "standard input" : "the file " + brief(path);
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (in == nullptr) unreadable(what, errno);
    int status = 0;
    LineReader reader(in);
    std::string line;
    while (reader.next(line)) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        if (!json_output) std::printf("> %s\n", line.c_str());
        try {
            Options o = defaults;
            const Args call = read_options(split_line(line), o);
            call_one(call, o, &line);
        } catch (const UsageError& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "wqj call: line %ld: %s\n", reader.number(), e.message.c_str());
            status = 2;
        }
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) break;
    }
    const bool failed = std::ferror(in) != 0;
    if (in != stdin) std::fclose(in);
    if (failed) unreadable(what, reader.error());
    return status;
}

int run_call(const Args& args) {
    Options o;
    std::string script;
    bool list = false;
    const Args call = read_options(args, o, &script, &list);
    if (list) {
        if (!call.empty() || !script.empty()) throw UsageError{"--list takes no export and no script"};
        return run_list();
    }
    if (!script.empty()) {
        if (!call.empty()) throw UsageError{"--script takes its calls from the file, not the command line"};
        return run_script(script, o);
    }
    call_one(call, o);
    return 0;
}

}  // namespace

ScriptLine read_script_line(const std::string& line, const CallOptions& defaults) {
    // A --json on the line is reported, not applied.
    const bool json = json_output;
    json_output = false;
    ScriptLine out;
    out.options = defaults;
    try {
        out.call = read_options(split_line(line), out.options);
    } catch (...) {
        json_output = json;
        throw;
    }
    out.json = json_output;
    json_output = json;
    return out;
}

void call_captured(const ScriptLine& line, std::string& output, std::vector<CallArgument>& arguments) {
    const bool json = json_output;
    json_output = false;
    Options o = line.options;
    o.capture = &output;
    o.arguments = &arguments;
    try {
        call_one(line.call, o);
    } catch (...) {
        json_output = json;
        throw;
    }
    json_output = json;
}

const char* export_result_type(const std::string& name) {
    const Export* e = find_export(name);
    return e == nullptr ? nullptr : e->result;
}

void add_call_command(std::vector<Command>& list) {
    list.push_back({"call", "call any export by name",
                    "usage: wqj call [--room N] [--escapes] [--bits] NAME ARGS...\n"
                    "       wqj call [--room N] [--escapes] [--bits] --script FILE\n"
                    "       wqj call --list [--json]\n\n"
                    "Calls the export NAME with one argument per parameter, typed as the export\n"
                    "table says (wqj call --list shows every export as NAME RESULT type:name...):\n"
                    "  i32            an integer, decimal or 0x hexadecimal, -2147483648 to 4294967295\n"
                    "                 (values above 2147483647 stand for their 32-bit pattern)\n"
                    "  f32, f64       a number (also inf, -inf, nan), read as float or double;\n"
                    "                 one beyond the type's range (1e39 for f32, 1e400) is\n"
                    "                 refused, one too small for it reads as the nearest\n"
                    "  text           the text itself\n"
                    "  buf            the initial text of a caller's buffer; shown after the call.\n"
                    "                 The buffer has 2 x the bytes of all text arguments + 64\n"
                    "                 bytes, more than any export writes (--room N: at least N)\n"
                    "  hstr           a host string of the text's bytes (SysAllocStringByteLen)\n"
                    "  i32ref, f32ref, f64ref\n"
                    "                 the initial value of the caller's variable, or a list 1,2,3\n"
                    "                 for an array, or null for a null pointer; shown after the call\n"
                    "  rect           X1,Y1,X2,Y2 (or null); shown after the call\n"
                    "  desc           an integer array descriptor: 1,2,3 (or [] unallocated, null)\n"
                    "  handle         0 or a number, passed as the handle; for a window also\n"
                    "                 edit:TEXT, an edit control of wqj's own holding TEXT (on\n"
                    "                 Windows; elsewhere there are none and 0 is passed), whose\n"
                    "                 text is shown after the call\n"
                    "  ptr            0 (null) or a byte value 0..255 the pointer points at;\n"
                    "                 shown after the call\n"
                    "null passes a null pointer for every pointer type (text, buf, hstr, the\n"
                    "references, rect, desc, handle, ptr); the text \"null\" itself is given with\n"
                    "--escapes as \\x6Eull.\n"
                    "--escapes: in text, buf and hstr arguments \\\\ \\\" \\0 \\n \\r \\t \\xHH stand for\n"
                    "their bytes. --bits: floats and doubles also show their bit pattern.\n\n"
                    "--script FILE (- for standard input) makes many calls in one process, one a\n"
                    "line (options, NAME and arguments, split as the shell splits them: '...',\n"
                    "\"...\" and \\ quote), so the library's state carries from line to line: a\n"
                    "setter's value, the random sequence. Each line is shown as \"> LINE\" before\n"
                    "its output. A # that starts a word outside quotes starts a comment to the\n"
                    "end of the line (after the arguments too); '#', \"#\" and a#b are text.\n"
                    "Blank lines and comment lines are skipped. A line in error is reported on\n"
                    "standard error and the rest still run (exit status 2); a script that\n"
                    "cannot be read (missing, a directory) ends with exit status 1.\n\n"
                    "Output: the result (none for void): integers in decimal, floats and doubles as\n"
                    "the shortest text that reads back exactly, host strings quoted with their\n"
                    "byte count (\"6' 4 1/2\\\"\" (9 bytes)) or (null); then one line name = value\n"
                    "for each buffer, variable, rectangle and byte the export may have written.\n"
                    "The validated entry (CONVERTTEXTSTRINGVALUETOINCHESERRORMSG) also shows\n"
                    "message = \"...\", the text of the message box it raised; wqj closes the box\n"
                    "(on Windows by pressing OK as it shows; elsewhere the library writes it to\n"
                    "standard error as \"[Measurement Error] TEXT\" and wqj takes that line).\n"
                    "Texts print in double quotes with \\\" \\\\ \\n \\r \\t and \\xHH for other bytes.\n"
                    "--json: one object per call, {\"export\", \"result\", \"written\": {name: value}}\n"
                    "(with --script also \"line\"), instead of the lines above; with --list one\n"
                    "object per export, {\"export\", \"result\", \"parameters\": [{\"name\",\n"
                    "\"type\"}, ...]}.\n",
                    run_call});
}

}  // namespace wqjtool

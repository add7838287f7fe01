// The call recorder: a second build of the library's exports, put in front
// of a program in place of the library. Each export forwards the call,
// unchanged, to the real library and, when WQJ_RECORD_TO names a log,
// appends the call and what came back to it as a transcript of
// `wqj call --bits --script`: the line "> --escapes NAME ARGS..." and then
// the result and every buffer, variable, rectangle and byte written back,
// exactly as `wqj call --bits` prints them. `wqj replay LOG` runs the calls
// again against another build and compares.
//
// The real library is WQJ_RECORD_LIBRARY (an absolute path) or, by default,
// libwqjdll-inner.so / WQJDLL-inner.dll in the recorder's own folder; it is
// loaded once, by full path only. When it cannot be loaded, or is this
// recorder or another one, the reason goes to the log and to standard error
// and every export returns its failure result (0, empty text).
//
// What the program sees does not change: results and written-back bytes are
// the real library's, host strings are the real library's (the program
// frees them), the floating-point environment and the last error (errno, or
// GetLastError on Windows) are given back as the call left them.
#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "tools/wqj/entry_watch.h"
#include "tools/wqj/transcript.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

using wqjtool::float_text;
using wqjtool::MessageBoxWatch;
using wqjtool::host_bytes_text;
using wqjtool::quoted;
using wqjtool::script_text;
using wqjtool::shortest_text;

// A recorder says so, so that a recorder pointed at another one (or at
// itself) can tell and refuse rather than record every call twice or loop.
extern "C" WQJ_IMPORT int32_t WQJ_CALL WQJCALLRECORDER(void) { return 1; }

namespace {

// ---- the export table -------------------------------------------------------

struct ExportRow {
    const char* name;
    const char* types;  // the table's argument types, "i32 text buf"
    const char* names;  // the arguments' names
};

constexpr ExportRow kRows[] = {
#define WQJ_EXPORT(ordinal, NAME, argbytes, result, types, names) {#NAME, types, names},
#include "wqj_export_list.inc"
#undef WQJ_EXPORT
};
constexpr std::size_t kExportCount = std::size(kRows);

// ---- the real library --------------------------------------------------------

class Inner {
public:
    Inner() { load(); }
    // The real library's export `ordinal` (from 1), or null when none is loaded.
    void* function(int ordinal) const { return functions_[static_cast<std::size_t>(ordinal - 1)]; }
#ifndef _WIN32
    // Another name the real library exports (the host string functions).
    void* symbol(const char* name) const;
#endif
    const std::string& failure() const { return failure_; }

private:
    void load();
    void fail(const std::string& why);

#ifdef _WIN32
    HMODULE module_ = nullptr;
#else
    void* module_ = nullptr;
#endif
    void* functions_[kExportCount] = {};
    std::string failure_;
};

Inner& inner();

// ---- the log ------------------------------------------------------------------

class Log {
public:
    Log() {
        const char* path = std::getenv("WQJ_RECORD_TO");
        if (path != nullptr && *path != '\0') {
            file_ = std::fopen(path, "ab");
            if (file_ == nullptr)
                std::fprintf(stderr, "WQJDLL recorder: cannot write the log '%s': %s; calls are not recorded\n", path,
                             std::strerror(errno));
        }
    }
    bool on() const { return file_ != nullptr; }
    // Appends one piece of the transcript whole, so that calls made from
    // several threads never interleave within one call.
    void write(const std::string& text) {
        if (file_ == nullptr) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fflush(file_);
    }

private:
    std::FILE* file_ = nullptr;
    std::mutex mutex_;
};

Log& log() {
    static Log instance;
    return instance;
}

void Inner::fail(const std::string& why) {
    failure_ = why;
    std::fprintf(stderr, "WQJDLL recorder: %s; every export returns its failure result\n", why.c_str());
    log().write("# WQJDLL recorder: " + why + "; every export returns its failure result\n");
}

#ifdef _WIN32

std::wstring own_folder() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&own_folder), &self);
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::string narrow(const std::wstring& w) {
    std::string out;
    for (wchar_t c : w) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

bool absolute(const std::wstring& p) {
    return (p.size() > 2 && p[1] == L':' && (p[2] == L'\\' || p[2] == L'/')) || p.rfind(L"\\\\", 0) == 0;
}

void Inner::load() {
    std::wstring path;
    if (const wchar_t* given = _wgetenv(L"WQJ_RECORD_LIBRARY"); given != nullptr && *given != L'\0') {
        path = given;
        if (!absolute(path)) return fail("WQJ_RECORD_LIBRARY '" + narrow(path) + "' is not an absolute path");
    } else {
        path = own_folder() + L"WQJDLL-inner.dll";
    }
    // By full path only: the DLL search path is never asked, so no other
    // DLL of that name can be slipped in.
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module_ == nullptr)
        return fail("cannot load the library '" + narrow(path) + "' (error " + std::to_string(GetLastError()) + ")");
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&own_folder), &self);
    if (module_ == self || GetProcAddress(module_, "WQJCALLRECORDER") != nullptr) {
        module_ = nullptr;
        return fail("'" + narrow(path) + "' is a recorder, not the library");
    }
    for (std::size_t k = 0; k < kExportCount; ++k)
        functions_[k] = reinterpret_cast<void*>(GetProcAddress(module_, kRows[k].name));
}

#else

void Inner::load() {
    Dl_info self{};
    dladdr(reinterpret_cast<void*>(&WQJCALLRECORDER), &self);
    std::string path;
    if (const char* given = std::getenv("WQJ_RECORD_LIBRARY"); given != nullptr && *given != '\0') {
        path = given;
        if (path.front() != '/') return fail("WQJ_RECORD_LIBRARY '" + path + "' is not an absolute path");
    } else {
        const std::string own = self.dli_fname != nullptr ? self.dli_fname : "";
        path = own.substr(0, own.rfind('/') + 1) + "libwqjdll-inner.so";
        if (path.front() != '/') return fail("cannot tell the recorder's own folder");
    }
    // RTLD_LOCAL: the library's names stay its own, so the program's calls
    // reach the recorder and the library's calls to itself never do.
    module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        const char* why = dlerror();
        return fail("cannot load the library '" + path + "': " + (why ? why : "unknown error"));
    }
    if (dlsym(module_, "WQJCALLRECORDER") != nullptr) {
        dlclose(module_);
        module_ = nullptr;
        return fail("'" + path + "' is a recorder, not the library");
    }
    for (std::size_t k = 0; k < kExportCount; ++k) functions_[k] = dlsym(module_, kRows[k].name);
}

void* Inner::symbol(const char* name) const { return module_ == nullptr ? nullptr : dlsym(module_, name); }

#endif

Inner& inner() {
    static Inner instance;
    return instance;
}

// ---- what a call is given and what it gives back -----------------------------

// Everything the recorder does between the program and the library keeps the
// program's floating-point environment and last error as they were.
class Untouched {
public:
    Untouched() {
        std::fegetenv(&env_);
        error_ = errno;
#ifdef _WIN32
        last_error_ = GetLastError();
#endif
    }
    ~Untouched() {
        std::fesetenv(&env_);
        errno = error_;
#ifdef _WIN32
        SetLastError(last_error_);
#endif
    }
    Untouched(const Untouched&) = delete;
    Untouched& operator=(const Untouched&) = delete;

private:
    std::fenv_t env_{};
    int error_ = 0;
#ifdef _WIN32
    DWORD last_error_ = 0;
#endif
};

std::string_view host_bytes(const char* s) {
    if (s == nullptr) return {};
#ifdef _WIN32
    return {s, SysStringByteLen(reinterpret_cast<BSTR>(const_cast<char*>(s)))};
#else
    return {s, SysStringByteLen(const_cast<char*>(s))};
#endif
}

// How many values of an integer array the call reads, counted from index 0
// as `wqj call` passes them: ISVALUEINLONGARRAY reads first..last,
// GETUNIQUERECORDID 0..upper; a plain variable is one value. The values
// before `first` are never read and stand as 0.
struct Reach {
    int64_t first = 0;
    int64_t count = 1;
};

template <class Tuple>
Reach array_reach(std::string_view name, const Tuple& args) {
    if constexpr (std::is_same_v<Tuple, std::tuple<int32_t, int32_t*, int32_t, int32_t>>) {
        if (name == "ISVALUEINLONGARRAY") {
            const int64_t last = std::get<2>(args), first = std::get<3>(args);
            if (first >= 0 && first <= last) return {first, last + 1};
        }
    } else if constexpr (std::is_same_v<Tuple, std::tuple<int32_t*, int32_t>>) {
        if (name == "GETUNIQUERECORDID") {
            const int64_t upper = std::get<1>(args);
            if (upper >= 0) return {0, upper + 1};
        }
    }
    return {};
}

template <class V, class Show>
std::string values_text(const V* values, Reach reach, Show show) {
    std::string out;
    for (int64_t k = 0; k < reach.count; ++k) {
        if (k) out += ',';
        out += show(k < reach.first ? V{} : values[k]);
    }
    return out;
}

// One argument as a script line gives it, before the call.
template <class T>
std::string argument_text(std::string_view type, T value, Reach reach) {
    if constexpr (std::is_same_v<T, int32_t>) {
        return std::to_string(value);
    } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
        return shortest_text(value);
    } else if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
        // text and buf up to their NUL; a host string (also a char *) with
        // all its bytes.
        if (value == nullptr) return "null";
        return script_text(type == "hstr" ? host_bytes(value) : std::string_view(value));
    } else if constexpr (std::is_same_v<T, int32_t*>) {
        if (value == nullptr) return "null";
        return values_text(value, reach, [](int32_t v) { return std::to_string(v); });
    } else if constexpr (std::is_same_v<T, float*> || std::is_same_v<T, double*>) {
        if (value == nullptr) return "null";
        return values_text(value, Reach{}, [](auto v) { return shortest_text(v); });
    } else if constexpr (std::is_same_v<T, RECTDOUBLE*>) {
        if (value == nullptr) return "null";
        return shortest_text(value->X1) + "," + shortest_text(value->Y1) + "," + shortest_text(value->X2) + "," +
               shortest_text(value->Y2);
    } else if constexpr (std::is_same_v<T, WQJARRAYDESCRIPTOR*>) {
        if (value == nullptr) return "null";
        // The elements the export lists: indexes 0 to the upper bound that
        // exist in the array (none when its storage is not allocated).
        if ((value->flags & 4) == 0 || value->storage == nullptr) return "[]";
        std::string out;
        for (int64_t index = std::max<int64_t>(0, value->lower_bound); index <= value->upper_bound; ++index)
            out += (out.empty() ? "" : ",") + std::to_string(value->storage[index - value->lower_bound]);
        return out.empty() ? "[]" : out;
    } else {
        static_assert(std::is_same_v<T, void*>);
        if (type == "handle") return std::to_string(reinterpret_cast<uintptr_t>(value));
        // ptr: the byte it points at; "00" is a pointer to a 0 byte, as
        // `wqj call` reads "0" as a null pointer.
        if (value == nullptr) return "null";
        const uint8_t byte = *static_cast<const uint8_t*>(value);
        return byte == 0 ? "00" : std::to_string(byte);
    }
}

// One argument's "name = value" line after the call, as `wqj call --bits`
// prints it, or "" when the export cannot have written it.
template <class T>
std::string written_text(std::string_view type, std::string_view name, T value, Reach reach) {
    auto line = [&](const std::string& text) { return std::string(name) + " = " + text + "\n"; };
    if constexpr (std::is_same_v<T, char*>) {
        return type != "buf" || value == nullptr ? "" : line(quoted(value));
    } else if constexpr (std::is_same_v<T, int32_t*>) {
        if (value == nullptr) return "";
        return line(values_text(value, reach, [](int32_t v) { return std::to_string(v); }));
    } else if constexpr (std::is_same_v<T, float*> || std::is_same_v<T, double*>) {
        if (value == nullptr) return "";
        return line(values_text(value, Reach{}, [](auto v) { return float_text(v, true); }));
    } else if constexpr (std::is_same_v<T, RECTDOUBLE*>) {
        if (value == nullptr) return "";
        return line(float_text(value->X1, true) + "," + float_text(value->Y1, true) + "," +
                    float_text(value->X2, true) + "," + float_text(value->Y2, true));
    } else if constexpr (std::is_same_v<T, void*>) {
        if (type != "ptr" || value == nullptr) return "";
        return line(std::to_string(*static_cast<const uint8_t*>(value)));
    } else {
        return "";
    }
}

template <class R>
std::string result_text(R r) {
    if constexpr (std::is_same_v<R, int32_t>) return std::to_string(r) + "\n";
    else if constexpr (std::is_same_v<R, float> || std::is_same_v<R, double>) return float_text(r, true) + "\n";
    else if constexpr (std::is_same_v<R, WQJSTRING>) return (r == nullptr ? "(null)" : host_bytes_text(host_bytes(r))) + "\n";
    else return "";
}

// `window`: the text of the validated entry's window (its first argument),
// given as edit:TEXT.
template <class Tuple, std::size_t... I>
std::string call_line(std::string_view name, const std::vector<std::string_view>& types, const Tuple& args,
                      [[maybe_unused]] Reach reach, const std::optional<std::string>& window,
                      std::index_sequence<I...>) {
    std::string line = "> --escapes ";
    line += name;
    ((line += " " + (I == 0 && window ? std::string(wqjtool::kEditPrefix) + script_text(*window)
                                      : argument_text(types[I], std::get<I>(args), reach))),
     ...);
    return line + "\n";
}

template <class Tuple, std::size_t... I>
std::string written_lines(const std::vector<std::string_view>& types, const std::vector<std::string_view>& names,
                          [[maybe_unused]] const Tuple& args, [[maybe_unused]] Reach reach, std::index_sequence<I...>) {
    std::string out;
    ((out += written_text(types[I], names[I], std::get<I>(args), reach)), ...);
    return out;
}

#ifdef WQJ_PLANTED_FAULT
// Built only for the tests (as bin/planted/): a "library" whose
// CONVERTTEXTSTRINGVALUETOINCHES answers one unit in the last place above the
// real one, so that the tests can show a replay finding such a build out.
template <class R>
R planted(const ExportRow& row, R r) {
    if constexpr (std::is_same_v<R, float>)
        if (std::string_view(row.name) == "CONVERTTEXTSTRINGVALUETOINCHES") return std::nextafter(r, 1.0f / 0.0f);
    return r;
}
#else
template <class R>
R planted(const ExportRow&, R r) {
    return r;
}
#endif

template <class... A>
constexpr bool kFirstIsHandle = false;
template <class... A>
constexpr bool kFirstIsHandle<void*, A...> = true;

// One call of export `ordinal`: forwarded to the real library, and recorded
// when a log is open. A missing library gives the failure result.
template <class R, class... A>
R forward(int ordinal, A... args) {
    using Function = R(WQJ_CALL*)(A...);
    const auto fn = reinterpret_cast<Function>(inner().function(ordinal));
    if (fn == nullptr) {
        if constexpr (std::is_void_v<R>) return;
        else return R{};
    }
    const ExportRow& row = kRows[ordinal - 1];
    if (!log().on()) {
        if constexpr (std::is_void_v<R>) return fn(args...);
        else return planted(row, fn(args...));
    }

    const auto tuple = std::make_tuple(args...);
    std::string record;
    std::vector<std::string_view> types, names;
    Reach reach;
    // The validated entry: its window's text before and after the call and
    // the text of the message box it raises (which the user closes).
    void* window = nullptr;
    std::optional<std::string> window_before;
    std::optional<MessageBoxWatch> watch;
    {
        const Untouched keep;
        types = wqjtool::table_words(row.types);
        names = wqjtool::table_words(row.names);
        reach = array_reach(row.name, tuple);
        if constexpr (kFirstIsHandle<A...>) {
            if (row.name == wqjtool::kEntryExport) {
                window = std::get<0>(tuple);
                window_before = wqjtool::window_text(window);
                watch.emplace(MessageBoxWatch::Mode::Observe);
            }
        }
        record = call_line(row.name, types, tuple, reach, window_before, std::index_sequence_for<A...>{});
    }
    auto finish = [&](const std::string& result) {
        const Untouched keep;
        const std::optional<std::string> message = watch ? watch->finish() : std::nullopt;
        record += result;
        record += written_lines(types, names, tuple, reach, std::index_sequence_for<A...>{});
        if (window_before)
            if (const std::optional<std::string> after = wqjtool::window_text(window))
                record += "window = " + quoted(*after) + "\n";
        if (message) record += "message = " + quoted(*message) + "\n";
        log().write(record);
    };
    if constexpr (std::is_void_v<R>) {
        fn(args...);
        finish("");
    } else {
        const R r = planted(row, fn(args...));
        finish(result_text(r));
        return r;
    }
}

}  // namespace

// ---- the exports ---------------------------------------------------------------

#define WQJ_FORWARD(ordinal, NAME, R, PARAMETERS, ARGUMENTS) \
    WQJ_API R WQJ_CALL NAME PARAMETERS { return forward<R>(ordinal WQJ_COMMA_ARGUMENTS ARGUMENTS); }
#define WQJ_COMMA_ARGUMENTS(...) __VA_OPT__(, ) __VA_ARGS__
#include "wqj_forward_list.inc"
#undef WQJ_FORWARD

#ifndef _WIN32
// The host strings of the POSIX build are the real library's own: made,
// measured and freed by it.
extern "C" WQJ_IMPORT WQJSTRING SysAllocStringByteLen(const char* text, uint32_t length) {
    using F = WQJSTRING (*)(const char*, uint32_t);
    const auto f = reinterpret_cast<F>(inner().symbol("SysAllocStringByteLen"));
    return f == nullptr ? nullptr : f(text, length);
}
extern "C" WQJ_IMPORT void SysFreeString(WQJSTRING string) {
    using F = void (*)(WQJSTRING);
    if (const auto f = reinterpret_cast<F>(inner().symbol("SysFreeString"))) f(string);
}
extern "C" WQJ_IMPORT uint32_t SysStringByteLen(WQJSTRING string) {
    using F = uint32_t (*)(WQJSTRING);
    const auto f = reinterpret_cast<F>(inner().symbol("SysStringByteLen"));
    return f == nullptr ? 0 : f(string);
}
#endif

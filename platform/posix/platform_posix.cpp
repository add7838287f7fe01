// The POSIX stand-in for the Windows services the library uses.
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <new>

#include "platform/platform.h"
#include "platform/posix/standin.h"

#ifdef WQJ_FAULT_INJECTION
// Allocation-failure test builds only: the test program defines this and
// answers true when the current allocation is to fail.
extern "C" bool wqj_fault_allocation_fails();
#endif

namespace wqj::platform {
namespace {

// Host strings: the OLE layout. A 32-bit little-endian byte count stands
// in the 4 bytes before the payload; two NUL bytes follow it.
constexpr std::size_t kPrefix = 4;

// Short host strings, the most common results, come from blocks of one size
// that each thread keeps a few of when they are freed (as OLE keeps freed
// strings for reuse): allocating and freeing one is then a few steps, not
// a trip through the heap. A block that does not fit goes back to the heap.
constexpr std::size_t kShortBlock = 64;
constexpr std::size_t kBlocksKept = 16;

// The blocks a thread keeps: plain data, reached with one thread-local
// look-up. Those a thread still keeps when it ends are freed then, by a
// second thread-local object that a thread sets up the first time it keeps
// one.
struct ShortBlocks {
    void* kept[kBlocksKept];
    std::size_t count;
    bool freed_at_exit;
};
thread_local ShortBlocks short_blocks{};

struct ShortBlocksAtExit {
    ~ShortBlocksAtExit() {
        while (short_blocks.count > 0) std::free(short_blocks.kept[--short_blocks.count]);
    }
};
thread_local ShortBlocksAtExit short_blocks_at_exit;

void* take_short_block() {
    ShortBlocks& blocks = short_blocks;
    return blocks.count > 0 ? blocks.kept[--blocks.count] : std::malloc(kShortBlock);
}

// The first block a thread keeps: touching the object that frees them
// registers its destructor for the thread.
[[gnu::noinline, gnu::cold]] void keep_first_short_block(void* block) {
    static_cast<void>(&short_blocks_at_exit);
    short_blocks.freed_at_exit = true;
    short_blocks.kept[short_blocks.count++] = block;
}

void give_back_short_block(void* block) {
    ShortBlocks& blocks = short_blocks;
    if (blocks.count == kBlocksKept) {
        std::free(block);
    } else if (!blocks.freed_at_exit) [[unlikely]] {
        keep_first_short_block(block);
    } else {
        blocks.kept[blocks.count++] = block;
    }
}

// The size of the block holding a host string of `length` bytes.
constexpr std::size_t block_size(uint32_t length) { return kPrefix + std::size_t{length} + 2; }

char* allocate_raw(const char* bytes, uint32_t length, bool zero_fill = true) {
#ifdef WQJ_FAULT_INJECTION
    if (wqj_fault_allocation_fails()) return nullptr;
#endif
    const std::size_t size = block_size(length);
    auto* block = static_cast<unsigned char*>(size <= kShortBlock ? take_short_block() : std::malloc(size));
    if (block == nullptr) return nullptr;
    for (std::size_t i = 0; i < kPrefix; ++i) block[i] = static_cast<unsigned char>(length >> (8 * i));
    char* payload = reinterpret_cast<char*>(block + kPrefix);
    if (bytes != nullptr && length >= 4 && length <= 16) {
        // Most results are short: two copies of 8 or 4 bytes that may
        // overlap, each of a size known here (a variable size makes the
        // compiler write a general copy, loops and all).
        if (length >= 8) {
            std::memcpy(payload, bytes, 8);
            std::memcpy(payload + length - 8, bytes + length - 8, 8);
        } else {
            std::memcpy(payload, bytes, 4);
            std::memcpy(payload + length - 4, bytes + length - 4, 4);
        }
    } else if (bytes != nullptr) {
        std::memcpy(payload, bytes, length);
    } else if (zero_fill) {
        std::memset(payload, 0, length);
    }
    payload[length] = '\0';
    payload[std::size_t{length} + 1] = '\0';
    return payload;
}

uint32_t byte_length(const char* payload) {
    const auto* prefix = reinterpret_cast<const unsigned char*>(payload) - kPrefix;
    uint32_t length = 0;
    for (std::size_t i = 0; i < kPrefix; ++i) length |= uint32_t{prefix[i]} << (8 * i);
    return length;
}

struct EditControl {
    std::string text;
    standin::Selection selection;
};

struct State {
    std::map<Handle, EditControl> controls;
    uintptr_t next_handle = 0x1000;
    Handle focus = nullptr;
    std::vector<standin::MessageBoxRecord> boxes;
    bool quiet = false;
    std::map<int32_t, int16_t> keys;
    Point cursor;
    Handle under_cursor = nullptr;
    std::optional<uint32_t> ticks;
};

State& state() {
    static State s;
    return s;
}

EditControl* find_control(Handle window) {
    auto it = state().controls.find(window);
    return it == state().controls.end() ? nullptr : &it->second;
}

int32_t clamp_offset(intptr_t offset, int32_t length) {
    if (offset < 0 || offset > length) return length;
    return static_cast<int32_t>(offset);
}

std::string home_directory() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string();
}

// Reads XDG_<NAME>_DIR from the environment, else from the user-dirs file,
// else gives $HOME/<fallback>.
std::string user_dir(const char* name, const char* fallback) {
    std::string key = std::string("XDG_") + name + "_DIR";
    if (const char* value = std::getenv(key.c_str()); value != nullptr && *value != '\0') return value;
    std::string home = home_directory();
    std::string config = home + "/.config";
    if (const char* value = std::getenv("XDG_CONFIG_HOME"); value != nullptr && *value != '\0') config = value;
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
        if (line.rfind(key + "=\"", 0) != 0 || line.back() != '"') continue;
        std::string path = line.substr(key.size() + 2, line.size() - key.size() - 3);
        if (path.rfind("$HOME", 0) == 0) path = home + path.substr(5);
        return path;
    }
    return home.empty() ? std::string() : home + "/" + fallback;
}

std::string base_dir(const char* variable, const char* fallback) {
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return value;
    std::string home = home_directory();
    return home.empty() ? std::string() : home + "/" + fallback;
}

}  // namespace

char* allocate_host_string(std::string_view text) {
    if (text.empty()) return nullptr;
    char* s = allocate_raw(text.data(), static_cast<uint32_t>(text.size()));
    if (s == nullptr) throw std::bad_alloc();
    return s;
}

char* allocate_host_string_to_fill(std::size_t length) {
    if (length == 0 || length > UINT32_MAX - kPrefix - 2) throw std::bad_alloc();
    char* s = allocate_raw(nullptr, static_cast<uint32_t>(length), false);
    if (s == nullptr) throw std::bad_alloc();
    return s;
}

std::string_view host_string_bytes(const char* host_string) {
    if (host_string == nullptr) return {};
    return {host_string, byte_length(host_string)};
}

void free_host_string(char* host_string) {
    if (host_string == nullptr) return;
    void* block = host_string - kPrefix;
    if (block_size(byte_length(host_string)) <= kShortBlock)
        give_back_short_block(block);
    else
        std::free(block);
}

void message_box(std::string_view text, std::string_view caption) {
    state().boxes.push_back({std::string(text), std::string(caption)});
    if (!state().quiet) {
        std::fprintf(stderr, "[%.*s] %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
    }
}

intptr_t send_message(Handle window, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    EditControl* control = find_control(window);
    if (control == nullptr) return 0;
    const auto length = static_cast<int32_t>(control->text.size());
    switch (message) {
        case standin::kLineLength:
            return length;  // a single-line control: every index is on line 0
        case standin::kSetSel: {
            auto start = static_cast<intptr_t>(static_cast<int32_t>(wparam));
            if (start == -1) {  // removes the selection, keeping the caret
                control->selection.start = control->selection.end;
                return 1;
            }
            int32_t a = clamp_offset(start, length);
            int32_t b = clamp_offset(lparam, length);
            if (a > b) std::swap(a, b);
            control->selection = {a, b};
            return 1;
        }
        case standin::kGetSel: {
            auto* start = reinterpret_cast<uint32_t*>(wparam);
            auto* end = reinterpret_cast<uint32_t*>(lparam);
            if (start != nullptr) *start = static_cast<uint32_t>(control->selection.start);
            if (end != nullptr) *end = static_cast<uint32_t>(control->selection.end);
            return (control->selection.end << 16) | (control->selection.start & 0xFFFF);
        }
        default:
            return 0;
    }
}

void set_focus(Handle window) { state().focus = window; }

void set_window_text(Handle window, std::string_view text) {
    if (EditControl* control = find_control(window); control != nullptr) {
        control->text.assign(text);
        control->selection = {};
    }
}

std::string special_folder_path(int32_t folder) {
    switch (folder) {
        case 0x00:  // desktop
        case 0x10:  // desktop directory
            return user_dir("DESKTOP", "Desktop");
        case 0x05:  // documents
            return user_dir("DOCUMENTS", "Documents");
        case 0x0D:  // music
            return user_dir("MUSIC", "Music");
        case 0x0E:  // videos
            return user_dir("VIDEOS", "Videos");
        case 0x15:  // templates
            return user_dir("TEMPLATES", "Templates");
        case 0x27:  // pictures
            return user_dir("PICTURES", "Pictures");
        case 0x1A:  // application data (roaming)
            return base_dir("XDG_CONFIG_HOME", ".config");
        case 0x1C:  // local application data
            return base_dir("XDG_DATA_HOME", ".local/share");
        case 0x20:  // internet cache
            return base_dir("XDG_CACHE_HOME", ".cache");
        case 0x28:  // the user's profile
            return home_directory();
        default:
            return {};
    }
}

int16_t async_key_state(int32_t virtual_key) {
    auto it = state().keys.find(virtual_key);
    return it == state().keys.end() ? int16_t{0} : it->second;
}

bool cursor_position(Point& point) {
    point = state().cursor;
    return true;
}

Handle window_from_point(Point point) {
    const State& s = state();
    return point.x == s.cursor.x && point.y == s.cursor.y ? s.under_cursor : nullptr;
}

uint32_t tick_count() {
    if (state().ticks) return *state().ticks;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

namespace standin {

Handle create_edit_control(std::string_view text) {
    State& s = state();
    Handle h = reinterpret_cast<Handle>(s.next_handle);
    s.next_handle += 4;
    s.controls[h] = EditControl{std::string(text), {}};
    return h;
}

void destroy_edit_control(Handle window) {
    state().controls.erase(window);
    if (state().focus == window) state().focus = nullptr;
}

std::string window_text(Handle window) {
    const EditControl* control = find_control(window);
    return control != nullptr ? control->text : std::string();
}

Selection selection(Handle window) {
    const EditControl* control = find_control(window);
    return control != nullptr ? control->selection : Selection{};
}

Handle focused_window() { return state().focus; }

const std::vector<MessageBoxRecord>& message_boxes() { return state().boxes; }

void set_quiet(bool quiet) { state().quiet = quiet; }

void set_key_state(int32_t virtual_key, int16_t key_state) { state().keys[virtual_key] = key_state; }

void set_cursor(Point point, Handle window_under_cursor) {
    state().cursor = point;
    state().under_cursor = window_under_cursor;
}

void set_tick_count(std::optional<uint32_t> ticks) { state().ticks = ticks; }

void reset() {
    bool quiet = state().quiet;
    state() = State{};
    state().quiet = quiet;
}

}  // namespace standin
}  // namespace wqj::platform

// The three OLE string functions a native host needs, with the OLE layout.
extern "C" {

__attribute__((visibility("default"))) char* SysAllocStringByteLen(const char* text, uint32_t length) {
    return wqj::platform::allocate_raw(text, length);
}

__attribute__((visibility("default"))) void SysFreeString(char* string) {
    wqj::platform::free_host_string(string);
}

__attribute__((visibility("default"))) uint32_t SysStringByteLen(char* string) {
    return string == nullptr ? 0 : wqj::platform::byte_length(string);
}
}

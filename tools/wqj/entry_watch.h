// What the validated entry (CONVERTTEXTSTRINGVALUETOINCHESERRORMSG) does
// besides its result, made visible for `wqj call` and the call recorder: the
// message box it may raise and the text of the window it is given.
//
// On Windows the message box is a real one, seen through a CBT hook of the
// calling thread while the call runs (its static text, control 0xFFFF, read
// when it is activated) and, for wqj, closed by pressing OK; the window is a
// real window. On other systems the library's message box is the line
// "[Measurement Error] TEXT" it writes to standard error, seen by sending
// standard error to a temporary file while the call runs (whatever else was
// written there is passed on); a window there is no more than a number, so
// it has no text.
// A line of a transcript gives the validated entry's window as edit:TEXT
// when it was a window holding TEXT; after the result come `window = "..."`
// (its text after the call) and `message = "..."` (the message box's text).
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#  include <windows.h>
#else
#  include <unistd.h>
#endif

namespace wqjtool {

inline constexpr std::string_view kEntryExport = "CONVERTTEXTSTRINGVALUETOINCHESERRORMSG";
inline constexpr std::string_view kEditPrefix = "edit:";

#ifdef _WIN32

inline constexpr bool kEditControls = true;

// A window's text, or nothing when `window` names no window.
inline std::optional<std::string> window_text(void* window) {
    const HWND w = static_cast<HWND>(window);
    if (w == nullptr || !IsWindow(w)) return std::nullopt;
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A single-line edit control of wqj's own holding `text` (no length limit,
// hidden): the field a recorded validated entry is replayed in.
class EditControl {
public:
    explicit EditControl(const std::string& text) {
        window_ = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPED | ES_AUTOHSCROLL, 0, 0, 300, 40, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        if (window_ == nullptr) return;
        SendMessageA(window_, EM_LIMITTEXT, 0, 0);
        SetWindowTextA(window_, text.c_str());
    }
    ~EditControl() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;
    void* handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Watches the message boxes of the calling thread from construction to
// finish(): the text of the first one, and with Close each is closed by
// pressing OK as soon as it shows (otherwise the user closes it as usual).
class MessageBoxWatch {
public:
    enum class Mode { Observe, Close };
    explicit MessageBoxWatch(Mode mode) : mode_(mode), outer_(current()) {
        hook_ = SetWindowsHookExA(WH_CBT, &MessageBoxWatch::watch, nullptr, GetCurrentThreadId());
        if (hook_ != nullptr) current() = this;
    }
    ~MessageBoxWatch() { finish(); }
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    std::optional<std::string> finish() {
        if (hook_ != nullptr) {
            UnhookWindowsHookEx(hook_);
            hook_ = nullptr;
            current() = outer_;
        }
        return text_;
    }

private:
    static MessageBoxWatch*& current() {
        static thread_local MessageBoxWatch* watch = nullptr;
        return watch;
    }
    static LRESULT CALLBACK watch(int code, WPARAM wparam, LPARAM lparam) {
        MessageBoxWatch* self = current();
        if (self != nullptr && code == HCBT_ACTIVATE) {
            // Reading the box leaves the thread's last error as the call has it.
            const DWORD error = GetLastError();
            const HWND box = reinterpret_cast<HWND>(wparam);
            char name[16] = {};
            GetClassNameA(box, name, sizeof name);
            if (std::string_view(name) == "#32770" && box != self->seen_) {
                self->seen_ = box;
                if (!self->text_) self->text_ = window_text(GetDlgItem(box, 0xFFFF)).value_or("");
                if (self->mode_ == Mode::Close) PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            SetLastError(error);
        }
        return CallNextHookEx(self != nullptr ? self->hook_ : nullptr, code, wparam, lparam);
    }

    Mode mode_;
    MessageBoxWatch* outer_;
    HHOOK hook_ = nullptr;
    HWND seen_ = nullptr;
    std::optional<std::string> text_;
};

#else

inline constexpr bool kEditControls = false;

inline std::optional<std::string> window_text(void*) { return std::nullopt; }

// Sends standard error to a temporary file from construction to finish();
// the first "[Measurement Error] TEXT" line there is the message box's text.
// With Close that line is taken away (wqj prints it as its output); every
// other byte is written to standard error as it was meant to be.
class MessageBoxWatch {
public:
    enum class Mode { Observe, Close };
    explicit MessageBoxWatch(Mode mode) : mode_(mode) {
        std::fflush(stderr);
        file_ = std::tmpfile();
        if (file_ == nullptr) return;
        saved_ = dup(2);
        if (saved_ < 0 || dup2(fileno(file_), 2) < 0) {
            if (saved_ >= 0) close(saved_);
            saved_ = -1;
            std::fclose(file_);
            file_ = nullptr;
        }
    }
    ~MessageBoxWatch() { finish(); }
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    std::optional<std::string> finish() {
        if (file_ == nullptr) return text_;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        std::string written;
        std::rewind(file_);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) written.append(buffer, n);
        std::fclose(file_);
        file_ = nullptr;
        constexpr std::string_view kBox = "[Measurement Error] ";
        std::string passed;
        for (std::size_t start = 0; start < written.size();) {
            std::size_t end = written.find('\n', start);
            end = end == std::string::npos ? written.size() : end + 1;
            const std::string_view line = std::string_view(written).substr(start, end - start);
            start = end;
            if (!text_ && line.substr(0, kBox.size()) == kBox && line.back() == '\n') {
                text_ = std::string(line.substr(kBox.size(), line.size() - kBox.size() - 1));
                if (mode_ == Mode::Close) continue;
            }
            passed += line;
        }
        for (std::size_t done = 0; done < passed.size();) {
            const ssize_t n = write(2, passed.data() + done, passed.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        return text_;
    }

private:
    Mode mode_;
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    std::optional<std::string> text_;
};

#endif

}  // namespace wqjtool

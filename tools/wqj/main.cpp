// wqj: the command-line tool over WQJDLL. `wqj --help` lists the commands;
// `wqj COMMAND --help` explains one. Exit status 0 on success, 1 when what
// was asked for is not there, nothing was read or it was refused (and when
// the input could not be read or the output could not be written), 2 on a
// usage error; every message goes to standard error.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

#ifndef WQJ_VERSION
#  define WQJ_VERSION "unknown"
#endif

namespace {

void print_overview() {
    std::printf("wqj - lengths, scales, paper sizes and text as the drawing program's library reads them\n\n");
    std::printf("usage: wqj COMMAND [ARGUMENTS]   (wqj COMMAND --help for details)\n"
                "       wqj --version\n\ncommands:\n");
    for (const wqjtool::Command& c : wqjtool::commands()) std::printf("  %-10s %s\n", c.name, c.summary);
    std::printf("\nEvery command takes --json (one JSON object per result), \"--opt value\" or\n"
                "\"--opt=value\", and \"--\" to end the options. Commands that read a text take it\n"
                "also from standard input (-) or a file (--file PATH). Exit status: 0 done,\n"
                "1 not found, nothing read, refused, or input or output that failed,\n"
                "2 a usage error.\n");
}

// The library file this process has loaded.
std::string library_file() {
#ifdef _WIN32
    char path[MAX_PATH] = {};
    HMODULE module = GetModuleHandleA("WQJDLL.dll");
    if (module == nullptr || GetModuleFileNameA(module, path, sizeof path) == 0) return "(unknown)";
    return path;
#else
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&INITIALIZEDLL), &info) == 0 || info.dli_fname == nullptr) return "(unknown)";
    return info.dli_fname;
#endif
}

int print_version() {
#ifdef _WIN32
    const char* build = "win32";
#else
    const char* build = "native";
#endif
    std::printf("wqj %s (%s build)\nlibrary %s\n", WQJ_VERSION, build, library_file().c_str());
    return 0;
}

// Whatever the command printed must have reached standard output. A reader
// that closed the pipe early (wqj papers | head -1) wanted no more: that
// ends quietly with the command's own status.
int finish(int status) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        if (error == EPIPE) return status;
        std::fprintf(stderr, "wqj: cannot write the output: %s\n", error ? std::strerror(error) : "write error");
        return status == 0 ? 1 : status;
    }
    return status;
}

int run(int argc, char** argv) {
    // "wqj --json COMMAND ..." is "wqj COMMAND --json ...".
    std::vector<char*> moved;
    if (argc >= 3 && std::strcmp(argv[1], "--json") == 0) {
        moved.assign(argv, argv + argc);
        std::swap(moved[1], moved[2]);
        argv = moved.data();
    }
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        print_overview();
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        if (argc == 2) return print_version();
        std::fprintf(stderr, "wqj: --version takes no arguments (%s given)\n", wqjtool::brief(argv[2]).c_str());
        return 2;
    }
    std::vector<std::string> names;
    for (const wqjtool::Command& c : wqjtool::commands()) {
        names.emplace_back(c.name);
        if (std::strcmp(argv[1], c.name) != 0) continue;
        wqjtool::command_name = c.name;
        wqjtool::Args args(argv + 2, argv + argc);
        for (const auto& a : args) {
            if (a == "--") break;
            if (a == "--help" || a == "-h") {
                std::fputs(c.help, stdout);
                return 0;
            }
        }
        INITIALIZEDLL();
        try {
            return c.run(args);
        } catch (const wqjtool::UsageError& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "wqj %s: %s\n", c.name, e.message.c_str());
            return 2;
        } catch (const wqjtool::Failure& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "wqj %s: %s\n", c.name, e.message.c_str());
            return 1;
        } catch (const std::exception& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "wqj %s: %s\n", c.name, e.what());
            return 1;
        }
    }
    const std::string guess = wqjtool::closest(argv[1], names);
    std::fprintf(stderr, "wqj: unknown command %s%s (wqj --help lists them)\n", wqjtool::brief(argv[1]).c_str(),
                 guess.empty() ? "" : ("; did you mean '" + guess + "'?").c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A closed pipe is a write error (EPIPE) that finish() handles, not a
    // signal that kills the process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    return finish(run(argc, argv));
}

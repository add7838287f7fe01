// wqj: the command-line tool over WQJDLL. `wqj --help` lists the commands;
// `wqj COMMAND --help` explains one. Exit status 0 on success, 2 on a usage
// error (with a one-line message naming the bad argument).
#include <cstdio>
#include <cstring>
#include <exception>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace {

void print_overview() {
    std::printf("wqj - lengths, scales, paper sizes and text as the drawing program's library reads them\n\n");
    std::printf("usage: wqj COMMAND [ARGUMENTS]   (wqj COMMAND --help for details)\n\ncommands:\n");
    for (const wqjtool::Command& c : wqjtool::commands()) std::printf("  %-10s %s\n", c.name, c.summary);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        print_overview();
        return argc < 2 ? 2 : 0;
    }
    for (const wqjtool::Command& c : wqjtool::commands()) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        wqjtool::Args args(argv + 2, argv + argc);
        for (const auto& a : args) {
            if (a == "--help" || a == "-h") {
                std::fputs(c.help, stdout);
                return 0;
            }
        }
        INITIALIZEDLL();
        try {
            return c.run(args);
        } catch (const wqjtool::UsageError& e) {
            std::fprintf(stderr, "wqj %s: %s\n", c.name, e.message.c_str());
            return 2;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "wqj %s: %s\n", c.name, e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "wqj: unknown command '%s' (wqj --help lists them)\n", argv[1]);
    return 2;
}

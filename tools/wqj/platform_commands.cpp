// wqj path, folder and id: paths taken apart, special folders, and unique
// record identifiers.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

int32_t parse_integer(const std::string& text, const char* what) {
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
        throw UsageError{std::string(what) + " '" + text + "' is not a 32-bit integer"};
    }
    return static_cast<int32_t>(v);
}

int run_path(const Args& args) {
    if (args.size() != 1 || args[0].rfind("--", 0) == 0) throw UsageError{"usage: wqj path PATH"};
    const char* path = args[0].c_str();
    std::printf("drive:        [%s]\n", take(GETDRIVEFROMPATH(path)).c_str());
    std::printf("directory:    [%s]\n", take(GETDIRECTORYFROMPATH(path)).c_str());
    std::printf("file name:    [%s]\n", take(GETFILENAMEFROMPATH(path)).c_str());
    std::printf("without file: [%s]\n", take(REMOVEFILENAMEFROMFULLPATH(path)).c_str());
    return 0;
}

int run_folder(const Args& args) {
    if (args.size() != 1) throw UsageError{"usage: wqj folder CSIDL"};
    const std::string path = take(GETSPECIALFOLDERLOCATION(parse_integer(args[0], "folder number")));
    if (path.empty()) {
        std::printf("no such folder\n");
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}

int run_id(const Args& args) {
    int32_t count = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--count" && i + 1 < args.size()) {
            count = parse_integer(args[++i], "count");
            if (count < 1 || count > 10000) throw UsageError{"count must lie in 1 to 10000"};
        } else {
            throw UsageError{"usage: wqj id [--count N]"};
        }
    }
    RANDOMIZEDLLGENERATOR();
    // Each identifier is drawn clear of the ones already printed.
    std::vector<int32_t> drawn;
    drawn.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        // With none in use yet there is nothing to avoid (and an upper index
        // of -1 would give 0), so the first is a plain draw.
        const int32_t id = drawn.empty() ? GETRANDOMLONGVALUE()
                                         : GETUNIQUERECORDID(drawn.data(), static_cast<int32_t>(drawn.size()) - 1);
        drawn.push_back(id);
        std::printf("%d\n", id);
    }
    return 0;
}

}  // namespace

void add_platform_commands(std::vector<Command>& list) {
    list.push_back({"path", "take a Windows path apart",
                    "usage: wqj path PATH\n\n"
                    "Shows the drive, the directory (without the drive), the file name (blanks\n"
                    "trimmed) and the path without its file name, each in brackets. Only the\n"
                    "backslash separates directories.\n",
                    run_path});
    list.push_back({"folder", "the path of a special folder",
                    "usage: wqj folder CSIDL\n\n"
                    "Shows the file-system path of the special folder with that shell folder\n"
                    "number (decimal, or hexadecimal with 0x: 5 documents, 0x1A application\n"
                    "data, 0x28 the user's profile). Exit status 1 when there is none.\n",
                    run_folder});
    list.push_back({"id", "draw unique record identifiers",
                    "usage: wqj id [--count N]\n\n"
                    "Seeds the generator from the tick count and draws N (default 1, at most\n"
                    "10000) record identifiers from 10000 to 2147483647, none repeated.\n",
                    run_id});
}

}  // namespace wqjtool

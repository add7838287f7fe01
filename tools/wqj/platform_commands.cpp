// wqj path, folder and id: paths taken apart, special folders, and unique
// record identifiers.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

int run_path(const Args& args) {
    const Cli cli(args, {}, {}, 0);
    cli.expect(1, 1, "wqj path PATH | - | --file FILE");
    const char* path = cli.plain[0].c_str();
    const std::string parts[4] = {take(GETDRIVEFROMPATH(path)), take(GETDIRECTORYFROMPATH(path)),
                                  take(GETFILENAMEFROMPATH(path)), take(REMOVEFILENAMEFROMFULLPATH(path))};
    if (json_output) {
        emit(JsonObject{}.text("path", cli.plain[0]).text("drive", parts[0]).text("directory", parts[1])
                 .text("file_name", parts[2]).text("without_file", parts[3]));
        return 0;
    }
    std::printf("drive:        [%s]\n", parts[0].c_str());
    std::printf("directory:    [%s]\n", parts[1].c_str());
    std::printf("file name:    [%s]\n", parts[2].c_str());
    std::printf("without file: [%s]\n", parts[3].c_str());
    return 0;
}

int run_folder(const Args& args) {
    const Cli cli(args, {}, {});
    cli.expect(1, 1, "wqj folder CSIDL");
    const int32_t folder = pattern_arg(cli.plain[0], "folder number");
    const std::string path = take(GETSPECIALFOLDERLOCATION(folder));
    if (path.empty()) throw Failure{"no such folder"};
    if (json_output) emit(JsonObject{}.integer("folder", folder).text("path", path));
    else std::printf("%s\n", path.c_str());
    return 0;
}

int run_id(const Args& args) {
    const Cli cli(args, {}, {"--count"});
    cli.expect(0, 0, "wqj id [--count N]");
    const std::string* given = cli.value("--count");
    const int32_t count = given ? integer_arg(*given, "option --count", 1, 10000) : 1;
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
        if (json_output) emit(JsonObject{}.integer("id", id));
        else std::printf("%d\n", id);
    }
    return 0;
}

}  // namespace

void add_platform_commands(std::vector<Command>& list) {
    list.push_back({"path", "take a Windows path apart",
                    "usage: wqj path PATH | - | --file FILE\n\n"
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

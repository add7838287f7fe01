// wqj catalogue: the symbol catalogue as a tree, or one catalogue key
// explained, all through the exports.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

// The item types to look at: the numbered ones, then the shared ones.
std::vector<int32_t> item_types() {
    std::vector<int32_t> items;
    for (int32_t item = 1; item <= 254; ++item) items.push_back(item);
    items.push_back(10201);
    return items;
}

void print_sub_items(int32_t sub, int32_t item, const char* indent) {
    for (int32_t s = 1; s <= 254; ++s) {
        const std::string name = take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, sub, item, s));
        if (name.empty()) break;
        const int32_t slot = GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, sub, item, s);
        if (slot > 0) std::printf("%s%3d  %-32s wall snap %d\n", indent, s, name.c_str(), slot);
        else std::printf("%s%3d  %s\n", indent, s, name.c_str());
    }
}

int run_tree() {
    std::printf("1 %s\n", take(GETDESCRIPTIONFORCATEGORYTYPE(1, 0)).c_str());
    for (int32_t sub = 0; sub <= 6; ++sub) {
        std::printf("  1.%d %s\n", sub, take(GETDESCRIPTIONFORCATEGORYTYPE(1, sub)).c_str());
        for (int32_t item : item_types()) {
            const std::string plural = take(GETSYMBOLITEMNAMEFROMTYPE(1, sub, item, 1));
            if (plural.empty()) continue;
            const std::string singular = take(GETSYMBOLITEMNAMEFROMTYPE(1, sub, item, 0));
            std::printf("    %5d  %s / %s\n", item, plural.c_str(), singular.c_str());
            print_sub_items(sub, item, "           ");
        }
    }
    for (int32_t category = 2; category <= 6; ++category)
        std::printf("%d %s\n", category, take(GETDESCRIPTIONFORCATEGORYTYPE(category, 0)).c_str());
    std::printf("highest wall-snap index: %d\n", GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX());
    return 0;
}

std::vector<int32_t> parse_key(const std::string& text) {
    std::vector<int32_t> key;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        const long long v = std::strtoll(part.c_str(), &end, 10);
        if (part.empty() || *end != '\0' || v < INT32_MIN || v > INT32_MAX)
            throw UsageError{"key part '" + part + "' is not an integer"};
        key.push_back(static_cast<int32_t>(v));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (key.size() != 4) throw UsageError{"a key has four numbers: CATEGORY,SUBCATEGORY,ITEM,SUBITEM"};
    return key;
}

std::string shown(const std::string& text) { return text.empty() ? "(none)" : "\"" + text + "\""; }

int run_key(const std::string& text) {
    const std::vector<int32_t> k = parse_key(text);
    const int32_t c = k[0], s = k[1], i = k[2], u = k[3];
    std::printf("category     %d %s\n", c, shown(take(GETDESCRIPTIONFORCATEGORYTYPE(c, 0))).c_str());
    std::printf("subcategory  %d %s\n", s, shown(take(GETDESCRIPTIONFORCATEGORYTYPE(c, s))).c_str());
    std::printf("item         %d %s / %s\n", i, shown(take(GETSYMBOLITEMNAMEFROMTYPE(c, s, i, 1))).c_str(),
                shown(take(GETSYMBOLITEMNAMEFROMTYPE(c, s, i, 0))).c_str());
    std::printf("sub-item     %d %s\n", u, shown(take(GETSYMBOLSUBITEMNAMEFROMTYPE(c, s, i, u))).c_str());
    std::string subs = take(GETSUBITEMTYPESCODESTRING(c, s, i));
    for (char& ch : subs)
        if (ch == '\xFF') ch = ' ';
    std::printf("sub-items    %s\n", subs.empty() ? "(none)" : subs.c_str());
    std::printf("wall snap    %d\n", GETOBJECTWALLSNAPINDEXFROMCATEGORIES(c, s, i, u));
    const std::string code = text;
    std::printf("wall         %s\n", ISOBJECTAWALL(code.c_str()) ? "yes" : "no");
    std::printf("wire         %d\n", ISOBJECTAWIRE(code.c_str()));
    std::printf("library      %s_LIB.VDF\n", take(GETLIBRARYNAMEFROMCATEGORIES(c, s, i)).c_str());
    return 0;
}

int run_catalogue(const Args& args) {
    if (args.empty()) return run_tree();
    if (args.size() == 2 && args[0] == "--key") return run_key(args[1]);
    if (args[0] == "--key") throw UsageError{"usage: wqj catalogue --key CATEGORY,SUBCATEGORY,ITEM,SUBITEM"};
    throw UsageError{"unknown option '" + args[0] + "'"};
}

}  // namespace

void add_catalogue_commands(std::vector<Command>& list) {
    list.push_back({"catalogue", "show the symbol catalogue, or explain one key",
                    "usage: wqj catalogue [--key CATEGORY,SUBCATEGORY,ITEM,SUBITEM]\n\n"
                    "Without options prints the catalogue as a tree: category, subcategory, each\n"
                    "item with its item type, plural and singular name, and under it the\n"
                    "sub-items with their sub-item type and wall-snap index.\n\n"
                    "With --key explains one catalogue key: the names it stands for, the\n"
                    "sub-item list of its item, its wall-snap index, what the object tests say\n"
                    "of it as an object code, and its symbol library file name.\n\n"
                    "  wqj catalogue --key 1,4,2,9   ->  Switches / Switch, \"Timer\", wall snap 52\n",
                    run_catalogue});
}

}  // namespace wqjtool

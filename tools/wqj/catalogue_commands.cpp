// wqj catalogue: the symbol catalogue as a tree, or one catalogue key
// explained, all through the exports.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "text/convert.h"
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

std::string key_text(std::initializer_list<int32_t> parts) {
    std::string out;
    for (int32_t p : parts) out += (out.empty() ? "" : ",") + std::to_string(p);
    return out;
}

// Every named node of the catalogue, in tree order: its key (1 to 4
// numbers), its level and its names.
struct Node {
    std::string key;
    const char* level;
    std::string name;      // plural for items
    std::string singular;  // items only
    int32_t wall_snap = 0; // sub-items only
};

std::vector<Node> catalogue_nodes() {
    std::vector<Node> nodes;
    nodes.push_back({"1", "category", take(GETDESCRIPTIONFORCATEGORYTYPE(1, 0)), ""});
    for (int32_t sub = 0; sub <= 6; ++sub) {
        nodes.push_back({key_text({1, sub}), "subcategory", take(GETDESCRIPTIONFORCATEGORYTYPE(1, sub)), ""});
        for (int32_t item : item_types()) {
            const std::string plural = take(GETSYMBOLITEMNAMEFROMTYPE(1, sub, item, 1));
            if (plural.empty()) continue;
            nodes.push_back({key_text({1, sub, item}), "item", plural, take(GETSYMBOLITEMNAMEFROMTYPE(1, sub, item, 0))});
            for (int32_t s = 1; s <= 254; ++s) {
                const std::string name = take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, sub, item, s));
                if (name.empty()) break;
                nodes.push_back({key_text({1, sub, item, s}), "sub-item", name, "",
                                 GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, sub, item, s)});
            }
        }
    }
    for (int32_t category = 2; category <= 6; ++category)
        nodes.push_back({std::to_string(category), "category", take(GETDESCRIPTIONFORCATEGORYTYPE(category, 0)), ""});
    return nodes;
}

void print_node(const Node& n) {
    if (json_output) {
        JsonObject o;
        o.text("key", n.key).text("level", n.level).text("name", n.name);
        if (std::string_view(n.level) == "item") o.text("singular", n.singular);
        if (n.wall_snap > 0) o.integer("wall_snap", n.wall_snap);
        emit(o);
        return;
    }
    const int depth = static_cast<int>(std::count(n.key.begin(), n.key.end(), ','));
    std::string line = std::string(2 * depth, ' ') + n.key + "  " + n.name;
    if (!n.singular.empty()) line += " / " + n.singular;
    if (n.wall_snap > 0) line += "  (wall snap " + std::to_string(n.wall_snap) + ")";
    std::printf("%s\n", line.c_str());
}

int run_tree() {
    for (const Node& n : catalogue_nodes()) print_node(n);
    if (!json_output) std::printf("highest wall-snap index: %d\n", GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX());
    return 0;
}

// Nodes whose name (either name of an item) holds the text, in any case.
int run_find(const std::string& text) {
    if (text.empty()) throw UsageError{"--find needs a text"};
    // A plural finds its singular too: "Timers" finds "Timer", "Boxes" "Box".
    std::string wanted = wqj::UPPERCASETEXT(text);
    if (wanted.size() > 3 && wanted.compare(wanted.size() - 2, 2, "ES") == 0) wanted.resize(wanted.size() - 2);
    else if (wanted.size() > 2 && wanted.back() == 'S') wanted.pop_back();
    int found = 0;
    for (const Node& n : catalogue_nodes()) {
        if (wqj::UPPERCASETEXT(n.name).find(wanted) == std::string::npos &&
            wqj::UPPERCASETEXT(n.singular).find(wanted) == std::string::npos)
            continue;
        ++found;
        if (json_output) print_node(n);
        else std::printf("%-12s %-11s %s%s\n", n.key.c_str(), n.level, n.name.c_str(), n.singular.empty() ? "" : (" / " + n.singular).c_str());
    }
    if (found == 0) throw Failure{"nothing in the catalogue is named like " + brief(text)};
    return 0;
}

// A key of one to four numbers, as --find and the tree print them; the
// numbers left out are 0 ("1,4,2" is the item 1,4,2,0).
std::vector<int32_t> parse_key(const std::string& text) {
    std::vector<int32_t> key;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        key.push_back(integer_arg(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start),
                                  "key part"));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (key.size() > 4) throw UsageError{"a key has one to four numbers: CATEGORY[,SUBCATEGORY[,ITEM[,SUBITEM]]]"};
    key.resize(4, 0);
    return key;
}

std::string shown(const std::string& text) { return text.empty() ? "(none)" : "\"" + text + "\""; }

int run_key(const std::string& text) {
    const std::vector<int32_t> k = parse_key(text);
    const int32_t c = k[0], s = k[1], i = k[2], u = k[3];
    const std::string category = take(GETDESCRIPTIONFORCATEGORYTYPE(c, 0));
    const std::string subcategory = take(GETDESCRIPTIONFORCATEGORYTYPE(c, s));
    const std::string plural = take(GETSYMBOLITEMNAMEFROMTYPE(c, s, i, 1));
    const std::string singular = take(GETSYMBOLITEMNAMEFROMTYPE(c, s, i, 0));
    const std::string sub_item = take(GETSYMBOLSUBITEMNAMEFROMTYPE(c, s, i, u));
    // A key names something when each of its numbers past the category is 0
    // or named.
    if (category.empty() || (c == 1 && subcategory.empty()) || (c != 1 && s != 0) || (i != 0 && plural.empty()) ||
        (u != 0 && sub_item.empty()))
        throw Failure{"no such key " + brief(text) + " (wqj catalogue --find TEXT finds keys by name)"};
    // The sub-item types of the item: numbers joined by the byte 255.
    std::string subs = take(GETSUBITEMTYPESCODESTRING(c, s, i));
    std::vector<std::string> sub_types;
    for (std::size_t at = 0; at < subs.size();) {
        const std::size_t end = std::min(subs.find('\xFF', at), subs.size());
        sub_types.push_back(subs.substr(at, end - at));
        at = end + 1;
    }
    for (char& ch : subs)
        if (ch == '\xFF') ch = ' ';
    const int32_t snap = GETOBJECTWALLSNAPINDEXFROMCATEGORIES(c, s, i, u);
    const std::string code = key_text({c, s, i, u});  // as an object code
    const bool wall = ISOBJECTAWALL(code.c_str()) != 0;
    const int32_t wire = ISOBJECTAWIRE(code.c_str());
    const std::string library = i != 0 ? take(GETLIBRARYNAMEFROMCATEGORIES(c, s, i)) + "_LIB.VDF" : "";
    if (json_output) {
        emit(JsonObject{}
                 .text("key", text)
                 .text("category", category)
                 .text("subcategory", subcategory)
                 .text("item", plural)
                 .text("item_singular", singular)
                 .text("sub_item", sub_item)
                 .add("sub_items", json_list(sub_types))
                 .integer("wall_snap", snap)
                 .boolean("wall", wall)
                 .integer("wire", wire)
                 .text("library", library));
        return 0;
    }
    std::printf("category     %d %s\n", c, shown(category).c_str());
    std::printf("subcategory  %d %s\n", s, shown(subcategory).c_str());
    std::printf("item         %d %s / %s\n", i, shown(plural).c_str(), shown(singular).c_str());
    std::printf("sub-item     %d %s\n", u, shown(sub_item).c_str());
    std::printf("sub-items    %s\n", subs.empty() ? "(none)" : subs.c_str());
    std::printf("wall snap    %d\n", snap);
    std::printf("wall         %s\n", wall ? "yes" : "no");
    std::printf("wire         %d\n", wire);
    std::printf("library      %s\n", library.empty() ? "(none)" : library.c_str());
    return 0;
}

int run_catalogue(const Args& args) {
    const Cli cli(args, {}, {"--key", "--find"});
    cli.expect(0, 0, "wqj catalogue [--key CATEGORY[,SUBCATEGORY[,ITEM[,SUBITEM]]] | --find TEXT]");
    const std::string* key = cli.value("--key");
    const std::string* find = cli.value("--find");
    if (key && find) throw UsageError{"--key and --find exclude each other"};
    if (key) return run_key(*key);
    if (find) return run_find(*find);
    return run_tree();
}

}  // namespace

void add_catalogue_commands(std::vector<Command>& list) {
    list.push_back({"catalogue", "show the symbol catalogue, or explain one key",
                    "usage: wqj catalogue [--key CATEGORY[,SUBCATEGORY[,ITEM[,SUBITEM]]] | --find TEXT]\n\n"
                    "Without options prints the catalogue as a tree, each node with its key:\n"
                    "category, subcategory, each item with its plural and singular name, and\n"
                    "under it the sub-items with their wall-snap index.\n\n"
                    "With --find prints every node whose name holds TEXT (any level, any case;\n"
                    "an item's plural and singular names both count) with its full key, such\n"
                    "as 1,4,2,9 (exit status 1 when none).\n\n"
                    "With --key explains one catalogue key, given as --find prints it (numbers\n"
                    "left out are 0: 1,4,2 is 1,4,2,0): the names it stands for, the\n"
                    "sub-item list of its item, its wall-snap index, what the object tests say\n"
                    "of it as an object code, and its symbol library file name (exit status 1,\n"
                    "\"no such key\", when a number past the category is neither 0 nor named).\n"
                    "Some catalogue texts are spelled as the drawing program has always spelled\n"
                    "them (\"Key Opertated\"); they are shown as they are.\n\n"
                    "  wqj catalogue --key 1,4,2,9   ->  Switches / Switch, \"Timer\", wall snap 52\n",
                    run_catalogue});
}

}  // namespace wqjtool

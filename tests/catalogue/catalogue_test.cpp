// Descriptions, item and sub-item names, code strings and wall snap, checked
// entry by entry against the catalogue listing.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/listings.h"
#include "catalogue/tables.h"
#include "text/convert.h"

namespace {

using Key = std::tuple<int32_t, int32_t, int32_t>;  // subcategory, item, sub-item

std::vector<std::string> lines_of(const char* text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

struct ListedItem {
    int32_t subcategory, item;
    std::string plural, singular;
};
std::vector<ListedItem> listed_items() {
    std::vector<ListedItem> items;
    const std::regex heading(R"~(^Subcategory (\d+)$)~"), row(R"~(^\| (\d+) \| "(.*)" \| "(.*)" \|$)~");
    int32_t sub = -1;
    for (const std::string& line : lines_of(catalogue_listing::kItemListing)) {
        std::smatch m;
        if (std::regex_match(line, m, heading)) sub = std::stoi(m[1]);
        else if (std::regex_match(line, m, row)) items.push_back({sub, std::stoi(m[1]), m[2], m[3]});
        else ADD_FAILURE() << "unread line " << line;
    }
    return items;
}

struct ListedSubItems {
    int32_t subcategory, item;
    std::string plural;
    std::vector<std::string> names;  // sub-item types 1, 2, ...
};
std::vector<ListedSubItems> listed_sub_items() {
    std::vector<ListedSubItems> items;
    const std::regex heading(R"~(^Subcategory (\d+)$)~"), row(R"~(^- Item type (\d+) \("([^"]*)"\): (.*)\.$)~"),
        name(R"~((\d+) "([^"]*)")~");
    int32_t sub = -1;
    for (const std::string& line : lines_of(catalogue_listing::kSubItemListing)) {
        std::smatch m;
        if (std::regex_match(line, m, heading)) {
            sub = std::stoi(m[1]);
        } else if (std::regex_match(line, m, row)) {
            ListedSubItems entry{sub, std::stoi(m[1]), m[2], {}};
            const std::string names = m[3];
            for (std::sregex_iterator it(names.begin(), names.end(), name), end; it != end; ++it) {
                EXPECT_EQ(std::stoi((*it)[1]), int(entry.names.size()) + 1) << line;
                entry.names.push_back((*it)[2]);
            }
            items.push_back(entry);
        } else {
            ADD_FAILURE() << "unread line " << line;
        }
    }
    return items;
}

std::string joined(int32_t first, int32_t last, std::vector<int32_t> extras = {}) {
    std::string out;
    auto add = [&](int32_t n) {
        if (!out.empty()) out += '\xFF';
        out += std::to_string(n);
    };
    for (int32_t n = first; n <= last; ++n) add(n);
    for (int32_t n : extras) add(n);
    return out;
}

// ---- descriptions ------------------------------------------------------------

TEST(CatalogueDescriptions, CategoryTypesAndTheSubcategoriesOfCategoryOne) {
    struct Case {
        int32_t category, subcategory;
        const char* want;
    } cases[] = {
        {1, 0, "Floor Plan"}, {1, 1, "Walls/Windows/Doors"}, {1, 2, "Electrical Appliances"},
        {1, 3, "Plumbing Fixtures"}, {1, 4, "Power"}, {1, 5, "Structured"}, {1, 6, "Rulers"},
        {1, 7, ""}, {1, -1, ""}, {1, INT_MIN, ""},
        // The document categories ignore the subcategory.
        {2, 0, "Document"}, {3, 99, "Invoice"}, {4, -5, "Estimate"}, {5, INT_MIN, "Inventory Item"},
        {6, INT_MAX, "Label"},
        {0, 0, ""}, {7, 0, ""}, {-1, 1, ""}, {INT_MIN, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETDESCRIPTIONFORCATEGORYTYPE(c.category, c.subcategory), c.want)
            << c.category << "," << c.subcategory;
}

TEST(CatalogueDescriptions, ToolTypes) {
    const char* want[] = {"", "Line", "Polyline", "Rectangle", "Circle", "Ellipse", "Arc",
                          "Text", "Label", "Image", "Dimension", "Box", ""};
    for (int32_t tool = 0; tool <= 12; ++tool) EXPECT_EQ(wqj::GETDESCRIPTIONFORDRAWINGTOOLTYPE(tool), want[tool]);
    EXPECT_EQ(wqj::GETDESCRIPTIONFORDRAWINGTOOLTYPE(-1), "");
    EXPECT_EQ(wqj::GETDESCRIPTIONFORDRAWINGTOOLTYPE(INT_MIN), "");
    EXPECT_EQ(wqj::GETDESCRIPTIONFORDRAWINGTOOLTYPE(INT_MAX), "");
}

TEST(CatalogueDescriptions, WireTypesAreTheWireItemsSubItems) {
    const char* want[] = {"", "Curved", "Straight", "Sweeping", ""};
    for (int32_t wire = 0; wire <= 4; ++wire) {
        EXPECT_EQ(wqj::GETDESCRIPTIONFORWIRETYPE(wire), want[wire]);
        for (int32_t sub : {4, 5})
            EXPECT_EQ(wqj::GETSYMBOLSUBITEMNAMEFROMTYPE(1, sub, 254, wire), want[wire]) << sub << " " << wire;
    }
    EXPECT_EQ(wqj::GETDESCRIPTIONFORWIRETYPE(INT_MIN), "");
}

// ---- item names ------------------------------------------------------------------

TEST(CatalogueItems, EveryListedItemInBothForms) {
    const std::vector<ListedItem> items = listed_items();
    ASSERT_EQ(items.size(), 4u + 14u + 4u + 33u + 38u);
    for (const ListedItem& it : items) {
        for (int32_t flag : {1, 7, -1, INT_MIN})
            EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, it.subcategory, it.item, flag), it.plural)
                << it.subcategory << "," << it.item;
        EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, it.subcategory, it.item, 0), it.singular)
            << it.subcategory << "," << it.item;
    }
}

TEST(CatalogueItems, SpecificItemsAreDenseAndEndWhereTheListEnds) {
    struct Case {
        int32_t subcategory, first_missing;
    } cases[] = {{0, 1}, {1, 5}, {2, 15}, {3, 5}, {4, 34}, {5, 39}};
    for (const Case& c : cases) {
        for (int32_t item = 1; item < c.first_missing; ++item)
            EXPECT_NE(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, c.subcategory, item, 1), "") << c.subcategory << "," << item;
        for (int32_t item : {c.first_missing, 0, -1, 247, 250, 253, 255, 10200, 10202, INT_MAX, INT_MIN})
            EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, c.subcategory, item, 1), "") << c.subcategory << "," << item;
    }
}

TEST(CatalogueItems, SharedItemTypes) {
    struct Case {
        int32_t subcategory, item;
        const char *plural, *singular;
    } cases[] = {
        {2, 235, "GENERAL", "GENERAL"}, {4, 235, "General", "General"}, {0, 235, "", ""}, {1, 235, "", ""},
        {3, 235, "", ""}, {5, 235, "", ""},
        {0, 248, "Arrows", "Arrow"}, {3, 248, "Arrows", "Arrow"}, {5, 248, "Arrows", "Arrow"}, {6, 248, "", ""},
        {0, 249, "Drawing Shapes", "Drawing Shape"}, {1, 249, "Drawing Shapes", "Drawing Shape"},
        {6, 249, "", ""},
        {4, 254, "Wires", "Wire"}, {5, 254, "Wires", "Wire"}, {0, 254, "", ""}, {3, 254, "", ""},
        {1, 10201, "Graphic Objects", "Graphic Object"}, {5, 10201, "Graphic Objects", "Graphic Object"},
        {0, 10201, "", ""}, {6, 10201, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, c.subcategory, c.item, 1), c.plural) << c.subcategory << "," << c.item;
        EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, c.subcategory, c.item, 0), c.singular) << c.subcategory << "," << c.item;
    }
}

TEST(CatalogueItems, KeysOutsideTheSymbolCategoryNameNothing) {
    struct Case {
        int32_t category, subcategory, item;
    } cases[] = {{2, 5, 1}, {0, 1, 1}, {6, 4, 2}, {-1, 4, 2}, {1, 6, 1}, {1, 7, 1}, {1, -1, 248}, {1, INT_MIN, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(c.category, c.subcategory, c.item, 1), "")
            << c.category << "," << c.subcategory << "," << c.item;
}

// ---- item type from name -----------------------------------------------------------

int32_t type_from(int32_t category, int32_t subcategory, std::string& name) {
    return wqj::GETSYMBOLITEMTYPEFROMNAME(category, subcategory, name);
}

TEST(CatalogueItemTypeFromName, EveryListedNameIsAcceptedInAnyCase) {
    for (const ListedItem& it : listed_items()) {
        // Power's service panels, relays and motor starters are not accepted by name.
        const int32_t want = it.subcategory == 4 && it.item >= 31 ? 0 : it.item;
        for (const std::string& name : {it.plural, it.singular}) {
            std::string lower = name;
            for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
            std::string given = "  " + lower + " ";
            EXPECT_EQ(type_from(1, it.subcategory, given), want) << it.subcategory << " " << name;
            std::string upper = wqj::UPPERCASETEXT(name);
            EXPECT_EQ(given, upper);
        }
    }
}

TEST(CatalogueItemTypeFromName, SharedItemsAndTheExceptions) {
    struct Case {
        int32_t category, subcategory;
        const char* name;
        int32_t want;
    } cases[] = {
        {1, 4, "wire", 254}, {1, 4, "Wires", 0}, {1, 5, "WIRE", 254}, {1, 5, "wires", 0}, {1, 3, "wire", 0},
        {1, 5, "general", 235}, {1, 4, "General", 235}, {1, 2, "GENERAL", 0}, {1, 1, "general", 0},
        {1, 4, "Relays", 0}, {1, 4, "relay", 0}, {1, 4, "Service Panel", 0}, {1, 4, "motor starters", 0},
        {1, 4, "battery backups (ups)", 28}, {1, 4, "Battery Backup (UPS)", 28}, {1, 5, "battery backup (ups)", 0},
        {1, 5, "battery backup", 24}, {1, 5, "speakers", 11}, {1, 5, "speaker", 11}, {1, 4, "speaker", 0},
        {1, 1, "Graphic Objects", 0}, {1, 5, "graphic object", 0}, {1, 0, "graphic objects", 0},
        {1, 0, "arrows", 248}, {1, 0, "Drawing Shape", 249}, {1, 0, "walls", 0}, {1, 6, "arrow", 0},
        {1, 4, "switches", 2}, {1, 5, "switch", 18}, {1, 1, "window", 2}, {1, 2, "refrigerators", 2},
        {1, 4, "grounding", 12}, {1, 5, "miscellaneous", 37},
        // Inner blanks are compared as they are.
        {1, 5, "telephonejacks", 0}, {1, 5, "telephone  jacks", 0}, {1, 5, "telephone\tjacks", 0},
        {1, 5, "\ttelephone jacks", 0},
        {3, 5, "camera", 0}, {0, 4, "switch", 0}, {-1, 4, "switch", 0},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        EXPECT_EQ(type_from(c.category, c.subcategory, name), c.want)
            << c.category << "," << c.subcategory << " " << c.name;
    }
}

TEST(CatalogueItemTypeFromName, NonBlankNamesAreRewrittenTrimmedAndUpperCase) {
    struct Case {
        int32_t category, subcategory;
        std::string given, after;
    } cases[] = {
        {1, 5, "  telephone jacks ", "TELEPHONE JACKS"},
        {3, 5, "camera", "CAMERA"},             // rewritten although no item is looked up
        {1, 9, " nothing here ", "NOTHING HERE"}, // also for an unknown subcategory
        {1, 4, "   ", "   "},                  // blanks only: left as they are
        {1, 4, "", ""},
        {1, 4, "\tx\t", "\tX\t"},               // only byte 32 is trimmed
        {1, 4, std::string(" a\0b ", 5), std::string("A\0B", 3)},
    };
    for (const Case& c : cases) {
        std::string name = c.given;
        type_from(c.category, c.subcategory, name);
        EXPECT_EQ(name, c.after) << c.given;
        EXPECT_LE(name.size(), c.given.size());
    }
}

TEST(CatalogueItemTypeFromName, NoAcceptedNameMapsToTwoItems) {
    std::map<std::pair<int32_t, std::string>, std::set<int32_t>> items_of;
    for (const wqj::catalogue::AcceptedName& a : wqj::catalogue::accepted_names())
        items_of[{a.subcategory, std::string(a.name)}].insert(a.item);
    for (const auto& [name, items] : items_of) EXPECT_EQ(items.size(), 1u) << name.first << " " << name.second;
    EXPECT_EQ(items_of.size(), wqj::catalogue::accepted_names().size());  // and none is listed twice
}

// ---- sub-item names ------------------------------------------------------------------

TEST(CatalogueSubItems, EveryListedSubItemAndNothingBeyond) {
    const std::vector<ListedSubItems> items = listed_sub_items();
    ASSERT_EQ(items.size(), 3u + 9u + 4u + 25u + 28u);
    for (const ListedSubItems& it : items) {
        EXPECT_EQ(wqj::GETSYMBOLITEMNAMEFROMTYPE(1, it.subcategory, it.item, 1), it.plural)
            << it.subcategory << "," << it.item;
        for (size_t n = 0; n < it.names.size(); ++n)
            EXPECT_EQ(wqj::GETSYMBOLSUBITEMNAMEFROMTYPE(1, it.subcategory, it.item, int32_t(n) + 1), it.names[n])
                << it.subcategory << "," << it.item << "," << n + 1;
        for (int32_t beyond : {int32_t(it.names.size()) + 1, 0, -1, INT_MIN, INT_MAX})
            EXPECT_EQ(wqj::GETSYMBOLSUBITEMNAMEFROMTYPE(1, it.subcategory, it.item, beyond), "")
                << it.subcategory << "," << it.item << "," << beyond;
    }
}

TEST(CatalogueSubItems, ItemsWithoutSubItemsAndOtherKeys) {
    struct Case {
        int32_t category, subcategory, item, sub_item;
    } cases[] = {
        {1, 1, 4, 1}, {1, 2, 9, 1}, {1, 2, 14, 1}, {1, 2, 235, 1}, {1, 4, 8, 1}, {1, 4, 10, 1}, {1, 4, 26, 1},
        {1, 4, 33, 1}, {1, 5, 12, 1}, {1, 5, 22, 1}, {1, 5, 29, 1}, {1, 5, 38, 1}, {1, 5, 235, 1},
        {1, 4, 248, 1}, {1, 5, 249, 1}, {1, 1, 10201, 1}, {1, 3, 254, 2}, {1, 0, 248, 1}, {1, 0, 1, 1},
        {1, 6, 1, 1}, {2, 4, 1, 1}, {0, 4, 1, 1}, {1, 4, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETSYMBOLSUBITEMNAMEFROMTYPE(c.category, c.subcategory, c.item, c.sub_item), "")
            << c.category << "," << c.subcategory << "," << c.item << "," << c.sub_item;
}

// ---- code strings ------------------------------------------------------------------

TEST(CatalogueCodeStrings, SubcategoriesAndItemTypes) {
    EXPECT_EQ(wqj::GETSUBCATEGORIESCODESTRING(1), joined(1, 5));
    EXPECT_EQ(wqj::GETSUBCATEGORIESCODESTRING(1).size(), 9u);
    for (int32_t category : {0, 2, 6, -1, INT_MIN}) EXPECT_EQ(wqj::GETSUBCATEGORIESCODESTRING(category), "");

    struct Case {
        int32_t category, subcategory;
        std::string want;
    } cases[] = {
        {1, 1, joined(0, 3)}, {1, 2, joined(0, 14)}, {1, 3, joined(0, 4)},
        {1, 4, joined(0, 30, {235, 254})}, {1, 5, joined(0, 39, {235, 254})},
        {1, 0, ""}, {1, 6, ""}, {1, -1, ""}, {2, 1, ""}, {0, 4, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETITEMTYPESCODESTRING(c.category, c.subcategory), c.want) << c.category << "," << c.subcategory;
    EXPECT_EQ(wqj::GETITEMTYPESCODESTRING(1, 1).size(), 7u);
}

TEST(CatalogueCodeStrings, SubItemListsFollowTheListedCountsAndTheSubItemNames) {
    std::map<std::pair<int32_t, int32_t>, int32_t> counts;
    const std::regex row(R"~(^\| (\d) \| (.*) \|$)~"), pair(R"~((\d+): (\d+))~");
    for (const std::string& line : lines_of(catalogue_listing::kSubItemCounts)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, row)) << line;
        const int32_t sub = std::stoi(m[1]);
        const std::string body = m[2];
        for (std::sregex_iterator it(body.begin(), body.end(), pair), end; it != end; ++it)
            counts[{sub, std::stoi((*it)[1])}] = std::stoi((*it)[2]);
    }
    // The two listings state the same numbers.
    std::map<std::pair<int32_t, int32_t>, int32_t> named;
    for (const ListedSubItems& it : listed_sub_items()) named[{it.subcategory, it.item}] = int32_t(it.names.size());
    EXPECT_EQ(counts, named);

    for (int32_t sub = -1; sub <= 7; ++sub) {
        for (int32_t item = -1; item <= 255; ++item) {
            const auto found = counts.find({sub, item});
            const std::string want = found == counts.end() ? "" : joined(1, found->second);
            ASSERT_EQ(wqj::GETSUBITEMTYPESCODESTRING(1, sub, item), want) << sub << "," << item;
            if (!want.empty()) {
                ASSERT_EQ(wqj::GETSUBITEMTYPESCODESTRING(2, sub, item), "");
            }
        }
        EXPECT_EQ(wqj::GETSUBITEMTYPESCODESTRING(1, sub, 10201), "");
    }
    EXPECT_EQ(wqj::GETSUBITEMTYPESCODESTRING(1, 3, 3), "1");
    EXPECT_EQ(wqj::GETSUBITEMTYPESCODESTRING(1, 4, 25), "1");
}

// ---- wall snap -----------------------------------------------------------------

std::map<int32_t, Key> listed_wall_snap() {
    std::map<int32_t, Key> slots;
    const std::regex row(R"~(^\| (\d+)(?: to (\d+))? \| (\d) \| (\d+) \("[^"]*"\) \| (.*) \|$)~"),
        run(R"~((\d+)(?: to (\d+))?)~");
    for (const std::string& line : lines_of(catalogue_listing::kWallSnapListing)) {
        std::smatch m;
        if (!std::regex_match(line, m, row)) {
            ADD_FAILURE() << "unread line " << line;
            continue;
        }
        const int32_t first = std::stoi(m[1]), last = m[2].matched ? std::stoi(m[2]) : first;
        const int32_t sub = std::stoi(m[3]), item = std::stoi(m[4]);
        const std::string order = m[5];
        int32_t index = first;
        for (std::sregex_iterator it(order.begin(), order.end(), run), end; it != end; ++it) {
            const int32_t a = std::stoi((*it)[1]), b = (*it)[2].matched ? std::stoi((*it)[2]) : a;
            for (int32_t s = a; s <= b; ++s) {
                EXPECT_FALSE(slots.count(index)) << "index " << index << " listed twice";
                slots[index++] = {sub, item, s};
            }
        }
        EXPECT_EQ(index, last + 1) << line;
    }
    return slots;
}

TEST(CatalogueWallSnap, EveryListedIndexAndNoOtherKey) {
    const std::map<int32_t, Key> slots = listed_wall_snap();
    ASSERT_EQ(slots.size(), 262u);
    EXPECT_EQ(slots.begin()->first, 1);
    EXPECT_EQ(slots.rbegin()->first, 262);
    std::map<Key, int32_t> index_of;
    for (const auto& [index, key] : slots) {
        EXPECT_TRUE(index_of.emplace(key, index).second) << "key listed twice at " << index;
        const auto [sub, item, sub_item] = key;
        EXPECT_EQ(wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, sub, item, sub_item), index);
        EXPECT_EQ(wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(2, sub, item, sub_item), 0);
        EXPECT_EQ(wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(0, sub, item, sub_item), 0);
    }
    // The whole key range: a key has an index exactly when it is listed.
    int32_t highest = 0;
    for (int32_t sub = 0; sub <= 6; ++sub)
        for (int32_t item = 0; item <= 255; ++item)
            for (int32_t sub_item = 0; sub_item <= 255; ++sub_item) {
                const int32_t got = wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, sub, item, sub_item);
                const auto found = index_of.find({sub, item, sub_item});
                ASSERT_EQ(got, found == index_of.end() ? 0 : found->second) << sub << "," << item << "," << sub_item;
                highest = std::max(highest, got);
            }
    EXPECT_EQ(highest, 262);
    EXPECT_EQ(wqj::GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(), 262);
}

TEST(CatalogueWallSnap, EveryNamedSubItemButTheWiresHasASlot) {
    std::set<Key> named, slotted;
    for (const ListedSubItems& it : listed_sub_items())
        if (it.item != 254)
            for (size_t n = 1; n <= it.names.size(); ++n) named.insert({it.subcategory, it.item, int32_t(n)});
    for (const auto& [index, key] : listed_wall_snap()) slotted.insert(key);
    EXPECT_EQ(named, slotted);
}

TEST(CatalogueWallSnap, NamedCases) {
    struct Case {
        int32_t category, subcategory, item, sub_item, want;
    } cases[] = {
        {1, 1, 2, 1, 3}, {1, 1, 2, 2, 2}, {1, 4, 2, 7, 255}, {1, 4, 1, 14, 262}, {1, 4, 2, 9, 52},
        {1, 4, 2, 8, 53}, {1, 4, 25, 1, 165}, {1, 4, 254, 1, 0}, {1, 5, 36, 1, 254}, {1, 4, 235, 1, 256},
        {1, 0, 248, 1, 0}, {1, 1, 10201, 1, 0}, {1, 1, 1, 0, 0}, {INT_MIN, 1, 1, 1, 0}, {1, INT_MIN, 1, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(c.category, c.subcategory, c.item, c.sub_item), c.want)
            << c.subcategory << "," << c.item << "," << c.sub_item;
}

}  // namespace

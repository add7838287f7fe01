// The catalogue's vocabulary as data: one table per level. Every catalogue
// function reads these tables and nothing else, so a name or a number is
// written here once.
//
// Category type 1 holds the floor-plan symbols in subcategories 0 to 6;
// item types count from 1 within a subcategory, plus the shared item types
// below; sub-item types count from 1 within an item.
#pragma once

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace wqj::catalogue {

// The one category type that has subcategories, items and sub-items.
inline constexpr int32_t kSymbolCategory = 1;

// A set of subcategories 0 to 6 as bits.
using Subcategories = uint8_t;
constexpr Subcategories in(std::initializer_list<int32_t> subcategories) {
    Subcategories mask = 0;
    for (int32_t s : subcategories) mask = Subcategories(mask | (1u << s));
    return mask;
}
constexpr bool offers(Subcategories mask, int32_t subcategory) {
    return subcategory >= 0 && subcategory <= 6 && (mask >> subcategory & 1u) != 0;
}

// The shared item types, numbered alike in every subcategory that has them.
inline constexpr int32_t kGeneralItem = 235;
inline constexpr int32_t kArrowItem = 248;
inline constexpr int32_t kDrawingShapeItem = 249;
inline constexpr int32_t kWireItem = 254;
inline constexpr int32_t kGraphicObjectItem = 10201;

// ---- descriptions ------------------------------------------------------------

// Any subcategory type (the document categories do not consult it).
inline constexpr int32_t kAnySubcategory = INT32_MIN;

struct CategoryRow {
    int32_t category;
    int32_t subcategory;  // kAnySubcategory for the document categories
    std::string_view description;
};
std::span<const CategoryRow> category_rows();

// Name lists: texts for the numbers 1, 2, ... separated by '|'.
// The tool types 1 to 11 and the wire types 1 to 3.
std::string_view tool_names();
std::string_view wire_names();
// Name `n` (from 1) of a list, or empty text; the number of names in a list.
std::string_view nth_name(std::string_view names, int32_t n);
int32_t name_count(std::string_view names);

// ---- items -----------------------------------------------------------------

struct ItemRow {
    Subcategories subcategories;  // one bit for a specific item
    int32_t item;
    std::string_view plural;
    std::string_view singular;
};
std::span<const ItemRow> item_rows();

// The row of the item type within the subcategory, or nullptr.
const ItemRow* find_item(int32_t subcategory, int32_t item);

// An upper-case name that the reverse lookup of a subcategory accepts.
struct AcceptedName {
    int32_t subcategory;
    std::string_view name;  // valid for the life of the program
    int32_t item;
};
// Derived from the item rows and the exceptions to them, built once.
std::span<const AcceptedName> accepted_names();

// ---- sub-items ---------------------------------------------------------------

struct SubItemRow {
    int32_t subcategory;
    int32_t item;
    std::string_view names;  // a name list: sub-item types 1, 2, ...
};
std::span<const SubItemRow> sub_item_rows();
const SubItemRow* find_sub_items(int32_t subcategory, int32_t item);

// The number of sub-items of an item (0 when it has none).
int32_t sub_item_count(int32_t subcategory, int32_t item);
// The name of sub-item `sub_item` (from 1), or empty text.
std::string_view sub_item_name(int32_t subcategory, int32_t item, int32_t sub_item);

// ---- code-string lists -------------------------------------------------------

// The item-type list of a subcategory: 0 to `dense_last`, then the extras.
struct ItemTypeList {
    int32_t subcategory;
    int32_t dense_last;
    int32_t extras[2];
    int32_t extra_count;
};
std::span<const ItemTypeList> item_type_lists();
std::span<const int32_t> symbol_subcategory_list();

// ---- wall snap -----------------------------------------------------------------

// A run of consecutive sub-item types of one item; the runs in table order
// receive the wall-snap indexes 1, 2, 3, ...
struct WallSnapRun {
    int32_t subcategory;
    int32_t item;
    int32_t first_sub_item;
    int32_t last_sub_item;
};
std::span<const WallSnapRun> wall_snap_runs();
// The highest index of the runs above.
int32_t highest_wall_snap_index();

}  // namespace wqj::catalogue

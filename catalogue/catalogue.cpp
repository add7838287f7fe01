// Descriptions, item and sub-item names, code strings and wall-snap indexes:
// lookups over the catalogue tables.
#include "catalogue/catalogue.h"

#include <vector>

#include "catalogue/tables.h"
#include "text/convert.h"

namespace wqj {

using namespace catalogue;

namespace {

bool is_symbol_subcategory(int32_t category, int32_t subcategory, int32_t first, int32_t last) {
    return category == kSymbolCategory && subcategory >= first && subcategory <= last;
}

// A code string: the numbers as plain decimal integers joined by byte 255.
std::string code_string(const std::vector<int32_t>& numbers) {
    std::string out;
    for (int32_t n : numbers) {
        if (!out.empty()) out += '\xFF';
        out += detail::trim_blanks(NUMBERTOTEXT(n, 15));
    }
    return out;
}

}  // namespace

// ---- descriptions ------------------------------------------------------------

std::string GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t subcategory) {
    for (const CategoryRow& row : category_rows())
        if (row.category == category && (row.subcategory == kAnySubcategory || row.subcategory == subcategory))
            return std::string(row.description);
    return {};
}

std::string GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool) { return std::string(nth_name(tool_names(), tool)); }

std::string GETDESCRIPTIONFORWIRETYPE(int32_t wire) { return std::string(nth_name(wire_names(), wire)); }

// ---- item and sub-item names -----------------------------------------------------

std::string GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t plural) {
    if (!is_symbol_subcategory(category, subcategory, 0, 5)) return {};
    const ItemRow* row = find_item(subcategory, item);
    if (row == nullptr) return {};
    return std::string(plural != 0 ? row->plural : row->singular);
}

int32_t GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t subcategory, std::string& name) {
    const std::string_view trimmed = detail::trim_blanks(name);
    if (trimmed.empty()) return 0;
    // Rewritten in place: the trimmed name moves to the front upper-cased.
    const std::size_t lead = static_cast<std::size_t>(trimmed.data() - name.data());
    const std::size_t length = trimmed.size();
    name.resize(lead + length);
    name.erase(0, lead);
    detail::upper_case_in_place(name.data(), length);
    if (!is_symbol_subcategory(category, subcategory, 0, 5)) return 0;
    for (const AcceptedName& accepted : accepted_names())
        if (accepted.subcategory == subcategory && COMPARETEXT(accepted.name, name) == 0) return accepted.item;
    return 0;
}

std::string GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item) {
    if (!is_symbol_subcategory(category, subcategory, 1, 5)) return {};
    return std::string(sub_item_name(subcategory, item, sub_item));
}

// ---- code strings ------------------------------------------------------------------

std::string GETSUBCATEGORIESCODESTRING(int32_t category) {
    if (category != kSymbolCategory) return {};
    const std::span<const int32_t> list = symbol_subcategory_list();
    return code_string(std::vector<int32_t>(list.begin(), list.end()));
}

std::string GETITEMTYPESCODESTRING(int32_t category, int32_t subcategory) {
    std::vector<int32_t> numbers;
    if (is_symbol_subcategory(category, subcategory, 1, 5)) {
        for (const ItemTypeList& list : item_type_lists()) {
            if (list.subcategory != subcategory) continue;
            for (int32_t item = 0; item <= list.dense_last; ++item) numbers.push_back(item);
            for (int32_t i = 0; i < list.extra_count; ++i) numbers.push_back(list.extras[i]);
        }
    }
    return numbers.empty() ? std::string() : code_string(numbers);
}

std::string GETSUBITEMTYPESCODESTRING(int32_t category, int32_t subcategory, int32_t item) {
    // A list holds at most 254 sub-item types.
    constexpr int32_t kMostSubItems = 254;
    if (category != kSymbolCategory) return {};
    int32_t count = sub_item_count(subcategory, item);
    if (count > kMostSubItems) count = kMostSubItems;
    std::vector<int32_t> numbers;
    for (int32_t n = 1; n <= count; ++n) numbers.push_back(n);
    return code_string(numbers);
}

// ---- wall snap -----------------------------------------------------------------

int32_t GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item) {
    if (category != kSymbolCategory) return 0;
    int32_t index = 0;
    for (const WallSnapRun& run : wall_snap_runs()) {
        if (run.subcategory == subcategory && run.item == item && sub_item >= run.first_sub_item &&
            sub_item <= run.last_sub_item)
            return index + (sub_item - run.first_sub_item) + 1;
        index += run.last_sub_item - run.first_sub_item + 1;
    }
    return 0;
}

int32_t GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX() { return highest_wall_snap_index(); }

}  // namespace wqj

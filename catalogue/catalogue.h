// The symbol catalogue's services: item and sub-item names, library file
// names, code strings, object classification, wall snap and name rules.
// All are pure functions over the catalogue tables: no global state, usable
// before INITIALIZEDLL. (The descriptions are in catalogue/descriptions.h.)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/descriptions.h"

namespace wqj {

// ---- item and sub-item names -----------------------------------------------------

// The item's plural name (plural non-zero) or singular name; empty text when
// the key names no item.
std::string GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t plural);

// The item type that the subcategory accepts for `name`, or 0. A name that
// is not blank is rewritten in place to its trimmed, upper-case form (never
// longer than before), whatever the key; a blank name is left as it is.
int32_t GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t subcategory, std::string& name);

std::string GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item);

// ---- library file names ------------------------------------------------------------

// "lib_<category>_<subcategory>", and "_<item>" when the item type is positive.
std::string GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item);

struct LibraryCategories {
    int32_t category = -1;
    int32_t subcategory = -1;
    int32_t item = -1;
};
// The numbers of fields 2, 3 and 4 of an underscore-separated name; a missing
// subcategory or item field leaves -1, a missing category field gives 0.
LibraryCategories GETCATEGORIESFROMLIBRARYNAME(std::string_view name);
// 1 for "lib_<digits>[_<digits>[_<digits>]]_LIB.VDF" (either case), else 0.
int32_t ISVALIDLIBRARYNAME(std::string_view name);

// ---- code strings ------------------------------------------------------------------
// Lists of decimal integers joined by byte 255; empty text when a level has
// no list.

std::string GETSUBCATEGORIESCODESTRING(int32_t category);
std::string GETITEMTYPESCODESTRING(int32_t category, int32_t subcategory);
std::string GETSUBITEMTYPESCODESTRING(int32_t category, int32_t subcategory, int32_t item);

// ---- object classification and wall snap --------------------------------------------

// 1 when fields 1 to 3 of the comma-separated object code are each exactly 1.
int32_t ISOBJECTAWALL(std::string_view code);
// The sub-item type for item types 250 to 254, its negation for item types
// 12 to 14 of subcategory 0, else 0.
int32_t ISOBJECTAWIRE(std::string_view code);
// 1 to 4 for names beginning with the text box part prefixes, else 0.
int32_t ISOBJECTPARTOFTEXTBOX(std::string_view name);
int32_t GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item);
int32_t GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX();
// -1 when a field of the comma-separated view list reads as the view number.
int32_t ISSYMBOLVIEWNUMBERVALID(int32_t view, std::string_view list);

// ---- name rules ------------------------------------------------------------------

std::string GETFOLDERNAMEINVALIDCHARACTERS();
std::string GETCATEGORYNAMEINVALIDCHARACTERS();
std::string GETCIRCUITNAMEINVALIDCHARACTERS();
std::string GETSYMBOLNAMEINVALIDCHARACTERS();
// The position in `characters` of the first of them that occurs in `text`,
// or 0.
int32_t STRINGCONTAINSCHARACTERS(std::string_view text, std::string_view characters);

}  // namespace wqj

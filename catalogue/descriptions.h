// Descriptions of category types (with the subcategories of category type 1),
// drawing tool types and wire types, for the host's lists and for the export
// file names. Pure lookups: no global state, usable before INITIALIZEDLL.
#pragma once

#include <cstdint>
#include <string>

namespace wqj {

// Category type 1 is described per subcategory type (0 to 6); category types
// 2 to 6 ignore the subcategory. Any other number gives empty text.
std::string GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t subcategory);
// Tool types 1 to 11; any other number gives empty text.
std::string GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool);
// Wire types 1 to 3 (the sub-item types of the wire item); else empty text.
std::string GETDESCRIPTIONFORWIRETYPE(int32_t wire);

}  // namespace wqj

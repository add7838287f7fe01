// Windows paths taken apart, export file names, and special folders.
//
// The only directory separator is the backslash; a path has a drive when its
// second byte is ":" (the drive is then its first two bytes). Apart from the
// file name, whose surrounding blanks are dropped, no part is trimmed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wqj {

// The first two bytes when the second is ":", else empty.
std::string GETDRIVEFROMPATH(std::string_view path);
// From after the drive (or the first byte) up to and including the last
// backslash; empty when there is no backslash at or after that point.
std::string GETDIRECTORYFROMPATH(std::string_view path);
// What follows the last backslash (the whole path without one), blanks
// trimmed at both ends.
std::string GETFILENAMEFROMPATH(std::string_view path);
// The path up to and including its last backslash; unchanged when it ends
// with a backslash or is empty; empty when it holds no backslash.
std::string REMOVEFILENAMEFROMFULLPATH(std::string_view path);
// base (blanks trimmed) "_" category description "_" number.
std::string GETEXPORTFILENAME(std::string_view base, int32_t category, int32_t number);
// The file-system path of the shell's special folder with this number, or
// empty when the shell gives none.
std::string GETSPECIALFOLDERLOCATION(int32_t folder);

}  // namespace wqj

#include "services/paths.h"

#include "catalogue/descriptions.h"
#include "platform/platform.h"
#include "text/convert.h"

namespace wqj {
namespace {

constexpr char kSeparator = '\\';

bool has_drive(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

// What follows the last backslash; the whole path when it holds none.
std::string_view last_piece(std::string_view path) {
    const std::size_t last = path.rfind(kSeparator);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

}  // namespace

std::string GETDRIVEFROMPATH(std::string_view path) {
    return has_drive(path) ? std::string(path.substr(0, 2)) : std::string();
}

std::string GETDIRECTORYFROMPATH(std::string_view path) {
    const std::size_t start = has_drive(path) ? 2 : 0;  // 0-based
    const std::size_t last = path.rfind(kSeparator);
    if (last == std::string_view::npos || last < start) return {};
    return std::string(path.substr(start, last - start + 1));
}

std::string GETFILENAMEFROMPATH(std::string_view path) { return std::string(detail::trim_blanks(last_piece(path))); }

std::string REMOVEFILENAMEFROMFULLPATH(std::string_view path) {
    const std::string_view piece = last_piece(path);
    if (piece.empty()) return std::string(path);
    return std::string(path.substr(0, path.size() - piece.size()));
}

std::string GETEXPORTFILENAME(std::string_view base, int32_t category, int32_t number) {
    const std::string_view stem = detail::trim_blanks(base);
    const std::string description = GETDESCRIPTIONFORCATEGORYTYPE(category, 0);
    std::string name;
    name.reserve(stem.size() + description.size() + 14);  // two "_" and up to 11 digits and sign
    name += stem;
    name += '_';
    name += description;
    name += '_';
    detail::append_whole_number(name, number);
    return name;
}

std::string GETSPECIALFOLDERLOCATION(int32_t folder) { return platform::special_folder_path(folder); }

}  // namespace wqj

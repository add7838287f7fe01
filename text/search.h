// Linear text search and 32-bit positions, shared by the text and field
// services. Internal.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wqj::detail {

constexpr size_t npos = std::string_view::npos;

// ---- linear text search ---------------------------------------------------

// Finds a fixed pattern in texts in time linear in their length: short
// patterns through the library search, longer ones by Knuth-Morris-Pratt.
class Finder {
public:
    explicit Finder(std::string_view pattern) : pat_(pattern) {
        if (pat_.size() <= kShort) return;
        fail_.assign(pat_.size(), 0);
        uint32_t k = 0;
        for (size_t i = 1; i < pat_.size(); ++i) {
            while (k && pat_[i] != pat_[k]) k = fail_[k - 1];
            if (pat_[i] == pat_[k]) ++k;
            fail_[i] = k;
        }
    }
    // The first occurrence starting at or after `from` (pattern not empty).
    size_t next(std::string_view text, size_t from) const {
        if (from >= text.size() || text.size() - from < pat_.size()) return npos;
        if (pat_.size() <= kShort) return text.find(pat_, from);
        size_t q = 0;
        for (size_t i = from; i < text.size(); ++i) {
            while (q && text[i] != pat_[q]) q = fail_[q - 1];
            if (text[i] == pat_[q] && ++q == pat_.size()) return i + 1 - q;
        }
        return npos;
    }
    // The start of the last occurrence lying wholly inside text.
    size_t last(std::string_view text) const {
        if (text.size() < pat_.size()) return npos;
        if (pat_.size() <= kShort) return text.rfind(pat_);
        size_t q = 0, found = npos;
        for (size_t i = 0; i < text.size(); ++i) {
            while (q && text[i] != pat_[q]) q = fail_[q - 1];
            if (text[i] == pat_[q] && ++q == pat_.size()) {
                found = i + 1 - q;
                q = fail_[q - 1];
            }
        }
        return found;
    }

private:
    static constexpr size_t kShort = 32;
    std::string_view pat_;
    std::vector<uint32_t> fail_;
};

inline int32_t clamp32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace wqj::detail

#include "geometry/rectangles.h"

#include <cstddef>
#include <utility>

namespace wqj {
namespace {

RectDouble justified(RectDouble r) {
    SETRECTLOWERLEFTJUSTIFIED(r.X1, r.Y1, r.X2, r.Y2);
    return r;
}

bool within(double v, double low, double high) { return low <= v && v <= high; }

}  // namespace

void SETRECTLOWERLEFTJUSTIFIED(double& x1, double& y1, double& x2, double& y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
}

int32_t ISPOINTINRECTDOUBLE(double x, double y, const RectDouble& rect, int32_t exclusive) {
    if (exclusive == 0) {
        return within(x, rect.X1, rect.X2) && within(y, rect.Y1, rect.Y2) ? 1 : 0;
    }
    return rect.X1 < x && x < rect.X2 && rect.Y1 < y && y < rect.Y2 ? 1 : 0;
}

int32_t RECTINRECT(const RectDouble& outer, const RectDouble& inner) {
    const RectDouble a = justified(outer);
    const RectDouble b = justified(inner);
    if (b.X1 >= a.X1 && b.X2 <= a.X2 && b.Y1 >= a.Y1 && b.Y2 <= a.Y2) return 1;
    // A corner of A in B: the corners at A.X1 when B's x range holds A.X1,
    // else those at A.X2 when it holds A.X2; both corners share A's y values.
    const bool at_x1 = within(a.X1, b.X1, b.X2);
    if (at_x1 || within(a.X2, b.X1, b.X2)) {
        if (within(a.Y1, b.Y1, b.Y2) || within(a.Y2, b.Y1, b.Y2)) return 2;
    }
    return 0;
}

int32_t ISVALUEINLONGARRAY(int32_t value, const int32_t* elements, int32_t last, int32_t first) {
    if (elements == nullptr) return -1;
    // 64-bit index: a last index of INT32_MAX must not wrap the loop.
    for (int64_t i = first; i <= last; ++i) {
        if (elements[static_cast<std::ptrdiff_t>(i)] == value) return static_cast<int32_t>(i);
    }
    return -1;
}

}  // namespace wqj

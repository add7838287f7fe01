// Rectangles, points and integer-array search for hit-testing on the drawing.
//
// Drawing coordinates have y growing upward: a rectangle is lower-left
// justified when X1 <= X2 and Y1 <= Y2.
#pragma once

#include <cstdint>

namespace wqj {

// The 32-byte rectangle record: four doubles, first corner then the opposite.
struct RectDouble {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
};

// Exchanges x1/x2 when x2 < x1 and y1/y2 when y2 < y1, in place.
void SETRECTLOWERLEFTJUSTIFIED(double& x1, double& y1, double& x2, double& y2);
// 1 when the point lies in the rectangle as given (not justified first):
// edges inside when exclusive is 0, outside otherwise; else 0.
int32_t ISPOINTINRECTDOUBLE(double x, double y, const RectDouble& rect, int32_t exclusive);
// On justified copies: 1 when B lies within A (edges included), 2 when at
// least one corner of A lies in B, else 0. Neither record is changed.
int32_t RECTINRECT(const RectDouble& a, const RectDouble& b);
// The first index from `first` up to `last` whose element equals the value,
// or -1 (also when first > last or there is no array). `elements` points at
// the element with index 0; the caller vouches for the index range.
int32_t ISVALUEINLONGARRAY(int32_t value, const int32_t* elements, int32_t last, int32_t first);

}  // namespace wqj

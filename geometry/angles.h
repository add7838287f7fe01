// Angle arithmetic for rotating symbols and walls.
//
// Angles and offsets are doubles; every export works in degrees except
// ROTATERADIANSVALUE. The degree functions keep angles near 0 to 360 by a
// single wrap-around or a remainder (FLOATMODULO, sign of the dividend); they
// do not normalise fully. 359 is the largest angle left alone, 360 the full
// turn added, removed or divided by. Sums are formed in extended precision
// and rounded to double once, on return.
#pragma once

#include <cstdint>

namespace wqj {

// The remainder after whole turns when the angle lies beyond +/-359 (or
// +/-360 when allow360 is non-zero); otherwise the angle unchanged.
double REDUCETO360DEGREEANGLE(double angle, int32_t allow360);
// angle + offset, reduced by a remainder when beyond +/-359.
double ADDANGLEOFFSET(double angle, double offset);
// angle + delta with at most one turn added (below 0) or removed (above 359).
double ROTATEDEGREESVALUE(double angle, double delta);
// The same in radians with the full turn 2 x PI; exactly 2 x PI stays.
double ROTATERADIANSVALUE(double angle, double delta);
// The next multiple of |step| beyond the angle in the direction of the
// step's sign, wrapped as ROTATEDEGREESVALUE wraps. A zero or NaN step has
// no multiples to snap to: the angle is returned unchanged.
double ROTATETONEXTDEGREEVALUE(double angle, double step);
// 1 when angle + delta is above 359, -1 when below 0, else 0.
int32_t ANGLEPASSEDTHROUGHZERO(double angle, double delta);
// The offset from one angle to another: mode 0 the shorter way (half a turn
// goes the second way), 1 increasing, 2 decreasing, any other the plain
// difference; limited to |maximum| when the maximum is non-zero.
double GETOFFSETFROMANGLES(double from, double to, int32_t mode, double maximum);

}  // namespace wqj

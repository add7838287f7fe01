#include "geometry/angles.h"

#include <cmath>

#include "wqj_codes.h"
#include "text/convert.h"

namespace wqj {
namespace {

constexpr long double kLargestKept = 359.0L;
constexpr long double kFullTurn = 360.0L;

// One turn at most: above 359 a turn is removed, below 0 one is added.
long double wrap_once(long double v) {
    if (v > kLargestKept) return v - kFullTurn;
    if (v < 0) return v + kFullTurn;
    return v;
}

}  // namespace

double REDUCETO360DEGREEANGLE(double angle, int32_t allow360) {
    const long double limit = allow360 != 0 ? kFullTurn : kLargestKept;
    const long double a = angle;
    if (a > limit || a < -limit) return static_cast<double>(FLOATMODULO(a, kFullTurn));
    return angle;
}

double ADDANGLEOFFSET(double angle, double offset) {
    const long double s = static_cast<long double>(angle) + offset;
    if (s > kLargestKept || s < -kLargestKept) return static_cast<double>(FLOATMODULO(s, kFullTurn));
    return static_cast<double>(s);
}

double ROTATEDEGREESVALUE(double angle, double delta) {
    return static_cast<double>(wrap_once(static_cast<long double>(angle) + delta));
}

double ROTATERADIANSVALUE(double angle, double delta) {
    const long double turn = 2.0L * static_cast<long double>(PI);
    const long double s = static_cast<long double>(angle) + delta;
    if (s > turn) return static_cast<double>(s - turn);
    if (s < 0) return static_cast<double>(s + turn);
    return static_cast<double>(s);
}

double ROTATETONEXTDEGREEVALUE(double angle, double step) {
    const long double m = std::fabs(static_cast<long double>(step));
    if (!(m > 0)) return angle;  // zero or NaN step
    const long double a = angle;
    long double q = TRUNCATETOWARDZERO(a / m);
    if (step > 0) {
        q = q + 1;
    } else if (FLOATMODULO(a, m) == 0) {
        q = q - 1;
    }
    return static_cast<double>(wrap_once(m * q));
}

int32_t ANGLEPASSEDTHROUGHZERO(double angle, double delta) {
    const long double s = static_cast<long double>(angle) + delta;
    if (s > kLargestKept) return 1;
    if (s < 0) return -1;
    return 0;
}

double GETOFFSETFROMANGLES(double from, double to, int32_t mode, double maximum) {
    const long double f = REDUCETO360DEGREEANGLE(from, 0);
    const long double t = REDUCETO360DEGREEANGLE(to, 0);
    long double offset = t - f;
    switch (mode) {
        case 0: {
            const long double second = t > f ? offset - kFullTurn : offset + kFullTurn;
            // Half a turn either way goes the second way.
            if (!(std::fabs(offset) < std::fabs(second))) offset = second;
            break;
        }
        case 1:
            if (!(t >= f)) offset += kFullTurn;
            break;
        case 2:
            if (!(t <= f)) offset -= kFullTurn;
            break;
        default:
            break;
    }
    const long double limit = std::fabs(static_cast<long double>(maximum));
    if (maximum != 0 && std::fabs(offset) > limit) offset = std::signbit(offset) ? -limit : limit;
    return static_cast<double>(offset);
}

}  // namespace wqj

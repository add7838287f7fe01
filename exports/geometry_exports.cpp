// Exports of the angle, rectangle and bit arithmetic.
#include "exports/boundary.h"
#include "geometry/angles.h"
#include "geometry/bits.h"
#include "geometry/rectangles.h"

using namespace wqj::boundary;

namespace {

// A caller's rectangle record; a null pointer reads as the all-zero record.
wqj::RectDouble rect_in(const RECTDOUBLE* rect) {
    if (rect == nullptr) return {};
    return {rect->X1, rect->Y1, rect->X2, rect->Y2};
}

// Runs an in-place change of a caller's 32-bit variable.
template <class Change>
void change_variable(int32_t* variable, Change&& change) {
    if (variable == nullptr) return;
    int32_t value = *variable;
    change(value);
    *variable = value;
}

template <class Rotate>
void rotate_byte(void* byte, Rotate&& rotate) {
    if (byte == nullptr) return;
    auto* b = static_cast<uint8_t*>(byte);  // exactly one byte is read and written
    uint8_t value = *b;
    rotate(value);
    *b = value;
}

}  // namespace

// ---- angles -------------------------------------------------------------------

double WQJ_CALL REDUCETO360DEGREEANGLE(double angle, int32_t allow_360) {
    return call(0.0, [&] { return wqj::REDUCETO360DEGREEANGLE(angle, allow_360); });
}

double WQJ_CALL ADDANGLEOFFSET(double angle, double offset) {
    return call(0.0, [&] { return wqj::ADDANGLEOFFSET(angle, offset); });
}

double WQJ_CALL ROTATEDEGREESVALUE(double angle, double delta) {
    return call(0.0, [&] { return wqj::ROTATEDEGREESVALUE(angle, delta); });
}

double WQJ_CALL ROTATERADIANSVALUE(double angle, double delta) {
    return call(0.0, [&] { return wqj::ROTATERADIANSVALUE(angle, delta); });
}

double WQJ_CALL ROTATETONEXTDEGREEVALUE(double angle, double step) {
    return call(0.0, [&] { return wqj::ROTATETONEXTDEGREEVALUE(angle, step); });
}

int32_t WQJ_CALL ANGLEPASSEDTHROUGHZERO(double angle, double delta) {
    return call(int32_t{0}, [&] { return wqj::ANGLEPASSEDTHROUGHZERO(angle, delta); });
}

double WQJ_CALL GETOFFSETFROMANGLES(double from_angle, double to_angle, int32_t mode, double maximum) {
    return call(0.0, [&] { return wqj::GETOFFSETFROMANGLES(from_angle, to_angle, mode, maximum); });
}

// ---- rectangles and points -------------------------------------------------------

void WQJ_CALL SETRECTLOWERLEFTJUSTIFIED(double* x1, double* y1, double* x2, double* y2) {
    call_void([&] {
        double a = read_from(x1), b = read_from(y1), c = read_from(x2), d = read_from(y2);
        wqj::SETRECTLOWERLEFTJUSTIFIED(a, b, c, d);
        write_to(x1, a);
        write_to(y1, b);
        write_to(x2, c);
        write_to(y2, d);
    });
}

int32_t WQJ_CALL ISPOINTINRECTDOUBLE(double x, double y, RECTDOUBLE* rect, int32_t exclusive) {
    return call(int32_t{0}, [&] { return wqj::ISPOINTINRECTDOUBLE(x, y, rect_in(rect), exclusive); });
}

int32_t WQJ_CALL RECTINRECT(RECTDOUBLE* outer, RECTDOUBLE* inner) {
    return call(int32_t{0}, [&] { return wqj::RECTINRECT(rect_in(outer), rect_in(inner)); });
}

int32_t WQJ_CALL ISVALUEINLONGARRAY(int32_t value, int32_t* elements, int32_t last, int32_t first) {
    return call(int32_t{-1}, [&] { return wqj::ISVALUEINLONGARRAY(value, elements, last, first); });
}

// ---- bits -----------------------------------------------------------------------

int32_t WQJ_CALL GETTOTALBITSSET(int32_t value, int32_t count) {
    return call(int32_t{0}, [&] { return wqj::GETTOTALBITSSET(value, count); });
}

int32_t WQJ_CALL GETFIRSTBITSET(int32_t value, int32_t start, int32_t count) {
    return call(int32_t{-1}, [&] { return wqj::GETFIRSTBITSET(value, start, count); });
}

int32_t WQJ_CALL EXAMINEBIT(int32_t* value, int32_t bit) {
    return call(int32_t{0}, [&] { return wqj::EXAMINEBIT(read_from(value), bit); });
}

void WQJ_CALL CLEARBIT(int32_t* value, int32_t bit) {
    call_void([&] { change_variable(value, [&](int32_t& v) { wqj::CLEARBIT(v, bit); }); });
}

void WQJ_CALL SETBIT(int32_t* value, int32_t bit) {
    call_void([&] { change_variable(value, [&](int32_t& v) { wqj::SETBIT(v, bit); }); });
}

void WQJ_CALL TOGGLEBIT(int32_t* value, int32_t bit) {
    call_void([&] { change_variable(value, [&](int32_t& v) { wqj::TOGGLEBIT(v, bit); }); });
}

int32_t WQJ_CALL SHIFTBITSLEFT(int32_t value, int32_t count) {
    return call(int32_t{0}, [&] { return wqj::SHIFTBITSLEFT(value, count); });
}

int32_t WQJ_CALL SHIFTBITSRIGHT(int32_t value, int32_t count) {
    return call(int32_t{0}, [&] { return wqj::SHIFTBITSRIGHT(value, count); });
}

void WQJ_CALL ROTATEBITSLEFT(void* byte, int32_t count) {
    call_void([&] { rotate_byte(byte, [&](uint8_t& b) { wqj::ROTATEBITSLEFT(b, count); }); });
}

void WQJ_CALL ROTATEBITSRIGHT(void* byte, int32_t count) {
    call_void([&] { rotate_byte(byte, [&](uint8_t& b) { wqj::ROTATEBITSRIGHT(b, count); }); });
}

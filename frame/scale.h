// The drawing-scale table: standard ratios (1 : D) per measurement system.
#pragma once

#include <cstdint>

#include "frame/globals.h"

namespace wqj {

// The stored value at (entry, part, system); 0 outside the table or before
// the table exists.
float GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t entry);
// The first entry of the system whose two parts equal the values exactly;
// -1 when none does, for a system other than 0 or 1, or without a table.
int32_t GETINDEXFORSCALERATIOVALUES(int32_t system, float drawing, float real);
// Inches on paper per foot: (drawing / real) rounded to single, times 12.
float GETINCHESPERFOOTFROMSCALERATIO(float drawing, float real);
// The real side D of the largest standard ratio 1/D not above `ratio`, or
// the negated smallest scale when the ratio is below every standard one.
int32_t GETNEARESTSCALERATIOVALUE(int32_t system, double ratio);
// Millimetres to inches for the metric system, inches to millimetres for
// any other, rounded to single.
float GETCONVERTEDSCALEVALUE(int32_t system, float value);

namespace detail {

// Writes all 52 values of the table.
void write_scale_ratios(ScaleTable& table);

}  // namespace detail

}  // namespace wqj

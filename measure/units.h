// Units and designators: inch/millimetre conversion, the unit words that
// measurement text may contain (designators), the unit words formatted text
// is written with (labels), and the per-system decimal-places setting.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wqj {

// Inches per metre for CONVERTMEASUREMENT, a single-precision literal
// (exactly 39.36899948120117); not the reciprocal of MILLIMETERSPERINCH.
inline constexpr float kInchesPerMeter = 39.369f;

double INCHESTOMILLIMETERS(double inches);
float MILLIMETERSTOINCHES(float millimeters);

// The designator at (system, unit, index) bare (plain non-zero) or with one
// blank on each side.
std::string GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t plain);
std::string GETMEASUREMENTLABEL(int32_t system, int32_t kind, float value);
float CONVERTMEASUREMENT(float inches, int32_t kind);

namespace detail {

// The designator at (system, unit, index), or empty text when there is none.
// The view refers to static storage.
std::string_view designator(int32_t system, int32_t unit, int32_t index);
// Every designator of (system, unit) in index order; none for a unit the
// system does not have.
std::span<const std::string_view> designators(int32_t system, int32_t unit);
// GETMEASUREMENTLABEL's label as a view of the library's constant text.
std::string_view measurement_label(int32_t system, int32_t kind, float value);

}  // namespace detail

}  // namespace wqj

// Units and designators: inch/millimetre conversion, the unit words that
// measurement text may contain (designators), the unit words formatted text
// is written with (labels), and the per-system decimal-places setting.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "wqj_codes.h"

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
// A label's word for a value: the plural above 1.
inline std::string_view plural(float value, std::string_view many, std::string_view one) {
    return value > 1.0f ? many : one;
}
// GETMEASUREMENTLABEL's label as a view of the library's constant text:
// the plural word for a value above 1. Inline: the formatter asks for two
// labels on every call.
inline std::string_view measurement_label(int32_t system, int32_t kind, float value) {
    std::string_view label;
    if (system == SYSTEMMETRIC) {
        switch (kind) {
            case LABELMETERSWORD: label = plural(value, "Meters", "Meter"); break;
            case LABELMILLIMETERSWORD: label = plural(value, "Millimeters", "Millimeter"); break;
            case LABELMABBREV: label = "m"; break;
            case LABELMMABBREV: label = "mm"; break;
            case LABELCMABBREV: label = "cm"; break;
            default: break;
        }
    } else {
        switch (kind) {
            case LABELFEETWORD: label = plural(value, "Feet", "Foot"); break;
            case LABELINCHESWORD: label = plural(value, "Inches", "Inch"); break;
            case LABELFTABBREV: label = "Ft"; break;
            case LABELINABBREV: label = "In"; break;
            case LABELFTDOTABBREV: label = "Ft."; break;
            case LABELINDOTABBREV: label = "In."; break;
            case LABELFEETMARK: label = "'"; break;
            case LABELINCHESMARK: label = "\""; break;
            default: break;
        }
    }
    return label;
}

}  // namespace detail

}  // namespace wqj

// Reading measurement text into inches.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "wqj_codes.h"

namespace wqj {

// A digit or "."; also "/" and "\" when system is exactly 0. Only the first
// character counts; empty text is false.
bool ISMEASUREMENTCHARACTERFORSYSTEM(int32_t system, std::string_view text);
// A digit, ".", "/" or "\".
bool ISMEASUREMENTCHARACTER(std::string_view text);

// The text with one blank put between every number-to-word and
// word-to-number boundary; empty text when the text is blank.
std::string SEPARATEMEASUREMENTSINTEXTSTRING(std::string_view text);

namespace detail {

// One pass of the whole-entry reading: a unit index in one system, the code
// reported when its number exceeds the maximum, and how an amount of it
// becomes inches.
struct UnitPass {
    int32_t unit;
    int32_t system;
    int32_t error_code;
    int32_t factor;  // inches per unit (imperial) or millimetres per unit (metric)
};

// Unit index 0, then 2, then 1, then 3; imperial before metric, so the metric
// amount of an index replaces the imperial one.
inline constexpr UnitPass kUnitPasses[] = {
    {UNITMETERSORYARDS, SYSTEMIMPERIAL, ERRORYARDS, 36},
    {UNITMETERSORYARDS, SYSTEMMETRIC, ERRORMETERS, 1000},
    {UNITCENTIMETERSORINCHES, SYSTEMIMPERIAL, ERRORINCHES, 1},
    {UNITCENTIMETERSORINCHES, SYSTEMMETRIC, ERRORCENTIMETERS, 10},
    {UNITDECIMETERSORFEET, SYSTEMIMPERIAL, ERRORFEET, 12},
    {UNITDECIMETERSORFEET, SYSTEMMETRIC, ERRORDECIMETERS, 100},
    {UNITMILLIMETERS, SYSTEMMETRIC, ERRORMILLIMETERS, 1},
};

// The length of the separated text (0 for a blank entry), and the separated
// text written into `out` of exactly that length.
std::size_t separated_size(std::string_view text);
void separate_into(std::string_view text, std::span<char> out);
// GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION read backward (from_end -1),
// the whole entry's reading of each unit's number: the same value and
// positions, worked out on the text as it stands rather than on a reversed
// copy.
float read_number_before(int32_t system, std::string_view text, int32_t position, int32_t& start, int32_t& end);

}  // namespace detail

// The number (with its fraction) next to a 1-based position, read backward
// (from_end -1) or forward. When a value was read, start and end receive the
// positions of its first and last characters in `text`.
float GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, std::string_view text, int32_t position,
                                                int32_t from_end, int32_t& start, int32_t& end);

// A whole entry in inches, 0 for blank text or text without designators, or
// a negative error code when a number exceeds `maximum` (then error_start and
// error_end receive its positions in the upper-cased, trimmed entry).
float CONVERTTEXTSTRINGVALUETOINCHES(std::string_view text, float maximum, int32_t& error_start,
                                     int32_t& error_end);

}  // namespace wqj

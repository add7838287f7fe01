// Reading measurement text into inches.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wqj {

// Per-number maximum error codes of CONVERTTEXTSTRINGVALUETOINCHES.
inline constexpr int32_t kErrorMeters = -1;
inline constexpr int32_t kErrorYards = -2;
inline constexpr int32_t kErrorDecimeters = -3;
inline constexpr int32_t kErrorFeet = -4;
inline constexpr int32_t kErrorCentimeters = -5;
inline constexpr int32_t kErrorInches = -6;
inline constexpr int32_t kErrorMillimeters = -7;
// No reading gives this code; the invalid-number message still has a word
// for it ("unknown").
inline constexpr int32_t kErrorUnknownUnit = -8;

// A digit or "."; also "/" and "\" when system is exactly 0. Only the first
// character counts; empty text is false.
bool ISMEASUREMENTCHARACTERFORSYSTEM(int32_t system, std::string_view text);
// A digit, ".", "/" or "\".
bool ISMEASUREMENTCHARACTER(std::string_view text);

// The text with one blank put between every number-to-word and
// word-to-number boundary; empty text when the text is blank.
std::string SEPARATEMEASUREMENTSINTEXTSTRING(std::string_view text);

namespace detail {

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

// Number and text conversion services shared by every subsystem.
//
// These are the library's internal rules for reading numbers out of text,
// writing numbers as text (numbers.cpp), rounding (arithmetic.cpp),
// trimming, upper-casing and searching text (strings.cpp); the field
// services are in text/fields.h.
// Every export that returns text built from numbers or fields goes through
// them, so their exact behaviour (blanks, signs, digits, ties to even,
// positions counted from 1) decides the bytes the host sees.
//
// All services are pure. Texts are counted byte strings (any byte, NUL
// included); positions count bytes from 1. Floating values are carried as
// long double (x87 extended precision, 64-bit significand) and rounded to
// double or single only where a caller stores them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wqj {

// ---- numbers and text -----------------------------------------------------

// Reads the longest numeric prefix (decimal with exponent, or a based
// integer after "&"); anything unreadable reads as 0.
long double TEXTTONUMBER(std::string_view text);

// Writes a number with `digits` significant digits (15 for doubles and
// integers, 7 for singles): "-" or a blank first, no "0" before the point,
// scientific form where plain form would need more digits.
std::string NUMBERTOTEXT(long double value, int digits);

namespace detail {

// NUMBERTOTEXT without the leading blank of a value that is not negative:
// a number as messages and fractions show it (".5", "-2", "12.5").
std::string number_text(long double value, int digits);

// Appends a whole number as NUMBERTOTEXT writes it with 15 digits, without
// the leading blank of a value that is not negative: "-12", "0", "1E+15".
// Below 10^15 in magnitude (every 32-bit integer) the digits are written
// directly, which is what lists of numbers and fractions need per item.
void append_whole_number(std::string& out, int64_t value);

// TEXTTONUMBER of one to nine plain digits, the measurement readers' common
// case: the digits' integer, exactly. False for any other text.
inline bool small_whole_number(std::string_view text, uint32_t& value) {
    if (text.empty() || text.size() > 9) return false;
    uint32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + uint32_t(c - '0');
    }
    value = v;
    return true;
}

// Adds b to sum in double precision; true when the sum is exact (the
// TwoSum error term is 0; an infinity or NaN gives false). Sums that stay
// exact in double precision are exact in extended precision too, so
// rounding them to single once gives what the extended sum gives, without
// the x87 unit.
inline bool add_exactly(double& sum, double b) {
    const double t = sum + b;
    const double b_part = t - sum;
    const double error = (sum - (t - b_part)) + (b - b_part);
    sum = t;
    return error == 0;
}

}  // namespace detail

// Formats with a picture mask; only ".######" is used by the library.
std::string FORMATWITHMASK(long double value, std::string_view mask);

// ---- numeric services -----------------------------------------------------

long double ROUNDTODIGITS(long double x, int32_t decimals);
long double TRUNCATETOWARDZERO(long double x);
long double FLOORTOINTEGER(long double x);
// Nearest, ties to even. NaN gives 0; values outside the 32-bit range
// saturate to INT32_MIN / INT32_MAX.
int32_t ROUNDTOINTEGER(long double x);
long double INTEGERDIVIDE(long double a, long double b);
long double FLOATMODULO(long double a, long double b);

// ---- text services --------------------------------------------------------

// The trimming, substring and field services return views into their
// argument: the caller keeps the argument alive while it uses the result.
std::string_view TRIMLEFTBLANKS(std::string_view text);
std::string_view TRIMRIGHTBLANKS(std::string_view text);
std::string UPPERCASETEXT(std::string_view text);

namespace detail {

// Both trims: TRIMRIGHTBLANKS(TRIMLEFTBLANKS(text)).
std::string_view trim_blanks(std::string_view text);
// Appends text upper-cased as UPPERCASETEXT does it.
void append_upper_case(std::string& out, std::string_view text);
// Upper-cases count bytes from `first` in place, as UPPERCASETEXT does.
void upper_case_in_place(char* first, std::size_t count);
// The byte UPPERCASETEXT makes of c.
unsigned char upper_case_byte(unsigned char c);
// The bytes UPPERCASETEXT makes `upper` of, in `sources`, and how many
// there are: `upper` itself unless it changes, and the one other byte, if
// any, it is made of. None for a byte that is itself changed, such as "a".
int upper_case_sources(unsigned char upper, unsigned char (&sources)[2]);
// Whether UPPERCASETEXT(text) is `upper`.
bool upper_cases_to(std::string_view text, std::string_view upper);
// Whether upper-casing has to do with c: UPPERCASETEXT changes c, or makes
// c of another byte. A text without such bytes matches upper-cased text
// exactly where it matches the original.
bool upper_casing_touches(unsigned char c);

}  // namespace detail

// Negative, zero or positive as a is less than, equal to or greater than b.
int COMPARETEXT(std::string_view a, std::string_view b);
int32_t FINDTEXT(int32_t start, std::string_view text, std::string_view pattern);
std::string_view SUBTEXT(std::string_view text, int32_t start, int32_t count);
int32_t COUNTOCCURRENCES(std::string_view text, std::string_view pattern);
int32_t FIRSTCHARACTERNOTINSET(int32_t start, std::string_view text, std::string_view set);

}  // namespace wqj

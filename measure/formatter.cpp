// Measurement formatting: inches split into parts and written in the host's
// display styles.
//
// The parts are singles, as the host receives them: every part is rounded to
// float where it is stored, while the sums and quotients it comes from are
// formed in extended precision.
#include "measure/formatter.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <iterator>
#include <string_view>
#include <utility>

#include "wqj_codes.h"
#include "measure/fractions.h"
#include "measure/units.h"
#include "text/convert.h"
#include "text/decimal.h"
#include "text/extended.h"
#include "text/powers.h"
#include "text/uint128.h"

namespace wqj {

namespace {

using detail::kPowersOfTen;
using detail::kTenths;

// The single nearest r / 10^decimals (below 2^16, decimals 0 to 8), from
// a product rather than a quotient (a division is the slowest step on the
// typing path). The product of r and the double nearest 10^-decimals lies
// within 2^-52 (relative) of r / 10^decimals. That lies at least 2^-51.6
// (relative) from every midpoint (2j + 1) / 2^n between two singles
// (2j + 1 below 2^25): the two differ by at least 1 / (10^decimals 2^n),
// and 10^decimals <= 10^8 < 2^26.6. It is never a midpoint itself (where it
// is a binary fraction it is (r / 5^decimals) / 2^decimals, of at most 24
// significant bits below 2^16, so a single). Both therefore round to the
// same single.
float nearest_single(uint64_t r, int decimals) {
    return static_cast<float>(static_cast<double>(r) * kTenths[decimals]);
}

// With fractions the split keeps every decimal of the fractional inch
// (ROUNDTODIGITS caps this at 18); the fraction itself does the rounding.
constexpr int32_t kAllDecimals = 20;

// How an imperial style writes a length. A label kind of -1 is no label.
enum class Arrangement { FeetInches, DecimalFeet, InchesOnly };
struct Layout {
    Arrangement arrangement = Arrangement::FeetInches;
    int32_t big_label = -1;
    int32_t small_label = -1;
    std::string_view separator;
};
// Indexed by style code, FORMATFEETINCHESWORDS (0) to FORMATINCHESPLAIN (13).
constexpr Layout kImperialLayouts[] = {
    {Arrangement::FeetInches, LABELFEETWORD, LABELINCHESWORD, " "},
    {Arrangement::FeetInches, LABELFTDOTABBREV, LABELINDOTABBREV, " "},
    {Arrangement::FeetInches, LABELFTABBREV, LABELINABBREV, " "},
    {Arrangement::DecimalFeet, LABELFEETWORD, -1, ""},
    {Arrangement::DecimalFeet, LABELFTDOTABBREV, -1, ""},
    {Arrangement::DecimalFeet, LABELFTABBREV, -1, ""},
    {Arrangement::FeetInches, LABELFEETMARK, LABELINCHESMARK, " "},
    {Arrangement::FeetInches, LABELFEETMARK, LABELINCHESMARK, " - "},
    {Arrangement::DecimalFeet, LABELFEETMARK, -1, ""},
    {Arrangement::InchesOnly, -1, LABELINCHESWORD, ""},
    {Arrangement::InchesOnly, -1, LABELINDOTABBREV, ""},
    {Arrangement::InchesOnly, -1, LABELINABBREV, ""},
    {Arrangement::InchesOnly, -1, LABELINCHESMARK, ""},
    {Arrangement::InchesOnly, -1, -1, ""},
};
static_assert(std::size(kImperialLayouts) == FORMATINCHESPLAIN + 1);

// Each writer below appends to the text at `out` and returns where it
// ends: the cursor goes in and out by value, in registers.
using detail::TextCursor;

// A record written by the number-text rules with n digits, without the
// blank, appended; `room` is what its form may take (see write_decimal).
// Inline, as the writer is, for whole numbers to cost only their digits.
[[gnu::always_inline]] inline TextCursor append_decimal(TextCursor out, const detail::Decimal& d, int n,
                                                        detail::Form form = detail::Form::Trimmed,
                                                        std::size_t room = detail::kNumberTextRoom) {
    out.advance(detail::write_decimal(d, n, form, out.room(room)));
    return out;
}

// A number written by NUMBERTOTEXT, blanks trimmed, appended. A whole
// number below 10^digits, what metres and millimetres mostly are, is its
// own record.
TextCursor append_number(TextCursor out, long double value, int digits) {
    if (digits >= 1 && digits <= 15 && value >= 0 && value < detail::kExtendedPowersOfTen[digits]) {
        const uint64_t whole = detail::whole_magnitude(value);
        if (static_cast<long double>(whole) == value) return append_decimal(out, {whole, 0, false}, digits);
    }
    return append_decimal(out, detail::number_record(value, digits), digits);
}

// A part (feet, inches, metres, millimetres) written with 7 digits. Parts
// are mostly whole numbers below 10^7, told and converted in single
// precision here.
TextCursor append_part(TextCursor out, float value) {
    if (value >= 0 && value < 1e7f) {
        const auto whole = static_cast<int32_t>(value);
        if (static_cast<float>(whole) == value) return append_decimal(out, {static_cast<uint64_t>(whole), 0, false}, 7);
    }
    return append_decimal(out, detail::single_record(value, 7), 7);
}

// The decimals of a fractional inch (0 < small < 1) as text: ".5", ".25".
// NUMBERTOTEXT writes a small value with many decimals in exponent form
// ("4.999542E-2"); put after the whole inches that would read as another
// number ("44.999542E-2"), so the same seven significant digits are written
// in plain form (".04999542"): at most 51 decimals for a single.
TextCursor append_decimal_small_text(TextCursor out, float small) {
    return append_decimal(out, detail::single_record(small, 7), 7, detail::Form::Plain, 80);
}

// True when a text is empty or holds only blanks.
bool blank(std::string_view text) {
    for (const char c : text) {
        if (c != ' ') return false;
    }
    return true;
}

// Trims the assembled text in place; it becomes empty text when nothing but
// blanks or the small label is left.
void finish(detail::FormattedLength& text, std::string_view small_label) {
    const std::string_view all = text.view();
    std::size_t first = 0, last = all.size();
    while (first < last && all[first] == ' ') ++first;
    while (last > first && all[last - 1] == ' ') --last;
    const std::string_view trimmed = all.substr(first, last - first);
    // (A text longer than the label cannot be the label.)
    if (trimmed.empty() || (trimmed.size() <= small_label.size() && trimmed == detail::trim_blanks(small_label))) {
        text.keep(0, 0);
        return;
    }
    text.keep(first, trimmed.size());
}

// The metres of the metre styles, ROUNDTODIGITS(mid / 1000 + big, places)
// written with 15 digits, for whole metres and millimetres (T millimetres
// in all, below 2^30): the steps carry T / 1000 to within 2^-60 of itself,
// so to 3 or more decimals its 15 digits are those of T / 1000, and to
// fewer, T / 10^(3 - places) rounds as the steps round it unless it is a tie
// (then false, as for lengths outside that range).
bool append_metres_in_integers(TextCursor& out, const MeasurementParts& p, int32_t places) {
    if (!(p.big >= 0 && p.big < 1e6f && p.mid >= 0 && p.mid < 1000)) return false;
    const auto metres = static_cast<uint32_t>(p.big);
    const auto millimetres = static_cast<uint32_t>(p.mid);
    if (static_cast<float>(metres) != p.big || static_cast<float>(millimetres) != p.mid) return false;
    uint64_t r = uint64_t{metres} * 1000 + millimetres;
    int decimals = 3;
    if (places >= 0 && places < 3) {
        const uint64_t unit = places == 0 ? 1000 : places == 1 ? 100 : 10;
        const uint64_t rest = r % unit;
        r /= unit;
        if (2 * rest == unit) return false;
        if (2 * rest > unit) ++r;
        decimals = places;
    }
    out = append_decimal(out, {r, -decimals, false}, 15);
    return true;
}

void metric_text(detail::FormattedLength& text, int32_t system, int32_t style, const MeasurementParts& p,
                 int32_t places) {
    TextCursor out = text.cursor();
    switch (style) {
        case FORMATMETERSMILLIMETERSWORDS:
            if (p.big > 0) {
                out = append_part(out, p.big);
                out.append(' ');
                out.append(detail::measurement_label(system, LABELMETERSWORD, p.big));
            }
            if (p.mid > 0) {
                out.append(' ');
                out = append_part(out, p.mid);
                out.append(' ');
                out.append(detail::measurement_label(system, LABELMILLIMETERSWORD, p.mid));
            }
            break;
        case FORMATMETERSMILLIMETERSABBREV:
            if (p.big > 0) {
                out = append_part(out, p.big);
                out.append("m ");
            }
            if (p.mid > 0) {
                out = append_part(out, p.mid);
                out.append("mm");
            }
            break;
        case FORMATMETERSWORDS:
        case FORMATMETERSABBREV:
            if (static_cast<long double>(p.big) + p.mid > 0) {
                if (!append_metres_in_integers(out, p, places))
                    out = append_number(out, ROUNDTODIGITS(static_cast<long double>(p.mid) / 1000 + p.big, places), 15);
                out.append(' ');
                // The word follows the whole metres: 1.5 m is "1.5 Meter".
                out.append(style == FORMATMETERSWORDS ? detail::measurement_label(system, LABELMETERSWORD, p.big)
                                                       : std::string_view("m"));
            }
            break;
        case FORMATMILLIMETERSABBREV:
        case FORMATMILLIMETERSPLAIN: {
            // The millimetre count is written whatever it is, zero and
            // negative lengths included; but a length that is no number
            // (NaN, or infinite, whose millimetres beyond the metres are NaN)
            // gives empty text, as in every other style, not "0".
            if (p.big >= 0 && p.big < 10000 && p.mid >= 0 && p.mid < 1000 &&
                p.big == static_cast<float>(static_cast<uint32_t>(p.big)) &&
                p.mid == static_cast<float>(static_cast<uint32_t>(p.mid))) {
                // Whole metres and millimetres below 10^7 millimetres: a
                // whole number of at most 7 digits, written as it is.
                const uint32_t millimetres = static_cast<uint32_t>(p.big) * 1000u + static_cast<uint32_t>(p.mid);
                out = append_decimal(out, {millimetres, 0, false}, 7);
            } else {
                const long double total = p.mid + 1000.0L * p.big;
                if (std::isnan(total)) break;
                out = append_number(out, total, 7);
            }
            if (style == FORMATMILLIMETERSABBREV) out.append(" mm");
            break;
        }
        case FORMATMETERSCENTIMETERSABBREV:
            if (p.big > 0) {
                out = append_part(out, p.big);
                out.append("m ");
            }
            if (p.mid > 0) {
                // Whole centimetres; the millimetres beyond them are dropped.
                if (p.mid < 1e9f && p.mid == static_cast<float>(static_cast<uint32_t>(p.mid)))
                    out = append_decimal(out, {static_cast<uint32_t>(p.mid) / 10u, 0, false}, 15);
                else
                    out = append_number(out, INTEGERDIVIDE(p.mid, 10), 15);
                out.append("cm");
            }
            break;
        default:
            break;
    }
    text.take(out);
    finish(text, {});
}

// The metric parts of a length from 2^-10 to 2^20 inches, in integers.
// The millimetres are the exact product of the single and the double
// MILLIMETERSPERINCH (below 2^77) rounded as INCHESTOMILLIMETERS rounds it:
// to 64 significant bits, then to 53, each to nearest with ties to even.
// Whole metres are the whole millimetres divided by 1000: the quotient of
// the millimetres by 1000 is a whole number or lies at least 2^-53
// (relative) from one, so its truncation in extended precision gives the
// same. The whole millimetres beyond them are below 1000, and rounding them
// to any count of decimals leaves them as they are.
bool metric_parts_in_integers(float inches, MeasurementParts& p) {
    if (!(inches >= 0x1p-10f && inches < 0x1p20f)) return false;
    uint32_t single = 0;
    std::memcpy(&single, &inches, sizeof single);
    uint64_t factor = 0;
    std::memcpy(&factor, &MILLIMETERSPERINCH, sizeof factor);
    detail::Uint128 product = detail::multiply((single & 0x7FFFFFu) | 0x800000u,
                                               (factor & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52));
    int exponent = static_cast<int>(single >> 23) - 150 + static_cast<int>((factor >> 52) & 0x7FFu) - 1075;
    // To 64 significant bits (the product has 76 or 77).
    const int drop = 64 - std::countl_zero(product.hi);
    const uint64_t below = product.lo & ((uint64_t{1} << drop) - 1);
    const uint64_t half = uint64_t{1} << (drop - 1);
    product.shift_right(drop);
    uint64_t extended = product.lo;
    exponent += drop;
    if (below > half || (below == half && (extended & 1) != 0)) {
        if (++extended == 0) {
            extended = uint64_t{1} << 63;
            ++exponent;
        }
    }
    // To 53 bits.
    uint64_t mm = extended >> 11;
    exponent += 11;
    const uint64_t rest = extended & 0x7FFu;
    if (rest > 0x400u || (rest == 0x400u && (mm & 1) != 0)) {
        if (++mm == uint64_t{1} << 53) {
            mm >>= 1;
            ++exponent;
        }
    }
    // mm * 2^exponent millimetres, below 2^25: the exponent is below -27.
    const uint64_t whole = -exponent >= 64 ? 0 : mm >> -exponent;
    p.big = static_cast<float>(whole / 1000);
    p.mid = static_cast<float>(whole % 1000);
    p.small = 0;
    return true;
}

// The imperial parts of a length from 2^-17 to 2^20 inches (typed lengths),
// worked out in integers where the steps below are exact or round alike.
// Such a length is a whole number of 2^-40 inches below 2^60. Its quotient
// by 12 is a whole number or lies at least 2^-44 from one, far more than
// the rounding of that quotient in extended precision (2^-47 here), so
// truncating it gives the whole feet exactly; what is left is exact, and its
// fractional inch has at most the 24 significant bits of the length. That
// fraction rounded to 0 to 6 decimals is r / 10^places with r found from the
// exact product; r / 10^places lies at least 2^-45 (relative) from any
// midpoint between two singles unless it is a single itself, so the single
// nearest it (nearest_single) is what rounding it through extended
// precision gives. Returns false (parts untouched) outside these cases.
// No step here raises a floating-point flag, which keeps the export's
// floating-point guard from having to clear one.
bool imperial_parts_in_integers(float inches, int32_t places, MeasurementParts& p) {
    if (!(inches >= 0x1p-17f && inches < 0x1p20f)) return false;
    uint32_t bits = 0;
    std::memcpy(&bits, &inches, sizeof bits);
    const uint64_t significand = (bits & 0x7FFFFFu) | 0x800000u;
    constexpr int kFractionBits = 40;
    constexpr uint64_t kOne = uint64_t{1} << kFractionBits;
    // inches = significand * 2^(biased - 150); the shift is 0 to 36.
    const uint64_t units = significand << ((bits >> 23) - (150 - kFractionBits));
    const uint64_t feet = units / (12 * kOne);
    const uint64_t rest = units - feet * 12 * kOne;
    uint64_t fraction = rest & (kOne - 1);
    float small = 0;
    if (fraction != 0) {
        if (places < 0 || places >= 18) {
            if (fraction < (uint64_t{1} << 20)) return false;  // below 2^-20: rounded to 18 decimals
            small = static_cast<float>(static_cast<double>(fraction) * 0x1p-40);
        } else if (places <= 6) {
            const uint64_t scaled = fraction * kPowersOfTen[places];  // below 2^60
            uint64_t r = scaled >> kFractionBits;
            const uint64_t below = scaled & (kOne - 1);
            const uint64_t half = kOne >> 1;
            if (below > half || (below == half && (r & 1) != 0)) ++r;
            small = nearest_single(r, places);
        } else {
            return false;
        }
    }
    p.big = static_cast<float>(feet);
    p.mid = static_cast<float>(rest >> kFractionBits);
    p.small = small;
    return true;
}

// The record NUMBERTOTEXT writes with seven digits of the single nearest
// x = r / 10^decimals (0 < r < 10^7), where that is r's own: the single
// lies within half a unit in its 24th bit of x, which is under 0.4 of a
// unit in x's seventh digit when x's first digits are below 6.71
// (2^-24 * 6.71 * 10^6 < 0.4); the single's seven digits then round back to
// r's, unless x is a power of ten that the single lies just below. Leaves
// the record without digits otherwise.
void decimal_feet_record(uint64_t r, int32_t decimals, detail::Decimal& record) {
    if (r == 0 || r >= kPowersOfTen[7]) return;
    const int k = detail::decimal_length(r);
    if (r * kPowersOfTen[7 - k] >= 6710000 || r == kPowersOfTen[k - 1]) return;
    record = {r, -decimals, false};
}

// The same record for the single kept / 2^k (kept below 2^25): a whole
// number below 10^7, or m / 2^j (m odd, 1 <= j <= 7) whose exact decimal
// m * 5^j has at most seven digits (nothing to round); none otherwise.
void binary_feet_record(uint64_t kept, int k, detail::Decimal& record) {
    if (kept == 0) return;
    const int zeros = std::countr_zero(kept);
    const uint64_t m = kept >> zeros;
    const int j = k - zeros;
    if (j < -24 || j > 7) return;
    const uint64_t d = j <= 0 ? m << -j : m * detail::kPowersOfFive[j];
    if (d < kPowersOfTen[7]) record = {d, j < 0 ? 0 : -j, false};
}

// The feet of decimal-feet styles, worked out in integers where that gives
// what the extended-precision steps give (see decimal_feet). The length
// (12 big + mid + small) is then a whole number t of 2^-44 inches below
// 2^63, and the feet are X = t / (3 * 2^46). The steps carry X with an
// error far below 2^-20 of a unit of the last of up to 8 decimals (and
// 2^-47 in all), so:
// - to up to 8 decimals, X * 10^places rounds as the steps round it unless
//   it lies within 2^-14 of a tie without being one (an exact tie makes X
//   a binary fraction of at most 24 bits, which the steps carry exactly, so
//   it goes to even), and the single nearest r / 10^places is
//   the one the steps store (r / 10^places lies at least 2^-52 (relative)
//   from a midpoint between singles unless it is a single itself);
// - to 16 or more decimals, the steps move X by less than 2^-47, so they
//   give the single nearest X unless X lies within 2^-44 of a midpoint
//   between singles.
// Anything else (9 to 15 decimals, a length outside that range, near ties)
// returns false.
bool decimal_feet_in_integers(const MeasurementParts& p, int32_t places, float& feet, detail::Decimal* record) {
    if (!(p.big >= 0 && p.big < 32768 && p.mid >= 0 && p.mid < 12 && p.small >= 0 && p.small < 1)) return false;
    if (p.small != 0 && p.small < 0x1p-20f) return false;
    const auto whole_inches = static_cast<uint64_t>(static_cast<uint32_t>(p.big) * 12u + static_cast<uint32_t>(p.mid));
    if (static_cast<float>(whole_inches) != p.big * 12 + p.mid) return false;  // parts not whole
    uint64_t t = whole_inches << 44;
    if (p.small != 0) {
        uint32_t bits = 0;
        std::memcpy(&bits, &p.small, sizeof bits);
        // small = significand * 2^(biased - 150) with biased >= 107 here.
        t += uint64_t{(bits & 0x7FFFFFu) | 0x800000u} << ((bits >> 23) - 106);
    }
    const int32_t decimals = places < 0 || places > 18 ? 18 : places;
    // Fractions of X are counted in units of 1 / (3 * 2^46).
    constexpr uint64_t kHalf = uint64_t{3} << 45;
    if (decimals <= 8) {
        // X * 10^places = n / (3 * 2^46) with n = high * 2^46 + low, so its
        // whole part is high / 3 and what is left, in those units, is
        // (high mod 3) * 2^46 + low.
        detail::Uint128 n = detail::multiply(t, kPowersOfTen[decimals]);  // below 2^90
        const uint64_t low = n.lo & ((uint64_t{1} << 46) - 1);
        n.shift_right(46);
        const uint64_t high = n.lo;  // below 2^44
        uint64_t r = high / 3;
        const uint64_t fraction = ((high % 3) << 46) + low;
        const uint64_t distance = fraction > kHalf ? fraction - kHalf : kHalf - fraction;
        if (distance == 0) {
            r += r & 1;  // an exact tie: X is then a binary fraction the steps carry exactly
        } else if (distance <= (uint64_t{1} << 34)) {
            return false;
        } else if (fraction > kHalf) {
            ++r;
        }
        feet = nearest_single(r, decimals);
        if (record != nullptr) decimal_feet_record(r, decimals, *record);
        return true;
    }
    if (decimals < 16) return false;
    const uint64_t q = t / 3;
    const uint64_t third = t % 3;
    const int length = 64 - std::countl_zero(q);
    if (length <= 25) return false;
    const int drop = length - 24;
    uint64_t kept = q >> drop;
    const uint64_t below = 3 * (q & ((uint64_t{1} << drop) - 1)) + third;
    const uint64_t half = uint64_t{3} << (drop - 1);
    const uint64_t distance = below > half ? below - half : half - below;
    if (distance <= 8) return false;
    if (below > half) ++kept;
    // kept * 2^(drop - 46), exactly: the power of two built from its bits.
    const auto scale = std::bit_cast<double>(static_cast<uint64_t>(1023 + drop - 46) << 52);
    feet = static_cast<float>(static_cast<double>(kept) * scale);
    if (record != nullptr) binary_feet_record(kept, 46 - drop, *record);
    return true;
}

}  // namespace

MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places) {
    MeasurementParts p;
    if (system == SYSTEMMETRIC) {
        if (!metric_parts_in_integers(inches, p)) p = detail::metric_parts_by_steps(inches, places);
    } else if (!imperial_parts_in_integers(inches, places, p)) {
        p = detail::imperial_parts_by_steps(inches, places);
    }
    return p;
}

MeasurementParts detail::metric_parts_by_steps(float inches, int32_t places) {
    // Whole metres and whole millimetres beyond them, truncated.
    MeasurementParts p;
    const long double mm = INCHESTOMILLIMETERS(inches);
    p.big = static_cast<float>(TRUNCATETOWARDZERO(mm / 1000));
    p.mid = static_cast<float>(TRUNCATETOWARDZERO(mm) - 1000.0L * p.big);
    if (p.mid != 0) p.mid = static_cast<float>(ROUNDTODIGITS(p.mid, places));
    p.small = 0;
    return p;
}

MeasurementParts detail::imperial_parts_by_steps(float inches, int32_t places) {
    // Whole feet, whole inches beyond them and the fractional inch.
    MeasurementParts p;
    p.big = static_cast<float>(TRUNCATETOWARDZERO(static_cast<long double>(inches) / 12));
    p.mid = static_cast<float>(TRUNCATETOWARDZERO(inches - 12.0L * p.big));
    p.small = static_cast<float>(inches - 12.0L * p.big - p.mid);
    // At 18 decimals (what 20 and every count outside 0 to 18 mean) a
    // single of 2^-20 or more comes back unchanged: the rounding moves it
    // by at most 5e-19, far below half its last place.
    const bool unchanged = (places < 0 || places >= 18) && std::fabs(p.small) >= 0x1p-20f;
    if (p.small != 0 && !unchanged) p.small = static_cast<float>(ROUNDTODIGITS(p.small, places));
    return p;
}

float detail::decimal_feet(const MeasurementParts& p, int32_t places, Decimal* record) {
    float feet = 0;
    if (decimal_feet_in_integers(p, places, feet, record)) return feet;
    return static_cast<float>(ROUNDTODIGITS((static_cast<long double>(p.small) + p.mid) / 12 + p.big, places));
}

void detail::TextCursor::overflow() { throw std::length_error("formatted length"); }

void detail::FormattedLength::keep(std::size_t first, std::size_t count) {
    if (first != 0 && count != 0) std::memmove(bytes_, bytes_ + first, count);
    size_ = count;
}

std::string GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t style, int32_t number_style, float inches,
                                      int32_t places) {
    detail::FormattedLength text;
    detail::format_inches(text, system, style, number_style, inches, places);
    return std::string(text.view());
}

void detail::format_inches(FormattedLength& text, int32_t system, int32_t style, int32_t number_style, float inches,
                           int32_t places) {
    // places is the largest denominator with fractions, else the decimals.
    const bool fractions = system == SYSTEMIMPERIAL && number_style == NUMBERSFRACTIONAL;
    MeasurementParts p = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, fractions ? kAllDecimals : places);
    // Imperial: the layout of the style. Codes outside the styles have
    // neither labels nor a separator.
    static constexpr Layout kNoLayout;
    const Layout& layout =
        style >= 0 && style < static_cast<int32_t>(std::size(kImperialLayouts)) ? kImperialLayouts[style] : kNoLayout;
    const bool decimal_feet_style = system != SYSTEMMETRIC && layout.arrangement == Arrangement::DecimalFeet;

    // The fractional inch as text: a fraction (kept as text until written)
    // or decimals (written in place when their turn comes; they are never
    // blank). Rounded up to a whole inch it is carried into the inches, and
    // from there into the feet.
    std::string whole_text;
    char written[16];
    std::string_view fraction;
    bool small_decimals = false;
    if (p.small > 0) {
        bool carry = false;
        if (fractions && decimal_feet_style && p.small < 1) {
            // Decimal feet show no inches: all that counts is whether the
            // fraction comes to nothing or to a whole inch.
            const detail::FractionShown shown = detail::fractional_inch_shown(p.small, places);
            carry = shown == detail::FractionShown::WholeUnit;
            if (shown == detail::FractionShown::Nothing) p.small = 0;
        } else if (fractions) {
            // The split leaves a fractional inch below 1.
            if (p.small < 1) {
                fraction = detail::fractional_inch_fraction(p.small, places, written);
            } else {
                whole_text = DECIMALTOFRACTIONSTRING(p.small, places);
                fraction = whole_text;
            }
            carry = fraction == "1";
            // A fraction below a millionth of an inch rounds to "0": it is
            // nothing to show, not a digit to write after the inches (which
            // would make "1 0 Inches" read back as 0 inches).
            if (fraction == "0" || blank(fraction)) {
                fraction = {};
                p.small = 0;
            }
        } else if (p.small >= 1) {
            carry = true;
        } else {
            // Decimal feet show no inches, and the decimals of a fractional
            // inch are never blank: p.small is kept either way.
            small_decimals = !decimal_feet_style;
        }
        if (carry) {
            fraction = {};
            const float whole_inches = static_cast<float>(p.mid + 12.0L * p.big + 1);
            p = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, whole_inches, kAllDecimals);
        }
    }
    if (system == SYSTEMMETRIC) {
        metric_text(text, system, style, p, places);
        return;
    }

    // Decimal feet: their text, where the integers they are worked out in
    // tell it, is written from those rather than from the single (a long
    // chain of dependent steps); the single decides the label.
    detail::Decimal feet_record;
    if (decimal_feet_style) {
        p.big = decimal_feet(p, places, &feet_record);
        p.mid = 0;
        p.small = 0;
    } else if (layout.arrangement == Arrangement::InchesOnly) {
        // Whole feet and inches (as the split gives them) below 2^20 feet
        // sum exactly in single precision.
        if (p.big >= 0 && p.big < 0x1p20f && p.mid >= 0 && p.mid < 12)
            p.mid += 12 * p.big;
        else
            p.mid = static_cast<float>(p.mid + 12.0L * p.big);
        p.big = 0;
    }
    const int32_t big_kind = layout.big_label;
    const int32_t small_kind = layout.small_label;
    const std::string_view separator = layout.separator;

    // The word labels take their number from the value as it is written.
    // Words and abbreviations stand one blank after their number; the marks
    // attach to it.
    const std::string_view big_label = measurement_label(system, big_kind, p.big);
    // The inches count as mid + small summed in extended precision and
    // stored as a single; the label only asks whether that is above 1,
    // which 2 or more whole inches and a fractional inch of 0 or more are.
    const bool inches_of_one_sign = p.mid >= 0 && p.small >= 0;
    const float counted_inches = inches_of_one_sign && p.mid >= 2
                                     ? p.mid
                                     : static_cast<float>(static_cast<long double>(p.mid) + p.small);
    const std::string_view small_label = measurement_label(system, small_kind, counted_inches);
    const bool big_blank = !big_label.empty() && big_kind != LABELFEETMARK;
    const bool small_blank = !small_label.empty() && small_kind != LABELINCHESMARK;
    TextCursor out = text.cursor();
    auto append_small_text = [&] {
        if (small_decimals) {
            out = append_decimal_small_text(out, p.small);
        } else if (!fraction.empty()) {
            out.append(' ');
            out.append(fraction);
        }
    };
    auto append_small_label = [&] {
        if (small_blank) out.append(' ');
        out.append(small_label);
    };

    const bool inches_follow = inches_of_one_sign ? p.mid > 0 || p.small > 0
                                                  : static_cast<long double>(p.mid) + p.small > 0;
    if (p.big > 0) {
        out = feet_record.digits != 0 ? append_decimal(out, feet_record, 7) : append_part(out, p.big);
        if (big_blank) out.append(' ');
        out.append(big_label);
        if (inches_follow) out.append(separator);
    }
    if (p.mid > 0) {
        out = append_part(out, p.mid);
        if (p.small > 0) append_small_text();
        append_small_label();
    } else if (p.small > 0) {
        append_small_text();
        append_small_label();
    }
    text.take(out);
    finish(text, small_label);
}

}  // namespace wqj

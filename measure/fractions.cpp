// Fractions of an inch: splitting, rescaling, reducing, decimal conversion
// and finding a fraction inside a longer text.
//
// A fraction text is an optional whole number, one separator character, the
// numerator, a slash ("/", or "\" when the text has no "/") and the
// denominator. Numbers are runs of the digits 0-9 only; each run reads as an
// integer through TEXTTONUMBER and ROUNDTOINTEGER, so a run too long for 32
// bits saturates at 2147483647. Integers are written back as NUMBERTOTEXT
// writes them with 15 digits, without blanks.
#include "measure/fractions.h"

#include <bit>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <limits>

#include "text/convert.h"
#include "text/reverse.h"

namespace wqj {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The integer a digit run stands for ("" reads as 0, "0625" as 625). A run
// of up to 18 digits is read here directly, with the same result as through
// TEXTTONUMBER and ROUNDTOINTEGER: exact, saturating at 2147483647.
int32_t run_value(std::string_view run) {
    if (run.size() > 18) return ROUNDTOINTEGER(TEXTTONUMBER(run));
    uint64_t value = 0;
    for (const char c : run) {
        if (!is_digit(c)) return ROUNDTOINTEGER(TEXTTONUMBER(run));
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                                                : static_cast<int32_t>(value);
}

// run_value of a digit run given back to front ("52" reads as 25).
int32_t reversed_run_value(std::string_view run) {
    if (run.size() > 18) return run_value(REVERSESTRINGDLL(run));
    uint64_t value = 0;
    for (std::size_t i = run.size(); i-- > 0;) {
        if (!is_digit(run[i])) return run_value(REVERSESTRINGDLL(run));
        value = value * 10 + static_cast<uint64_t>(run[i] - '0');
    }
    return value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                                                : static_cast<int32_t>(value);
}

// An integer as fraction text: plain decimal digits, no blanks.
std::string integer_text(int64_t value) {
    std::string text;
    detail::append_whole_number(text, value);
    return text;
}


// The first "/" of the text, or the first "\" when there is no "/".
std::size_t find_slash(std::string_view text) {
    const std::size_t slash = text.find('/');
    return slash != npos ? slash : text.find('\\');
}

// The start of the maximal digit run that ends just before `end`.
std::size_t run_start_before(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && is_digit(text[start - 1])) --start;
    return start;
}

// The end of the maximal digit run that starts at `start`.
std::size_t run_end_from(std::string_view text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end;
}

// The greatest common divisor of a denominator a and a numerator b > 0,
// in the width the caller works in (32 bits are cheaper where they do).
template <class Integer>
Integer greatest_common_divisor(Integer a, Integer b) {
    while (b != 0) {
        const Integer r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// The fraction text of a value that is not negative and already rounded to
// six decimal places: its 7-digit text, the decimals after the point over a
// power of ten, reduced to the largest denominator.
std::string fraction_text_of_magnitude(float value, int32_t largest_denominator) {
    const std::string text(detail::trim_blanks(NUMBERTOTEXT(value, 7)));
    // No point: a whole number. Scientific form: only single values of ten
    // million and more (all whole numbers) and infinity are written that way,
    // so there is no fraction to show and the 7-digit text stands.
    const std::size_t point = text.find('.');
    if (point == npos || text.find('E') != npos) return text;

    std::string_view whole = std::string_view(text).substr(0, point);
    if (whole == "0") whole = {};
    const std::string_view decimals = std::string_view(text).substr(point + 1);
    if (TEXTTONUMBER(decimals) < 1) return {};

    std::string fraction;
    fraction.reserve(whole.size() + 2 * decimals.size() + 3);
    fraction.append(whole);
    fraction += ' ';
    fraction.append(decimals);
    fraction += "/1";
    fraction.append(decimals.size(), '0');
    return REDUCEFRACTION(detail::trim_blanks(fraction), largest_denominator);
}

// The value's six decimal places as FORMATWITHMASK(value, ".######") writes
// them, as a count of millionths: value * 10^6 rounded to nearest, ties to
// even, for 0 <= value < 1. FORMATWITHMASK rounds the value's first 18
// significant digits; for a single, whose value is m * 2^-k with m below
// 2^24, value * 10^6 is never within that rounding's reach of a tie without
// being one, so the exact product decides alike.
uint32_t millionths(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t biased = (bits >> 23) & 0xFFu;
    if (biased == 0) return 0;  // zero or subnormal: far below half a millionth
    const uint64_t product = (uint64_t{(bits & 0x7FFFFFu) | 0x800000u}) * 1000000u;  // below 2^44
    const uint32_t shift = 150u - biased;  // value = m * 2^-shift, shift >= 24 below 1
    if (shift > 44) return 0;              // the product is below half a unit
    const uint64_t whole = product >> shift;
    const uint64_t rest = product & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    return static_cast<uint32_t>(whole + ((rest > half || (rest == half && (whole & 1) != 0)) ? 1 : 0));
}

// DECIMALTOFRACTIONSTRING of a value from 0 to 1 by its millionths q (the
// text is a literal or written at the end of `text`): the
// fraction q / 10^6 reduced, or rounded to the largest denominator from the
// double quotient. From 0.01 up this is the text route step for step: the
// six decimals read back give a single within a third of a unit of the
// seventh significant digit of q / 10^6, so its seven-digit text holds the
// digits of q again. Below 0.01 a single can sit more than half such a unit
// away, and its seven-digit text then comes in exponent form ("9.869999E-4"
// for 0.000987), which is no fraction at all; read from q, such a value
// rounds as every other does ("" at sixteenths, "987/1000000" at millionths).
std::string_view fraction_of_millionths(uint32_t q, int32_t largest_denominator, char (&text)[16]) {
    constexpr uint32_t kMillion = 1000000;
    if (q == 0) return "0";
    if (q >= kMillion) return "1";
    // Every number here is at most a million: 32-bit arithmetic, cheaper
    // than the 64-bit of the text route and exact alike.
    uint32_t divisor = greatest_common_divisor(kMillion, q);
    int64_t numerator = q / divisor;
    int64_t denominator = kMillion / divisor;
    const int64_t largest = largest_denominator < 1 ? 1 : largest_denominator;
    if (denominator > largest) {
        denominator = largest;
        // q / 10^6 is a binary fraction where q is a multiple of 5^6.
        numerator = detail::rounded_numerator(q, kMillion, denominator, q % 15625 == 0);
        if (numerator > 0) {
            divisor = greatest_common_divisor(static_cast<uint32_t>(denominator), static_cast<uint32_t>(numerator));
            numerator /= divisor;
            denominator /= divisor;
        }
    }
    if (numerator <= 0) return {};
    if (numerator == denominator) return "1";  // rounded up to a whole unit
    // Both below 10^6 here: "numerator/denominator" written back to front.
    std::size_t at = sizeof text;
    auto put = [&](uint32_t n) {
        do {
            text[--at] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
    };
    put(static_cast<uint32_t>(denominator));
    text[--at] = '/';
    put(static_cast<uint32_t>(numerator));
    return {text + at, sizeof text - at};
}

// Whether a value from 0 to 1 (exclusive) is m / d with m odd and d = 2^k
// (1 <= k <= 6) at most the largest denominator, what typed fractional
// inches mostly are: a whole number of millionths whose reduced fraction is
// m / d itself, left as it is at that denominator.
bool small_binary_fraction(float value, int32_t largest_denominator, uint32_t& m, uint32_t& d) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t significand = (bits & 0x7FFFFFu) | 0x800000u;
    const int zeros = std::countr_zero(significand);
    const int k = 150 - static_cast<int>(bits >> 23) - zeros;  // the sign bit is clear below 1
    if ((bits >> 31) != 0 || k < 1 || k > 6 || (int32_t{1} << k) > largest_denominator) return false;
    m = significand >> zeros;
    d = uint32_t{1} << k;
    return true;
}

}  // namespace

// The numerator of the fraction n / d (0 < n < d) at a smaller denominator
// `to`: the double nearest n / d times `to`, rounded to a whole number with
// ties to even. That product lies within to * 2^-52.5 of the exact n * to / d,
// and an exact product that is not a tie lies at least 1 / (2 * d) from one;
// so where to * d is below 2^51 the exact product rounds alike, in integers,
// without raising a floating-point flag. So does an exact tie where n / d is
// a binary fraction (`binary`), which the double holds exactly. Any other
// tie, or larger numbers, take the floating-point route: there the nearest
// double may lie either side of the tie.
int64_t detail::rounded_numerator(int64_t n, int64_t d, int64_t to, bool binary) {
    if (to < (int64_t{1} << 31) && d < (int64_t{1} << 31) && to * d < (int64_t{1} << 51)) {
        const int64_t product = n * to;
        const int64_t whole = product / d;
        const int64_t twice_rest = 2 * (product % d);
        if (twice_rest != d) return whole + (twice_rest > d ? 1 : 0);
        if (binary) return whole + (whole & 1);
    }
    const double value = static_cast<double>(static_cast<long double>(n) / static_cast<long double>(d));
    return ROUNDTOINTEGER(static_cast<long double>(value) * static_cast<long double>(to));
}

std::optional<FractionParts> BREAKFRACTIONAPART(std::string_view text) {
    const std::size_t slash = find_slash(text);
    if (slash == npos) return std::nullopt;

    FractionParts parts;
    parts.separator = text[slash];
    const std::size_t numerator_start = run_start_before(text, slash);
    parts.numerator = run_value(text.substr(numerator_start, slash - numerator_start));
    const std::size_t denominator_end = run_end_from(text, slash + 1);
    parts.denominator = run_value(text.substr(slash + 1, denominator_end - slash - 1));
    // Exactly one character stands between the whole number and the
    // numerator run (whose first position is the slash when it is empty).
    if (numerator_start >= 2) {
        const std::size_t whole_end = numerator_start - 1;
        const std::size_t whole_start = run_start_before(text, whole_end);
        parts.whole = run_value(text.substr(whole_start, whole_end - whole_start));
    }
    return parts;
}

std::string CONVERTFRACTIONDENOMINATOR(std::string_view text, int32_t new_denominator) {
    if (new_denominator < 1) return {};
    const auto parts = BREAKFRACTIONAPART(text);
    if (!parts || parts->numerator < 1 || parts->denominator < 1) return {};

    const float ratio = static_cast<float>(static_cast<long double>(parts->denominator) / new_denominator);
    const int32_t new_numerator = ROUNDTOINTEGER(static_cast<long double>(parts->numerator) / ratio);

    std::string result;
    if (parts->whole > 0) {
        result = integer_text(parts->whole);
        result += ' ';
    }
    result += integer_text(new_numerator);
    result += parts->separator;
    result += integer_text(new_denominator);
    return result;
}

std::string REDUCEFRACTION(std::string_view text, int32_t largest_denominator) {
    const int64_t largest = largest_denominator < 1 ? 1 : largest_denominator;
    const auto parts = BREAKFRACTIONAPART(text);
    if (!parts || parts->numerator < 1 || parts->denominator < 1) return {};

    int64_t numerator = parts->numerator;
    int64_t denominator = parts->denominator;
    // Whole units in the fraction, by integer division: what the floor of
    // the extended-precision quotient gives, since a quotient of two 32-bit
    // integers is never rounded up to a whole number.
    const int64_t carry = numerator / denominator;
    numerator -= carry * denominator;

    // Whole number, carry and a whole unit from rounding are added in 64
    // bits: with saturated runs the sum may pass 2147483647, and it is
    // written exactly rather than wrapped.
    int64_t whole = parts->whole;
    std::string fraction;
    if (numerator > 0) {
        int64_t divisor = greatest_common_divisor(denominator, numerator);
        numerator /= divisor;
        denominator /= divisor;
        if (denominator > largest) {
            // Reduced, n / d is a binary fraction where d is a power of two.
            numerator = detail::rounded_numerator(numerator, denominator, largest, (denominator & (denominator - 1)) == 0);
            denominator = largest;
            if (numerator > 0) {
                divisor = greatest_common_divisor(denominator, numerator);
                numerator /= divisor;
                denominator /= divisor;
            }
        }
        if (numerator > 0) {
            if (numerator == denominator) {
                ++whole;  // rounded up to a whole unit
            } else {
                fraction = integer_text(numerator);
                fraction += parts->separator;
                fraction += integer_text(denominator);
            }
        }
    }

    const int64_t total = carry + whole;
    if (total != 0) return std::string(detail::trim_blanks(integer_text(total) + ' ' + fraction));
    return fraction;
}

std::string DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator) {
    // Below 1 in magnitude (fractional inches, the formatter's case) the
    // fraction is worked out from the six decimals as an integer. A negative
    // value keeps its sign unless it rounds to 0, as on the text route.
    if (std::fabs(value) < 1) {
        const uint32_t q = millionths(std::fabs(value));
        char written[16];
        std::string text(fraction_of_millionths(q, largest_denominator, written));
        if (value < 0 && q != 0 && !text.empty()) text.insert(0, 1, '-');
        return text;
    }
    return detail::decimal_to_fraction_by_text(value, largest_denominator);
}

int32_t detail::fraction_run_value(std::string_view run) { return run_value(run); }

std::string_view detail::fractional_inch_fraction(float value, int32_t largest_denominator, char (&text)[16]) {
    uint32_t m = 0, d = 0;
    if (small_binary_fraction(value, largest_denominator, m, d)) {
        // Both below 100: "m/d" without working out the millionths.
        return {text, detail::write_small_fraction(m, d, text)};
    }
    return fraction_of_millionths(millionths(value), largest_denominator, text);
}

detail::FractionShown detail::fractional_inch_shown(float value, int32_t largest_denominator) {
    uint32_t m = 0, d = 0;
    if (small_binary_fraction(value, largest_denominator, m, d)) return FractionShown::Fraction;
    constexpr uint32_t kMillion = 1000000;
    const uint32_t q = millionths(value);
    if (q == 0) return FractionShown::Nothing;
    if (q >= kMillion) return FractionShown::WholeUnit;
    // Where q / 10^6 lies more than half a unit of the largest denominator
    // from 0 and from 1, its numerator there rounds to neither 0 nor the
    // denominator: the double route errs by at most 2^-32 of a unit at these
    // sizes, and the product is at least 1 / (2 * 10^6) from such a tie.
    // (Where no rounding is needed the text is a fraction anyway.)
    const int64_t largest = largest_denominator;
    if (largest >= 1 && largest <= (int64_t{1} << 20)) {
        const int64_t twice = 2 * int64_t{q} * largest;
        if (twice > kMillion && twice < (2 * largest - 1) * kMillion) return FractionShown::Fraction;
    }
    char text[16];
    const std::string_view shown = fraction_of_millionths(q, largest_denominator, text);
    if (shown.empty() || shown == "0") return FractionShown::Nothing;
    return shown == "1" ? FractionShown::WholeUnit : FractionShown::Fraction;
}

std::string detail::decimal_to_fraction_by_text(float value, int32_t largest_denominator) {
    // Six decimal places, kept in single precision.
    const auto rounded = static_cast<float>(TEXTTONUMBER(FORMATWITHMASK(value, ".######")));
    // A negative value is written as "-" and the text of its magnitude, so
    // that its sign survives the digits-only reading of the whole number. A
    // value that rounds to 0 is not negative (NaN reads as 0 too).
    if (rounded < 0) {
        std::string magnitude = fraction_text_of_magnitude(-rounded, largest_denominator);
        if (magnitude.empty()) return magnitude;
        return '-' + magnitude;
    }
    return fraction_text_of_magnitude(rounded, largest_denominator);
}

float FRACTIONSTRINGTODECIMAL(std::string_view text) {
    const auto parts = BREAKFRACTIONAPART(text);
    if (!parts || parts->numerator < 1 || parts->denominator < 1) return 0;
    return static_cast<float>(static_cast<long double>(parts->numerator) / parts->denominator);
}

std::optional<FoundFraction> FINDFRACTIONINTEXT(std::string_view text, int32_t from_end) {
    return detail::find_fraction(text, from_end, true);
}

std::optional<FoundFraction> detail::find_fraction(std::string_view text, int32_t from_end, bool with_text) {
    const std::string_view t = trim_blanks(text);
    if (t.size() < 3) return std::nullopt;
    const bool reversed = from_end == -1;

    // The slash must have a character before it and one after it.
    const std::size_t slash = find_slash(t);
    if (slash == npos || slash < 1 || slash + 1 >= t.size()) return std::nullopt;
    const std::size_t before_start = run_start_before(t, slash);
    if (before_start == slash) return std::nullopt;
    const std::size_t after_end = run_end_from(t, slash + 1);
    if (after_end == slash + 1) return std::nullopt;

    const std::string_view before = t.substr(before_start, slash - before_start);
    const std::string_view after = t.substr(slash + 1, after_end - slash - 1);

    FoundFraction found;
    found.remainder.reserve(before_start + (t.size() - after_end));
    found.remainder.append(t.substr(0, before_start));
    found.remainder.append(t.substr(after_end));

    // A reversed text holds the denominator first, each run back to front.
    const int32_t numerator = reversed ? reversed_run_value(after) : run_value(before);
    const int32_t denominator = reversed ? reversed_run_value(before) : run_value(after);
    // A zero denominator is not rejected: it gives an infinite value, also
    // over a zero numerator, so that the value never becomes NaN.
    found.value = denominator == 0
                      ? std::numeric_limits<float>::infinity()
                      : static_cast<float>(static_cast<long double>(numerator) / denominator);
    if (!with_text) return found;
    // In reading order, each integer written as fraction texts write them
    // ("03/016" gives "3/16"; a saturated run gives 2147483647).
    found.text = integer_text(numerator);
    found.text += t[slash];
    found.text += integer_text(denominator);
    return found;
}

}  // namespace wqj

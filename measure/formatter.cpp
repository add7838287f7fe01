// Measurement formatting: inches split into parts and written in the host's
// display styles.
//
// The parts are singles, as the host receives them: every part is rounded to
// float where it is stored, while the sums and quotients it comes from are
// formed in extended precision.
#include "measure/formatter.h"

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

namespace wqj {

namespace {

// With fractions the split keeps every decimal of the fractional inch
// (ROUNDTODIGITS caps this at 18); the fraction itself does the rounding.
constexpr int32_t kAllDecimals = 20;

// How an imperial style writes a length. A label kind of -1 is no label.
enum class Arrangement { FeetInches, DecimalFeet, InchesOnly };
struct Layout {
    Arrangement arrangement = Arrangement::FeetInches;
    int32_t big_label = -1;
    int32_t small_label = -1;
    const char* separator = "";
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

// The decimal digits of a whole number, appended.
template <class Unsigned>
void append_digits(detail::FormattedLength& out, Unsigned value) {
    char text[20];
    std::size_t at = sizeof text;
    do {
        text[--at] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    out.append(std::string_view(text + at, sizeof text - at));
}

// A number written by NUMBERTOTEXT, blanks trimmed at both ends, appended.
// A whole number below 10^digits, what feet, inches and millimetres mostly
// are, is its plain digits.
void append_number(detail::FormattedLength& out, long double value, int digits) {
    static constexpr long double kLimits[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L,
                                              1e9L, 1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L};
    if (digits >= 1 && digits <= 15 && value >= 0 && value < kLimits[digits]) {
        const auto whole = static_cast<uint64_t>(value);
        if (static_cast<long double>(whole) == value) {
            // In 32 bits where the number fits: cheaper on both builds.
            if (whole <= UINT32_MAX) append_digits(out, static_cast<uint32_t>(whole));
            else append_digits(out, whole);
            return;
        }
    }
    const std::string text = NUMBERTOTEXT(value, digits);
    out.append(detail::trim_blanks(text));
}

// A part (feet, inches, metres, millimetres) written with 7 digits. Parts
// are mostly whole numbers below 10^7, told and converted in single
// precision here.
void append_part(detail::FormattedLength& out, float value) {
    if (value >= 0 && value < 1e7f) {
        const auto whole = static_cast<int32_t>(value);
        if (static_cast<float>(whole) == value) {
            append_digits(out, static_cast<uint32_t>(whole));
            return;
        }
    }
    append_number(out, value, 7);
}

// The decimals of a fractional inch (0 < small < 1) as text: ".5", ".25".
// NUMBERTOTEXT writes a small value with many decimals in exponent form
// ("4.999542E-2"); put after the whole inches that would read as another
// number ("44.999542E-2"), so such a text is written out in plain form with
// the same seven significant digits (".04999542").
std::string decimal_small_text(float small) {
    std::string text(detail::trim_blanks(NUMBERTOTEXT(small, 7)));
    if (text.size() >= 2 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
    const std::size_t e = text.find('E');
    if (e == std::string::npos || e + 2 >= text.size() || text[e + 1] != '-') return text;
    // Mantissa digits d[.ddd] and the exponent x of the first digit (x >= 1).
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') digits += text[i];
    }
    std::size_t exponent = 0;
    for (std::size_t i = e + 2; i < text.size(); ++i) exponent = exponent * 10 + std::size_t(text[i] - '0');
    if (exponent < 1 || exponent > 64) return text;  // not the form of a fractional inch
    std::string plain(1, '.');
    plain.append(exponent - 1, '0');
    plain += digits;
    return plain;
}

// True when a text is empty or holds only blanks.
bool blank(std::string_view text) { return TRIMLEFTBLANKS(text).empty(); }

// Trims the assembled text in place; it becomes empty text when nothing but
// blanks or the small label is left.
void finish(detail::FormattedLength& text, std::string_view small_label) {
    const std::string_view all = text.view();
    std::size_t first = 0, last = all.size();
    while (first < last && all[first] == ' ') ++first;
    while (last > first && all[last - 1] == ' ') --last;
    const std::string_view trimmed = all.substr(first, last - first);
    if (trimmed.empty() || trimmed == detail::trim_blanks(small_label)) {
        text.keep(0, 0);
        return;
    }
    text.keep(first, trimmed.size());
}

void metric_text(detail::FormattedLength& text, int32_t system, int32_t style, const MeasurementParts& p,
                 int32_t places) {
    switch (style) {
        case FORMATMETERSMILLIMETERSWORDS:
            if (p.big > 0) {
                append_part(text, p.big);
                text.append(' ');
                text.append(detail::measurement_label(system, LABELMETERSWORD, p.big));
            }
            if (p.mid > 0) {
                text.append(' ');
                append_part(text, p.mid);
                text.append(' ');
                text.append(detail::measurement_label(system, LABELMILLIMETERSWORD, p.mid));
            }
            break;
        case FORMATMETERSMILLIMETERSABBREV:
            if (p.big > 0) {
                append_part(text, p.big);
                text.append("m ");
            }
            if (p.mid > 0) {
                append_part(text, p.mid);
                text.append("mm");
            }
            break;
        case FORMATMETERSWORDS:
        case FORMATMETERSABBREV:
            if (static_cast<long double>(p.big) + p.mid > 0) {
                append_number(text, ROUNDTODIGITS(static_cast<long double>(p.mid) / 1000 + p.big, places), 15);
                text.append(' ');
                // The word follows the whole metres: 1.5 m is "1.5 Meter".
                text.append(style == FORMATMETERSWORDS ? detail::measurement_label(system, LABELMETERSWORD, p.big)
                                                       : std::string_view("m"));
            }
            break;
        case FORMATMILLIMETERSABBREV:
        case FORMATMILLIMETERSPLAIN: {
            // The millimetre count is written whatever it is, zero and
            // negative lengths included; but a length that is no number
            // (NaN, or infinite, whose millimetres beyond the metres are NaN)
            // gives empty text, as in every other style, not "0".
            const long double total = p.mid + 1000.0L * p.big;
            if (std::isnan(total)) break;
            append_number(text, total, 7);
            if (style == FORMATMILLIMETERSABBREV) text.append(" mm");
            break;
        }
        case FORMATMETERSCENTIMETERSABBREV:
            if (p.big > 0) {
                append_part(text, p.big);
                text.append("m ");
            }
            if (p.mid > 0) {
                // Whole centimetres; the millimetres beyond them are dropped.
                append_number(text, INTEGERDIVIDE(p.mid, 10), 15);
                text.append("cm");
            }
            break;
        default:
            break;
    }
    finish(text, {});
}

}  // namespace

MeasurementParts GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places) {
    MeasurementParts p;
    if (system == SYSTEMMETRIC) {
        // Whole metres and whole millimetres beyond them, truncated.
        const long double mm = INCHESTOMILLIMETERS(inches);
        p.big = static_cast<float>(TRUNCATETOWARDZERO(mm / 1000));
        p.mid = static_cast<float>(TRUNCATETOWARDZERO(mm) - 1000.0L * p.big);
        if (p.mid != 0) p.mid = static_cast<float>(ROUNDTODIGITS(p.mid, places));
        p.small = 0;
    } else {
        // Whole feet, whole inches beyond them and the fractional inch.
        p.big = static_cast<float>(TRUNCATETOWARDZERO(static_cast<long double>(inches) / 12));
        p.mid = static_cast<float>(TRUNCATETOWARDZERO(inches - 12.0L * p.big));
        p.small = static_cast<float>(inches - 12.0L * p.big - p.mid);
        // At 18 decimals (what 20 and every count outside 0 to 18 mean) a
        // single of 2^-20 or more comes back unchanged: the rounding moves it
        // by at most 5e-19, far below half its last place.
        const bool unchanged = (places < 0 || places >= 18) && std::fabs(p.small) >= 0x1p-20f;
        if (p.small != 0 && !unchanged) p.small = static_cast<float>(ROUNDTODIGITS(p.small, places));
    }
    return p;
}

void detail::FormattedLength::overflow() { throw std::length_error("formatted length"); }

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

    // The fractional inch as text. Rounded up to a whole inch it is carried
    // into the inches, and from there into the feet.
    std::string small_text;
    if (p.small > 0) {
        bool carry = false;
        if (fractions) {
            small_text = ' ';
            small_text += DECIMALTOFRACTIONSTRING(p.small, places);
            carry = small_text == " 1";
            // A fraction below a millionth of an inch rounds to "0": it is
            // nothing to show, not a digit to write after the inches (which
            // would make "1 0 Inches" read back as 0 inches).
            if (small_text == " 0") small_text.clear();
        } else if (p.small >= 1) {
            carry = true;
        } else {
            small_text = decimal_small_text(p.small);
        }
        if (carry) {
            small_text.clear();
            const float whole_inches = static_cast<float>(p.mid + 12.0L * p.big + 1);
            p = GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, whole_inches, kAllDecimals);
        }
        if (blank(small_text)) p.small = 0;
    }

    if (system == SYSTEMMETRIC) {
        metric_text(text, system, style, p, places);
        return;
    }

    // Imperial: the layout of the style. Codes outside the styles have
    // neither labels nor a separator.
    Layout layout;
    if (style >= 0 && style < static_cast<int32_t>(std::size(kImperialLayouts))) layout = kImperialLayouts[style];
    if (layout.arrangement == Arrangement::DecimalFeet) {
        p.big = static_cast<float>(ROUNDTODIGITS((static_cast<long double>(p.small) + p.mid) / 12 + p.big, places));
        p.mid = 0;
        p.small = 0;
    } else if (layout.arrangement == Arrangement::InchesOnly) {
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
    const std::string_view small_label =
        measurement_label(system, small_kind, static_cast<float>(static_cast<long double>(p.mid) + p.small));
    const bool big_blank = !big_label.empty() && big_kind != LABELFEETMARK;
    const bool small_blank = !small_label.empty() && small_kind != LABELINCHESMARK;
    auto append_small_label = [&] {
        if (small_blank) text.append(' ');
        text.append(small_label);
    };

    const bool inches_follow = static_cast<long double>(p.mid) + p.small > 0;
    if (p.big > 0) {
        append_part(text, p.big);
        if (big_blank) text.append(' ');
        text.append(big_label);
        if (inches_follow) text.append(separator);
    }
    if (p.mid > 0) {
        append_part(text, p.mid);
        if (p.small > 0) text.append(small_text);
        append_small_label();
    } else if (p.small > 0) {
        text.append(small_text);
        append_small_label();
    }
    finish(text, small_label);
}

}  // namespace wqj

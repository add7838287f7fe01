// Measurement formatting: the parts of a length (measure/split.h) written
// in the host's display styles.
#include "measure/formatter.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "wqj_codes.h"
#include "measure/fractions.h"
#include "measure/split.h"
#include "measure/units.h"
#include "text/convert.h"
#include "text/decimal.h"
#include "text/extended.h"
#include "text/powers.h"

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

// A whole number's digits, appended: the text of the record {v, 0} in the
// trimmed form, for a v of no more digits than the record is written with.
[[gnu::always_inline]] inline TextCursor append_whole(TextCursor out, uint64_t v) {
    out.advance(detail::write_whole_number(v, out.room(20)));
    return out;
}

// A number written by NUMBERTOTEXT, blanks trimmed, appended. A whole
// number below 10^digits, what metres and millimetres mostly are, is its
// own record.
TextCursor append_number(TextCursor out, long double value, int digits) {
    if (digits >= 1 && digits <= 15 && value >= 0 && value < detail::kExtendedPowersOfTen[digits]) {
        const uint64_t whole = detail::whole_magnitude(value);
        if (static_cast<long double>(whole) == value) return append_whole(out, whole);
    }
    return append_decimal(out, detail::number_record(value, digits), digits);
}

// A part that is no whole number below 10^7, written with 7 digits.
[[gnu::noinline]] TextCursor append_other_part(TextCursor out, float value) {
    return append_decimal(out, detail::single_record(value, 7), 7);
}

// A part (feet, inches, metres, millimetres) written with 7 digits. Parts
// are mostly whole numbers below 10^7, told and converted in single
// precision here, in the caller's code (a call would cost as much as the
// digits).
[[gnu::always_inline]] inline TextCursor append_part(TextCursor out, float value) {
    if (value >= 0 && value < 1e7f) {
        const auto whole = static_cast<int32_t>(value);
        if (static_cast<float>(whole) == value) return append_whole(out, static_cast<uint32_t>(whole));
    }
    return append_other_part(out, value);
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
        case FORMATMETERSWORDS:
        case FORMATMETERSABBREV:
            // Parts of one sign sum above 0 exactly when one of them is
            // above 0; only others are summed (in extended precision).
            if (p.big >= 0 && p.mid >= 0 ? p.big > 0 || p.mid > 0 : static_cast<long double>(p.big) + p.mid > 0) {
                out = append_decimal(out, detail::decimal_metres(p, places), 15);
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
                out = append_whole(out, millimetres);
            } else {
                const long double total = p.mid + 1000.0L * p.big;
                if (std::isnan(total)) break;
                out = append_number(out, total, 7);
            }
            if (style == FORMATMILLIMETERSABBREV) out.append(" mm");
            break;
        }
        case FORMATMETERSMILLIMETERSABBREV:
        case FORMATMETERSCENTIMETERSABBREV:
            if (p.big > 0) {
                out = append_part(out, p.big);
                out.append("m ");
            }
            if (p.mid > 0 && style == FORMATMETERSMILLIMETERSABBREV) {
                out = append_part(out, p.mid);
                out.append("mm");
            } else if (p.mid > 0) {
                // Whole centimetres; the millimetres beyond them are dropped.
                if (p.mid < 1e9f && p.mid == static_cast<float>(static_cast<uint32_t>(p.mid)))
                    out = append_whole(out, static_cast<uint32_t>(p.mid) / 10u);
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

// The typing path: an imperial style, a length from 2^-17 to 2^20 inches
// and a fractional inch that the general route below would write without
// carrying it into the inches. Each style is its own function here, its
// labels and separator known where it is compiled, and the text is written
// in one pass with nothing to trim but a fraction's leading blank. What it
// writes is what format_inches_in_full writes, step for step; anything
// else (a carry, the split's or the decimal feet's extended-precision
// steps, a fraction that is no m / 2^k within the largest denominator)
// returns false with the text untouched.
template <int32_t kStyle>
bool typed_imperial(detail::FormattedLength& text, bool fractions, float inches, int32_t places) {
    constexpr Layout layout = kImperialLayouts[kStyle];
    constexpr bool decimal_feet_style = layout.arrangement == Arrangement::DecimalFeet;
    // The split in integers: whole feet, whole inches, the fractional inch.
    detail::ImperialUnits u;
    if (!detail::imperial_units(inches, u)) return false;
    float small = 0;  // the fractional inch as the split stores it
    detail::Decimal small_record;
    uint32_t binary_m = 0, binary_d = 0;
    if (u.fraction == 0) {
    } else if (fractions) {
        // Kept with every decimal, a single of the fraction's bits; written
        // here only where it is m / 2^k (1 <= k <= 6) within the largest
        // denominator, as fractional_inch_fraction writes it.
        const int zeros = std::countr_zero(u.fraction);
        const int k = detail::kInchFractionBits - zeros;
        if (k > 6 || (int32_t{1} << k) > places) return false;
        binary_m = static_cast<uint32_t>(u.fraction >> zeros);
        binary_d = uint32_t{1} << k;
        detail::fractional_inch_single(u.fraction, kAllDecimals, small, nullptr);  // at least 2^-6: exact
    } else {
        uint64_t r = 0;
        if (!detail::fractional_inch_single(u.fraction, places, small, &r)) return false;
        if (small >= 1) return false;  // rounded up to a whole inch: carried
        if (r != 0 && !decimal_feet_style) detail::nearest_single_record(r, places, small_record);
    }
    const bool has_small = small > 0;

    if constexpr (decimal_feet_style) {
        float feet = 0;
        detail::Decimal feet_record;
        if (u.feet >= 32768 ||
            !detail::decimal_feet_of_length(((u.feet * 12 + u.inches) << 44) + detail::small_in_feet_units(small),
                                            places, feet, &feet_record))
            return false;
        TextCursor out = text.cursor();
        if (feet > 0) {
            out = feet_record.digits != 0 ? append_decimal(out, feet_record, 7) : append_part(out, feet);
            if (layout.big_label != LABELFEETMARK) out.append(' ');
            out.append(detail::measurement_label(SYSTEMIMPERIAL, layout.big_label, feet));
        }
        text.take(out);
        return true;
    } else {
        uint64_t feet = u.feet;
        uint64_t whole_inches = u.inches;
        if constexpr (layout.arrangement == Arrangement::InchesOnly) {
            whole_inches += 12 * feet;
            feet = 0;
        }
        // The inches counted for the label, whole inches and the fractional
        // inch, are above 1 where there are 2 or more whole inches or 1 and
        // a fractional inch (2^-20 or more).
        const bool inches_plural = whole_inches >= 2 || (whole_inches == 1 && has_small);
        const std::string_view small_label =
            detail::measurement_label(SYSTEMIMPERIAL, layout.small_label, inches_plural ? 2.0f : 1.0f);
        constexpr bool small_blank = layout.small_label != LABELINCHESMARK && layout.small_label != -1;

        TextCursor out = text.cursor();
        if (feet > 0) {
            out = append_whole(out, feet);
            if (layout.big_label != LABELFEETMARK) out.append(' ');
            out.append(detail::measurement_label(SYSTEMIMPERIAL, layout.big_label, feet > 1 ? 2.0f : 1.0f));
            if (whole_inches > 0 || has_small) out.append(layout.separator);
        }
        if (whole_inches > 0) out = append_whole(out, whole_inches);
        if (has_small) {
            if (binary_d != 0) {
                // m < d <= 64: " m/d" in at most 6 bytes.
                char* at = out.room(6);
                at[0] = ' ';
                out.advance(1 + detail::write_small_fraction(binary_m, binary_d, at + 1));
            } else {
                out = small_record.digits != 0 ? append_decimal(out, small_record, 7, detail::Form::Plain, 80)
                                               : append_decimal_small_text(out, small);
            }
        }
        if (whole_inches > 0 || has_small) {
            if (small_blank) out.append(' ');
            out.append(small_label);
        }
        text.take(out);
        // Only a fraction with nothing before it starts with a blank.
        if (binary_d != 0 && feet == 0 && whole_inches == 0) text.keep(1, text.view().size() - 1);
        return true;
    }
}

// The typing path of each imperial style, by style code.
template <std::size_t... kStyles>
constexpr auto typed_imperial_routes(std::index_sequence<kStyles...>) {
    return std::array{&typed_imperial<static_cast<int32_t>(kStyles)>...};
}
constexpr auto kTypedImperial = typed_imperial_routes(std::make_index_sequence<std::size(kImperialLayouts)>());

}  // namespace

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
    if (system == SYSTEMIMPERIAL && format_typed_imperial(text, style, number_style, inches, places)) return;
    if (system == SYSTEMMETRIC) {
        // Metric parts have no fractional part to round or carry: the
        // split and the style's text, nothing of the imperial preparation.
        metric_text(text, system, style, GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, places), places);
        return;
    }
    format_inches_in_full(text, system, style, number_style, inches, places);
}

void detail::format_inches_in_full(FormattedLength& text, int32_t system, int32_t style, int32_t number_style,
                                   float inches, int32_t places) {
    // places is the largest denominator with fractions, else the decimals.
    const bool fractions = system == SYSTEMIMPERIAL && number_style == NUMBERSFRACTIONAL;
    // Imperial: the layout of the style. Codes outside the styles have
    // neither labels nor a separator.
    static constexpr Layout kNoLayout;
    const Layout& layout =
        style >= 0 && style < static_cast<int32_t>(std::size(kImperialLayouts)) ? kImperialLayouts[style] : kNoLayout;
    const bool decimal_feet_style = system != SYSTEMMETRIC && layout.arrangement == Arrangement::DecimalFeet;
    // Where the fractional inch is written with decimals, its record comes
    // with the imperial parts where the split's integers tell it.
    detail::Decimal small_record;
    MeasurementParts p = system != SYSTEMMETRIC && !fractions && !decimal_feet_style
                             ? detail::imperial_parts(inches, places, small_record)
                             : GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, inches, fractions ? kAllDecimals : places);

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
    // The cursor goes through the writers by value: none captures it, so it
    // stays in registers.
    auto append_small_text = [&](TextCursor to) {
        if (small_decimals) {
            return small_record.digits != 0 ? append_decimal(to, small_record, 7, detail::Form::Plain, 80)
                                            : append_decimal_small_text(to, p.small);
        }
        if (!fraction.empty()) {
            to.append(' ');
            to.append(fraction);
        }
        return to;
    };
    auto append_small_label = [&](TextCursor to) {
        if (small_blank) to.append(' ');
        to.append(small_label);
        return to;
    };

    TextCursor out = text.cursor();
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
        if (p.small > 0) out = append_small_text(out);
        out = append_small_label(out);
    } else if (p.small > 0) {
        out = append_small_label(append_small_text(out));
    }
    text.take(out);
    finish(text, small_label);
}

bool detail::format_typed_imperial(FormattedLength& text, int32_t style, int32_t number_style, float inches,
                                   int32_t places) {
    if (style < 0 || style >= static_cast<int32_t>(std::size(kTypedImperial))) return false;
    return kTypedImperial[style](text, number_style == NUMBERSFRACTIONAL, inches, places);
}

}  // namespace wqj

#include "measure/entry.h"

#include <bit>
#include <string>

#include "wqj_codes.h"
#include "measure/formatter.h"
#include "measure/parser.h"
#include "measure/units.h"
#include "text/convert.h"

namespace wqj {

namespace {

constexpr std::string_view kCaption = "Measurement Error";

int32_t leading_blanks(std::string_view text) {
    return static_cast<int32_t>(text.size() - TRIMLEFTBLANKS(text).size());
}

// Whether the text, separated and read as a whole entry, gives the length
// bit for bit.
bool reads_back(std::string_view text, float inches) {
    int32_t start = 0;
    int32_t end = 0;
    const float read = CONVERTTEXTSTRINGVALUETOINCHES(SEPARATEMEASUREMENTSINTEXTSTRING(text), 0, start, end);
    return std::bit_cast<uint32_t>(read) == std::bit_cast<uint32_t>(inches);
}

}  // namespace

std::optional<std::string> detail::field_text(int32_t system, int32_t style, int32_t number_style, float inches) {
    std::string text = GETFORMATEDTEXTFROMINCHES(system, style, number_style, inches, 3);
    if (reads_back(text, inches)) return text;
    if (system == SYSTEMIMPERIAL && number_style == NUMBERSFRACTIONAL) {
        for (int32_t denominator = 4; denominator <= 64; ++denominator) {
            text = GETFORMATEDTEXTFROMINCHES(system, style, number_style, inches, denominator);
            if (reads_back(text, inches)) return text;
        }
    }
    return std::nullopt;
}

std::string_view detail::invalid_number_unit(float code) {
    switch (ROUNDTOINTEGER(code)) {
        case ERRORMETERS: return "meters";
        case ERRORYARDS: return "yards";
        case ERRORDECIMETERS: return "decimeters";
        case ERRORFEET: return "feet";
        case ERRORCENTIMETERS: return "centimeters";
        case ERRORINCHES: return "inches";
        case ERRORMILLIMETERS: return "millimeters";
        case ERRORUNKNOWNUNIT: return "unknown";
        default: return {};
    }
}

float CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(platform::Handle window, std::string_view text, float minimum,
                                             float number_maximum, float maximum, int32_t system, int32_t style,
                                             int32_t number_style, int32_t places) {
    int32_t error_start = 0;
    int32_t error_end = 0;
    const float v = CONVERTTEXTSTRINGVALUETOINCHES(text, number_maximum, error_start, error_end);

    if (v < 0) {
        std::string message = "The value you have entered for ";
        message.append(detail::invalid_number_unit(v));
        message.append(" is invalid. The value cannot exceed ");
        message.append(detail::number_text(number_maximum, 7));
        message.append(".");
        platform::message_box(message, kCaption);
        // The parser counts positions in the entry without its leading
        // blanks; the window holds them, so the selection is shifted by
        // their number to cover the offending number itself. A number that
        // could not be located removes the selection (start -1).
        const int32_t shift = leading_blanks(text);
        const intptr_t from = error_start == 0 ? -1 : static_cast<intptr_t>(error_start) - 1 + shift;
        const intptr_t to = error_start == 0 ? error_end : static_cast<intptr_t>(error_end) + shift;
        platform::send_message(window, EM_SETSEL, static_cast<uintptr_t>(from), to);
        platform::set_focus(window);
        return -1;
    }

    if (v > maximum) {
        const bool metric = system == SYSTEMMETRIC;
        const float converted = CONVERTMEASUREMENT(maximum, metric ? CONVERTTOMETERS : CONVERTTOFEET);
        const double rounded = static_cast<double>(ROUNDTODIGITS(converted, places));
        std::string message = "The maximum value for this measurement is ";
        message.append(detail::number_text(rounded, 15));
        message.append(metric ? " meters." : " feet.");
        platform::message_box(message, kCaption);
        const intptr_t length = platform::send_message(window, EM_LINELENGTH, 0, 0);
        platform::send_message(window, EM_SETSEL, 0, length);
        platform::set_focus(window);
        return 0;
    }

    if (v < minimum) {
        std::string message = "The minimum value for this measurement is ";
        if (system == SYSTEMMETRIC) {
            const double mm = INCHESTOMILLIMETERS(minimum);
            message.append(detail::number_text(mm, 15));
            message.append(mm > 1 ? " millimeters." : " millimeter.");
        } else {
            const double r = static_cast<double>(ROUNDTODIGITS(minimum, places));
            message.append(detail::number_text(r, 15));
            message.append(r > 1 ? " inches." : " inch.");
        }
        platform::message_box(message, kCaption);
        platform::set_focus(window);
        return 0;
    }

    // Accepted: the field shows the length in the host's display style when
    // a text of it reads back as the length; otherwise it keeps the entry.
    if (const auto shown = detail::field_text(system, style, number_style, v)) platform::set_window_text(window, *shown);
    return v;
}

}  // namespace wqj

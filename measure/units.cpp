#include "measure/units.h"

#include <array>
#include <initializer_list>

#include "wqj_codes.h"

namespace wqj {

namespace {

using Words = std::initializer_list<std::string_view>;

// Designators by [system][unit], tried by the parser in index order.
const Words kMetricDesignators[4] = {
    {"METERS.", "METERS", "METER", "METER.", "M.", "M"},
    {"DECIMETERS.", "DECIMETERS", "DECIMETER.", "DECIMETER", "DECI.", "DECI", "DEC.", "DEC", "DM.", "DM",
     "D.M."},
    {"CENTIMETERS.", "CENTIMETERS", "CENTIMETER.", "CENTIMETER", "CENTI.", "CENTI", "CENT.", "CENT", "CM.",
     "CM", "C.M."},
    {"MILLIMETERS.", "MILLIMETERS", "MILLIMETER.", "MILLIMETER", "MILLI.", "MILLI", "MILL.", "MILL", "MM.",
     "MM", "M.M."},
};
const Words kImperialDesignators[3] = {
    {"YARDS.", "YARDS", "YARD.", "YARD", "YDS.", "YDS", "YD.", "YD", "Y.", "Y"},
    {"'", "FEET.", "FEET", "FOOT.", "FOOT", "FT.", "FT", "F.", "F"},
    {"\"", "''", "INCHES.", "INCHES", "INCH.", "INCH", "IN.", "IN", "I.", "I"},
};

std::string_view word_at(const Words& words, int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= words.size()) return {};
    return *(words.begin() + index);
}

}  // namespace

double INCHESTOMILLIMETERS(double inches) {
    return static_cast<double>(static_cast<long double>(inches) * static_cast<long double>(MILLIMETERSPERINCH));
}

float MILLIMETERSTOINCHES(float millimeters) {
    return static_cast<float>(static_cast<long double>(millimeters) /
                              static_cast<long double>(MILLIMETERSPERINCH));
}

std::span<const std::string_view> detail::designators(int32_t system, int32_t unit) {
    const Words* words = nullptr;
    if (system == SYSTEMMETRIC) {
        if (unit >= 0 && unit <= 3) words = &kMetricDesignators[unit];
    } else if (unit >= 0 && unit <= 2) {
        words = &kImperialDesignators[unit];
    }
    if (words == nullptr) return {};
    return {words->begin(), words->size()};
}

std::string_view detail::designator(int32_t system, int32_t unit, int32_t index) {
    if (system == SYSTEMMETRIC) {
        if (unit < 0 || unit > 3) return {};
        return word_at(kMetricDesignators[unit], index);
    }
    if (unit < 0 || unit > 2) return {};
    return word_at(kImperialDesignators[unit], index);
}

std::string GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t plain) {
    std::string_view word = detail::designator(system, unit, index);
    if (plain != 0) return std::string(word);
    std::string padded;
    padded.reserve(word.size() + 2);
    padded.append(1, ' ').append(word).append(1, ' ');
    return padded;
}

std::string GETMEASUREMENTLABEL(int32_t system, int32_t kind, float value) {
    return std::string(detail::measurement_label(system, kind, value));
}


float CONVERTMEASUREMENT(float inches, int32_t kind) {
    switch (kind) {
        case CONVERTTOFEET:
            return static_cast<float>(static_cast<long double>(inches) / 12.0L);
        case CONVERTTOMETERS:
            return static_cast<float>(static_cast<long double>(inches) / static_cast<long double>(kInchesPerMeter));
        default:
            return 0.0f;
    }
}

}  // namespace wqj

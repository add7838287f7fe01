#include "frame/scale.h"

#include "measure/units.h"

namespace wqj {

namespace {
// Part 1 (the real side) of entries 0 to 11, largest ratio first; part 0 is
// 1 for each of them and entry 12, all zeros, closes the list.
constexpr float kImperialReal[12] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768};
constexpr float kMetricReal[12] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
}  // namespace

void detail::write_scale_ratios(ScaleTable& table) {
    for (int entry = 0; entry < kScaleEntries; ++entry) {
        const bool closing = entry == kScaleEntries - 1;
        table[entry][0][SYSTEMIMPERIAL] = closing ? 0.0f : 1.0f;
        table[entry][0][SYSTEMMETRIC] = closing ? 0.0f : 1.0f;
        table[entry][1][SYSTEMIMPERIAL] = closing ? 0.0f : kImperialReal[entry];
        table[entry][1][SYSTEMMETRIC] = closing ? 0.0f : kMetricReal[entry];
    }
}

float GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t entry) {
    const auto& table = globals().SCALERATIOS;
    if (!table || entry < 0 || entry >= kScaleEntries || part < 0 || part > 1 || system < 0 || system > 1) return 0;
    return (*table)[entry][part][system];
}

int32_t GETINDEXFORSCALERATIOVALUES(int32_t system, float drawing, float real) {
    const auto& table = globals().SCALERATIOS;
    if (!table || system < 0 || system > 1) return -1;
    for (int32_t entry = 0; entry < kScaleEntries; ++entry) {
        if ((*table)[entry][0][system] == drawing && (*table)[entry][1][system] == real) return entry;
    }
    return -1;
}

float GETINCHESPERFOOTFROMSCALERATIO(float drawing, float real) {
    const float quotient = static_cast<float>(static_cast<long double>(drawing) / real);
    return static_cast<float>(static_cast<long double>(quotient) * 12);
}

int32_t GETNEARESTSCALERATIOVALUE(int32_t system, double ratio) {
    const float* list = system == SYSTEMMETRIC ? kMetricReal : kImperialReal;
    for (int i = 0; i < 12; ++i) {
        // "Not greater than" rather than "less or equal", so a ratio that is
        // not a number falls on the first scale.
        if (!(1.0 / static_cast<double>(list[i]) > ratio)) return static_cast<int32_t>(list[i]);
    }
    return -static_cast<int32_t>(list[11]);
}

float GETCONVERTEDSCALEVALUE(int32_t system, float value) {
    if (system == SYSTEMMETRIC) return MILLIMETERSTOINCHES(value);
    return static_cast<float>(INCHESTOMILLIMETERS(value));
}

}  // namespace wqj

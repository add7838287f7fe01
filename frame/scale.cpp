#include "frame/scale.h"

namespace wqj {

namespace {
// Part 1 (the real side) of entries 0 to 11; part 0 is 1 for each of them
// and entry 12, all zeros, closes the list.
constexpr float kImperialReal[12] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768};
constexpr float kMetricReal[12] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
}  // namespace

void write_scale_ratios(ScaleTable& table) {
    for (int entry = 0; entry < kScaleEntries; ++entry) {
        const bool closing = entry == kScaleEntries - 1;
        table[entry][0][SYSTEMIMPERIAL] = closing ? 0.0f : 1.0f;
        table[entry][0][SYSTEMMETRIC] = closing ? 0.0f : 1.0f;
        table[entry][1][SYSTEMIMPERIAL] = closing ? 0.0f : kImperialReal[entry];
        table[entry][1][SYSTEMMETRIC] = closing ? 0.0f : kMetricReal[entry];
    }
}

}  // namespace wqj

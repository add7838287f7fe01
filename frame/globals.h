// The library's code constants and process-wide state.
//
// The code constants (wqj_codes.h) are fixed codes that the exports compare
// their arguments with. They are compile-time constants, so exports that
// read them behave the same before and after INITIALIZEDLL; INITIALIZEDLL
// still creates and fills the tables below.
//
// Names here follow one convention per kind: the drawing program's own
// records and tables keep its names (PAPERINFO and its fields Name, Width,
// ...; CONVERSIONDECIMALPLACES, SCALERATIOS, PAPERINFOARRAY); types of our
// own are PascalCase (ScaleTable, Globals), constants kName (kScaleEntries),
// and members and functions of our own snake_case (initialised,
// random_state, globals()).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "wqj_codes.h"  // the code constants, PI and MILLIMETERSPERINCH

namespace wqj {

// One row of the paper-size table, all lengths in inches.
struct PAPERINFO {
    std::array<char, 16> Name{};  // cut or blank-padded to 16 bytes
    float Width = 0;
    float Height = 0;
    float TopMargin = 0;
    float BottomMargin = 0;
    float LeftMargin = 0;
    float RightMargin = 0;
};

// The drawing-scale table: 13 entries x 2 parts x 2 systems.
inline constexpr int kScaleEntries = 13;
using ScaleTable = std::array<std::array<std::array<float, 2>, 2>, kScaleEntries>;  // [entry][part][system]

struct Globals {
    bool initialised = false;  // INITIALIZEDLL has run
    std::optional<std::array<int32_t, 2>> CONVERSIONDECIMALPLACES;
    std::optional<ScaleTable> SCALERATIOS;
    std::optional<std::vector<PAPERINFO>> PAPERINFOARRAY;  // indexes 0 to size - 1
    uint32_t random_state = 0;  // the random generator state
};

// The one process-wide copy.
Globals& globals();

}  // namespace wqj

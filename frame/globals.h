// The library's code constants and process-wide state.
//
// The code constants are fixed codes that the exports compare their
// arguments with. They are compile-time constants, so exports that read them
// behave the same before and after INITIALIZEDLL; INITIALIZEDLL still
// creates and fills the tables below.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace wqj {

// measurement systems
inline constexpr int32_t SYSTEMIMPERIAL = 0;
inline constexpr int32_t SYSTEMMETRIC = 1;
// unit indexes
inline constexpr int32_t UNITMETERSORYARDS = 0;
inline constexpr int32_t UNITDECIMETERSORFEET = 1;
inline constexpr int32_t UNITCENTIMETERSORINCHES = 2;
inline constexpr int32_t UNITMILLIMETERS = 3;
// imperial display styles
inline constexpr int32_t FORMATFEETINCHESWORDS = 0;
inline constexpr int32_t FORMATFEETINCHESDOTABBREV = 1;
inline constexpr int32_t FORMATFEETINCHESABBREV = 2;
inline constexpr int32_t FORMATFEETWORDS = 3;
inline constexpr int32_t FORMATFEETDOTABBREV = 4;
inline constexpr int32_t FORMATFEETABBREV = 5;
inline constexpr int32_t FORMATFEETINCHESMARKS = 6;
inline constexpr int32_t FORMATFEETINCHESMARKSDASH = 7;
inline constexpr int32_t FORMATFEETMARK = 8;
inline constexpr int32_t FORMATINCHESWORDS = 9;
inline constexpr int32_t FORMATINCHESDOTABBREV = 10;
inline constexpr int32_t FORMATINCHESABBREV = 11;
inline constexpr int32_t FORMATINCHESMARK = 12;
inline constexpr int32_t FORMATINCHESPLAIN = 13;
// metric display styles
inline constexpr int32_t FORMATMETERSMILLIMETERSWORDS = 0;
inline constexpr int32_t FORMATMETERSMILLIMETERSABBREV = 1;
inline constexpr int32_t FORMATMETERSWORDS = 2;
inline constexpr int32_t FORMATMETERSABBREV = 3;
inline constexpr int32_t FORMATMILLIMETERSABBREV = 4;
inline constexpr int32_t FORMATMILLIMETERSPLAIN = 5;
inline constexpr int32_t FORMATMETERSCENTIMETERSABBREV = 6;
// number styles
inline constexpr int32_t NUMBERSFRACTIONAL = 0;
inline constexpr int32_t NUMBERSDECIMAL = 1;
// imperial label kinds
inline constexpr int32_t LABELFEETWORD = 0;
inline constexpr int32_t LABELINCHESWORD = 1;
inline constexpr int32_t LABELFTABBREV = 2;
inline constexpr int32_t LABELINABBREV = 3;
inline constexpr int32_t LABELFTDOTABBREV = 4;
inline constexpr int32_t LABELINDOTABBREV = 5;
inline constexpr int32_t LABELFEETMARK = 6;
inline constexpr int32_t LABELINCHESMARK = 7;
// metric label kinds
inline constexpr int32_t LABELMETERSWORD = 0;
inline constexpr int32_t LABELMILLIMETERSWORD = 1;
inline constexpr int32_t LABELMABBREV = 2;
inline constexpr int32_t LABELMMABBREV = 3;
inline constexpr int32_t LABELCMABBREV = 4;
// conversion kinds
inline constexpr int32_t CONVERTTOFEET = 0;
inline constexpr int32_t CONVERTTOMETERS = 1;
// edit-control messages
inline constexpr int32_t EM_SETSEL = 177;
inline constexpr int32_t EM_LINELENGTH = 193;

// 4 x arctangent(1)
inline constexpr double PI = 3.141592653589793;
// Millimetres per inch: the double nearest 25.400051 (not 25.4). Every
// inch/millimetre conversion of the library goes through it.
inline constexpr double MILLIMETERSPERINCH = 25.400051;

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

// The paper-size table: one row per named paper, sizes and margins in inches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/globals.h"

namespace wqj {

// The table INITIALIZEDLL creates has rows 0 to 40.
inline constexpr int32_t kDefaultPaperRows = 41;
// SIZEPAPERINFOARRAY refuses upper bounds above this (no host needs more
// papers, and the two builds then refuse the same sizes).
inline constexpr int32_t kLargestPaperUpperBound = 16777215;

int32_t SIZEPAPERINFOARRAY(int32_t upper_bound);
int32_t GETUBPAPERINFOARRAY();

// Rows outside the table, or no table: setters change nothing, getters give
// 0 or empty text.
void SETPAPERINFOITEM(int32_t row, std::string_view name, float width, float height, float top, float bottom,
                      float left, float right);
// The row with its name trimmed; a row outside the table reads as empty.
struct PaperRow {
    std::string name;
    float width = 0, height = 0, top = 0, bottom = 0, left = 0, right = 0;
};
PaperRow GETPAPERINFOITEM(int32_t row);
std::string GETPAPERINFONAME(int32_t row);
int32_t GETPAPERINFONAMELENGTH(int32_t row);

float GETPAPERINFOWIDTH(int32_t row, int32_t orientation);
float GETPAPERINFOHEIGHT(int32_t row, int32_t orientation);
void SETPAPERINFOWIDTH(int32_t row, float value);
void SETPAPERINFOHEIGHT(int32_t row, float value);

// The normalised name (trimmed, upper-cased) and the first row holding it.
struct PaperNameMatch {
    std::string normalised;
    int32_t row = -1;
};
PaperNameMatch GETPAPERINDEXFROMPAPERNAME(std::string_view name);
// The first row of that size and the orientation it matched in (1 or 2).
struct PaperSizeMatch {
    int32_t row = -1;
    int32_t orientation = 0;
};
PaperSizeMatch GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height);

namespace detail {

// Writes the default rows whose index lies within the table.
void write_default_paper_rows(std::vector<PAPERINFO>& table);

// The eight margin exports (GETPAPERINFOTOPMARGIN to SETPAPERINFORIGHTMARGIN)
// as one getter and one setter for the four sides.
enum class Margin { Top, Bottom, Left, Right };
float paper_margin(int32_t row, Margin margin);
void set_paper_margin(int32_t row, Margin margin, float value);

}  // namespace detail

}  // namespace wqj

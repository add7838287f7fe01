// The paper-size table.
#pragma once

#include <vector>

#include "frame/globals.h"

namespace wqj {

// The table INITIALIZEDLL creates has rows 0 to 40.
inline constexpr int kDefaultPaperRows = 41;

// Writes the default rows (those whose index lies within the table).
void write_default_paper_rows(std::vector<PAPERINFO>& table);

}  // namespace wqj

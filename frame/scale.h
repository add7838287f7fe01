// The drawing-scale table: standard ratios per measurement system.
#pragma once

#include "frame/globals.h"

namespace wqj {

// Writes all 52 values of the table.
void write_scale_ratios(ScaleTable& table);

}  // namespace wqj

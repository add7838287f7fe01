// Load, unload and initialisation of the library.
#pragma once

#include <cstdint>

namespace wqj {

// The loader's notification handler: 1 for process attach (reason 1),
// 0 for every other reason. No other effect.
int32_t LIBMAIN(void* instance, int32_t reason, void* reserved);

// Creates every table that does not exist yet and writes the constants,
// the scale table and the default paper rows.
void INITIALIZEDLL();

// Writes the conversion decimal places of a system (0 imperial, any other
// value metric), creating the table when INITIALIZEDLL has not yet.
void SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places);

namespace detail {

// Process attach: every global to zero (no table exists), the random
// generator state to all ones.
void on_process_attach();
// Process detach: releases every table and every text held in globals.
void on_process_detach();

}  // namespace detail

}  // namespace wqj

#pragma once
// Where the conversion commands of the key table, the menus and the input panel go.
#include "app/model/calc_state.h"
#include "app/model/key_table.h"

namespace ravlo {

// Runs a number-conversion or base-n command on the state; false for any other command
// (the solve command included, which the window runs).
bool runConversionCommand(CalcState& st, CalcCommand command);

}  // namespace ravlo

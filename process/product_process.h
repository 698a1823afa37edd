#pragma once
// The engine's entry to the product and quotient procedures (process types 10 to 13).
#include <string>

namespace ravlo {

class ProcessEngine;

// Step 7 of CalcProcMake for type 10..13: the preparation, the zero tests and the type
// procedure, appended to the engine's ProcText. 1 when a process was built (the caller tidies
// it); 0 when there is none: either the question is not one this procedure writes out, or a
// failure was reported and the engine marked as failed.
int runProductProcess(ProcessEngine& engine, std::string& E, int type);

}  // namespace ravlo

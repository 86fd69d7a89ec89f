#pragma once

#include "calculator/core/evaluation.h"

namespace tarvi::cli {

// `tarvi-calc list`: prints what the panel counted for these inputs, one
// entry a line. Exit status 0 when listed, 1 when the panel rejects the inputs
// or the case is too large to list.
int printListing(FormulaKind kind, const PanelInputs& inputs);

} // namespace tarvi::cli

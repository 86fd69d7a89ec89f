#pragma once

#include "counting/evaluation.h"
#include "counting/formulakind.h"
#include "engine/random.h"

namespace tarvi {

// A made-up exercise for one panel, as the texts its boxes receive: m (for P
// the panel's n), n for V, VR, C and CR, and the multiplicities for PR.
using RandomCase = PanelInputs;

// Draws a case for a panel: n in 2 ... 5, m = n + (1 ... 5); for PR a first
// multiplicity in 1 ... m div 2 and further ones, each in 1 ... what is still
// missing, until they add up to m. The draws come in that order, one each.
RandomCase GeneraCas(FormulaKind kind, Generator& generator);

} // namespace tarvi

#pragma once

#include "counting/evaluation.h"
#include "counting/formulakind.h"

#include <string>
#include <string_view>

namespace tarvi {

// A solved case as the case files and tarvi-calc write it: the panel's name,
// its inputs and the result, "V(5,3) = 60", "P(4) = 24", "PR(6[2][3][1]) = 60".
// The blanks around m and n, and those before each multiplicity, are left
// out, as the boxes trim them.
std::string caseLine(FormulaKind kind, const PanelInputs& inputs, std::string_view result);

// The part of a case line before " = ": the panel's name and its inputs,
// "PR(6[2][3][1])".
std::string caseCall(FormulaKind kind, const PanelInputs& inputs);

} // namespace tarvi

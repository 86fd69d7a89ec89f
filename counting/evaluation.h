#pragma once

#include "counting/formulakind.h"
#include "engine/counting.h"
#include "engine/readnumber.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvi {

// The outcome of evaluating one panel: the result text, or the error box's
// title ("V  Error") and message (lines joined by SaltLinia).
struct Evaluation {
    bool ok = false;
    std::string result;
    std::string title;
    std::string message;
};

// The inputs of one panel as typed.
struct PanelInputs {
    std::string m;
    std::string n;                           // V, VR, C, CR
    std::vector<std::string> multiplicities; // PR, in list order
};

// Evaluates a panel: checks the inputs, counts, and writes the count as a
// 32-bit integer text. A PR evaluation overwrites `record` with what it read,
// up to the point where it failed.
Evaluation Calcula(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                   Multiplicitats& record);

// The title and message of a panel's error box.
std::string errorTitle(FormulaKind kind);
std::string errorMessage(FormulaKind kind);

} // namespace tarvi

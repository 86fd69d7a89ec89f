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

// How a count is taken and shown. Double: on doubles, shown as a 32-bit
// integer, so a count above 2147483647 is an error. Exact: in whole numbers
// of any size, shown with every digit; the inputs are read and checked alike.
enum class CountMode { Double, Exact };

// Evaluates a panel: checks the inputs, counts, and writes the count's
// integer text. A PR evaluation overwrites `record` with what it read, up to
// the point where it failed.
Evaluation evaluatePanel(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                         Multiplicitats& record, CountMode mode = CountMode::Double);

// The same for inputs that a program wrote itself, in plain digits (the C
// locale's marks), when the record is of no interest.
Evaluation evaluate(FormulaKind kind, const PanelInputs& inputs, CountMode mode);

// The title and message of a panel's error box.
std::string errorTitle(FormulaKind kind);
std::string errorMessage(FormulaKind kind);

} // namespace tarvi

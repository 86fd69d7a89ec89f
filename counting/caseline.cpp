#include "counting/caseline.h"

#include "engine/plaintext.h"

namespace tarvi {

std::string caseCall(FormulaKind kind, const PanelInputs& inputs)
{
    std::string line(NomsFormula[static_cast<std::size_t>(index(kind))]);
    line.append("(").append(trimSpaces(std::string_view(inputs.m)));
    if (hasN(kind)) {
        line.append(",").append(trimSpaces(std::string_view(inputs.n)));
    } else if (kind == FormulaKind::PR) {
        for (const std::string& multiplicity : inputs.multiplicities)
            line.append("[").append(trimLeadingSpaces(std::string_view(multiplicity))).append("]");
    }
    return line.append(")");
}

std::string caseLine(FormulaKind kind, const PanelInputs& inputs, std::string_view result)
{
    return caseCall(kind, inputs).append(" = ").append(result);
}

} // namespace tarvi

#pragma once

#include "counting/evaluation.h"

#include <string>

namespace tarvi {

// A count worked out on one line, as it is written in class:
//   V(10,5) = 10·9·8·7·6 = 30240
//   VR(5,3) = 5³ = 125
//   P(5) = 5! = 5·4·3·2·1 = 120
//   PR(6; 2,3,1) = 6! / (2!·3!·1!) = 720 / 12 = 60
//   C(5,2) = 5! / (2!·3!) = (5·4) / 2! = 20 / 2 = 10
//   CR(5,3) = C(7,3) = (7·6·5) / 3! = 210 / 6 = 35
// `outcome` is evaluatePanel's evaluation of `inputs`: the line ends in its result
// text, and the numbers before it are the factorials and products the
// evaluation divides, worked out exactly and written as general number texts
// (so 20! reads 2.43290200817664E+18, rounded once). A run of more than six consecutive factors shows its
// first three, "…" and its last (20·19·18·…·14). Nothing to choose reads as
// its value: V(7,0) = 1, C(5,0) = 1, CR(5,0) = 1. A step that reads as the one
// before it is left out: V(7,1) = 7.
// In exact working (`mode` Exact, for an outcome counted exactly) every number
// is exact: up to 40 digits it is written whole, and a longer one as its first
// ten digits, "…" and its digit count, so 100! reads 9332621544…(158 cifras).
// The count at the end is always written whole.
// A failed evaluation has nothing to explain, and inputs that the panel does
// not accept cannot be worked out: the text is then empty.
std::string explain(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                    const Evaluation& outcome, CountMode mode = CountMode::Double);

} // namespace tarvi

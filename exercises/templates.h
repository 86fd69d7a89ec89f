#pragma once

#include "exercises/bank.h"

namespace tarvi::exercises {

// The bank's templates, by the kinds they ask for.
std::vector<Template> variationTemplates();   // V, VR
std::vector<Template> permutationTemplates(); // P, PR
std::vector<Template> combinationTemplates(); // C, CR

} // namespace tarvi::exercises

#pragma once

#include <string>
#include <vector>

// tarvi-calc random KIND|Todos [SEED]: makes up cases as the window's "+" and
// "Generar caso..." do and prints each with its result.
int runRandom(const std::vector<std::string>& words);

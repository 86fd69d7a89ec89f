#pragma once

#include <string>
#include <vector>

// tarvi-calc newton N: the expansion of (a+b)^N on one line, then its
// coefficients one per line. Returns the exit status.
int newtonCommand(const std::vector<std::string>& words);

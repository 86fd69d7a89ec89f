#pragma once

#include "cli/command.h"

namespace tarvi::cli {

// newton N: the expansion of (a+b)^N, then its coefficients, one a line.
Answer newton(Words words, Context& context);

} // namespace tarvi::cli

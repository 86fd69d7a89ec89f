#pragma once

#include "cli/command.h"

namespace tarvi::cli {

// random KIND|Todos [SEED]: makes up cases as the window's "+" and "Generar
// caso..." do, one line each with its result. The same seed gives the same
// cases; without one, the cases come from the process's clock-seeded generator.
Answer random(Words words, Context& context);

} // namespace tarvi::cli

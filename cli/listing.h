#pragma once

#include "cli/command.h"

namespace tarvi::cli {

// list KIND ARGS...: what the panel counted for these inputs, one entry a
// line. Rejected when the panel rejects the inputs or the case is too large
// to list.
Answer list(Words words, Context& context);

} // namespace tarvi::cli

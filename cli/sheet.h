#pragma once

#include "cli/command.h"

#include <ostream>

namespace tarvi::cli {

// sheet [--kinds V,VR,P,PR,C,CR] [--count N] [--level 1|2|3] [--lang es|ca|en]
// [--title T] [--seed N] [--format pdf|moodle|gift|text] [-o FILE]: a sheet of
// word problems with its solutions, on standard output or whole into FILE. The
// seed, drawn at random when not given, is told on `err`. The PDF is made by
// tarvi-sheet-pdf, the Qt program beside tarvi-calc, which this process
// becomes with the same options. Returns the exit status.
int runSheet(Words options, std::ostream& out, std::ostream& err);

} // namespace tarvi::cli

#pragma once

#include "cli/command.h"
#include "exercises/sheet.h"

#include <optional>
#include <ostream>
#include <string>

namespace tarvi::cli {

// The options of a sheet as given on a command line.
struct SheetCall {
    exercises::SheetOptions options;
    bool seedGiven = false;            // else the seed was drawn at random
    std::optional<std::string> format; // pdf, moodle, gift or text, when given
    std::optional<std::string> output; // the file of -o
};

// Reads "--name value" or "--name=value" options of `sheet`, the last of a
// name counting; without --seed, draws one. Throws UsageMistake.
SheetCall readSheetCall(Words words);

// sheet [--kinds V,VR,P,PR,C,CR] [--count N] [--level 1|2|3] [--lang es|ca|en]
// [--title T] [--seed N] [--format pdf|moodle|gift|text] [-o FILE]: a sheet of
// word problems with its solutions, on standard output or whole into FILE. The
// seed, drawn at random when not given, is told on `err`. The PDF is made by
// tarvi-sheet-pdf, the Qt program beside tarvi-calc, which this process
// becomes with the same options. Returns the exit status.
int runSheet(Words options, std::ostream& out, std::ostream& err);

} // namespace tarvi::cli

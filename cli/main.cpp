// tarvi-calc: evaluates a formula panel, makes up random cases or expands
// (a+b)^n from the command line, for scripting and for checking answers, with
// the same checks and messages as the window.

#include "cli/dispatch.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tarvi::cli::run(args, STDIN_FILENO, std::cout, std::cerr);
}

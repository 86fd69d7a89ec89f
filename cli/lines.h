#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvi::cli {

// The lines of a text, without their ends: the program's own texts break lines
// with CR LF, a terminal and a batch with LF. A text without a break is one line.
std::vector<std::string> splitLines(std::string_view text);

std::string joinLines(const std::vector<std::string>& lines, std::string_view separator);

} // namespace tarvi::cli

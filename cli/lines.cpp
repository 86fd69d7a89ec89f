#include "cli/lines.h"

namespace tarvi::cli {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 1);
    }
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view separator)
{
    std::string joined;
    for (const std::string& line : lines) {
        if (&line != &lines.front())
            joined += separator;
        joined += line;
    }
    return joined;
}

} // namespace tarvi::cli

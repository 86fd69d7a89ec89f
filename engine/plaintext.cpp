#include "engine/plaintext.h"

namespace tarvi {

std::string withLineFeeds(std::string_view text)
{
    std::string fed;
    fed.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            fed += text[i];
    }
    return fed;
}

std::vector<std::string> splitLines(std::string_view text)
{
    const std::string fed = withLineFeeds(text);
    std::vector<std::string> lines;
    std::string_view rest = fed;
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
        lines.emplace_back(rest.substr(0, end));
    lines.emplace_back(rest);
    return lines;
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

} // namespace tarvi

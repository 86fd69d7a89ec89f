#pragma once

#include <string>
#include <string_view>

namespace tarvi::cli {

// The program's texts break lines with CR LF; a terminal wants LF.
inline std::string withNewlines(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            result += text[i];
    return result;
}

} // namespace tarvi::cli

#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvi::fuzz {

// Stops the run when a property does not hold, naming it and the case: the
// abort makes libFuzzer keep the input that broke it. `explain` builds the
// description only then, so that checks cost nothing while they hold.
template <typename Explain> void require(bool holds, const char* property, Explain explain)
{
    if (holds)
        return;
    std::fprintf(stderr, "\nproperty failed: %s\n  %s\n", property, std::string(explain()).c_str());
    std::abort();
}

inline void require(bool holds, const char* property)
{
    require(holds, property, [] { return std::string(); });
}

// The input as text, and as the text before the first `mark` and, when there
// is one, the text after it.
inline std::string textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline std::pair<std::string, std::optional<std::string>> split(const std::uint8_t* data, std::size_t size,
                                                                char mark)
{
    const std::string text = textOf(data, size);
    const std::size_t at = text.find(mark);
    if (at == std::string::npos)
        return {text, std::nullopt};
    return {text.substr(0, at), text.substr(at + 1)};
}

// Bytes as a C++ string literal's contents, for the report of a failure.
inline std::string escaped(std::string_view bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        char code[8];
        std::snprintf(code, sizeof code,
                      c == '"' || c == '\\'   ? "\\%c"
                      : c >= 0x20 && c < 0x7f ? "%c"
                                              : "\\x%02x",
                      c);
        out += code;
    }
    return out + "\"";
}

} // namespace tarvi::fuzz

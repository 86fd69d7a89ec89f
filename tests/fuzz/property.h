#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tarvi::fuzz {

// Stops the run when a property does not hold, naming it and the case: the
// abort makes libFuzzer keep the input that broke it. `explain` builds the
// description only then, so that checks cost nothing while they hold.
template <typename Explain> void require(bool holds, const char* property, Explain explain)
{
    if (holds)
        return;
    const std::string what = explain();
    std::fprintf(stderr, "\nproperty failed: %s\n  %s\n", property, what.c_str());
    std::abort();
}

inline void require(bool holds, const char* property)
{
    require(holds, property, [] { return std::string(); });
}

// Bytes as a C++ string literal's contents, for the report of a failure.
inline std::string escaped(std::string_view bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    return out + "\"";
}

} // namespace tarvi::fuzz

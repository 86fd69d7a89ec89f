#include "engine/plaintext.h"

#include <algorithm>
#include <array>

namespace tarvi {

namespace {

// One character read from the start of UTF-8 text: its code point and its
// length in bytes, or a length of 0 when the text starts with no valid
// character. Overlong forms, surrogates and code points beyond U+10FFFF are
// not valid.
struct Utf8Character {
    std::size_t length = 0;
    char32_t code = 0;
};

Utf8Character firstCharacter(std::string_view text)
{
    const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, lead};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || length > text.size())
        return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t at = 1; at < length; ++at) {
        if ((byte(at) & 0xC0) != 0x80)
            return {};
        code = code << 6 | (byte(at) & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < kSmallest[length] || surrogate || code > 0x10FFFF)
        return {};
    return {length, code};
}

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

void appendEscaped(std::string& out, std::string_view bytes)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
}

} // namespace

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

std::string visibleText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const Utf8Character character = firstCharacter(text);
        const std::string_view bytes = text.substr(0, std::max<std::size_t>(character.length, 1));
        if (character.length == 0 || isControl(character.code))
            appendEscaped(out, bytes);
        else
            out += bytes;
        text.remove_prefix(bytes.size());
    }
    return out;
}

} // namespace tarvi

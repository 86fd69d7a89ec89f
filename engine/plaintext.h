#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tarvi {

// The program trims spaces only: tabs and other white space belong to the
// text. Any character type will do, so that the cores' UTF-8 and the windows'
// UTF-16 are trimmed alike.
template <class Char>
constexpr std::basic_string_view<Char> trimLeadingSpaces(std::basic_string_view<Char> text)
{
    text.remove_prefix(std::min(text.find_first_not_of(Char(' ')), text.size()));
    return text;
}

template <class Char> constexpr std::basic_string_view<Char> trimSpaces(std::basic_string_view<Char> text)
{
    text = trimLeadingSpaces(text);
    // With nothing left, npos + 1 is 0 and nothing is removed.
    text.remove_suffix(text.size() - (text.find_last_not_of(Char(' ')) + 1));
    return text;
}

// The program's own texts break lines with CR LF; a screen, a terminal and a
// batch with a bare LF. This is the text with every CR LF made an LF.
std::string withLineFeeds(std::string_view text);

// The lines of a text, without their ends (CR LF or LF). A text without a
// break is one line.
std::vector<std::string> splitLines(std::string_view text);

std::string joinLines(const std::vector<std::string>& lines, std::string_view separator);

// The text with every byte shown, for echoing what a user typed: control
// characters (C0, DEL and C1) and bytes that are no valid UTF-8 are written
// as "\x1B"; valid UTF-8 ("ñ", "·") stays as it is. A terminal shown the
// result neither obeys an escape sequence nor cuts the text at a zero byte.
std::string visibleText(std::string_view text);

} // namespace tarvi

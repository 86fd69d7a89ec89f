#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvi::cli {

// Makes the file at `path` hold exactly `bytes`, whole or not at all: the
// bytes go to a new file beside it, which takes the name only once complete
// on disk. Only an ordinary file is replaced (a link keeps being a link, and
// the file it leads to is rewritten); a folder, pipe, device or socket of that
// name is left alone. Returns why it failed, in the system's words, or
// nothing; nothing half-written is left behind either way.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace tarvi::cli

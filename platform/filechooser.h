#pragma once

#include "platform/services.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace tarvi::platform {

// Whether the file asked for is to be opened (it must exist) or saved to (any
// name will do).
enum class FileMode : std::int16_t { Open = 0, Save = 1 };

// Asks the user for a file: the services, the mode, the starting folder
// (updated to where the user ended) and the "|"-separated patterns; returns
// the chosen path, or empty text on cancel. The file dialog is one.
using FileChooser = std::function<QString(const Services&, FileMode, QString&, const QString&)>;

} // namespace tarvi::platform

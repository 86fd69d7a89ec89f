#pragma once

#include "engine/readnumber.h"

namespace tarvi::platform {

// The separators of the user's locale, as Qt knows it.
Separators systemSeparators();

} // namespace tarvi::platform

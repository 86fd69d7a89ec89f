#include "platform/language.h"

namespace tarvi::platform {

std::int16_t Idioma = 2;

} // namespace tarvi::platform

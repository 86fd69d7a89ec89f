#include "platform/language.h"

namespace tarvi {

std::int16_t Idioma = 2;

} // namespace tarvi

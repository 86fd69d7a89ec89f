#include "platform/language.h"

namespace tarvi::platform {

std::int16_t Idioma = 2;

Language currentLanguage()
{
    return Idioma >= 0 && Idioma <= 2 ? static_cast<Language>(Idioma) : Language::Spanish;
}

void setCurrentLanguage(Language language) { Idioma = static_cast<std::int16_t>(language); }

} // namespace tarvi::platform

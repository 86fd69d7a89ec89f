#pragma once

#include <cstddef>
#include <cstdint>

namespace tarvi::platform {

// The languages the program's texts come in; every table of texts has one
// column for each, in this order.
enum class Language : std::int16_t { English = 0, Catalan = 1, Spanish = 2 };

constexpr std::size_t column(Language language) { return static_cast<std::size_t>(language); }

// The program-wide language of the file dialog and the tools editor, kept as
// the 16-bit code of a Language. The main window sets it to Spanish when it
// loads; the tools editor may change it for the rest of the run.
extern std::int16_t Idioma;

// Idioma as a Language; Spanish, the program's own, for a code that is none.
Language currentLanguage();
void setCurrentLanguage(Language language);

} // namespace tarvi::platform

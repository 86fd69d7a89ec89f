#pragma once

class QLocale;
class QTranslator;

namespace tarvi::platform {

// Loads Qt's own texts (the buttons of message boxes, the editing menus of
// text boxes) in the language of `locale` from Qt's installed translations.
// The program's own texts are not translated. False when Qt has no
// translation for that language, or none is installed.
bool loadQtTranslations(QTranslator& translator, const QLocale& locale);

} // namespace tarvi::platform

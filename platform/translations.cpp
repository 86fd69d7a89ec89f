#include "platform/translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvi::platform {

bool loadQtTranslations(QTranslator& translator, const QLocale& locale)
{
    // Only Qt's base library speaks to the user here; its catalogue is
    // qtbase_<language>.qm.
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace tarvi::platform

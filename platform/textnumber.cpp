#include "platform/textnumber.h"

#include <QLocale>

namespace tarvi::platform {

Separators systemSeparators()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tarvi::platform

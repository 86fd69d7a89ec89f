#include "platform/codepage.h"

namespace tarvi::platform {

QByteArray toCodePage(const QString& text) { return text.toLocal8Bit(); }

QString fromCodePage(const QByteArray& bytes) { return QString::fromLocal8Bit(bytes); }

} // namespace tarvi::platform

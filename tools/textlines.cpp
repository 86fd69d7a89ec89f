#include "tools/textlines.h"

#include "platform/codepage.h"

#include <QFile>
#include <QSaveFile>

namespace tarvi {

std::optional<QStringList> ReadTextLines(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    QStringList lines = platform::fromCodePage(bytes).split(QLatin1Char('\n'));
    // The piece after the last line end is a line only when it holds text.
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool WriteTextLines(const QString& fileName, const QStringList& lines, QString& reason)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    const QByteArray bytes = platform::toCodePage(text);

    // The explicit flush reports a write that fails midway (a full disk),
    // which committing alone would let pass.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace tarvi

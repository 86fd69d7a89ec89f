#include "platform/textlines.h"

#include "platform/codepage.h"

namespace tarvi::platform {

FsResult readTextLines(const QString& path, QStringList& lines)
{
    lines.clear();
    QByteArray bytes;
    const FsResult read = readOwnFile(path, bytes);
    if (!read.ok())
        return read;

    lines = fromCodePage(bytes).split(QLatin1Char('\n'));
    // The piece after the last line end is a line only when it holds text.
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return read;
}

FsResult writeTextLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return replaceFile(path, toCodePage(text));
}

} // namespace tarvi::platform

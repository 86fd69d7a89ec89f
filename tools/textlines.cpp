#include "tools/textlines.h"

#include "platform/codepage.h"

namespace tarvi {

std::optional<QStringList> ReadTextLines(const QString& fileName)
{
    const std::optional<QByteArray> bytes = platform::readOwnFile(fileName);
    if (!bytes)
        return std::nullopt;

    QStringList lines = platform::fromCodePage(*bytes).split(QLatin1Char('\n'));
    // The piece after the last line end is a line only when it holds text.
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

platform::FsResult WriteTextLines(const QString& fileName, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return platform::replaceFile(fileName, platform::toCodePage(text));
}

} // namespace tarvi

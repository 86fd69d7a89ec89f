#include "tools/utools.h"

#include "engine/plaintext.h"
#include "platform/qttext.h"
#include "platform/textlines.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace tarvi {

std::array<ToolEntry, kMaxTools + 1> Tools;
std::int16_t NumTools = 0;
std::int16_t ToolActual = 0;

bool LlegeixTools(const platform::WorkFolder& folder)
{
    NumTools = 0;
    QStringList lines;
    if (!platform::readTextLines(folder.file(QString::fromLatin1(kToolsFile)), lines).ok())
        return false;

    ToolEntry& buffer = Tools[0];
    qsizetype next = 0;
    const auto field = [&]() { return next < lines.size() ? lines.at(next++) : QString(); };
    while (next < lines.size()) {
        buffer.Title = field();
        if (buffer.Title.isEmpty())
            break;
        buffer.File = field();
        buffer.WorkDir = field();
        buffer.Params = field();
        if (NumTools == kMaxTools) {
            // A thirteenth tool has no slot and no menu entry: the file fails
            // as a whole, and the list is left empty rather than over-full.
            NumTools = 0;
            return false;
        }
        ++NumTools;
        Tools[NumTools] = buffer;
    }
    return true;
}

platform::FsResult DesaTools(const platform::WorkFolder& folder)
{
    QStringList lines;
    for (int i = 1; i <= NumTools; ++i) {
        const ToolEntry& tool = Tools[i];
        lines << tool.Title << tool.File << tool.WorkDir << tool.Params;
    }
    lines << QString();
    return platform::writeTextLines(folder.file(QString::fromLatin1(kToolsFile)), lines);
}

void OmpleMenuTools(ToolMenu& window, const platform::Services& services)
{
    if (!LlegeixTools(services.folder))
        return;
    bool entriesFound = true;
    for (int i = 1; i <= NumTools && entriesFound; ++i)
        entriesFound = window.setTool(i, Tools[i]) && window.setVisible(i, true);
    for (int i = NumTools + 1; i <= kMaxTools && entriesFound; ++i)
        entriesFound = window.setVisible(i, false);
    if (!entriesFound)
        services.messages.show(QCoreApplication::applicationName(), QStringLiteral("No Form"),
                               platform::MessageIcon::None, platform::MessageButtons::Ok);
}

namespace {

void reportFailure(const platform::Services& services, const ToolEntry& tool, const QString& what)
{
    services.messages.show(
        QCoreApplication::applicationName(),
        QStringLiteral("No se ha podido iniciar la utilidad \"%1\":\r\n%2").arg(tool.Title, what),
        platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

} // namespace

QString toolCommandLine(const ToolEntry& tool)
{
    const QString fileAndParams = tool.File + QLatin1Char(' ') + tool.Params;
    QString line = platform::toQt(trimSpaces(platform::viewOf(fileAndParams)));
    if (!tool.WorkDir.isEmpty())
        line = tool.WorkDir + QDir::separator() + line;
    return line;
}

bool EsPrograma(const QString& commandLine)
{
    const QString lower = commandLine.toLower();
    return lower.contains(QLatin1String(".exe")) || lower.contains(QLatin1String(".com")) ||
           lower.contains(QLatin1String(".bat"));
}

void ExecutaTool(const ToolEntry& tool, const platform::Services& services)
{
    const QString line = toolCommandLine(tool);
    if (EsPrograma(line)) {
        if (!services.starter.start(line, platform::WindowStyle::NormalFocus))
            reportFailure(services, tool, line);
        return;
    }

    // Written in the working folder, where the starter looks for it.
    const QString launchFile = QString::fromLatin1(kLaunchFile);
    const platform::FsResult written = platform::writeTextLines(services.folder.file(launchFile), {line});
    if (!written.ok()) {
        reportFailure(services, tool,
                      QStringLiteral("no se ha podido escribir %1 en la carpeta %2 (%3).")
                          .arg(launchFile, services.folder.path(),
                               platform::reasonText(written, platform::Language::Spanish)));
        return;
    }
    if (!services.starter.start(launchFile, platform::WindowStyle::MinimizedFocus))
        reportFailure(services, tool, line);
}

} // namespace tarvi

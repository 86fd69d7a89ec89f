#include "calculator/documents.h"

namespace tarvi {

bool ObreDoc(platform::ProgramStarter& starter, const QString& doc)
{
    // The name is appended as it stands, without quotes.
    if (starter.start(QStringLiteral("cmd.exe /c ") + doc, platform::WindowStyle::Hidden))
        return true;
    return starter.start(QStringLiteral("command.com /c ") + doc, platform::WindowStyle::Hidden);
}

QString openDocFailureTitle() { return QStringLiteral("Tarvi"); }

QString openDocFailureText(const QString& doc)
{
    return QStringLiteral("No se ha podido abrir el documento %1:\r\n"
                          "no hay ningún programa que pueda abrirlo.")
        .arg(doc);
}

} // namespace tarvi

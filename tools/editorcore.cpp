#include "tools/editorcore.h"

#include "platform/textlines.h"

#include <QDir>
#include <QFile>

namespace tarvi {

LanguageChoice chooseLanguage(const QString& commandLine, const platform::WorkFolder& folder)
{
    LanguageChoice choice;
    QString code = commandLine;
    if (code.isEmpty()) {
        const QString selector = folder.file(QStringLiteral("Lng.txt"));
        if (!QFile::exists(selector)) {
            choice.refrescaMenu = true;
            return choice;
        }
        // An empty or unreadable file gives the empty code, which picks English.
        QStringList lines;
        if (platform::readTextLines(selector, lines).ok() && !lines.isEmpty())
            code = lines.front().section(QLatin1Char(','), 0, 0);
    }
    const QString lower = code.toLower();
    if (lower == QLatin1String("cat"))
        choice.idioma = platform::Language::Catalan;
    else if (lower == QLatin1String("esp"))
        choice.idioma = platform::Language::Spanish;
    else
        choice.idioma = platform::Language::English;
    return choice;
}

const EditorTexts& textsFor(platform::Language language)
{
    static const std::array<EditorTexts, 3> texts = {{
        {QStringLiteral("Tools edition"),
         QStringLiteral("Tools"),
         QStringLiteral("Tool"),
         {QStringLiteral("Title"), QStringLiteral("File"), QStringLiteral("Work directory"),
          QStringLiteral("Parameters")},
         QStringLiteral("Confirm erasing"),
         QStringLiteral("Erase "),
         QStringLiteral("The list already holds twelve tools. Erase one before adding another."),
         QStringLiteral("A tool needs a title."),
         QStringLiteral("Tools.rel could not be saved; the stored list is unchanged.")},
        {QStringLiteral("Edició eines"),
         QStringLiteral("Eines"),
         QStringLiteral("Eina"),
         {QStringLiteral("Títol"), QStringLiteral("Fitxer"), QStringLiteral("Directori de treball"),
          QStringLiteral("Paràmetres")},
         QStringLiteral("Confirmar eliminació"),
         QStringLiteral("Eliminar "),
         QStringLiteral("La llista ja té dotze eines. Elimineu-ne una abans d'afegir-ne una altra."),
         QStringLiteral("Una eina necessita un títol."),
         QStringLiteral("No s'ha pogut desar Tools.rel; la llista desada no ha canviat.")},
        {QStringLiteral("Edición utilidades"),
         QStringLiteral("Utilidades"),
         QStringLiteral("Utilidad"),
         {QStringLiteral("Título"), QStringLiteral("Fichero"), QStringLiteral("Directorio de trabajo"),
          QStringLiteral("Parámetros")},
         QStringLiteral("Confirmar eliminación"),
         QStringLiteral("¿Eliminar "),
         QStringLiteral("La lista ya tiene doce utilidades. Elimine una antes de añadir otra."),
         QStringLiteral("Una utilidad necesita un título."),
         QStringLiteral("No se ha podido guardar Tools.rel; la lista guardada no ha cambiado.")},
    }};
    return texts[platform::column(language)];
}

QString eraseQuestion(const EditorTexts& texts, const QString& title)
{
    return texts.erasePrefix + title.toUpper() + QStringLiteral(" ?");
}

AcceptOutcome acceptTool(const ToolEntry& entry)
{
    if (entry.Title.trimmed().isEmpty())
        return AcceptOutcome::EmptyTitle;
    if (ToolActual == 0) {
        if (NumTools == kMaxTools)
            return AcceptOutcome::ListFull;
        ++NumTools;
        Tools[NumTools] = entry;
        return AcceptOutcome::Added;
    }
    Tools[ToolActual] = entry;
    return AcceptOutcome::Replaced;
}

void eraseTool()
{
    if (ToolActual == 0)
        return;
    --NumTools;
    for (int k = ToolActual; k <= NumTools; ++k)
        Tools[k] = Tools[k + 1];
}

PathParts splitPath(const QString& path)
{
    const qsizetype last = path.lastIndexOf(QDir::separator());
    if (last < 0)
        return {path, QString()};
    return {path.mid(last + 1), last == 0 ? path.left(1) : path.left(last)};
}

} // namespace tarvi

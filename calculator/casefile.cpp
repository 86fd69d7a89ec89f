#include "calculator/casefile.h"

#include "counting/caseline.h"
#include "platform/codepage.h"
#include "platform/qttext.h"

namespace tarvi {

namespace {

const QString kBreak = platform::toQt(SaltLinia);

} // namespace

QString caseLine(FormulaKind kind, const PanelTexts& panel)
{
    if (panel.result.isEmpty())
        return {};
    PanelInputs inputs{panel.m.toStdString(), panel.n.toStdString(), {}};
    for (const QString& entry : panel.multiplicities)
        inputs.multiplicities.push_back(entry.toStdString());
    return platform::toQt(tarvi::caseLine(kind, inputs, panel.result.toStdString()));
}

QString caseBlock(const std::array<PanelTexts, kKinds>& panels, const QString& formulaNwt)
{
    QStringList lines;
    for (int k = 0; k < kKinds; ++k)
        lines << caseLine(FormulaKind(k), panels[std::size_t(k)]);
    lines << formulaNwt;
    lines.removeAll(QString());
    return caseEntries(lines);
}

QString caseEntries(const QStringList& lines)
{
    QString block;
    for (const QString& line : lines)
        block += line + kBreak + kBreak;
    return block;
}

platform::FsResult appendCaseBlock(const QString& path, const QString& block)
{
    return platform::appendToFile(path, platform::toCodePage(block));
}

namespace {

// What could not be done, the file, why, and that the file is as it was.
QString writeFailureText(const QString& what, const QString& path, const platform::FsResult& failure)
{
    return what + kBreak + path + kBreak + QStringLiteral("Motivo: ") +
           platform::reasonText(failure, platform::Language::Spanish) + kBreak +
           QStringLiteral("El archivo queda como estaba.");
}

} // namespace

QString appendFailureText(const QString& path, const platform::FsResult& failure)
{
    return writeFailureText(QStringLiteral("No se ha podido añadir el caso al archivo"), path, failure);
}

QString saveFailureText(const QString& path, const platform::FsResult& failure)
{
    return writeFailureText(QStringLiteral("No se ha podido guardar la hoja en el archivo"), path, failure);
}

QString editorFailureText(const QString& path)
{
    return QStringLiteral("No se ha podido abrir el editor con el archivo") + kBreak + path;
}

} // namespace tarvi

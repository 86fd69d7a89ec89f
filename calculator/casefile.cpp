#include "calculator/casefile.h"

#include "platform/codepage.h"

namespace tarvi {

namespace {

const QString kBreak = QString::fromLatin1(SaltLinia.data(), qsizetype(SaltLinia.size()));

// Blanks are spaces here, as the boxes' texts are trimmed of spaces only.
QString trimLeft(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

QString trim(const QString& text)
{
    QString result = trimLeft(text);
    while (result.endsWith(u' '))
        result.chop(1);
    return result;
}

} // namespace

QString caseLine(FormulaKind kind, const PanelTexts& panel)
{
    if (panel.result.isEmpty())
        return {};
    const std::string_view name = NomsFormula[std::size_t(index(kind))];
    QString line = QString::fromLatin1(name.data(), qsizetype(name.size())) + u'(' + trim(panel.m);
    if (hasN(kind)) {
        line += u',' + trim(panel.n);
    } else if (kind == FormulaKind::PR) {
        for (const QString& entry : panel.multiplicities)
            line += u'[' + trimLeft(entry) + u']';
    }
    return line + QStringLiteral(") = ") + panel.result;
}

QString caseBlock(const std::array<PanelTexts, kKinds>& panels, const QString& formulaNwt)
{
    QString block;
    auto entry = [&block](const QString& line) { block += line + kBreak + kBreak; };
    for (int k = 0; k < kKinds; ++k) {
        const QString line = caseLine(FormulaKind(k), panels[std::size_t(k)]);
        if (!line.isEmpty())
            entry(line);
    }
    if (!formulaNwt.isEmpty())
        entry(formulaNwt);
    return block;
}

platform::FsResult appendCaseBlock(const QString& path, const QString& block)
{
    return platform::appendToFile(path, platform::toCodePage(block));
}

QString appendFailureText(const QString& path, const platform::FsResult& failure)
{
    return QStringLiteral("No se ha podido añadir el caso al archivo") + kBreak + path + kBreak +
           QStringLiteral("Motivo: ") + platform::reasonText(failure, platform::Language::Spanish) + kBreak +
           QStringLiteral("El archivo queda como estaba.");
}

QString editorFailureText(const QString& path)
{
    return QStringLiteral("No se ha podido abrir el editor con el archivo") + kBreak + path;
}

} // namespace tarvi

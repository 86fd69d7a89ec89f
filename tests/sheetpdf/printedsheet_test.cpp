#include "sheetpdf/printedsheet.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <gtest/gtest.h>

using namespace tarvi::sheetpdf;

namespace {

// A4 in points and the sheet's 20 mm margin, with a little for rounding.
constexpr double kPageWidth = 595, kPageHeight = 842, kMargin = 56.69 - 0.5;

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};
using Pages = std::vector<std::vector<Word>>;

// The words of each page, in the order a reader extracts them, with their boxes.
Pages readBack(const QByteArray& pdf)
{
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    file.write(pdf);
    file.flush();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-bbox"), file.fileName(), QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    Pages pages;
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("<page ")))
            pages.emplace_back();
        const QRegularExpressionMatch found = word.match(line);
        if (found.hasMatch() && !pages.empty())
            pages.back().push_back({found.captured(5), found.captured(1).toDouble(),
                                    found.captured(2).toDouble(), found.captured(3).toDouble(),
                                    found.captured(4).toDouble()});
    }
    return pages;
}

} // namespace

// An answer line of thousands of digits (an exact count) wraps inside the
// margins, goes on over the following pages, and reads back whole.
TEST(PrintedSheet, LongLinesWrapWithinTheMarginsAcrossPages)
{
    QString digits;
    for (int i = 0; i < 12000; ++i)
        digits += QChar(u'0' + (i * 7) % 10);
    PrintedSheet sheet{
        QStringLiteral("Hoja 3"), QStringLiteral("Soluciones"), QStringLiteral("Respuesta: "), {}, {}};
    for (int i = 0; i < 2; ++i)
        sheet.problems.push_back(
            {QStringLiteral("Enunciado con palabras que llenan una línea y otra más para que "
                            "haga falta partirla en dos."),
             QStringLiteral("motivo"), QStringLiteral("P(9999) = ") + digits, QStringLiteral("1")});
    sheet.footer = [](int page, int pages) { return QStringLiteral("Página %1 de %2").arg(page).arg(pages); };
    const Pages pages = readBack(printSheet(sheet));
    ASSERT_GE(pages.size(), 4u);
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    QString read; // the words of digits between the title and the footer
    for (const std::vector<Word>& page : pages) {
        bool footer = false;
        for (const Word& word : page) {
            EXPECT_GE(word.xMin, kMargin) << word.text.toStdString();
            EXPECT_LE(word.xMax, kPageWidth - kMargin) << word.text.toStdString();
            EXPECT_LE(word.yMax, kPageHeight - kMargin) << word.text.toStdString();
            footer = footer || word.text == QStringLiteral("Página");
            if (word.yMin > kMargin + 20 && !footer && number.match(word.text).hasMatch())
                read += word.text;
        }
    }
    EXPECT_EQ(read.count(digits), 2);
}

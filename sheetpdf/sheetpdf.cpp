#include "sheetpdf/sheetpdf.h"

#include "platform/qttext.h"
#include "sheetpdf/printedsheet.h"

namespace tarvi::sheetpdf {

QByteArray sheetPdf(const exercises::Sheet& sheet)
{
    using platform::toQt;
    const exercises::SheetWords& words = exercises::sheetWords(sheet.options.language);
    PrintedSheet printed;
    printed.title = toQt(sheet.options.title);
    printed.solutionsHeading = toQt(words.solutions);
    printed.countLabel = toQt(words.answer) + QStringLiteral(": ");
    for (const exercises::Problem& problem : sheet.problems)
        printed.problems.push_back(
            {toQt(problem.statement), toQt(problem.reason), toQt(problem.answerLine), toQt(problem.count)});
    printed.footer = [&sheet](int page, int pages) {
        return toQt(exercises::footerLine(sheet.options, page, pages));
    };
    return printSheet(printed);
}

} // namespace tarvi::sheetpdf

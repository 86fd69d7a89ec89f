#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace tarvi::sheetpdf {

// One problem as the printed sheet shows it: the statement on the sheet, the
// rest on the solution pages.
struct PrintedProblem {
    QString statement;
    QString reason;
    QString answerLine;
    QString count;
};

// What an A4 sheet prints, in its language: the title at the top of every
// page, the numbered statements with room to answer, then from a new page the
// solutions under their heading, and on every page a footer made from the
// page's number and the number of pages.
struct PrintedSheet {
    QString title;
    QString solutionsHeading;
    QString countLabel; // before the count of each solution, e.g. "Resultado: "
    std::vector<PrintedProblem> problems;
    std::function<QString(int page, int pages)> footer;
};

// The sheet as a PDF document: fonts embedded, text selectable and in reading
// order, long lines (an exact count can run to many digits) wrapped.
QByteArray printSheet(const PrintedSheet& sheet);

} // namespace tarvi::sheetpdf

#pragma once

#include "exercises/sheet.h"

#include <QByteArray>

namespace tarvi::sheetpdf {

// A sheet as an A4 PDF in its language: the statements, then from a new page
// the solutions, the title on every page and the footer with the page number,
// the options and the seed, from which the same sheet can be made again.
QByteArray sheetPdf(const exercises::Sheet& sheet);

} // namespace tarvi::sheetpdf

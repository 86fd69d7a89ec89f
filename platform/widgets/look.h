#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QLabel;
class QPainter;
class QRect;
class QWidget;

namespace tarvi::look {

// The program's windows paint light backgrounds of their own, so they keep
// one light set of colours whatever the desktop's theme: text stays dark on
// them and boxes stay white under a dark theme too.
const QPalette& palette();

// Gives a window, its controls and the menus and lists it opens the program's
// colours.
void keepColours(QWidget* window);

// A button's picture at a size in device-independent pixels, greyed out in the
// program's colours while the button is disabled (Qt greys pictures out in
// the desktop's colours).
QIcon buttonIcon(const QIcon& picture, const QSize& size, qreal devicePixelRatio);

// The pale yellow background of the boxes the user types into.
void inputBox(QWidget* box);

// A title of a panel, row or column: bold, in the link colour.
QFont titleFont(QFont font);
void title(QLabel* label);

// A vertical gradient filling a widget's background.
struct Gradient {
    QRgb top;
    QRgb bottom;
};
inline constexpr Gradient kCalculatorGradient{qRgb(255, 255, 210),
                                              qRgb(210, 245, 200)}; // pale yellow to pale green
inline constexpr Gradient kDialogGradient{qRgb(0xf4, 0xf7, 0xfb), qRgb(0xd9, 0xe3, 0xee)}; // pale blue-grey

void paintGradient(QPainter& painter, const QRect& area, const Gradient& gradient);

} // namespace tarvi::look

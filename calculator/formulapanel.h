#pragma once

#include "counting/formulakind.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvi {

// One formula panel of the main window: its title, kind letter, inputs, "=",
// result box, "+" and "x". The main window drives it; the panel only lays
// out its controls. The PR panel has the multiplicity list and its summary
// in place of the n box.
class FormulaPanel : public QWidget {
public:
    FormulaPanel(FormulaKind kind, QWidget* parent);

    // Top edge and height of a panel in the window's client area, in twips.
    static int topTwips(FormulaKind kind);
    static int heightTwips(FormulaKind kind);

    QLineEdit* m = nullptr;              // for P, the panel's n
    QLineEdit* n = nullptr;              // V, VR, C, CR
    QComboBox* multiplicities = nullptr; // PR
    QLabel* summary = nullptr;           // PR
    QPushButton* evaluate = nullptr;     // "="
    QLineEdit* result = nullptr;
    QPushButton* generate = nullptr; // "+"
    QPushButton* reset = nullptr;    // "x"
};

} // namespace tarvi

#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvi {

// The controls of the Newton binomial row above its drawing area: the title
// "Binomio de Newton  (a+b)" with its raised n, the exponent box, "Ok>" and
// the coefficient list under its label "Ci".
class NewtonStrip : public QWidget {
public:
    explicit NewtonStrip(QWidget* parent);

    // Top edge and height of the strip in the window's client area, in twips.
    static constexpr int kTopTwips = 5580;
    static constexpr int kHeightTwips = 600;

    QLineEdit* exponent = nullptr;     // idNb
    QPushButton* expand = nullptr;     // OkNwt
    QComboBox* coefficients = nullptr; // LstC
};

} // namespace tarvi

#pragma once

#include "counting/evaluation.h"
#include "platform/messages.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvi {

class PictureArea;

// The Newton binomial row: the title "Binomio de Newton  (a+b)" with its raised
// n, the exponent box `idNb`, "Ok>" and the coefficient list `LstC` under its
// label "Ci", and below them the drawing area `BNwt`, in which the expansion
// of (a+b)^n is drawn. The drawing grows downwards as the text needs lines; the
// strip tells the window the height that keeps the window's margin below it.
class NewtonStrip : public QWidget {
    Q_OBJECT

public:
    // The drawing area is laid in the parent too, below the row and wider
    // than it.
    NewtonStrip(QWidget* parent, platform::MessageService& messages);

    // Top edge and height of the row in the window's client area, in twips.
    static constexpr int kTopTwips = 5580;
    static constexpr int kHeightTwips = 600;

    // Keeps what the strip restores later: the drawing's font size and
    // height, and the margin between its bottom and the bottom of a window
    // of the given height (twips).
    void load(float windowHeight);

    // The last expansion as a case file records it: empty until one is made,
    // and when the last one was cut off by an overflow.
    QString caseFormula() const { return complete_ ? FormulaNwt : QString(); }

    // The mode the coefficients are written in. The last expansion is
    // written again in it, and drawn again if it is drawn.
    void setCountMode(CountMode mode);

Q_SIGNALS:
    // The drawing changed its height: the window's height (twips) that keeps
    // the margin below it.
    void windowHeightChanged(float twips);

private:
    void OkNwt_Click();
    void idNb_Change();
    void BNwt_Resize();
    bool CalculaNwt(std::int16_t n);
    void listExpansion(std::int16_t n);
    void draw(std::int16_t n);

    platform::MessageService& messages_;
    QLineEdit* idNb = nullptr;
    QPushButton* OkNwt = nullptr;
    QComboBox* LstC = nullptr;
    PictureArea* BNwt = nullptr;

    QString FormulaNwt;     // the last expansion, empty until one
    bool complete_ = false; // FormulaNwt was not cut off by an overflow
    CountMode mode_ = CountMode::Double;
    std::optional<std::int16_t> listed_; // the n of the coefficients in LstC
    bool drawn_ = false;                 // BNwt shows the expansion of listed_
    float MidaLletraNwt = 0;             // font size of BNwt at load
    float AlcadaNwt = 0;                 // height of BNwt at load
    float MargeInferior = 0;             // window height below BNwt at load
};

} // namespace tarvi

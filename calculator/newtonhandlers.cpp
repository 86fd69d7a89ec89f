// The handlers of the Newton binomial row: the exponent is read and expanded
// by the core, the coefficients listed, and the expansion drawn in BNwt, whose
// height the window follows.

#include "calculator/core/newton.h"
#include "calculator/ftarvi.h"
#include "platform/qttext.h"
#include "platform/textnumber.h"
#include "platform/widgets/twips.h"
#include "render/picturearea.h"
#include "render/pintafrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tarvi {

void FTarvi::connectNewton()
{
    connect(OkNwt, &QPushButton::clicked, this, &FTarvi::OkNwt_Click);
    connect(idNb, &QLineEdit::returnPressed, this, &FTarvi::OkNwt_Click);
    // Any change of the exponent, typed or set by the program, takes the
    // drawing away, so an expansion never stands under another n.
    connect(idNb, &QLineEdit::textChanged, this, &FTarvi::idNb_Change);
    connect(BNwt, &PictureArea::resized, this, &FTarvi::BNwt_Resize);
}

void FTarvi::OkNwt_Click()
{
    const auto n = readExponent(idNb->text().toStdString(), platform::systemSeparators());
    if (!n || !CalculaNwt(*n))
        services_.messages.show(platform::toQt(kNewtonTitle), platform::toQt(kNewtonMessage),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void FTarvi::idNb_Change()
{
    BNwt->clear();
    BNwt->setHeightTwips(AlcadaNwt);
}

// The strip keeps its bottom margin: the window grows and shrinks with BNwt.
void FTarvi::BNwt_Resize()
{
    setWindowHeight(static_cast<float>(platform::twipsOf(BNwt->y())) + BNwt->heightTwips() + MargeInferior);
}

// Lists the coefficients and writes FormulaNwt as far as they could be
// computed; draws the expansion only when it is complete.
bool FTarvi::CalculaNwt(std::int16_t n)
{
    const NewtonExpansion expansion = expandBinomial(n);
    LstC->clear();
    for (const std::string& c : expansion.coefficients)
        LstC->addItem(platform::toQt(c));
    FormulaNwt = platform::toQt(expansion.formula);
    formulaNwtComplete_ = expansion.complete;
    if (!expansion.complete)
        return false;

    ExpNwt = n;
    const NewtonFont font = newtonFont(n, MidaLletraNwt);
    BNwt->setFontName(platform::toQt(font.name));
    BNwt->setFontSize(font.size);
    float y = 1;
    PintaFrm(*BNwt, 0, y, FormulaNwt.toStdU32String());
    return true;
}

} // namespace tarvi

#include "calculator/newtonstrip.h"

#include "counting/newton.h"
#include "platform/qttext.h"
#include "platform/textnumber.h"
#include "platform/widgets/look.h"
#include "platform/widgets/twips.h"
#include "render/picturearea.h"
#include "render/pintafrm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvi {

NewtonStrip::NewtonStrip(QWidget* parent, platform::MessageService& messages)
    : QWidget(parent), messages_(messages)
{
    setGeometry(platform::twipRect(0, kTopTwips, 6000, kHeightTwips));

    auto* title = new QLabel(QStringLiteral("Binomio de Newton  (a+b)"), this);
    look::title(title);
    title->setGeometry(platform::twipRect(165, 90, 2040, 255));
    auto* power = new QLabel(QStringLiteral("n"), this);
    look::title(power);
    power->setGeometry(title->x() + title->sizeHint().width(), 0, platform::px(180), platform::px(255));

    auto* equals = new QLabel(QStringLiteral("n ="), this);
    equals->setGeometry(platform::twipRect(2640, 135, 330, 255));
    idNb = new QLineEdit(this);
    idNb->setObjectName(QStringLiteral("idNb"));
    idNb->setGeometry(platform::twipRect(2970, 105, 510, 315));
    look::inputBox(idNb);
    OkNwt = new QPushButton(QStringLiteral("Ok>"), this);
    OkNwt->setObjectName(QStringLiteral("OkNwt"));
    OkNwt->setGeometry(platform::twipRect(3600, 90, 510, 345));

    auto* ci = new QLabel(QStringLiteral("Ci"), this);
    ci->setGeometry(platform::twipRect(4320, 0, 300, 225));
    LstC = new QComboBox(this);
    LstC->setObjectName(QStringLiteral("LstC"));
    LstC->setGeometry(platform::twipRect(4320, 225, 1575, 330));

    BNwt = new PictureArea(parent);
    BNwt->setObjectName(QStringLiteral("BNwt"));
    BNwt->setGeometry(platform::twipRect(150, 6210, 8040, 345));
    BNwt->setFontName(QStringLiteral("Tahoma"));
    BNwt->setFontSize(9.75f);

    idNb->setAccessibleName(QStringLiteral("Newton n"));
    OkNwt->setAccessibleName(QStringLiteral("Newton calcular"));
    LstC->setAccessibleName(QStringLiteral("Newton coeficientes"));
    BNwt->setAccessibleName(QStringLiteral("Newton desarrollo"));

    connect(OkNwt, &QPushButton::clicked, this, &NewtonStrip::OkNwt_Click);
    connect(idNb, &QLineEdit::returnPressed, this, &NewtonStrip::OkNwt_Click);
    // Any change of the exponent, typed or set by the program, takes the
    // drawing away, so an expansion never stands under another n.
    connect(idNb, &QLineEdit::textChanged, this, &NewtonStrip::idNb_Change);
    connect(BNwt, &PictureArea::resized, this, &NewtonStrip::BNwt_Resize);
}

void NewtonStrip::load(float windowHeight)
{
    MidaLletraNwt = BNwt->fontSize();
    AlcadaNwt = BNwt->heightTwips();
    MargeInferior = windowHeight - static_cast<float>(platform::twipsOf(BNwt->y())) - AlcadaNwt;
}

void NewtonStrip::OkNwt_Click()
{
    const auto n = readExponent(idNb->text().toStdString(), platform::systemSeparators());
    if (!n || !CalculaNwt(*n))
        messages_.show(platform::toQt(kNewtonTitle), platform::toQt(kNewtonMessage),
                       platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void NewtonStrip::setCountMode(CountMode mode)
{
    mode_ = mode;
    if (!listed_)
        return;
    listExpansion(*listed_);
    if (drawn_ && complete_)
        draw(*listed_);
}

void NewtonStrip::idNb_Change()
{
    drawn_ = false;
    BNwt->clear();
    BNwt->setAccessibleDescription({});
    BNwt->setHeightTwips(AlcadaNwt);
}

// The strip keeps the window's bottom margin: the window grows and shrinks
// with BNwt.
void NewtonStrip::BNwt_Resize()
{
    Q_EMIT windowHeightChanged(static_cast<float>(platform::twipsOf(BNwt->y())) + BNwt->heightTwips() +
                               MargeInferior);
}

// Lists the coefficients and writes FormulaNwt as far as they could be
// computed; draws the expansion only when it is complete.
bool NewtonStrip::CalculaNwt(std::int16_t n)
{
    listExpansion(n);
    if (!complete_)
        return false;
    draw(n);
    return true;
}

void NewtonStrip::listExpansion(std::int16_t n)
{
    const NewtonExpansion expansion = expandBinomial(n, mode_);
    LstC->clear();
    for (const std::string& c : expansion.coefficients)
        LstC->addItem(platform::toQt(c));
    FormulaNwt = platform::toQt(expansion.formula);
    complete_ = expansion.complete;
    listed_ = n;
}

// A screen reader reads what is drawn as the area's description.
void NewtonStrip::draw(std::int16_t n)
{
    const NewtonFont font = newtonFont(n, MidaLletraNwt);
    BNwt->setFontName(platform::toQt(font.name));
    BNwt->setFontSize(font.size);
    float y = 1;
    PintaFrm(*BNwt, 0, y, FormulaNwt.toStdU32String());
    BNwt->setAccessibleDescription(FormulaNwt);
    drawn_ = true;
}

} // namespace tarvi

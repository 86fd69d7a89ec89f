#include "calculator/newtonstrip.h"

#include "platform/look.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvi {

NewtonStrip::NewtonStrip(QWidget* parent) : QWidget(parent)
{
    setGeometry(twipRect(0, kTopTwips, 6000, kHeightTwips));

    auto* title = new QLabel(QStringLiteral("Binomio de Newton  (a+b)"), this);
    look::title(title);
    title->setGeometry(twipRect(165, 90, 2040, 255));
    auto* power = new QLabel(QStringLiteral("n"), this);
    look::title(power);
    power->setGeometry(title->x() + title->sizeHint().width(), 0, px(180), px(255));

    auto* equals = new QLabel(QStringLiteral("n ="), this);
    equals->setGeometry(twipRect(2640, 135, 330, 255));
    exponent = new QLineEdit(this);
    exponent->setGeometry(twipRect(2970, 105, 510, 315));
    look::inputBox(exponent);
    expand = new QPushButton(QStringLiteral("Ok>"), this);
    expand->setGeometry(twipRect(3600, 90, 510, 345));

    auto* ci = new QLabel(QStringLiteral("Ci"), this);
    ci->setGeometry(twipRect(4320, 0, 300, 225));
    coefficients = new QComboBox(this);
    coefficients->setGeometry(twipRect(4320, 225, 1575, 330));

    exponent->setAccessibleName(QStringLiteral("Newton n"));
    expand->setAccessibleName(QStringLiteral("Newton calcular"));
    coefficients->setAccessibleName(QStringLiteral("Newton coeficientes"));
}

} // namespace tarvi

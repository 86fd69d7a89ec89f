#include "calculator/newtonstrip.h"

#include "platform/widgets/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvi {

NewtonStrip::NewtonStrip(QWidget* parent) : QWidget(parent)
{
    setGeometry(platform::twipRect(0, kTopTwips, 6000, kHeightTwips));

    auto* title = new QLabel(QStringLiteral("Binomio de Newton  (a+b)"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setForegroundRole(QPalette::Link);
    title->setGeometry(platform::twipRect(165, 90, 2040, 255));
    auto* power = new QLabel(QStringLiteral("n"), this);
    power->setFont(titleFont);
    power->setForegroundRole(QPalette::Link);
    power->setGeometry(title->x() + title->sizeHint().width(), 0, platform::px(180), platform::px(255));

    auto* equals = new QLabel(QStringLiteral("n ="), this);
    equals->setGeometry(platform::twipRect(2640, 135, 330, 255));
    exponent = new QLineEdit(this);
    exponent->setGeometry(platform::twipRect(2970, 105, 510, 315));
    QPalette palette = exponent->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 225));
    exponent->setPalette(palette);
    expand = new QPushButton(QStringLiteral("Ok>"), this);
    expand->setGeometry(platform::twipRect(3600, 90, 510, 345));

    auto* ci = new QLabel(QStringLiteral("Ci"), this);
    ci->setGeometry(platform::twipRect(4320, 0, 300, 225));
    coefficients = new QComboBox(this);
    coefficients->setGeometry(platform::twipRect(4320, 225, 1575, 330));

    exponent->setAccessibleName(QStringLiteral("Newton n"));
    expand->setAccessibleName(QStringLiteral("Newton calcular"));
    coefficients->setAccessibleName(QStringLiteral("Newton coeficientes"));
}

} // namespace tarvi

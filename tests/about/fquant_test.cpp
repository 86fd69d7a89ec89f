#include "about/fquant.h"
#include "about/programicon.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tarvi;

// Hum! closes the box and only it; the next show loads the texts again.
TEST(FQuant, ShowsTitleAndVersionAgainAfterHum)
{
    QWidget owner;
    owner.show();
    FQuant quant(&owner);
    quant.mostra();
    EXPECT_EQ(quant.windowTitle(), QStringLiteral("Sobre  Tarvi")); // two blanks
    EXPECT_EQ(quant.lblVersion->text(), QStringLiteral("Versión ") + QStringLiteral(TARVI_BUILD_VERSION));
    EXPECT_EQ(quant.lblDescription->text(),
              QStringLiteral("Cálculo de variaciones, permutaciones, combinaciones..."));
    quant.cmdOK->click();
    EXPECT_FALSE(quant.isVisible());
    EXPECT_TRUE(owner.isVisible());
    quant.setWindowTitle(QStringLiteral("altered"));
    quant.mostra();
    EXPECT_EQ(quant.windowTitle(), QStringLiteral("Sobre  Tarvi"));
}

// The icon shows something at every size: not one single colour all over.
TEST(ProgramIcon, DrawsTheSvgAtEverySize)
{
    for (const int side : {16, 32, 64}) {
        const QImage image = programPixmap(side).toImage().convertToFormat(QImage::Format_ARGB32);
        QImage plain(side, side, QImage::Format_ARGB32);
        plain.fill(image.pixel(0, 0));
        EXPECT_NE(image, plain) << side;
    }
}

#include "about/fquant.h"
#include "about/programicon.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

// Whether a picture shows anything: some pixel is not fully transparent, and
// not every pixel has the same colour.
bool drawsSomething(const QImage& image)
{
    bool opaque = false;
    bool varied = false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            opaque = opaque || qAlpha(image.pixel(x, y)) > 0;
            varied = varied || image.pixel(x, y) != first;
        }
    return opaque && varied;
}

} // namespace

TEST(FQuant, ShowsTitleVersionAndDescription)
{
    FQuant quant;
    quant.mostra();
    EXPECT_EQ(quant.windowTitle(), QStringLiteral("Sobre  Tarvi")); // two blanks
    EXPECT_EQ(quant.lblVersion->text(), QStringLiteral("Versión 1.5.0"));
    EXPECT_EQ(quant.lblVersion->text(), QStringLiteral("Versión ") + QStringLiteral(TARVI_BUILD_VERSION));
    EXPECT_EQ(quant.lblTitle->text(), QStringLiteral("Tarvi"));
    EXPECT_EQ(quant.Label1->text(), QStringLiteral("Tarvi"));
    EXPECT_EQ(quant.lblTitle->font().family(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(quant.Label1->font().family(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(quant.lblDescription->text(), QStringLiteral("Cálculo de variaciones, permutaciones, combinaciones..."));
    EXPECT_TRUE(quant.lblDisclaimer->text().contains(QStringLiteral("the Tarvi developers")));
    EXPECT_EQ(quant.cmdOK->text(), QStringLiteral("Hum!"));
    for (const char* name : {"picIcon", "lblTitle", "Label1", "lblDescription", "lblVersion", "lblDisclaimer",
                             "Line1(0)", "Line1(1)", "cmdOK"})
        EXPECT_NE(quant.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_FALSE(quant.isModal());
}

TEST(FQuant, HumClosesAndTheNextShowLoadsAgain)
{
    QWidget owner;
    owner.show();
    FQuant quant(&owner);
    quant.mostra();
    ASSERT_TRUE(quant.isVisible());
    quant.cmdOK->click();
    EXPECT_FALSE(quant.isVisible());
    EXPECT_TRUE(owner.isVisible());

    quant.setWindowTitle(QStringLiteral("altered"));
    quant.mostra();
    EXPECT_TRUE(quant.isVisible());
    EXPECT_EQ(quant.windowTitle(), QStringLiteral("Sobre  Tarvi"));
}

TEST(ProgramIcon, DrawsTheSvgAtEverySize)
{
    for (const int side : {16, 32, 64}) {
        const QPixmap pixmap = programPixmap(side);
        ASSERT_EQ(pixmap.width(), side);
        EXPECT_TRUE(drawsSomething(pixmap.toImage())) << side;
    }
    EXPECT_FALSE(programIcon().availableSizes().isEmpty());
    FQuant quant;
    ASSERT_FALSE(quant.picIcon->pixmap().isNull());
    EXPECT_TRUE(drawsSomething(quant.picIcon->pixmap().toImage()));
}

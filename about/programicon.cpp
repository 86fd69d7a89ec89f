#include "about/programicon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tarvi {

namespace {

const QString kIconResource = QStringLiteral(":/tarvi/icons/tarvi.svg");

} // namespace

QPixmap programPixmap(int side, qreal devicePixelRatio)
{
    const int pixels = qRound(side * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(kIconResource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programPixmap(side));
    return icon;
}

} // namespace tarvi

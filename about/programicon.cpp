#include "about/programicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace tarvi {

namespace {

const QString kIconResource = QStringLiteral(":/tarvi/icons/tarvi.svg");

// Draws the icon only at the sizes that are asked for, when they are asked
// for: its digits make every drawing cost a text layout.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(kIconResource).render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    // The sizes a window manager is offered; it scales them for other uses.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32), QSize(64, 64)}; }

    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

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

QIcon programIcon() { return QIcon(new ProgramIconEngine); }

} // namespace tarvi

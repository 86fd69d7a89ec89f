#include "render/picturearea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <bit>
#include <cmath>

namespace tarvi {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kPointsPerInch = 72.0;

QString textOf(char32_t c) { return QString::fromUcs4(&c, 1); }

} // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent), family_(font().family()), size_(9.75f)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void PictureArea::setFontName(const QString& family)
{
    if (family == family_)
        return;
    family_ = family;
    widths_.clear();
}

void PictureArea::setFontSize(float size) { size_ = size; }

double PictureArea::pointsPerPixelX() const { return kPointsPerInch / logicalDpiX(); }
double PictureArea::pointsPerPixelY() const { return kPointsPerInch / logicalDpiY(); }

float PictureArea::scaleWidth() const { return static_cast<float>(width() * pointsPerPixelX()); }
float PictureArea::scaleHeight() const { return static_cast<float>(height() * pointsPerPixelY()); }

float PictureArea::heightTwips() const { return static_cast<float>(height() * kTwipsPerInch / logicalDpiY()); }

// A height between two whole pixels takes the larger one, so that every
// increase, however small, makes the area taller.
void PictureArea::setHeightTwips(float twips)
{
    const double pixels = twips * logicalDpiY() / kTwipsPerInch;
    resize(width(), static_cast<int>(std::ceil(pixels - 1e-6)));
}

void PictureArea::clear()
{
    drawing_.clear();
    update();
}

void PictureArea::print(char32_t c)
{
    const quint64 key = (quint64{std::bit_cast<quint32>(size_)} << 32) | c;
    auto width = widths_.constFind(key);
    if (width == widths_.cend()) {
        const QFontMetricsF metrics(fontAt(family_, size_), this);
        width = widths_.insert(key, static_cast<float>(metrics.horizontalAdvance(textOf(c)) * pointsPerPixelX()));
    }
    drawing_.push_back({c, penX_, penY_, size_, family_});
    penX_ += *width;
    update();
}

QFont PictureArea::fontAt(const QString& family, float size) const
{
    QFont f(family);
    f.setPointSizeF(size);
    return f;
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const double toPixelsX = 1.0 / pointsPerPixelX();
    const double toPixelsY = 1.0 / pointsPerPixelY();
    QString family;
    float size = -1;
    double ascent = 0;
    for (const Glyph& g : drawing_) {
        if (g.size != size || g.family != family) {
            family = g.family;
            size = g.size;
            painter.setFont(fontAt(family, size));
            ascent = QFontMetricsF(painter.font(), this).ascent();
        }
        // The pen marks the top of the character cell; text is placed by its
        // baseline.
        painter.drawText(QPointF(g.x * toPixelsX, g.y * toPixelsY + ascent), textOf(g.c));
    }
}

void PictureArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace tarvi

#include "render/picturearea.h"

#include "platform/widgets/twips.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QResizeEvent>

#include <algorithm>
#include <bit>
#include <cmath>

namespace tarvi {

namespace {

// The window is laid out at 96 logical pixels to the inch, as the program's
// design assumes: 15 twips and 3/4 of a point to a pixel. Fonts are sized to
// match, whatever the screen's own logical resolution.
constexpr double kPointsPerPixel = 0.75;
constexpr double kDesignDpi = 96.0;

QString textOf(char32_t c) { return QString::fromUcs4(&c, 1); }

} // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent), family_(font().family()), families_{family_},
      size_(static_cast<float>(font().pointSizeF()))
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
    familyNumber_ = families_.indexOf(family);
    if (familyNumber_ < 0) {
        familyNumber_ = families_.size();
        families_.append(family);
    }
    widths_.clear();
}

void PictureArea::setFontSize(float size) { size_ = size; }

float PictureArea::scaleWidth() const { return static_cast<float>(width() * kPointsPerPixel); }
float PictureArea::scaleHeight() const { return static_cast<float>(height() * kPointsPerPixel); }

float PictureArea::heightTwips() const { return static_cast<float>(platform::twipsOf(height())); }

// A height between two whole pixels takes the larger one, so that every
// increase, however small, makes the area taller.
void PictureArea::setHeightTwips(float twips)
{
    resize(width(), static_cast<int>(std::ceil(twips / double(platform::kTwipsPerPixel) - 1e-6)));
}

void PictureArea::clear()
{
    drawing_.clear();
    drawn_.clear();
    update();
}

float PictureArea::textWidth(char32_t c) const
{
    const quint64 key = (quint64{std::bit_cast<quint32>(size_)} << 32) | c;
    auto width = widths_.constFind(key);
    if (width == widths_.cend()) {
        const QFontMetricsF metrics(fontAt(family_, size_), this);
        width =
            widths_.insert(key, static_cast<float>(metrics.horizontalAdvance(textOf(c)) * kPointsPerPixel));
    }
    return *width;
}

// Drawing over the drawing adds to it, but the same character again at the
// same place in the same font (the area has one colour) would only pile up
// copies and darken its antialiased edges, so it is left as it is.
void PictureArea::print(char32_t c)
{
    const float x = penX_;
    penX_ += textWidth(c);
    const auto before = drawn_.size();
    drawn_.insert({c, x, penY_, size_, familyNumber_});
    if (drawn_.size() == before)
        return;
    drawing_.push_back({c, x, penY_, size_, family_});
    update();
}

QFont PictureArea::fontAt(const QString& family, float size) const
{
    QFont f(family);
    f.setPointSizeF(size * kDesignDpi / logicalDpiY());
    return f;
}

// All characters of one font go to the painter as one run of glyphs at their
// own positions, which is far quicker than drawing them one by one.
void PictureArea::paintEvent(QPaintEvent*)
{
    struct Run {
        QString family;
        float size;
        QRawFont font;
        QHash<char32_t, quint32> indexes;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<Run> runs;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Glyph& g : drawing_) {
        auto run = std::find_if(runs.begin(), runs.end(),
                                [&](const Run& r) { return r.size == g.size && r.family == g.family; });
        if (run == runs.end()) {
            QRawFont font = QRawFont::fromFont(QFont(g.family));
            font.setPixelSize(g.size / kPointsPerPixel);
            runs.push_back({g.family, g.size, font, {}, {}, {}});
            run = runs.end() - 1;
        }
        auto index = run->indexes.constFind(g.c);
        if (index == run->indexes.cend()) {
            const QList<quint32> found = run->font.glyphIndexesForString(textOf(g.c));
            index = run->indexes.insert(g.c, found.size() == 1 ? found.front() : 0);
        }
        // The pen marks the top of the character cell; glyphs sit on their
        // baseline.
        const QPointF at(g.x / kPointsPerPixel, g.y / kPointsPerPixel + run->font.ascent());
        if (*index != 0) {
            run->glyphs.push_back(*index);
            run->positions.push_back(at);
        } else { // not in the font: let the painter find a font that has it
            painter.setFont(fontAt(g.family, g.size));
            painter.drawText(at, textOf(g.c));
        }
    }
    for (const Run& r : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(r.font);
        glyphs.setGlyphIndexes(r.glyphs);
        glyphs.setPositions(r.positions);
        painter.drawGlyphRun(QPointF(0, 0), glyphs);
    }
}

void PictureArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

} // namespace tarvi

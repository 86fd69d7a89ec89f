#pragma once

#include "render/drawingarea.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <bit>
#include <vector>

namespace tarvi {

// A picture area for formulas: it draws characters in points, one by one at a
// pen, and keeps what it drew until it is cleared, so that it repaints itself
// whenever it is uncovered. A character drawn again where it already stands,
// in the same font, changes nothing. Its outer height can be set in twips; it
// reports every change of its size.
class PictureArea : public QWidget, public DrawingArea {
    Q_OBJECT

public:
    // One drawn character, in points, with the font it was drawn in.
    struct Glyph {
        char32_t c;
        float x;
        float y;
        float size;
        QString family;

        bool operator==(const Glyph&) const = default;
    };

    explicit PictureArea(QWidget* parent = nullptr);

    void setFontName(const QString& family);

    const std::vector<Glyph>& drawing() const { return drawing_; }

    float fontSize() const override { return size_; }
    void setFontSize(float size) override;
    float scaleWidth() const override;
    float scaleHeight() const override;
    float heightTwips() const override;
    void setHeightTwips(float twips) override;
    float currentX() const override { return penX_; }
    void setCurrentX(float x) override { penX_ = x; }
    void setCurrentY(float y) override { penY_ = y; }
    void clear() override;
    float textWidth(char32_t c) const override;
    void print(char32_t c) override;

Q_SIGNALS:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A drawn character as the search for one drawn again sees it: the font
    // name by its number in `families_`, so that no text is hashed.
    struct Place {
        char32_t c;
        float x;
        float y;
        float size;
        qsizetype family;

        bool operator==(const Place&) const = default;
        // Positions and size by their bits, -0 taken as 0 as == does.
        friend size_t qHash(const Place& p, size_t seed = 0)
        {
            const auto bits = [](float f) { return std::bit_cast<quint32>(f + 0.0f); };
            return qHashMulti(seed, quint64{bits(p.x)} << 32 | bits(p.y), quint64{p.c} << 32 | bits(p.size),
                              p.family);
        }
    };

    QFont fontAt(const QString& family, float size) const;

    QString family_;
    qsizetype familyNumber_ = 0;
    QStringList families_;
    float size_;
    float penX_ = 0;
    float penY_ = 0;
    std::vector<Glyph> drawing_;
    QSet<Place> drawn_; // where each glyph of the drawing stands
    // Character widths in points for the current font name, by size and
    // character: a formula uses two sizes and a handful of characters.
    mutable QHash<quint64, float> widths_;
};

} // namespace tarvi

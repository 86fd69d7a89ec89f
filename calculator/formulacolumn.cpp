#include "calculator/formulacolumn.h"

#include "calculator/formulapanel.h"
#include "calculator/newtonstrip.h"
#include "platform/widgets/look.h"
#include "platform/widgets/twips.h"

#include <QPainter>

namespace tarvi {

namespace {

constexpr int kLeftTwips = 6060;
constexpr int kWidthTwips = 2190;

// Writes a formula from left to right: plain text, raised or lowered small
// text, and fractions with a bar, all centred on one base line.
class FormulaPen {
public:
    FormulaPen(QPainter& painter, qreal left, qreal baseLine)
        : painter_(painter), x_(left), baseLine_(baseLine), normal_(painter.font()), small_(normal_)
    {
        small_.setPointSizeF(normal_.pointSizeF() * 0.75);
    }

    FormulaPen& text(const QString& text) { return write(text, normal_, 0); }
    FormulaPen& raised(const QString& text)
    {
        return write(text, small_, -QFontMetricsF(normal_).ascent() * 0.45);
    }
    FormulaPen& lowered(const QString& text)
    {
        return write(text, small_, QFontMetricsF(normal_).ascent() * 0.3);
    }

    FormulaPen& fraction(const QString& over, const QString& under)
    {
        const QFontMetricsF metrics(normal_);
        const qreal width = std::max(metrics.horizontalAdvance(over), metrics.horizontalAdvance(under)) + 4;
        const qreal bar = baseLine_ - metrics.ascent() * 0.35;
        painter_.setFont(normal_);
        painter_.drawText(
            QPointF(x_ + (width - metrics.horizontalAdvance(over)) / 2, bar - metrics.descent() - 1), over);
        painter_.drawText(
            QPointF(x_ + (width - metrics.horizontalAdvance(under)) / 2, bar + metrics.ascent() + 1), under);
        painter_.drawLine(QPointF(x_, bar), QPointF(x_ + width, bar));
        x_ += width;
        return *this;
    }

    FormulaPen& sum(const QString& above, const QString& below)
    {
        QFont big = normal_;
        big.setPointSizeF(normal_.pointSizeF() * 1.4);
        const QFontMetricsF bigMetrics(big);
        const QFontMetricsF smallMetrics(small_);
        const qreal width =
            std::max({bigMetrics.horizontalAdvance(QStringLiteral("Σ")),
                      smallMetrics.horizontalAdvance(above), smallMetrics.horizontalAdvance(below)});
        const qreal sigmaBase = baseLine_ + bigMetrics.ascent() * 0.2;
        painter_.setFont(big);
        painter_.drawText(
            QPointF(x_ + (width - bigMetrics.horizontalAdvance(QStringLiteral("Σ"))) / 2, sigmaBase),
            QStringLiteral("Σ"));
        painter_.setFont(small_);
        painter_.drawText(QPointF(x_ + (width - smallMetrics.horizontalAdvance(above)) / 2,
                                  sigmaBase - bigMetrics.ascent() * 0.92),
                          above);
        painter_.drawText(QPointF(x_ + (width - smallMetrics.horizontalAdvance(below)) / 2,
                                  sigmaBase + smallMetrics.ascent() * 0.9),
                          below);
        x_ += width;
        return *this;
    }

private:
    FormulaPen& write(const QString& text, const QFont& font, qreal shift)
    {
        painter_.setFont(font);
        painter_.drawText(QPointF(x_, baseLine_ + shift), text);
        x_ += QFontMetricsF(font).horizontalAdvance(text);
        return *this;
    }

    QPainter& painter_;
    qreal x_;
    qreal baseLine_;
    QFont normal_;
    QFont small_;
};

// The box of the formula of a band of the window given in twips.
QRectF boxOf(int topTwips, int heightTwips)
{
    return QRectF(0.5, platform::px(topTwips + 75) + 0.5, platform::px(kWidthTwips) - 1,
                  platform::px(heightTwips - 105));
}

} // namespace

FormulaColumn::FormulaColumn(QWidget* parent) : QWidget(parent)
{
    setGeometry(platform::twipRect(kLeftTwips, 0, kWidthTwips, 6210)); // down to the Newton drawing area
    setFont(QFont(QStringLiteral("Arial"), 9));
    setAccessibleName(QStringLiteral("Fórmulas"));
    setAccessibleDescription(QStringLiteral(
        "V = m·(m-1)···(m-n+1); VR = m^n; Pn = n!; PR = m!/(n1!·n2!···nk!); C = m!/(n!·(m-n)!); "
        "CR = (m+n-1)!/(n!·(m-1)!); (a+b)^n = suma de i=0 a n de Cn,i·a^(n-i)·b^i"));
}

void FormulaColumn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setFont(look::titleFont(font()));
    painter.setPen(palette().color(QPalette::Link));
    painter.drawText(QRectF(0, 0, width(), platform::px(210)), Qt::AlignCenter, QStringLiteral("Fórmulas"));

    painter.setPen(palette().color(QPalette::WindowText));
    const auto box = [&](int topTwips, int heightTwips) {
        const QRectF frame = boxOf(topTwips, heightTwips);
        painter.drawRect(frame);
        painter.setFont(font());
        const qreal baseLine = frame.center().y() + QFontMetricsF(font()).ascent() * 0.35;
        return FormulaPen(painter, frame.left() + platform::px(90), baseLine);
    };
    const auto panel = [&](FormulaKind kind) {
        return box(FormulaPanel::topTwips(kind), FormulaPanel::heightTwips(kind));
    };

    panel(FormulaKind::V).text(QStringLiteral("V =  m·(m-1) ··· (m-n+1)"));
    panel(FormulaKind::VR).text(QStringLiteral("VR =  m")).raised(QStringLiteral("n"));
    panel(FormulaKind::P)
        .text(QStringLiteral("P"))
        .lowered(QStringLiteral("n"))
        .text(QStringLiteral(" = n!"));
    panel(FormulaKind::PR)
        .text(QStringLiteral("PR = "))
        .fraction(QStringLiteral("m!"), QStringLiteral("n1! n2!···nk!"));
    panel(FormulaKind::C)
        .text(QStringLiteral("C = "))
        .fraction(QStringLiteral("m!"), QStringLiteral("n! (m-n)!"));
    panel(FormulaKind::CR)
        .text(QStringLiteral("CR = "))
        .fraction(QStringLiteral("(m+n-1)!"), QStringLiteral("n! (m-1)!"));
    // The sum with its limits needs a little more height than the row.
    box(NewtonStrip::kTopTwips - 60, NewtonStrip::kHeightTwips + 90)
        .text(QStringLiteral("= "))
        .sum(QStringLiteral("n"), QStringLiteral("i=0"))
        .text(QStringLiteral(" C"))
        .lowered(QStringLiteral("n,i"))
        .text(QStringLiteral(" · a"))
        .raised(QStringLiteral("n-i"))
        .text(QStringLiteral(" · b"))
        .raised(QStringLiteral("i"));
}

} // namespace tarvi

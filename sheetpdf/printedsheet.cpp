#include "sheetpdf/printedsheet.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace tarvi::sheetpdf {

namespace {

// Lengths are in the writer's dots; the page is laid out in millimetres.
constexpr int kResolution = 600;
constexpr qreal mm(qreal length) { return length * kResolution / 25.4; }

constexpr qreal kPageWidth = mm(210);
constexpr qreal kPageHeight = mm(297);
constexpr qreal kMargin = mm(20);
constexpr qreal kLineWidth = kPageWidth - 2 * kMargin;
constexpr qreal kNumberWidth = mm(9); // the "12." before a statement or solution
constexpr qreal kNumberGap = mm(1.2); // between the number and its text
constexpr qreal kAnswerRoom = mm(30); // blank space below each statement
constexpr qreal kSolutionGap = mm(5); // between two solutions
constexpr qreal kHeaderGap = mm(6);   // between the title's rule and the first line
constexpr qreal kFooterGap = mm(6);   // between the last line and the footer's rule
constexpr qreal kHeadingGap = mm(4);  // below the solutions' heading
constexpr qreal kRulePen = mm(0.25);

QFont sheetFont(qreal points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// One line of a paragraph, or blank space when `layout` is null, placed at an
// indent; `number` is printed at the left edge on the same line.
struct Row {
    const QTextLayout* layout = nullptr;
    int line = 0;
    qreal indent = 0;
    qreal height = 0;
    const QTextLayout* number = nullptr;
};

// Rows kept on one page when they fit on one; `newPage` starts it on a page
// of its own.
struct Group {
    std::vector<Row> rows;
    bool newPage = false;

    qreal height() const
    {
        qreal total = 0;
        for (const Row& row : rows)
            total += row.height;
        return total;
    }
};

struct Placed {
    Row row;
    qreal y;
};
using Page = std::vector<Placed>;

// Lays out the paragraphs of a sheet on the writer's dots and keeps them for
// drawing.
class Typesetter {
public:
    explicit Typesetter(QPaintDevice* device) : device_(device) {}

    // The text wrapped to a width: between words where they fit, anywhere in a
    // word longer than the line.
    const QTextLayout& paragraph(const QString& text, const QFont& font, qreal width)
    {
        auto layout = std::make_unique<QTextLayout>(text, font, device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        qreal y = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout->endLayout();
        layouts_.push_back(std::move(layout));
        return *layouts_.back();
    }

    // Appends the lines of a paragraph at an indent to a group; the first line
    // carries the number, if any.
    void addLines(Group& group, const QTextLayout& layout, qreal indent, const QTextLayout* number = nullptr)
    {
        for (int i = 0; i < layout.lineCount(); ++i)
            group.rows.push_back({&layout, i, indent, layout.lineAt(i).height(), i == 0 ? number : nullptr});
    }

private:
    QPaintDevice* device_;
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
};

qreal height(const QTextLayout& layout)
{
    return layout.lineCount() == 0 ? 0 : layout.boundingRect().height();
}

// Fills pages of `bodyHeight` with the groups in order. A group goes whole to
// the next page when it does not fit in what is left of this one but fits on
// a page; only a group taller than a page is split between lines. Blank space
// is cut off at the end of a page and never starts one.
std::vector<Page> paginate(const std::vector<Group>& groups, qreal bodyHeight)
{
    std::vector<Page> pages(1);
    qreal y = 0;
    const auto turn = [&] {
        pages.emplace_back();
        y = 0;
    };
    for (const Group& group : groups) {
        const qreal needed = group.height();
        if (y > 0 && (group.newPage || (y + needed > bodyHeight && needed <= bodyHeight)))
            turn();
        for (const Row& row : group.rows) {
            if (row.layout == nullptr) {
                if (y > 0)
                    y = std::min(y + row.height, bodyHeight);
                continue;
            }
            if (y > 0 && y + row.height > bodyHeight)
                turn();
            pages.back().push_back({row, y});
            y += row.height;
        }
    }
    return pages;
}

void drawLine(QPainter& painter, const QTextLayout& layout, int line, QPointF at)
{
    const QTextLine textLine = layout.lineAt(line);
    textLine.draw(&painter, at - textLine.position());
}

void drawParagraph(QPainter& painter, const QTextLayout& layout, QPointF at)
{
    for (int i = 0; i < layout.lineCount(); ++i)
        drawLine(painter, layout, i, at + layout.lineAt(i).position());
}

} // namespace

QByteArray printSheet(const PrintedSheet& sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(sheet.title);
    writer.setCreator(QStringLiteral("Tarvi"));
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));

    Typesetter setter(&writer);
    const QTextLayout& title = setter.paragraph(sheet.title, sheetFont(13, true), kLineWidth);
    // The footer's room is measured on a footer with many pages, the longest
    // its page number makes it.
    const qreal footerHeight = height(setter.paragraph(sheet.footer(999, 999), sheetFont(8), kLineWidth));
    const qreal bodyTop = kMargin + height(title) + kHeaderGap;
    const qreal bodyHeight = kPageHeight - kMargin - footerHeight - kFooterGap - bodyTop;

    const QFont text = sheetFont(11);
    const qreal textWidth = kLineWidth - kNumberWidth;
    std::vector<Group> groups;
    const auto number = [&](std::size_t i) -> const QTextLayout& {
        return setter.paragraph(QStringLiteral("%1.").arg(i + 1), sheetFont(11, true), kNumberWidth);
    };
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        Group& group = groups.emplace_back();
        setter.addLines(group, setter.paragraph(sheet.problems[i].statement, text, textWidth), kNumberWidth,
                        &number(i));
        group.rows.push_back({nullptr, 0, 0, kAnswerRoom, nullptr});
    }
    Group& heading = groups.emplace_back();
    heading.newPage = true;
    setter.addLines(heading, setter.paragraph(sheet.solutionsHeading, sheetFont(14, true), kLineWidth), 0);
    heading.rows.push_back({nullptr, 0, 0, kHeadingGap, nullptr});
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const PrintedProblem& problem = sheet.problems[i];
        Group& group = groups.emplace_back();
        setter.addLines(group, setter.paragraph(problem.reason, sheetFont(11, false, true), textWidth),
                        kNumberWidth, &number(i));
        setter.addLines(group, setter.paragraph(problem.answerLine, text, textWidth), kNumberWidth);
        setter.addLines(group,
                        setter.paragraph(sheet.countLabel + problem.count, sheetFont(11, true), textWidth),
                        kNumberWidth);
        group.rows.push_back({nullptr, 0, 0, kSolutionGap, nullptr});
    }
    const std::vector<Page> pages = paginate(groups, bodyHeight);

    QPainter painter(&writer);
    const QPen rule(Qt::black, kRulePen);
    const int pageCount = static_cast<int>(pages.size());
    for (int p = 0; p < pageCount; ++p) {
        if (p > 0)
            writer.newPage();
        drawParagraph(painter, title, QPointF(kMargin, kMargin));
        painter.setPen(rule);
        const qreal titleRule = kMargin + height(title) + kHeaderGap / 3;
        painter.drawLine(QPointF(kMargin, titleRule), QPointF(kPageWidth - kMargin, titleRule));
        for (const Placed& placed : pages[std::size_t(p)]) {
            const QPointF at(kMargin + placed.row.indent, bodyTop + placed.y);
            // The number ends a space's width before the text, close enough
            // that text extraction keeps the two on one line.
            if (placed.row.number != nullptr) {
                const qreal width = placed.row.number->lineAt(0).naturalTextWidth();
                drawLine(painter, *placed.row.number, 0, QPointF(at.x() - kNumberGap - width, at.y()));
            }
            drawLine(painter, *placed.row.layout, placed.row.line, at);
        }
        const QTextLayout& footer =
            setter.paragraph(sheet.footer(p + 1, pageCount), sheetFont(8), kLineWidth);
        const qreal footerTop = kPageHeight - kMargin - footerHeight;
        painter.setPen(rule);
        painter.drawLine(QPointF(kMargin, footerTop - kFooterGap / 3),
                         QPointF(kPageWidth - kMargin, footerTop - kFooterGap / 3));
        drawParagraph(painter, footer, QPointF(kMargin, footerTop));
    }
    painter.end();
    return bytes;
}

} // namespace tarvi::sheetpdf

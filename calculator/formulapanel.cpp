#include "calculator/formulapanel.h"

#include "platform/qttext.h"
#include "platform/widgets/look.h"
#include "platform/widgets/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace tarvi {

namespace {

struct PanelLayout {
    int top;        // of the title, in the client area
    int bottom;     // where the next panel begins
    int resultLeft; // of the result box
    const char* title;
};

// Twips of the client area, one row per FormulaKind.
constexpr PanelLayout kPanels[kKinds] = {
    {210, 1050, 2955, "Variaciones (Vm,n)"},
    {1050, 1950, 2955, "Variaciones con repetición (VRm,n)"},
    {1950, 2700, 2205, "Permutaciones (Pn)"},
    {2700, 3840, 2970, "Permutaciones con repetición (PR m,n1,n2...)"},
    {3840, 4755, 2940, "Combinaciones (Cm,n)"},
    {4755, 5580, 2925, "Combinaciones con repetición (CRm,n)"},
};

// Vertical offsets inside a panel, in twips from its title's top.
constexpr int kRowTop = 300;
constexpr int kBoxHeight = 315;
constexpr int kBoxWidth = 510;

QLineEdit* inputBox(QWidget* parent, int left, int top)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(platform::twipRect(left, top, kBoxWidth, kBoxHeight));
    look::inputBox(box);
    return box;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(geometry);
    return caption;
}

QPushButton* button(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setGeometry(geometry);
    return pushButton;
}

} // namespace

int FormulaPanel::topTwips(FormulaKind kind) { return kPanels[index(kind)].top; }

int FormulaPanel::heightTwips(FormulaKind kind)
{
    return kPanels[index(kind)].bottom - kPanels[index(kind)].top;
}

FormulaPanel::FormulaPanel(FormulaKind kind, QWidget* parent) : QWidget(parent)
{
    const PanelLayout& layout = kPanels[index(kind)];
    setGeometry(platform::twipRect(0, layout.top, 6000, layout.bottom - layout.top));

    look::title(label(this, platform::toQt(layout.title), platform::twipRect(165, 0, 5000, 255)));

    QLabel* letter =
        label(this, platform::toQt(NomsFormula[index(kind)]), platform::twipRect(240, 240, 600, 420));
    letter->setFont(QFont(QStringLiteral("Arial"), 15, QFont::Bold));

    // Created in Tab order: inputs, "=", result, "+", "x".
    const bool isP = kind == FormulaKind::P;
    label(this, isP ? QStringLiteral("n") : QStringLiteral("m"),
          platform::twipRect(840, kRowTop, 165, kBoxHeight));
    m = inputBox(this, 1020, kRowTop);
    if (hasN(kind)) {
        label(this, QStringLiteral("n"), platform::twipRect(1605, kRowTop, 165, kBoxHeight));
        n = inputBox(this, 1770, kRowTop);
    }
    if (kind == FormulaKind::PR) {
        label(this, QStringLiteral("ni"), platform::twipRect(1575, kRowTop, 210, kBoxHeight));
        multiplicities = new QComboBox(this);
        multiplicities->setGeometry(platform::twipRect(1785, kRowTop - 15, 690, kBoxHeight + 30));
        multiplicities->setEditable(true);
        // Enter is handled by the window: no inserting, no jumping to an equal
        // entry, no completing one entry into another.
        multiplicities->setInsertPolicy(QComboBox::NoInsert);
        multiplicities->setDuplicatesEnabled(true);
        multiplicities->setCompleter(nullptr);
        look::inputBox(multiplicities);

        QLabel* sigma = label(this, QStringLiteral("Σ"), platform::twipRect(1545, 660, 225, 360));
        sigma->setFont(QFont(QStringLiteral("Arial"), 13));
        summary = label(this, QString(), platform::twipRect(1770, 705, 3000, 270));
    }
    evaluate = button(this, QStringLiteral("="),
                      platform::twipRect(layout.resultLeft - 480, kRowTop - 30, 390, kBoxHeight + 60));
    result = new QLineEdit(this);
    result->setGeometry(platform::twipRect(layout.resultLeft, kRowTop, 2115, kBoxHeight));
    result->setReadOnly(true);
    // An exact count may run to 133730 digits (32767!), past the box's usual limit.
    result->setMaxLength(std::numeric_limits<int>::max());
    QFont resultFont = result->font();
    resultFont.setBold(true);
    result->setFont(resultFont);

    generate = button(this, QStringLiteral("+"), platform::twipRect(5265, 0, 300, 285));
    generate->setToolTip(QStringLiteral(" Generar caso "));
    reset = button(this, QStringLiteral("x"), platform::twipRect(5595, 0, 300, 285));
    reset->setToolTip(QStringLiteral("reset"));

    // What a screen reader says: the panel's kind and the control's role.
    const QString name = platform::toQt(NomsFormula[index(kind)]) + QLatin1Char(' ');
    m->setAccessibleName(name + (isP ? QStringLiteral("n") : QStringLiteral("m")));
    if (n)
        n->setAccessibleName(name + QStringLiteral("n"));
    if (multiplicities) {
        multiplicities->setAccessibleName(name + QStringLiteral("ni"));
        summary->setAccessibleName(name + QStringLiteral("resumen"));
    }
    evaluate->setAccessibleName(name + QStringLiteral("calcular"));
    result->setAccessibleName(name + QStringLiteral("resultado"));
    generate->setAccessibleName(name + QStringLiteral("generar caso"));
    reset->setAccessibleName(name + QStringLiteral("borrar"));
}

} // namespace tarvi

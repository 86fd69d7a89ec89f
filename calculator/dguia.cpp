#include "calculator/dguia.h"

#include "calculator/spoken.h"
#include "exercises/guide.h"
#include "platform/qttext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvi {

namespace {

QPushButton* button(std::string_view caption, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(platform::toQt(caption), parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(made->text().remove(QLatin1Char('&')));
    return made;
}

} // namespace

DGuia::DGuia(platform::Language language, const QString& chooseCaption, QWidget* parent)
    : GradientDialog(parent), language_(language), chooseCaption_(chooseCaption)
{
    const exercises::GuideWords& words = exercises::guideWords(language);
    setObjectName(QStringLiteral("DGuia"));
    setWindowTitle(platform::toQt(words.title));

    EtPregunta = new QLabel(this);
    EtPregunta->setObjectName(QStringLiteral("EtPregunta"));
    EtPregunta->setWordWrap(true);
    EtPregunta->setMinimumSize(420, 90);
    EtPregunta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    EtPregunta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = EtPregunta->font();
    large.setPointSizeF(large.pointSizeF() * 1.2);
    EtPregunta->setFont(large);

    BtSi = button(words.yes, "BtSi", this);
    BtNo = button(words.no, "BtNo", this);
    BtEnrere = button(words.back, "BtEnrere", this);
    BtTria = new QPushButton(this);
    BtTria->setObjectName(QStringLiteral("BtTria"));
    BtTanca = button(words.close, "BtTanca", this);

    connect(BtSi, &QPushButton::clicked, this, [this] { answer(true); });
    connect(BtNo, &QPushButton::clicked, this, [this] { answer(false); });
    connect(BtEnrere, &QPushButton::clicked, this, &DGuia::back);
    connect(BtTria, &QPushButton::clicked, this, [this] {
        chosen_ = settled_;
        accept();
    });
    connect(BtTanca, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtSi);
    buttons->addWidget(BtNo);
    buttons->addWidget(BtTria);
    buttons->addStretch();
    buttons->addWidget(BtEnrere);
    buttons->addWidget(BtTanca);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(EtPregunta, 1);
    layout->addLayout(buttons);
    present();
}

void DGuia::answer(bool yes)
{
    answers_.push_back(yes);
    present();
}

void DGuia::back()
{
    if (!answers_.empty())
        answers_.pop_back();
    present();
}

// Shows the question the answers lead to, or the kind they settle; the
// buttons that make sense there are the only ones enabled, and the focus
// moves to the first of them.
void DGuia::present()
{
    const exercises::GuideStep step = exercises::guideStep(answers_);
    const auto* question = std::get_if<exercises::GuideQuestion>(&step);
    settled_.reset();
    QString text;
    if (question != nullptr) {
        text = platform::toQt(exercises::questionText(*question, language_));
    } else {
        const FormulaKind kind = std::get<FormulaKind>(step);
        settled_ = kind;
        const QString name = platform::toQt(NomsFormula[std::size_t(index(kind))]);
        text = name + QStringLiteral(": ") + platform::toQt(exercises::kindName(kind, language_)) +
               QLatin1Char('\n') + platform::toQt(exercises::formulaText(kind)) + QLatin1Char('\n') +
               platform::toQt(exercises::guideReason(kind, language_));
        BtTria->setText(chooseCaption_.arg(name));
        BtTria->setAccessibleName(BtTria->text().remove(QLatin1Char('&')));
    }
    announce(EtPregunta, text);

    BtSi->setVisible(question != nullptr);
    BtNo->setVisible(question != nullptr);
    BtTria->setVisible(question == nullptr);
    BtEnrere->setEnabled(!answers_.empty());
    (question != nullptr ? BtSi : BtTria)->setFocus();
}

} // namespace tarvi

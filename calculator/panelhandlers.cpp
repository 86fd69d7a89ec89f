// The handlers of the six formula panels and of the PR multiplicity list: the
// window reads its controls, calls the cores and writes the outcome back.

#include "calculator/ftarvi.h"
#include "counting/evaluation.h"
#include "counting/explanation.h"
#include "counting/randomcase.h"
#include "engine/random.h"
#include "platform/qttext.h"
#include "platform/textnumber.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvi {

void FTarvi::connectPanels()
{
    for (int kind = 0; kind < kKinds; ++kind) {
        // Any change of an input, typed or set by the program, empties the
        // result, so a count never stands beside inputs that did not give it.
        connect(IdM[kind], &QLineEdit::textChanged, IdRes[kind], &QLineEdit::clear);
        if (IdN[kind])
            connect(IdN[kind], &QLineEdit::textChanged, IdRes[kind], &QLineEdit::clear);
        // The working of a count goes with it: whatever empties the result
        // (an edit, "x", a change of the PR list, an error) takes it away.
        connect(IdRes[kind], &QLineEdit::textChanged, this, [box = IdRes[kind]](const QString& count) {
            if (count.isEmpty()) {
                box->setToolTip({});
                box->setAccessibleDescription({});
            }
        });
        connect(IdM[kind], &QLineEdit::returnPressed, this, [this, kind] { IdM_Enter(kind); });
        connect(okD[kind], &QPushButton::clicked, this, [this, kind] { Calcula(kind); });
        connect(BtRst[kind], &QPushButton::clicked, this, [this, kind] { BtRst_Click(kind); });
        connect(BtGen[kind], &QPushButton::clicked, this, [this, kind] { GeneraCas(kind); });
    }
    connect(npr, &QComboBox::activated, this, &FTarvi::npr_Click);
    connect(npr->lineEdit(), &QLineEdit::returnPressed, this, &FTarvi::npr_Enter);
    // textEdited, unlike textChanged, comes only from the user: the program's
    // own emptying of the field never asks to delete an entry.
    connect(npr->lineEdit(), &QLineEdit::textEdited, this, &FTarvi::npr_Edited);
}

// The panel's inputs as they stand in its boxes and, for PR, in its list.
PanelInputs FTarvi::panelInputs(int kind) const
{
    PanelInputs inputs;
    inputs.m = IdM[kind]->text().toStdString();
    if (IdN[kind])
        inputs.n = IdN[kind]->text().toStdString();
    if (static_cast<FormulaKind>(kind) == FormulaKind::PR)
        inputs.multiplicities = nprList_.entries();
    return inputs;
}

// A count shows its working as the result box's tool tip, and a screen reader
// reads it as the box's description.
Evaluation FTarvi::showEvaluation(int kind)
{
    const auto formula = static_cast<FormulaKind>(kind);
    const PanelInputs inputs = panelInputs(kind);
    const Separators separators = platform::systemSeparators();
    const CountMode mode = countMode();
    const Evaluation outcome = evaluatePanel(formula, inputs, separators, multiplicitats_, mode);
    if (outcome.ok) {
        const QString working = platform::toQt(explain(formula, inputs, separators, outcome, mode));
        IdRes[kind]->setText(platform::toQt(outcome.result));
        IdRes[kind]->setCursorPosition(0); // a count wider than the box shows its first digits
        IdRes[kind]->setToolTip(mode == CountMode::Exact ? exactTip(working) : working);
        IdRes[kind]->setAccessibleDescription(working);
    } else {
        IdRes[kind]->clear();
    }
    return outcome;
}

void FTarvi::Calcula(int kind)
{
    const Evaluation outcome = showEvaluation(kind);
    if (!outcome.ok)
        services_.messages.show(platform::toQt(outcome.title), platform::toQt(outcome.message),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void FTarvi::IdM_Enter(int kind)
{
    switch (static_cast<FormulaKind>(kind)) {
    case FormulaKind::P:
        Calcula(kind);
        break;
    case FormulaKind::PR:
        npr->setFocus();
        break;
    default:
        IdN[kind]->setFocus();
        break;
    }
}

void FTarvi::BtRst_Click(int kind)
{
    IdM[kind]->clear();
    if (static_cast<FormulaKind>(kind) == FormulaKind::PR) {
        nprList_.clear();
        showMultiplicities();
        showSummary({});
    } else if (IdN[kind]) {
        IdN[kind]->clear();
    }
    IdRes[kind]->clear();
}

void FTarvi::GeneraCas(int index)
{
    if (index == kAllKinds) {
        for (int kind = 0; kind < kKinds; ++kind)
            GeneraCas(kind);
        return;
    }
    const auto kind = static_cast<FormulaKind>(index);
    const RandomCase drawn = tarvi::GeneraCas(kind, programGenerator());
    IdM[index]->setText(platform::toQt(drawn.m));
    if (IdN[index])
        IdN[index]->setText(platform::toQt(drawn.n));
    if (kind == FormulaKind::PR) {
        nprList_.assign(drawn.multiplicities);
        showMultiplicities();
    }
    PosaNi();
    Calcula(index);
}

void FTarvi::PosaNi() { showSummary(platform::toQt(nprList_.summary(platform::systemSeparators()))); }

// The label's name says what it is; its description, read after the name, is
// what it shows.
void FTarvi::showSummary(const QString& summary)
{
    EtNi->setText(summary);
    EtNi->setAccessibleDescription(summary);
}

void FTarvi::npr_Click(int position)
{
    nprList_.pick(position);
    PosaNi();
}

void FTarvi::npr_Enter()
{
    if (!nprList_.enter(npr->currentText().toStdString()))
        return;
    showMultiplicities();
    PosaNi();
}

void FTarvi::npr_Edited(const QString& text)
{
    if (!text.isEmpty())
        return;
    const std::optional<std::string> candidate = nprList_.deletionCandidate();
    if (!candidate)
        return;
    const platform::MessageAnswer answer = services_.messages.show(
        QStringLiteral("Confirmar eliminar"), QStringLiteral("Eliminar %1?").arg(platform::toQt(*candidate)),
        platform::MessageIcon::None, platform::MessageButtons::YesNo);
    const bool remove = answer == platform::MessageAnswer::Yes;
    nprList_.answerDeletion(remove);
    if (remove)
        showMultiplicities();
    PosaNi();
}

// Called after every change of the list: puts its entries into the drop-down,
// nothing picked, the field empty. A PR count then no longer matches the list,
// so it goes, as it does when m is edited, and a save cannot write it.
void FTarvi::showMultiplicities()
{
    IdRes[index(FormulaKind::PR)]->clear();
    npr->clear();
    for (const std::string& entry : nprList_.entries())
        npr->addItem(platform::toQt(entry));
    npr->setCurrentIndex(-1);
    npr->clearEditText();
}

} // namespace tarvi

#pragma once

#include "calculator/gradientdialog.h"
#include "counting/formulakind.h"
#include "platform/language.h"

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace tarvi {

// The guide "¿Qué fórmula?": up to three yes/no questions, one at a time,
// ending with the kind, its formula and the reason in one sentence. Shown
// modally; its last button closes it with the kind for the window that opened
// it, and `chooseCaption` names what that window then does, with %1 for the
// kind ("&Elegir %1").
class DGuia final : public GradientDialog {
    Q_OBJECT

public:
    DGuia(platform::Language language, const QString& chooseCaption, QWidget* parent);

    // The kind the user took with the last button; empty when the guide was
    // closed before.
    std::optional<FormulaKind> chosen() const { return chosen_; }

    QLabel* EtPregunta = nullptr; // the question, or the kind, formula and reason
    QPushButton* BtSi = nullptr;
    QPushButton* BtNo = nullptr;
    QPushButton* BtEnrere = nullptr; // takes the last answer back
    QPushButton* BtTria = nullptr;   // hands the settled kind over
    QPushButton* BtTanca = nullptr;

private:
    void answer(bool yes);
    void back();
    void present();

    platform::Language language_;
    QString chooseCaption_;
    std::vector<bool> answers_;
    std::optional<FormulaKind> settled_;
    std::optional<FormulaKind> chosen_;
};

} // namespace tarvi

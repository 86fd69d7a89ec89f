#pragma once

#include "calculator/gradientdialog.h"
#include "counting/formulakind.h"
#include "platform/services.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvi::exercises {
class PracticeSession;
struct SheetOptions;
} // namespace tarvi::exercises

namespace tarvi {

// The practice window: one word problem at a time from the sheets' stream for
// the options shown. The student picks the kind with its button, types the
// numbers as in the panels and has them checked; the window can show the
// solution, move on, lead through the guide and append the session to a case
// file. Its texts follow the problem's language. It does not block the main
// window; closing it keeps the session for the next time it is shown.
class FPractica final : public GradientDialog {
    Q_OBJECT

public:
    FPractica(const platform::Services& services, QWidget* parent);
    ~FPractica() override;

    // The options.
    std::array<QCheckBox*, kKinds> ChkTipus{};
    QComboBox* LstNivell = nullptr;
    QComboBox* LstIdioma = nullptr;
    QLineEdit* IdLlavor = nullptr;
    QPushButton* BtLlavor = nullptr; // a new random seed
    QPushButton* BtComenca = nullptr;

    // The problem and the student's answer.
    QLabel* EtNumero = nullptr;
    QLabel* EtEnunciat = nullptr;
    std::array<QPushButton*, kKinds> BtTipus{};
    QLineEdit* IdM = nullptr;
    QLineEdit* IdN = nullptr;
    QLineEdit* IdNi = nullptr;
    QPushButton* BtComprova = nullptr;
    QPushButton* BtSolucio = nullptr;
    QPushButton* BtSeguent = nullptr;
    QPushButton* BtGuia = nullptr;
    QPushButton* BtDesa = nullptr;
    QPushButton* BtTanca = nullptr;
    QLabel* EtVeredicte = nullptr;
    QLabel* EtPuntuacio = nullptr;

    const exercises::PracticeSession& session() const { return *session_; }

private:
    void buildOptions();
    void buildProblem();
    void layOut();
    exercises::SheetOptions chosenOptions() const;
    void start();
    void startAsked();
    void retranslate();
    void showProblem();
    void showKind();
    void say(const std::vector<std::string>& lines);
    void showScore();
    void check();
    void showSolution();
    void next();
    void guide();
    void save();

    platform::Services services_;
    QButtonGroup* kinds_ = nullptr;
    QLabel* kindsLabel_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QLabel* seedLabel_ = nullptr;
    QLabel* multiplicitiesLabel_ = nullptr;
    std::unique_ptr<exercises::PracticeSession> session_;
    bool unsaved_ = false; // the session holds tries that no save has written
};

} // namespace tarvi

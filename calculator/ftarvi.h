#pragma once

#include "calculator/casefile.h"
#include "counting/evaluation.h"
#include "counting/formulakind.h"
#include "counting/multiplicities.h"
#include "engine/counting.h"
#include "platform/services.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tarvi {

class FormulaPanel;
class FPractica;
class FQuant;
class NewtonStrip;
class SheetDialog;

// The calculator's main window "Combinatoria": six formula panels stacked in
// FormulaKind order, the formula column at their right, the Newton row below
// them, the set list beyond the right edge, and the menu bar. Sizes are in
// twips of the client area (the window below the menu bar).
class FTarvi : public QMainWindow {
    Q_OBJECT

public:
    explicit FTarvi(const platform::Services& services, QWidget* parent = nullptr);

    // Client area at design time, in twips.
    static constexpr int kClientWidth = 8340;
    static constexpr int kClientHeight = 6900;

    // The window's size is the program's to set; the user cannot drag it.
    // Both are the client area's, in twips.
    float windowWidth() const;
    float windowHeight() const;
    void setWindowWidth(float twips);
    void setWindowHeight(float twips);

    // Rebuilds the multiplicity summary beside the PR list.
    void PosaNi();

private:
    // The panels' controls, indexed by FormulaKind; one handler serves all six
    // panels. P and PR have no n box (IdN is null there).
    std::array<QLineEdit*, kKinds> IdM{};
    std::array<QLineEdit*, kKinds> IdN{};
    std::array<QPushButton*, kKinds> okD{};
    std::array<QLineEdit*, kKinds> IdRes{};
    std::array<QPushButton*, kKinds> BtGen{};
    std::array<QPushButton*, kKinds> BtRst{};
    QComboBox* npr = nullptr;
    QLabel* EtNi = nullptr;

    // The set list, beyond the right edge until the window is widened.
    QPlainTextEdit* IdConjs = nullptr;

    // Menus and their entries. OpG(6) is "Todos"; ITool(i) is ITool[i - 1].
    QMenu* Arxiu = nullptr;
    QMenu* OpsG = nullptr;
    QMenu* Tools = nullptr;
    QMenu* info = nullptr;
    QAction* OpGuard = nullptr;
    QAction* OpObr = nullptr;
    std::array<QAction*, kAllKinds + 1> OpG{};
    QAction* OpFulls = nullptr;
    QAction* OpPractica = nullptr;
    QAction* OpExact = nullptr; // "Enteros exactos", checkable
    QAction* OpSurt = nullptr;
    QAction* OpEdTools = nullptr;
    std::array<QAction*, 12> ITool{};
    QAction* OpInfo = nullptr;
    QAction* OpWeb = nullptr;
    QAction* OpGuia = nullptr;
    QAction* quant = nullptr;

    void buildClientArea();
    void buildMenus();
    void connectPanels();
    void Form_Load();

    PanelInputs panelInputs(int kind) const;
    void Calcula(int kind); // evaluates a panel and shows the count or the error
    void GeneraCas(int index);
    void IdM_Enter(int kind);
    void BtRst_Click(int kind);
    void npr_Click(int position);
    void npr_Enter();
    void npr_Edited(const QString& text);
    void showMultiplicities();
    void showSummary(const QString& summary);

    // The Info menu (infohandlers.cpp).
    void connectInfo();
    void openDocument(const QString& doc);
    void quant_Click();
    void OpGuia_Click();

    // The set list (setlist.cpp).
    void connectSetList();
    void IdRes_DblClick(int kind);
    void MostraConjs(std::int16_t kind);
    void IdConjs_DblClick();

    // "Enteros exactos" (exactmode.cpp): the mode every count is taken in.
    void buildExactEntry();
    CountMode countMode() const;
    void OpExact_Toggled(bool on);
    // Evaluates a panel in the current mode and shows the count with its
    // working, or empties the result box; says nothing of a failure.
    Evaluation showEvaluation(int kind);
    // Exact working as its tool tip shows it: a step a line, broken every
    // hundred characters, so a count of thousands of digits stays on screen.
    static QString exactTip(const QString& working);

    // The case-file commands (casefiles.cpp).
    std::array<PanelTexts, kKinds> shownPanels() const;
    void OpGuard_Click();
    void OpObr_Click();

    // The exercise sheet dialog (sheets.cpp), made on first use.
    void OpFulls_Click();
    // The practice window (practicehandlers.cpp).
    void OpPractica_Click();

    platform::Services services_;
    QWidget* client_ = nullptr;
    std::array<FormulaPanel*, kKinds> panels_{};
    NewtonStrip* newton_ = nullptr;
    FQuant* quantWindow_ = nullptr; // the About window, made on first use
    SheetDialog* sheetDialog_ = nullptr;
    FPractica* practica_ = nullptr; // the practice window, made on first use

    // Window state.
    MultiplicityList nprList_;      // the PR list's entries and IndexNi; the drop-down shows it
    Multiplicitats multiplicitats_; // filled by each PR evaluation
    float AmpladaInicial = 0;       // window width at load
};

} // namespace tarvi

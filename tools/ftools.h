#pragma once

#include "platform/filechooser.h"
#include "platform/services.h"
#include "tools/menuentries.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvi {

// What the editor needs from the program around it.
struct EditorSetup {
    platform::Services services;
    platform::FileChooser chooser; // what the browse button calls
    // The program's command-line arguments joined by blanks.
    QString commandLine;
};

// The program's command-line arguments, without the program's name, joined by
// blanks.
QString ProgramArguments();

// The tools editor: a modeless window in which the user adds, changes and
// deletes the tools of the list, and saves them to Tools.rel with "Ok". It
// works on the list in memory and loads language, captions and list afresh
// each time it is opened.
class FTools final : public QWidget {
    Q_OBJECT

public:
    explicit FTools(EditorSetup setup, QWidget* parent = nullptr);

private:
    void Form_Load();
    void LlistaTools();
    void MostraTool(int i);
    void NetejaTool();
    void Lst_Click(int row);
    void OkEd_Click();
    void BtBrr_Click();
    void BtCerc_Click();
    void BtOk_Click();
    void Ed_Enter(int index);
    void showRefusal(const QString& text);

    QLabel* EtTools = nullptr;
    QListWidget* Lst = nullptr;
    QGroupBox* Ped = nullptr;
    std::array<QLineEdit*, 4> Ed{};
    std::array<QLabel*, 4> Et{};
    QPushButton* BtCerc = nullptr;
    QPushButton* OkEd = nullptr;
    QPushButton* BtNou = nullptr;
    QPushButton* BtBrr = nullptr;
    QPushButton* BtOk = nullptr;
    QPushButton* BtEsc = nullptr;

    EditorSetup setup_;
    bool Carregat = false;
    bool RefrescaMenu = false;
};

// Opens the editor over its owner window, for the tool entries whose menu "Ok"
// refreshes. While the editor is open it is only brought forward, not loaded
// again.
FTools* EditaTools(QWidget* owner, const MenuEntries& formMenu, const EditorSetup& setup);

} // namespace tarvi

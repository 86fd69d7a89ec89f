#pragma once

#include "platform/drives.h"
#include "platform/services.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvi {

class FileList;
class FolderList;

// The program's own open/save dialog. One object serves the whole run; each
// dialog loads it afresh into its design state (see TriaFtx).
class DFtxs final : public QDialog {
    Q_OBJECT

public:
    DFtxs();

    // The load step: every control back in its design state, the folder list
    // on the program's working folder, the open-folder button shown only when
    // "ObrCarp.exe" is a file of that folder. The services serve this
    // dialog only: the window lets go of them when the dialog ends.
    void load(const platform::Services& services);

    // The controls, named as the program names them.
    FolderList* LDirs = nullptr;
    FileList* LFtxs = nullptr;
    QPushButton* BtOk = nullptr;
    QComboBox* LDsks = nullptr;
    QLabel* EtNom = nullptr;
    QLineEdit* IdNom = nullptr;
    QLabel* EtTp = nullptr;
    QComboBox* LTps = nullptr;
    QPushButton* BtFuig = nullptr;
    QPushButton* BtRere = nullptr;
    QPushButton* BtAm = nullptr;
    QPushButton* BtNova = nullptr;
    QLineEdit* IdNova = nullptr;
    QPushButton* BtObr = nullptr;

public Q_SLOTS:
    // Cancel, the Cancel button and closing from the frame: empty result.
    void reject() override;
    // Every dialog ends here.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LDirs_Change(const QString& path);
    void LDirs_DblClick();
    void LDsks_Change(int index);
    void BtRere_Click();
    void BtAm_Click();
    void BtObr_Click();
    void BtNova_Click();
    void IdNova_Enter();
    void LFtxs_Click();
    void LFtxs_Delete();
    void LTps_Click();
    void BtOk_Click();

    // Shows another folder, or says that it cannot be shown.
    void showFolder(const QString& path);
    void tell(const QString& title, const QString& prompt);

    // The caller's services while a dialog runs, nothing between dialogs:
    // they may belong to a window that is gone by then (a closed tools
    // editor).
    const platform::Services* services_ = nullptr;
    // The program's working folder, where bare names typed are looked up.
    QString workingFolder_;
    QList<platform::Drive> drives_;
};

} // namespace tarvi

#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tarvi {

// The About window: which program this is, its version, what it does and who
// made it. It does not block the main window, and its only button closes it.
class FQuant final : public QDialog {
    Q_OBJECT

public:
    explicit FQuant(QWidget* parent = nullptr);

    // Shows the window without blocking its owner. A closed window is loaded
    // afresh (title, version, title label); an open one is only brought forward.
    void mostra();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
    std::array<QFrame*, 2> Line1{};
    QPushButton* cmdOK = nullptr;

private:
    void carrega();
};

} // namespace tarvi

#pragma once

#include "counting/formulakind.h"
#include "exercises/sheet.h"
#include "platform/services.h"

#include <QDialog>
#include <QString>

#include <array>
#include <string>
#include <variant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarvi {

// The formats a sheet is saved in, in the order the dialog offers them.
enum class SheetFormat { Pdf, Moodle, Gift, Text };

// "Hoja de ejercicios": a teacher's exercise sheet with its solutions. The
// options make the sheet, a preview shows its first problems with their
// answers, and "Guardar..." writes it whole in the chosen format to a file
// chosen in the program's file dialog, in the case folder.
class SheetDialog : public QDialog {
    Q_OBJECT

public:
    explicit SheetDialog(const platform::Services& services, QWidget* parent = nullptr);

    // The options as the controls give them, or what is wrong with them.
    std::variant<exercises::SheetOptions, QString> options() const;

private:
    std::array<QCheckBox*, kKinds> kinds_{};
    QSpinBox* count_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* language_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QPushButton* newSeed_ = nullptr;
    QComboBox* format_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;

    void paintEvent(QPaintEvent* event) override;
    void pickNewSeed();
    void refresh();
    void save();

    platform::Services services_;
    std::variant<exercises::Sheet, std::string> sheet_; // what the options make
};

} // namespace tarvi

#include "calculator/sheetdialog.h"
#include "exercises/writers.h"
#include "filedialog/dftxs.h"
#include "filedialog/folderlist.h"
#include "testkit/writefile.h"
#include "tests/calculator/mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTimer>

using namespace tarvi;

// The main window with its Prbls folder; the sheet dialog is opened from the
// menu, and set to the teacher's sheet: 20 problems of V, PR and C at level 2,
// seed 7.
class SheetDialogTest : public testkit::MainWindowTest {
protected:
    const QString prbls = work.file("Prbls");
    SheetDialog* dialog = nullptr;

    SheetDialogTest() { QDir().mkdir(prbls); }

    template <typename T> T* in(const QString& name) { return testkit::control<T>(*dialog, name); }

    void openTeachersSheet(int format)
    {
        action("OpFulls")->trigger();
        dialog = window.findChild<SheetDialog*>();
        ASSERT_NE(dialog, nullptr);
        for (int k = 0; k < kKinds; ++k)
            in<QCheckBox>(testkit::indexed("kinds", k))->setChecked(k == 0 || k == 3 || k == 4);
        in<QSpinBox>("count")->setValue(20);
        in<QComboBox>("level")->setCurrentIndex(1);
        in<QLineEdit>("seed")->setText("7");
        in<QComboBox>("format")->setCurrentIndex(format);
    }

    static exercises::Sheet teachersSheet()
    {
        const exercises::SheetOptions options{{FormulaKind::V, FormulaKind::PR, FormulaKind::C},
                                              20,
                                              exercises::Level::Medium,
                                              platform::Language::Spanish,
                                              {},
                                              7};
        return std::get<exercises::Sheet>(exercises::makeSheet(options));
    }

    // Presses "Guardar..." and answers the file dialog, which must start in
    // Prbls with the format's pattern, by typing a name.
    void saveAs(const QString& name, const QString& pattern)
    {
        QTimer::singleShot(0, [&] {
            auto* files = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->LDirs->path() + "|" + files->LTps->currentText(), prbls + "|" + pattern);
            QTest::keyClicks(files->IdNom, name);
            files->BtOk->click();
            if (files->isVisible())
                files->reject();
        });
        in<QPushButton>("save")->click();
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
};

// The dialog is made only when first asked for, once; it speaks the program's
// language by default and names every control.
TEST_F(SheetDialogTest, OpensOnFirstUseInTheProgramsLanguageWithNamedControls)
{
    EXPECT_EQ(window.findChild<SheetDialog*>(), nullptr) << "made before it was asked for";
    platform::setCurrentLanguage(platform::Language::Catalan);
    openTeachersSheet(0);
    platform::setCurrentLanguage(platform::Language::Spanish);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(in<QComboBox>("language")->currentText(), "Català");
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        // A spin box's own text field is read out as part of the spin box.
        const bool part = qobject_cast<QAbstractSpinBox*>(control->parentWidget()) != nullptr;
        if (control->focusPolicy() != Qt::NoFocus && control->isVisible() && !part) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        }
    }
    action("OpFulls")->trigger();
    EXPECT_EQ(window.findChildren<SheetDialog*>().size(), 1);
}

// Each format is saved whole, with its extension, in Prbls; the PDF and the
// text then open in the desktop's opener, Moodle XML and GIFT do not.
TEST_F(SheetDialogTest, SavesEachFormatWholeAndOpensPdfAndText)
{
    const exercises::Sheet sheet = teachersSheet();
    const struct {
        const char* pattern;
        const char* file;
        std::string bytes; // empty for the PDF, checked by its start
        bool opened;
    } rows[] = {{"*.pdf", "hoja.pdf", {}, true},
                {"*.xml", "hoja.xml", exercises::sheetMoodleXml(sheet), false},
                {"*.gift", "hoja.gift", exercises::sheetGift(sheet), false},
                {"*.txt", "hoja.txt", exercises::sheetText(sheet), true}};
    for (int format = 0; format < 4; ++format) {
        const auto& row = rows[format];
        SCOPED_TRACE(row.file);
        openTeachersSheet(format);
        starter.starts.clear();
        saveAs("hoja", row.pattern); // the extension comes from the type
        const QString path = prbls + "/" + row.file;
        EXPECT_TRUE(row.bytes.empty() ? read(path).startsWith("%PDF-")
                                      : read(path).toStdString() == row.bytes);
        ASSERT_EQ(starter.starts.size(), row.opened ? 1u : 0u);
        if (row.opened) {
            EXPECT_EQ(starter.starts[0].commandLine, "Notepad " + path);
        }
    }
    EXPECT_TRUE(messages.boxes.empty());
}

// A file that cannot be written gets the case files' message with the reason,
// keeps what it held, and nothing half-written is left beside it.
TEST_F(SheetDialogTest, AFileThatCannotBeWrittenIsNamedAndKept)
{
    const QString locked = prbls + "/locked.txt";
    testkit::writeFile(locked, "kept");
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    openTeachersSheet(3);
    saveAs("locked.txt", "*.txt");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text,
              "Casos|No se ha podido guardar la hoja en el archivo\r\n" + locked +
                  "\r\nMotivo: es de solo lectura\r\nEl archivo queda como estaba.");
    EXPECT_EQ(read(locked), "kept");
    EXPECT_EQ(QDir(prbls).entryList(QDir::Files | QDir::Hidden), QStringList{"locked.txt"});
    EXPECT_TRUE(starter.starts.empty());
}

// The preview shows the first problems with their answers; options that make
// no sheet say why in its place and cannot be saved; "Nueva" draws a new seed.
TEST_F(SheetDialogTest, PreviewFollowsTheOptionsAndNamesWhatIsWrong)
{
    openTeachersSheet(3);
    const QString preview = in<QPlainTextEdit>("preview")->toPlainText();
    const exercises::Sheet sheet = teachersSheet();
    EXPECT_TRUE(preview.startsWith("1. " + QString::fromStdString(sheet.problems[0].statement)));
    EXPECT_TRUE(preview.contains(QString::fromStdString(sheet.problems[2].answerLine)));
    EXPECT_FALSE(preview.contains(QString::fromStdString(sheet.problems[3].statement)));
    EXPECT_TRUE(in<QPushButton>("save")->isEnabled());

    for (int k = 0; k < kKinds; ++k)
        in<QCheckBox>(testkit::indexed("kinds", k))->setChecked(k == index(FormulaKind::P));
    in<QSpinBox>("count")->setValue(60);
    in<QComboBox>("level")->setCurrentIndex(0);
    EXPECT_EQ(in<QPlainTextEdit>("preview")->toPlainText().toStdString(),
              std::get<std::string>(exercises::makeSheet(
                  {{FormulaKind::P}, 60, exercises::Level::Easy, platform::Language::Spanish, {}, 0})));
    EXPECT_FALSE(in<QPushButton>("save")->isEnabled());

    QStringList seeds;
    for (int i = 0; i < 3; ++i) {
        in<QPushButton>("newSeed")->click();
        seeds << in<QLineEdit>("seed")->text();
    }
    seeds.removeDuplicates();
    EXPECT_GT(seeds.size(), 1) << "the new seeds are not drawn at random";
}

#include "calculator/sheetdialog.h"
#include "exercises/writers.h"
#include "filedialog/dftxs.h"
#include "filedialog/folderlist.h"
#include "platform/language.h"
#include "testkit/writefile.h"
#include "tests/calculator/mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTimer>

using namespace tarvi;

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray bytesOf(const std::string& text) { return QByteArray::fromStdString(text); }

} // namespace

// The main window with its Prbls folder; the sheet dialog is opened from the
// menu as a user does.
class SheetDialogTest : public testkit::MainWindowTest {
protected:
    const QString prbls = work.file("Prbls");

    SheetDialogTest() { QDir().mkdir(prbls); }

    SheetDialog* open()
    {
        action("OpFulls")->trigger();
        auto* dialog = window.findChild<SheetDialog*>();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    template <typename T> T* in(SheetDialog* dialog, const QString& name)
    {
        return testkit::control<T>(*dialog, name);
    }

    // The teacher's sheet: 20 problems of V, PR and C at level 2, seed 7.
    void chooseTeachersSheet(SheetDialog* dialog, int format)
    {
        for (int k = 0; k < kKinds; ++k)
            in<QCheckBox>(dialog, testkit::indexed("kinds", k))
                ->setChecked(k == index(FormulaKind::V) || k == index(FormulaKind::PR) ||
                             k == index(FormulaKind::C));
        in<QSpinBox>(dialog, "count")->setValue(20);
        in<QComboBox>(dialog, "level")->setCurrentIndex(1);
        in<QLineEdit>(dialog, "seed")->setText("7");
        in<QComboBox>(dialog, "format")->setCurrentIndex(format);
    }

    // Presses "Guardar..." and answers the file dialog, which must start in
    // Prbls with the format's pattern, by typing a name.
    void saveAs(SheetDialog* dialog, const QString& name, const QString& pattern)
    {
        QTimer::singleShot(0, [&] {
            auto* files = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->LDirs->path(), prbls);
            EXPECT_EQ(files->LTps->currentText(), pattern);
            QTest::keyClicks(files->IdNom, name);
            files->BtOk->click();
            if (files->isVisible())
                files->reject();
        });
        in<QPushButton>(dialog, "save")->click();
    }

    static exercises::Sheet teachersSheet()
    {
        exercises::SheetOptions options;
        options.kinds = {FormulaKind::V, FormulaKind::PR, FormulaKind::C};
        options.count = 20;
        options.level = exercises::Level::Medium;
        options.seed = 7;
        return std::get<exercises::Sheet>(exercises::makeSheet(options));
    }
};

// The dialog is made only when first asked for, speaks the program's language
// by default and names every control.
TEST_F(SheetDialogTest, OpensFromTheMenuInTheProgramsLanguageWithNamedControls)
{
    EXPECT_EQ(window.findChild<SheetDialog*>(), nullptr) << "made before it was asked for";
    platform::setCurrentLanguage(platform::Language::Catalan);
    SheetDialog* dialog = open();
    platform::setCurrentLanguage(platform::Language::Spanish);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(in<QComboBox>(dialog, "language")->currentText(), "Català");
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        // A spin box's own text field is read out as part of the spin box.
        const bool part = qobject_cast<QAbstractSpinBox*>(control->parentWidget()) != nullptr;
        if (control->focusPolicy() != Qt::NoFocus && control->isVisible() && !part) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        }
    }
    action("OpFulls")->trigger();
    EXPECT_EQ(window.findChildren<SheetDialog*>().size(), 1) << "the dialog is made once and kept";
}

// Each format is saved whole, with its extension, in Prbls; the PDF and the
// text then open in the desktop's opener, Moodle XML and GIFT do not.
TEST_F(SheetDialogTest, SavesEachFormatWholeAndOpensPdfAndText)
{
    const exercises::Sheet sheet = teachersSheet();
    struct Row {
        int format;
        const char* pattern;
        const char* file;
        QByteArray bytes; // empty for the PDF, checked by its start
        bool opened;
    };
    const Row rows[] = {
        {0, "*.pdf", "hoja.pdf", {}, true},
        {1, "*.xml", "hoja.xml", bytesOf(exercises::sheetMoodleXml(sheet)), false},
        {2, "*.gift", "hoja.gift", bytesOf(exercises::sheetGift(sheet)), false},
        {3, "*.txt", "hoja.txt", bytesOf(exercises::sheetText(sheet)), true},
    };
    SheetDialog* dialog = open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        chooseTeachersSheet(dialog, row.format);
        starter.starts.clear();
        saveAs(dialog, "hoja", row.pattern); // the extension comes from the type
        const QString path = prbls + "/" + row.file;
        const QByteArray saved = read(path);
        if (row.bytes.isEmpty())
            EXPECT_TRUE(saved.startsWith("%PDF-"));
        else
            EXPECT_EQ(saved, row.bytes);
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
    SheetDialog* dialog = open();
    chooseTeachersSheet(dialog, 3);
    saveAs(dialog, "locked.txt", "*.txt");
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
    SheetDialog* dialog = open();
    chooseTeachersSheet(dialog, 3);
    auto* preview = in<QPlainTextEdit>(dialog, "preview");
    auto* save = in<QPushButton>(dialog, "save");
    const exercises::Sheet sheet = teachersSheet();
    EXPECT_TRUE(
        preview->toPlainText().startsWith("1. " + QString::fromStdString(sheet.problems[0].statement)));
    EXPECT_TRUE(preview->toPlainText().contains(QString::fromStdString(sheet.problems[2].answerLine)));
    EXPECT_FALSE(preview->toPlainText().contains(QString::fromStdString(sheet.problems[3].statement)));
    EXPECT_TRUE(save->isEnabled());

    for (int k = 0; k < kKinds; ++k)
        in<QCheckBox>(dialog, testkit::indexed("kinds", k))->setChecked(k == index(FormulaKind::P));
    in<QSpinBox>(dialog, "count")->setValue(60);
    in<QComboBox>(dialog, "level")->setCurrentIndex(0);
    exercises::SheetOptions onlyP;
    onlyP.kinds = {FormulaKind::P};
    onlyP.count = 60;
    EXPECT_EQ(preview->toPlainText().toStdString(), std::get<std::string>(exercises::makeSheet(onlyP)));
    EXPECT_FALSE(save->isEnabled());

    auto* seed = in<QLineEdit>(dialog, "seed");
    seed->setText("18446744073709551616");
    EXPECT_TRUE(
        preview->toPlainText().startsWith("La semilla es un número entero de 0 a 18446744073709551615"));
    QStringList seeds;
    for (int i = 0; i < 3; ++i) {
        in<QPushButton>(dialog, "newSeed")->click();
        seeds << seed->text();
    }
    seeds.removeDuplicates();
    EXPECT_GT(seeds.size(), 1) << "the new seeds are not drawn at random";
}

#include "filedialog/dftxs.h"
#include "filedialog/filelist.h"
#include "filedialog/folderlist.h"
#include "filedialog/state.h"
#include "filedialog/triaftx.h"
#include "platform/language.h"

#include "tests/support/fakes.h"
#include "tests/support/workdir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tarvi;
using testkit::FakeMessages;
using testkit::FakeStarter;

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList entries(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QListWidgetItem* entry(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

void click(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = entry(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void doubleClick(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = entry(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

// A temporary working folder holding Data (with files and a subfolder) and
// Prbls, and services that record the boxes and starts.
class Dialog : public ::testing::Test {
protected:
    testkit::TempWorkDir work;
    FakeMessages messages;
    FakeStarter starter;
    platform::Services services{messages, starter};
    QString data = work.file("Data");

    void SetUp() override
    {
        Idioma = 2;
        QDir(work.path()).mkpath("Data/Sub");
        QDir(work.path()).mkpath("Prbls");
        for (const char* name : {"Data/old.txt", "Data/notes.TXT", "Data/other.doc", "Data/README"})
            QFile(work.file(name)).open(QIODevice::WriteOnly);
    }

    // Runs one dialog; the script drives the open window through its widgets
    // and must end it.
    QString run(std::int16_t mode, QString& folder, const QString& patterns, const std::function<void(DFtxs&)>& script)
    {
        QTimer::singleShot(0, [&script] {
            auto* window = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            script(*window);
            if (window->isVisible()) {
                ADD_FAILURE() << "the script left the dialog open";
                window->reject();
            }
        });
        return TriaFtx(services, mode, folder, patterns);
    }

    QString run(std::int16_t mode, const QString& patterns, const std::function<void(DFtxs&)>& script)
    {
        QString folder = data;
        return run(mode, folder, patterns, script);
    }
};

} // namespace

TEST_F(Dialog, StartsInTheFolderWithTheFirstPatternApplied)
{
    const QString path = run(0, "*.txt|*.*", [&](DFtxs& w) {
        EXPECT_EQ(w.LDirs->path(), data);
        EXPECT_EQ(CarpActual, data);
        EXPECT_EQ(CarpAnterior, work.path());
        EXPECT_EQ(entries(w.LTps), QStringList({"*.txt", "*.*"}));
        EXPECT_EQ(w.LTps->currentText(), "*.txt");
        EXPECT_EQ(entries(w.LFtxs), QStringList({"notes.TXT", "old.txt"}));
        EXPECT_TRUE(entries(w.LDirs).contains("Sub"));
        EXPECT_TRUE(w.BtRere->isEnabled()) << "pointing at the start folder was a folder change";
        EXPECT_TRUE(w.IdNova->isHidden());
        EXPECT_TRUE(w.BtObr->isHidden()) << "no ObrCarp.exe in the working folder";
        EXPECT_EQ(w.focusWidget(), w.IdNom);

        w.LTps->setCurrentIndex(1);
        emit w.LTps->activated(1);
        EXPECT_EQ(entries(w.LFtxs), QStringList({"notes.TXT", "old.txt", "other.doc", "README"}));
        w.LTps->setEditText("*.d?c");
        QTest::keyClick(w.LTps->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(entries(w.LFtxs), QStringList({"other.doc"}));
        EXPECT_TRUE(w.isVisible()) << "Enter in the type box is no OK";
        w.BtFuig->click();
    });
    EXPECT_EQ(path, "");
}

TEST_F(Dialog, AMissingStartFolderBecomesTheWorkingFolder)
{
    QString folder = work.file("nowhere");
    run(1, folder, "*.exe", [&](DFtxs& w) {
        EXPECT_EQ(w.LDirs->path(), work.path());
        EXPECT_FALSE(w.BtRere->isEnabled()) << "starting in the working folder changes no folder";
        EXPECT_EQ(entries(w.LTps), QStringList({"*.exe"}));
        w.reject();
    });
    EXPECT_EQ(folder, work.path());

    run(1, "", [&](DFtxs& w) {
        EXPECT_EQ(entries(w.LTps), QStringList({""}));
        EXPECT_EQ(entries(w.LFtxs).size(), 4) << "an empty pattern shows every file";
        w.reject();
    });
}

TEST_F(Dialog, CaptionsInTheThreeLanguages)
{
    struct Expected {
        std::int16_t idioma, mode;
        const char *title, *name, *type, *cancel, *back, *up, *open, *newFolder, *newName;
    };
    const Expected all[] = {
        {0, 0, "Open", "Name", "Type", "Cancel", "To the last visited folder", "To up one level", "Open folder",
         "New folder", "New folder"},
        {1, 1, "Guardar", "Nom", "Tipus", "Cancel·la", "A l'anterior carpeta visitada", "Pujar-ne un nivell",
         "Obrir carpeta", "Crear carpeta nova", "Carpeta nova"},
        {2, 0, "Abrir", "Nombre", "Tipo", "Cancelar", "A la anterior carpeta visitada", "Subir un nivel",
         "Abrir carpeta", "Crear nueva carpeta", "Nueva carpeta"},
        {0, 1, "Save", "Name", "Type", "Cancel", nullptr, nullptr, nullptr, nullptr, nullptr},
        {1, 0, "Obrir", "Nom", "Tipus", "Cancel·la", nullptr, nullptr, nullptr, nullptr, nullptr},
        {2, 1, "Guardar", "Nombre", "Tipo", "Cancelar", nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    for (const Expected& e : all) {
        Idioma = e.idioma;
        run(e.mode, "*.txt", [&](DFtxs& w) {
            EXPECT_EQ(w.windowTitle(), QString::fromUtf8(e.title));
            EXPECT_EQ(w.EtNom->text(), QString::fromUtf8(e.name));
            EXPECT_EQ(w.EtTp->text(), QString::fromUtf8(e.type));
            EXPECT_EQ(w.BtFuig->text(), QString::fromUtf8(e.cancel));
            EXPECT_EQ(w.BtOk->text(), "Ok");
            if (e.back != nullptr) {
                EXPECT_EQ(w.BtRere->toolTip(), QString::fromUtf8(e.back));
                EXPECT_EQ(w.BtAm->toolTip(), QString::fromUtf8(e.up));
                EXPECT_EQ(w.BtObr->toolTip(), QString::fromUtf8(e.open));
                EXPECT_EQ(w.BtNova->toolTip(), QString::fromUtf8(e.newFolder));
                w.BtNova->click();
                EXPECT_EQ(w.IdNova->text(), QString::fromUtf8(e.newName));
            }
            w.reject();
        });
    }
}

TEST_F(Dialog, SaveModeAcceptsNamesAndRecoversBareOnes)
{
    EXPECT_EQ(run(1, "*.txt|*.*", [](DFtxs& w) {
                  type(w.IdNom, "report.txt");
                  QTest::keyClick(w.IdNom, Qt::Key_Return);
              }),
              data + "/report.txt");
    EXPECT_FALSE(QFile::exists(data + "/report.txt")) << "the dialog only names the file";

    EXPECT_EQ(run(1, "*.txt|*.*", [](DFtxs& w) {
                  type(w.IdNom, "report");
                  w.BtOk->click();
              }),
              data + "/report.txt");
    for (const QString& typeText : {QString("*.*"), QString(""), QString("plain")}) {
        EXPECT_EQ(run(1, "*.txt|*.*", [&](DFtxs& w) {
                      w.LTps->setEditText(typeText);
                      type(w.IdNom, "report");
                      w.BtOk->click();
                  }),
                  data + "/report")
            << typeText.toStdString();
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(Dialog, TypedFoldersMoveAndTheRootTakesOneSeparator)
{
    const QString path = run(1, "*.txt", [&](DFtxs& w) {
        w.BtOk->click();
        EXPECT_TRUE(w.isVisible()) << "an empty name does nothing";

        type(w.IdNom, data + "/Sub");
        w.BtOk->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.LDirs->path(), data + "/Sub");
        EXPECT_EQ(w.IdNom->text(), data + "/Sub");

        type(w.IdNom, "/");
        w.BtOk->click();
        EXPECT_EQ(w.LDirs->path(), "/");
        type(w.IdNom, "a.txt");
        w.BtOk->click();
    });
    EXPECT_EQ(path, "/a.txt");
}

TEST_F(Dialog, OpenModeChecksThatTheFileExists)
{
    const QString path = run(0, "*.txt|*.*", [&](DFtxs& w) {
        type(w.IdNom, "report");
        w.BtOk->click();
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].title, "Path not found");
        EXPECT_EQ(messages.boxes[0].text, "report");

        type(w.IdNom, "missing.txt");
        w.BtOk->click();
        ASSERT_EQ(messages.boxes.size(), 2u);
        EXPECT_EQ(messages.boxes[1].title, "File not found");
        EXPECT_EQ(messages.boxes[1].text, data + "/missing.txt");
        EXPECT_EQ(messages.boxes[1].icon, platform::MessageIcon::None);
        EXPECT_TRUE(w.isVisible());
        w.BtFuig->click();
    });
    EXPECT_EQ(path, "");

    EXPECT_EQ(run(0, "*.txt", [](DFtxs& w) {
                  type(w.IdNom, "*.txt");
                  w.BtOk->click();
              }),
              data + "/*.txt");
    EXPECT_EQ(run(0, "*.txt", [](DFtxs& w) {
                  click(w.LFtxs, "old.txt");
                  EXPECT_EQ(w.IdNom->text(), "old.txt");
                  QTest::keyClick(w.LFtxs, Qt::Key_Up);
                  EXPECT_EQ(w.IdNom->text(), "notes.TXT") << "the arrow keys select too";
                  doubleClick(w.LFtxs, "old.txt");
              }),
              data + "/old.txt");
}

TEST_F(Dialog, BackSwapsTheTwoFoldersAndUpStopsAtTheRoot)
{
    run(0, "*.*", [&](DFtxs& w) {
        doubleClick(w.LDirs, "Sub");
        EXPECT_EQ(w.LDirs->path(), data + "/Sub");
        EXPECT_EQ(entries(w.LFtxs), QStringList());
        w.BtRere->click();
        EXPECT_EQ(w.LDirs->path(), data);
        EXPECT_EQ(entries(w.LFtxs).size(), 4);
        w.BtRere->click();
        EXPECT_EQ(w.LDirs->path(), data + "/Sub");

        w.BtAm->click();
        EXPECT_EQ(w.LDirs->path(), data);
        w.IdNom->setText("/");
        w.BtOk->click();
        const QString before = CarpAnterior;
        w.BtAm->click();
        EXPECT_EQ(w.LDirs->path(), "/");
        EXPECT_EQ(CarpAnterior, before) << "up at the root is no folder change";
        w.reject();
    });
}

TEST_F(Dialog, AVanishedFolderKeepsTheListsWhereTheyWere)
{
    run(0, "*.*", [&](DFtxs& w) {
        doubleClick(w.LDirs, "Sub");
        w.BtRere->click();
        ASSERT_TRUE(QDir(data + "/Sub").removeRecursively());
        w.BtRere->click();
        EXPECT_EQ(w.LDirs->path(), data);
        EXPECT_EQ(entries(w.LFtxs).size(), 4);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].title, "Path not found");
        EXPECT_TRUE(messages.boxes[0].text.endsWith(data + "/Sub"));
        w.reject();
    });
}

TEST_F(Dialog, NewFolderWithEnterBlankEnterAndEsc)
{
    run(1, "*.*", [&](DFtxs& w) {
        w.BtNova->click();
        EXPECT_TRUE(w.IdNova->isVisible());
        EXPECT_EQ(w.IdNova->text(), "Nueva carpeta");
        type(w.IdNova, "   ");
        QTest::keyClick(w.IdNova, Qt::Key_Return);
        EXPECT_TRUE(w.IdNova->isVisible()) << "blank Enter leaves the box open";

        type(w.IdNova, "  Casos 2026 ");
        QTest::keyClick(w.IdNova, Qt::Key_Return);
        EXPECT_TRUE(w.IdNova->isHidden());
        EXPECT_TRUE(QFileInfo(data + "/Casos 2026").isDir());
        EXPECT_TRUE(entries(w.LDirs).contains("Casos 2026"));
        EXPECT_EQ(w.LDirs->path(), data) << "the open folder does not change";

        w.BtNova->click();
        type(w.IdNova, "Sub");
        QTest::keyClick(w.IdNova, Qt::Key_Return);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "No se puede crear la carpeta:\r\n" + data + "/Sub\r\nya existe");
        EXPECT_TRUE(w.IdNova->isVisible());
        type(w.IdNova, "a/b");
        QTest::keyClick(w.IdNova, Qt::Key_Return);
        ASSERT_EQ(messages.boxes.size(), 2u);
        EXPECT_TRUE(messages.boxes[1].text.endsWith("el nombre no es válido"));

        type(w.IdNova, "Never");
        QTest::keyClick(w.IdNova, Qt::Key_Escape);
        EXPECT_TRUE(w.IdNova->isHidden());
        EXPECT_TRUE(w.isVisible()) << "Esc closes only the box";
        EXPECT_FALSE(QFileInfo::exists(data + "/Never"));
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible()) << "Esc is no Cancel";
        w.reject();
    });
}

TEST_F(Dialog, DeleteAsksFirst)
{
    run(0, "*.*", [&](DFtxs& w) {
        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        EXPECT_TRUE(messages.boxes.empty()) << "no file selected, nothing asked";

        click(w.LFtxs, "old.txt");
        messages.answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes};
        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].title, "Erase file?");
        EXPECT_EQ(messages.boxes[0].text, data + "/old.txt");
        EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_TRUE(QFile::exists(data + "/old.txt"));
        EXPECT_TRUE(entries(w.LFtxs).contains("old.txt"));

        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        EXPECT_FALSE(QFile::exists(data + "/old.txt"));
        EXPECT_FALSE(entries(w.LFtxs).contains("old.txt"));

        click(w.LFtxs, "other.doc");
        QFile::remove(data + "/other.doc");
        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        ASSERT_EQ(messages.boxes.size(), 4u);
        EXPECT_EQ(messages.boxes[3].title, "Borrar archivo");
        EXPECT_EQ(messages.boxes[3].text,
                  "No se puede borrar el archivo:\r\n" + data + "/other.doc\r\nla carpeta o el archivo no existe");
        EXPECT_FALSE(entries(w.LFtxs).contains("other.doc"));
        w.reject();
    });
}

TEST_F(Dialog, CancelAndFrameCloseReturnEmptyAfterAnEarlierPath)
{
    EXPECT_EQ(run(1, "*.txt", [](DFtxs& w) {
                  type(w.IdNom, "first.txt");
                  w.BtOk->click();
              }),
              data + "/first.txt");
    EXPECT_EQ(run(1, "*.txt", [](DFtxs& w) {
                  EXPECT_EQ(w.IdNom->text(), "") << "each dialog starts afresh";
                  type(w.IdNom, "second.txt");
                  w.BtFuig->click();
              }),
              "");
    EXPECT_EQ(run(1, "*.txt", [](DFtxs& w) {
                  type(w.IdNom, "third");
                  w.close();
              }),
              "");
    EXPECT_EQ(FtxTriat, "");
}

TEST_F(Dialog, OpenFolderStartsTheOutsideProgramWhenItIsThere)
{
    QFile(work.file("ObrCarp.exe")).open(QIODevice::WriteOnly);
    run(0, "*.*", [&](DFtxs& w) {
        ASSERT_TRUE(w.BtObr->isVisible());
        w.BtObr->click();
        click(w.LDirs, "Sub");
        starter.outcomes = {false};
        w.BtObr->click();
        EXPECT_EQ(w.LDirs->path(), data) << "highlighting a folder does not open it";
        w.reject();
    });
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "ObrCarp.exe " + data);
    EXPECT_EQ(starter.starts[0].style, platform::WindowStyle::Hidden);
    EXPECT_EQ(starter.starts[1].commandLine, "ObrCarp.exe " + data + "/Sub");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "No se ha podido iniciar el programa:\r\nObrCarp.exe " + data + "/Sub");
}

TEST_F(Dialog, ChoosingTheRootDriveShowsIt)
{
    run(0, "*.*", [&](DFtxs& w) {
        ASSERT_GT(w.LDsks->count(), 0);
        EXPECT_EQ(w.LDsks->itemText(0), "/");
        w.LDsks->setCurrentIndex(0);
        emit w.LDsks->activated(0);
        EXPECT_EQ(w.LDirs->path(), "/");
        EXPECT_EQ(CarpAnterior, data);
        EXPECT_TRUE(messages.boxes.empty());
        w.reject();
    });
}

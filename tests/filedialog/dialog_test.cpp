#include "filedialog/dftxs.h"
#include "filedialog/filelist.h"
#include "filedialog/folderlist.h"
#include "filedialog/state.h"
#include "filedialog/triaftx.h"
#include "platform/drives.h"
#include "platform/language.h"

#include "testkit/fakes.h"
#include "testkit/workdir.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

using namespace tarvi;

static QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

static void click(QListWidget* list, const QString& text, bool twice = false)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    const QPoint at = list->visualItemRect(found.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Types a text in place of what the box held, then presses `key`.
static void type(QLineEdit* box, const QString& text, Qt::Key key = Qt::Key_unknown)
{
    box->clear();
    QTest::keyClicks(box, text);
    if (key != Qt::Key_unknown)
        QTest::keyClick(box, key);
}

// A working folder holding Data (with files and a subfolder), recording
// services, Spanish, and another folder as the process's current one.
class Dialog : public ::testing::Test {
protected:
    testkit::TempWorkDir work;
    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    platform::Services services{messages, starter, work.folder()};
    QString data = work.file("Data");
    QString startedIn; // the caller's folder after the last dialog
    QTemporaryDir elsewhere;

    void SetUp() override
    {
        platform::Idioma = 2;
        QDir::setCurrent(elsewhere.path());
        QDir(work.path()).mkpath("Data/Sub");
        for (const char* name :
             {"Data/old.txt", "Data/notes.TXT", "Data/other.doc", "Data/README", "Data/.hidden.txt"})
            QFile(work.file(name)).open(QIODevice::WriteOnly);
    }

    // Runs one dialog on Data; the script drives the open window through its
    // widgets and must end it.
    template <class Script>
    QString run(platform::FileMode mode, const QString& patterns, const Script& script, QString folder = {})
    {
        QTimer::singleShot(0, [&script] {
            auto* window = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            script(*window);
            EXPECT_FALSE(window->isVisible()) << "the script left the dialog open";
            if (window->isVisible())
                window->reject();
        });
        if (folder.isEmpty())
            folder = data;
        const QString chosen = TriaFtx(services, mode, folder, patterns);
        startedIn = folder;
        return chosen;
    }
};

TEST_F(Dialog, CaptionsInTheThreeLanguagesAndBothModes)
{
    const char* rows[] = {
        "Open|Save|Name|Type|Cancel|To the last visited folder|To up one level|Open folder|New folder|New "
        "folder",
        "Obrir|Guardar|Nom|Tipus|Cancel·la|A l'anterior carpeta visitada|Pujar-ne un nivell|Obrir carpeta|"
        "Crear carpeta nova|Carpeta nova",
        "Abrir|Guardar|Nombre|Tipo|Cancelar|A la anterior carpeta visitada|Subir un nivel|Abrir carpeta|"
        "Crear nueva carpeta|Nueva carpeta",
    };
    for (platform::Idioma = 0; platform::Idioma < 3; ++platform::Idioma)
        for (platform::FileMode mode : {platform::FileMode::Open, platform::FileMode::Save}) {
            SCOPED_TRACE("language " + std::to_string(platform::Idioma) +
                         (mode == platform::FileMode::Save ? ", Save" : ", Open"));
            run(mode, "*.txt", [&](DFtxs& w) {
                w.BtNova->click();
                QStringList expected = QString::fromUtf8(rows[platform::Idioma]).split(u'|');
                expected.removeAt(mode == platform::FileMode::Save ? 0 : 1);
                EXPECT_EQ(QStringList({w.windowTitle(), w.EtNom->text(), w.EtTp->text(), w.BtFuig->text(),
                                       w.BtRere->toolTip(), w.BtAm->toolTip(), w.BtObr->toolTip(),
                                       w.BtNova->toolTip(), w.IdNova->text(), w.BtOk->text()}),
                          expected << "Ok");
                w.reject();
            });
        }
}

// Save takes a name with a dot as it is and gives a bare name the type's
// extension; a typed folder is moved to, a bare one from the working folder;
// Cancel and the frame's close give no name even after an earlier dialog gave one.
TEST_F(Dialog, SaveModeOkRulesAndCancel)
{
    auto save = [&](const QString& kind, const QString& name) {
        return run(platform::FileMode::Save, "*.txt|*.*",
                   [&](DFtxs& w) { w.LTps->setEditText(kind), type(w.IdNom, name, Qt::Key_Return); });
    };
    EXPECT_EQ(save("*.txt", "report.doc"), data + "/report.doc");
    EXPECT_EQ(save("*.txt", "report"), data + "/report.txt");
    for (const char* kind : {"*.*", "", "plain"})
        EXPECT_EQ(save(kind, "report"), data + "/report") << kind;
    EXPECT_FALSE(QFile::exists(data + "/report.txt")) << "the dialog only names the file";
    EXPECT_EQ(run(platform::FileMode::Save, "*.txt",
                  [&](DFtxs& w) {
                      w.BtOk->click();
                      EXPECT_TRUE(w.isVisible()) << "an empty name does nothing";
                      type(w.IdNom, data + "/Sub", Qt::Key_Return);
                      EXPECT_EQ(w.LDirs->path(), data + "/Sub");
                      type(w.IdNom, "Data", Qt::Key_Return);
                      EXPECT_EQ(w.LDirs->path(), data) << "a bare name is taken from the working folder";
                      type(w.IdNom, "/", Qt::Key_Return);
                      w.BtAm->click();
                      EXPECT_EQ(w.LDirs->path(), "/") << "up at the root stays there";
                      type(w.IdNom, "a.txt");
                      w.BtOk->click();
                  }),
              "/a.txt");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(run(platform::FileMode::Save, "*.txt",
                  [](DFtxs& w) { type(w.IdNom, "second.txt"), w.BtFuig->click(); }),
              "");
    EXPECT_EQ(run(platform::FileMode::Save, "*.txt", [](DFtxs& w) { type(w.IdNom, "third"), w.close(); }),
              "");
    EXPECT_EQ(FtxTriat, "");
}

// Open wants an existing file, or a pattern, which it hands back as typed.
TEST_F(Dialog, OpenModeOkRulesAndBack)
{
    EXPECT_EQ(run(platform::FileMode::Open, "*.txt|*.*",
                  [&](DFtxs& w) {
                      type(w.IdNom, "report", Qt::Key_Return);
                      type(w.IdNom, "missing.txt", Qt::Key_Return);
                      w.BtFuig->click();
                  }),
              "");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text, "Path not found|report");
    EXPECT_EQ(messages.boxes[1].title + "|" + messages.boxes[1].text,
              "File not found|" + data + "/missing.txt");
    EXPECT_EQ(
        run(platform::FileMode::Open, "*.txt", [](DFtxs& w) { type(w.IdNom, "*.txt", Qt::Key_Return); }),
        data + "/*.txt");
    // A starting folder that does not exist gives way to the working folder,
    // and the caller learns which. The drive list shows the working folder's
    // drive, and the root first.
    run(
        platform::FileMode::Open, "*.*",
        [&](DFtxs& w) {
            EXPECT_EQ(w.LDirs->path(), work.path());
            EXPECT_EQ(w.LDsks->currentText(), platform::driveOf(work.path()));
            Q_EMIT w.LDsks->activated(0);
            EXPECT_EQ(w.LDirs->path(), "/");
            w.close();
        },
        data + "/gone");
    EXPECT_EQ(startedIn, work.path());
    // Back and back again swap the last two folders; a double click opens.
    EXPECT_EQ(
        run(platform::FileMode::Open, "*.*",
            [&](DFtxs& w) {
                click(w.LDirs, "Sub", true);
                w.BtRere->click();
                w.BtRere->click();
                EXPECT_EQ(w.LDirs->path(), data + "/Sub");
                w.BtRere->click();
                EXPECT_EQ(entries(w.LFtxs), QStringList({"notes.TXT", "old.txt", "other.doc", "README"}));
                click(w.LFtxs, "old.txt", true);
            }),
        data + "/old.txt");
}

// New folder: blank Enter keeps the box, Esc closes only the box; Delete asks
// first, and No keeps the file. A dialog that has ended keeps none of its
// caller's services, which may be gone by then (a closed tools editor's): a
// stray Delete in its file list asks nothing and deletes nothing.
TEST_F(Dialog, NewFolderAndDelete)
{
    messages.answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes};
    QPointer<DFtxs> window;
    run(platform::FileMode::Open, "*.*", [&](DFtxs& w) {
        window = &w;
        w.BtNova->click();
        type(w.IdNova, "   ", Qt::Key_Return);
        EXPECT_TRUE(w.IdNova->isVisible()) << "blank Enter leaves the box open";
        type(w.IdNova, "  Casos 2026 ", Qt::Key_Return);
        EXPECT_TRUE(w.IdNova->isHidden());
        EXPECT_TRUE(entries(w.LDirs).contains("Casos 2026"));
        w.BtNova->click();
        type(w.IdNova, "Sub", Qt::Key_Return);
        type(w.IdNova, "Never", Qt::Key_Escape);
        EXPECT_TRUE(w.IdNova->isHidden());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible()) << "Esc is no Cancel";

        click(w.LFtxs, "old.txt");
        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        EXPECT_TRUE(QFile::exists(data + "/old.txt"));
        QTest::keyClick(w.LFtxs, Qt::Key_Delete);
        EXPECT_FALSE(entries(w.LFtxs).contains("old.txt"));
        click(w.LFtxs, "other.doc");
        w.reject();
    });
    ASSERT_FALSE(window.isNull());
    QTest::keyClick(window->LFtxs, Qt::Key_Delete);
    EXPECT_TRUE(QFile::exists(data + "/other.doc"));
    EXPECT_FALSE(QFileInfo::exists(data + "/Never"));
    EXPECT_FALSE(QFile::exists(data + "/old.txt"));
    ASSERT_EQ(messages.boxes.size(), 3u);
    EXPECT_EQ(messages.boxes[0].text, "No se puede crear la carpeta:\r\n" + data + "/Sub\r\nya existe");
    EXPECT_EQ(messages.boxes[2].title + "|" + messages.boxes[2].text, "Erase file?|" + data + "/old.txt");
    EXPECT_EQ(messages.boxes[2].buttons, platform::MessageButtons::YesNo);
}

// The one dialog window serves every call and is deleted when the program
// quits, before the application is taken down.
TEST_F(Dialog, OneWindowForTheRunDeletedWhenTheProgramQuits)
{
    QPointer<DFtxs> first, second;
    run(platform::FileMode::Open, "*.txt", [&](DFtxs& w) { first = &w, w.BtFuig->click(); });
    run(platform::FileMode::Open, "*.txt", [&](DFtxs& w) { second = &w, w.BtFuig->click(); });
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(
        run(platform::FileMode::Save, "*.txt", [](DFtxs& w) { type(w.IdNom, "after.txt"), w.BtOk->click(); }),
        data + "/after.txt")
        << "a later call makes a new one";
}

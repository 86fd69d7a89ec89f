// The program's start as main() makes it: the working folder it finds and
// makes, the documents it opens, and Qt's own texts in the desktop's language.

#include "calculator/ftarvi.h"
#include "filedialog/dftxs.h"
#include "filedialog/folderlist.h"
#include "platform/translations.h"
#include "platform/workfolder.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"
#include "testkit/writefile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <optional>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

using namespace tarvi;
using platform::WorkFolder;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Sets an environment variable (or removes it, for nothing) for the life of
// the object.
struct EnvVar {
    EnvVar(const char* name, const std::optional<QString>& value)
        : name(name), before(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        set(value ? std::optional(value->toLocal8Bit()) : std::nullopt);
    }
    ~EnvVar() { set(before); }
    void set(const std::optional<QByteArray>& value) const
    {
        value ? qputenv(name, *value) : qunsetenv(name);
    }

    const char* name;
    std::optional<QByteArray> before;
};

// A user who has never run the program: a fresh home without a user-dirs
// configuration, no TARVI_HOME, and a process whose current folder is
// somewhere that has nothing to do with the program. Beside them, an
// installed tree (bin/ and share/tarvi/ with the documents) and a build tree
// (bin/ with the documents beside the program).
class Startup : public ::testing::Test {
protected:
    Startup()
    {
        QDir(root.path()).mkpath("usr/bin");
        for (const char* document : {"usr/share/tarvi/Tarvi.pdf", "usr/share/tarvi/Veldra.htm",
                                     "build/bin/Tarvi.pdf", "build/bin/Veldra.htm"}) {
            QDir(root.path()).mkpath(QFileInfo(document).path());
            testkit::writeFile(root.filePath(document), "%PDF");
        }
        QDir::setCurrent(elsewhere.path());
    }
    ~Startup() override { QDir::setCurrent(before); }

    QString installed() const { return root.filePath("usr/bin"); }
    QString buildTree() const { return root.filePath("build/bin"); }
    QString documents() const { return home.filePath("Documents/Tarvi"); }

    const QString before = QDir::currentPath();
    QTemporaryDir home;
    QTemporaryDir root;
    QTemporaryDir elsewhere;
    EnvVar freshHome{"HOME", home.path()};
    EnvVar noConfig{"XDG_CONFIG_HOME", std::nullopt};
    EnvVar noChoice{"TARVI_HOME", std::nullopt};
    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
};

// Installed, on the first start: "Tarvi" in the documents folder, with
// Prbls, where the first case is saved; nothing reaches the current folder.
// The manual opens from the installation until the user has a copy of their own.
TEST_F(Startup, TheInstalledProgramWorksInTheUsersDocumentsFolder)
{
    const WorkFolder folder = platform::openWorkFolder(installed(), messages);
    EXPECT_EQ(folder.path(), documents());
    ASSERT_TRUE(QFileInfo(documents() + "/Prbls").isDir());
    EXPECT_TRUE(messages.boxes.empty());

    FTarvi window({messages, starter, folder});
    window.show();
    using testkit::control;
    control<QLineEdit>(window, "IdM(0)")->setText("5");
    control<QLineEdit>(window, "IdN(0)")->setText("3");
    control<QPushButton>(window, "okD(0)")->click();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->LDirs->path(), QDir::homePath() + "/Documents/Tarvi/Prbls");
        QTest::keyClicks(dialog->IdNom, "casos.txt");
        dialog->BtOk->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    control<QAction>(window, "OpGuard")->trigger();
    const QString saved = documents() + "/Prbls/casos.txt";
    EXPECT_EQ(contentOf(saved), "V(5,3) = 60\r\n\r\n");

    control<QAction>(window, "OpInfo")->trigger();
    testkit::writeFile(documents() + "/Tarvi.pdf", "%PDF");
    control<QAction>(window, "OpInfo")->trigger();
    control<QAction>(window, "OpWeb")->trigger();
    ASSERT_EQ(starter.starts.size(), 4u);
    EXPECT_EQ(starter.starts[0].commandLine, "NotePad.exe " + saved);
    EXPECT_EQ(starter.starts[1].commandLine, "cmd.exe /c " + root.filePath("usr/share/tarvi/Tarvi.pdf"));
    EXPECT_EQ(starter.starts[2].commandLine, "cmd.exe /c " + documents() + "/Tarvi.pdf") << "the user's copy";
    EXPECT_EQ(starter.starts[3].commandLine, "cmd.exe /c " + root.filePath("usr/share/tarvi/Veldra.htm"));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// TARVI_HOME names the folder, made with every folder above it; run from the
// build tree, the program works beside itself, as the build lays it out. The
// documents come from where the program has them, whatever the folder.
TEST_F(Startup, TarviHomeOverridesAndTheBuildTreeWorksBesideTheProgram)
{
    {
        const QString chosen = root.filePath("my cases/tarvi");
        const EnvVar choice("TARVI_HOME", chosen);
        const WorkFolder folder = platform::openWorkFolder(installed(), messages);
        EXPECT_EQ(folder.path(), chosen);
        EXPECT_TRUE(QFileInfo(chosen + "/Prbls").isDir());
        EXPECT_EQ(folder.document("Veldra.htm"), root.filePath("usr/share/tarvi/Veldra.htm"));
        const WorkFolder built = platform::openWorkFolder(buildTree(), messages);
        EXPECT_EQ(built.path(), chosen);
        EXPECT_EQ(built.document("Tarvi.pdf"), buildTree() + "/Tarvi.pdf");
    }
    const WorkFolder built = platform::openWorkFolder(buildTree(), messages);
    EXPECT_EQ(built.path(), buildTree());
    EXPECT_TRUE(QFileInfo(buildTree() + "/Prbls").isDir());
    EXPECT_EQ(built.document("Tarvi.pdf"), buildTree() + "/Tarvi.pdf");
    EXPECT_FALSE(QFileInfo::exists(documents()));
    EXPECT_TRUE(messages.boxes.empty());

    // A program without documents anywhere is no build tree: it works in the
    // user's folder, and a missing document is looked for there.
    const WorkFolder alone = platform::openWorkFolder(elsewhere.path(), messages);
    EXPECT_EQ(alone.path(), documents());
    EXPECT_EQ(alone.document("Tarvi.pdf"), documents() + "/Tarvi.pdf");
}

// Only a documents folder named absolutely is used; any other setting falls
// back to "Documents" in the home folder, and a home that HOME does not name
// to the password database's. Nothing is made in the current folder.
TEST_F(Startup, TheDocumentsFolderIsNeverRelative)
{
    QTemporaryDir config;
    const EnvVar configured("XDG_CONFIG_HOME", config.path());
    const struct {
        QByteArray setting;
        QString documents;
    } rows[] = {
        {"\"Docs\"", documents()},
        {"\"\"", documents()},
        {"\"${HOME}/Docs\"", documents()},
        {"\"~/Docs\"", documents()},
        {"Docs", documents()},
        {"\"$HOME/Mis documentos\"", home.filePath("Mis documentos/Tarvi")},
        {'"' + root.path().toUtf8() + '"', root.filePath("Tarvi")},
        {"Docs", documents()},
    };
    for (const auto& row : rows) {
        testkit::writeFile(config.filePath("user-dirs.dirs"),
                           QByteArray("XDG_DOCUMENTS_DIR=") + row.setting + "\n");
        EXPECT_EQ(platform::findWorkFolder(installed()).path(), row.documents) << row.setting.toStdString();
    }
    EXPECT_EQ(platform::openWorkFolder(installed(), messages).path(), documents()) << "after a bare Docs";
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());

    const QString recorded = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
    for (const std::optional<QString>& unusable :
         {std::optional<QString>(), std::optional<QString>(""), std::optional<QString>("relative/home")}) {
        const EnvVar noHome("HOME", unusable);
        EXPECT_EQ(platform::findWorkFolder(installed()).path(), QDir(recorded).filePath("Documents/Tarvi"))
            << "HOME " << unusable.value_or("unset").toStdString();
    }
}

// A folder that cannot be made or written is named in a box with the reason;
// the program goes on with it.
TEST_F(Startup, AFolderThatCannotBeUsedIsReported)
{
    testkit::writeFile(root.filePath("taken"), "a file");
    QDir(root.path()).mkdir("locked");
    QFile::setPermissions(root.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const QString prefix = "No se puede trabajar en la carpeta\n";
    const std::pair<QString, QString> cases[] = {
        {root.filePath("taken/tarvi"),
         prefix + root.filePath("taken/tarvi") + "\nMotivo: no es una carpeta\n"},
        {root.filePath("locked"), prefix + root.filePath("locked") + "\nMotivo: es de solo lectura\n"},
    };
    for (const auto& [chosen, text] : cases) {
        const EnvVar choice("TARVI_HOME", chosen);
        messages.boxes.clear();
        EXPECT_EQ(platform::openWorkFolder(installed(), messages).path(), chosen);
        ASSERT_EQ(messages.boxes.size(), 1u) << chosen.toStdString();
        EXPECT_EQ(messages.boxes[0].text, text +
                                              "Los casos y las utilidades no se podrán guardar allí. La "
                                              "variable de entorno TARVI_HOME puede indicar otra carpeta.");
        EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
    }
    QFile::setPermissions(root.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Under a Spanish desktop the standard buttons of every message box are
// Spanish; the translation is Qt's own, as installed.
TEST(QtTexts, MessageBoxButtonsSpeakTheDesktopsLanguage)
{
    QTranslator spanish;
    ASSERT_TRUE(platform::loadQtTranslations(spanish, QLocale(QLocale::Spanish, QLocale::Spain)))
        << "Qt's translations (qt6-translations-l10n) are not installed";
    QApplication::installTranslator(&spanish);
    const QMessageBox box(QMessageBox::Warning, "Tarvi", "texto",
                          QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    QStringList captions;
    for (const QMessageBox::StandardButton button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
        captions << box.button(button)->text().remove(u'&');
    QApplication::removeTranslator(&spanish);
    EXPECT_EQ(captions, (QStringList{"Aceptar", "Sí", "No"}));
}

} // namespace

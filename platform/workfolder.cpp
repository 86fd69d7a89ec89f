#include "platform/workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace tarvi::platform {

namespace {

// The data folder of an installation as seen from its program folder
// ("../share/tarvi"), laid down by the install rules.
constexpr const char* kInstalledDocuments = TARVI_DOCUMENTS_FROM_PROGRAM;

// The build lays the manual beside the program; an installation does not.
constexpr const char* kManual = "Tarvi.pdf";

// The user's home folder as the password database has it; empty when it has
// no entry for the user.
QString homeFromPasswords()
{
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int failure = 0;
    while ((failure = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (failure != 0 || found == nullptr || found->pw_dir == nullptr)
        return {};
    return QFile::decodeName(found->pw_dir);
}

// The user's documents folder, always a whole path: the desktop's setting
// when it names one absolutely; else "Documents" in the home folder, which is
// HOME when that names one absolutely, else the password database's, else
// the root. The desktop's setting is built on HOME, so without a usable HOME
// it is not asked.
QString documentsFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home)) {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (QDir::isAbsolutePath(desktop))
            return desktop;
        return QDir(home).filePath(QStringLiteral("Documents"));
    }
    const QString recorded = homeFromPasswords();
    return QDir(QDir::isAbsolutePath(recorded) ? recorded : QDir::rootPath())
        .filePath(QStringLiteral("Documents"));
}

} // namespace

WorkFolder::WorkFolder(QString path, QString programDocuments)
    : path_(std::move(path)), programDocuments_(std::move(programDocuments))
{
}

QString WorkFolder::file(const QString& name) const { return QDir(path_).filePath(name); }

QString WorkFolder::document(const QString& name) const
{
    const QString own = file(name);
    if (programDocuments_.isEmpty() || QFileInfo(own).isFile())
        return own;
    const QString installed = QDir(programDocuments_).filePath(name);
    return QFileInfo(installed).isFile() ? installed : own;
}

WorkFolder findWorkFolder(const QString& programFolder)
{
    const QDir program(programFolder);
    const QString installed = QDir::cleanPath(program.filePath(QString::fromLatin1(kInstalledDocuments)));
    const bool isInstalled = QFileInfo(installed).isDir();
    const bool inBuildTree =
        !isInstalled && QFileInfo(program.filePath(QString::fromLatin1(kManual))).isFile();
    const QString documents = isInstalled ? installed : (inBuildTree ? program.absolutePath() : QString());

    const QString chosen = qEnvironmentVariable("TARVI_HOME");
    QString path;
    if (!chosen.isEmpty())
        path = QDir(chosen).absolutePath();
    else if (inBuildTree)
        path = program.absolutePath();
    else
        path = QDir(documentsFolder()).filePath(QStringLiteral("Tarvi"));
    return WorkFolder(QDir::cleanPath(path), documents);
}

WorkFolder openWorkFolder(const QString& programFolder, MessageService& messages)
{
    const WorkFolder folder = findWorkFolder(programFolder);
    QString failed = folder.path();
    FsResult made = makeWritableFolder(failed);
    if (made.ok()) {
        failed = folder.file(QString::fromLatin1(kCaseFolder));
        made = makeWritableFolder(failed);
    }
    if (!made.ok())
        messages.show(QStringLiteral("Tarvi"),
                      QStringLiteral("No se puede trabajar en la carpeta\n%1\nMotivo: %2\n"
                                     "Los casos y las utilidades no se podrán guardar allí. "
                                     "La variable de entorno TARVI_HOME puede indicar otra carpeta.")
                          .arg(failed, reasonText(made, Language::Spanish)),
                      MessageIcon::Exclamation, MessageButtons::Ok);
    return folder;
}

} // namespace tarvi::platform

#include "platform/openwatch.h"

#include "platform/systemstart.h"

#include <QProcess>
#include <QTemporaryFile>

#include <utility>

namespace tarvi::platform {

namespace {

// Of an opener's complaint only its start is read.
constexpr qsizetype kKeptComplaint = 1024;
// A first line longer than this is no reason a box can give.
constexpr qsizetype kShortReason = 200;

// The first line of a complaint, when it is short enough to show.
QString reasonIn(const QByteArray& complaint)
{
    const qsizetype end = complaint.indexOf('\n');
    if (end < 0 && complaint.size() >= kKeptComplaint)
        return {};
    const QString line = QString::fromLocal8Bit(end < 0 ? complaint : complaint.first(end)).trimmed();
    return line.size() <= kShortReason ? line : QString();
}

} // namespace

struct OpeningWatch::Attempt {
    Launch opener;
    std::optional<Launch> fallback;
    QString document;
    QString workingFolder;
    QString reason; // the first reason an opener of the document gave
};

OpeningWatch::~OpeningWatch()
{
    // An opener still running when the program ends is left without a word;
    // a viewer it started stays open.
    for (QProcess* process : processes_.findChildren<QProcess*>()) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
    }
}

void OpeningWatch::open(const Launch& opener, std::optional<Launch> fallback, const QString& document,
                        const QString& workingFolder)
{
    run({opener, std::move(fallback), document, workingFolder, {}});
}

void OpeningWatch::run(Attempt attempt)
{
    auto* process = new QProcess(&processes_);
    process->setProgram(attempt.opener.program);
    process->setArguments(attempt.opener.arguments);
    process->setWorkingDirectory(attempt.workingFolder);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    // The complaint goes to a file rather than a pipe: a viewer that the
    // opener starts inherits it and may write long after the opener has
    // ended, or after this program has, and a closed pipe would kill it.
    auto* complaint = new QTemporaryFile(process);
    process->setStandardErrorFile(complaint->open() ? complaint->fileName() : QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [this, process, complaint, attempt](int status, QProcess::ExitStatus how) {
                         process->deleteLater();
                         if (how != QProcess::NormalExit || status != 0)
                             failed(attempt, reasonIn(complaint->isOpen() ? complaint->read(kKeptComplaint)
                                                                          : QByteArray()));
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [this, process, attempt](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash still ends with finished()
                         process->deleteLater();
                         failed(attempt, {});
                     });
    process->start();
}

void OpeningWatch::failed(Attempt attempt, const QString& complaint)
{
    if (attempt.reason.isEmpty())
        attempt.reason = complaint;
    if (attempt.fallback) {
        attempt.opener = *std::exchange(attempt.fallback, std::nullopt);
        run(std::move(attempt));
        return;
    }
    QString text = QStringLiteral("No se ha podido abrir el documento\n%1").arg(attempt.document);
    if (!attempt.reason.isEmpty())
        text += QStringLiteral("\nMotivo: %1").arg(attempt.reason);
    messages_.show(QStringLiteral("Tarvi"), text, MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace tarvi::platform

// "Archivo > Enteros exactos": with it on, every count is taken in whole
// numbers of any size and shown with all its digits. The choice is kept in
// the user's settings, and switching it takes every count on screen again.

#include "about/version.h"
#include "calculator/ftarvi.h"
#include "calculator/newtonstrip.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace tarvi {

namespace {

// In the user's settings file of the program, named as the desktop knows it.
constexpr char kExactKey[] = "enterosExactos";

// The settings file, while it is an ordinary file or not there yet. Settings
// read their file as soon as they are made: a pipe in its place would hang
// the window's start, and a device would be read without end.
std::optional<QString> settingsFile()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + QLatin1String(version::kAppId) + QStringLiteral(".conf");
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        return std::nullopt;
    return path;
}

bool savedChoice()
{
    const std::optional<QString> file = settingsFile();
    return file && QSettings(*file, QSettings::IniFormat).value(QLatin1String(kExactKey)).toBool();
}

void saveChoice(bool on)
{
    if (const std::optional<QString> file = settingsFile())
        QSettings(*file, QSettings::IniFormat).setValue(QLatin1String(kExactKey), on);
}

} // namespace

void FTarvi::buildExactEntry()
{
    OpExact = Arxiu->addAction(QStringLiteral("Enteros exactos"));
    OpExact->setObjectName(QStringLiteral("OpExact"));
    OpExact->setCheckable(true);
    OpExact->setChecked(savedChoice());
    newton_->setCountMode(countMode());
    connect(OpExact, &QAction::toggled, this, &FTarvi::OpExact_Toggled);
}

QString FTarvi::exactTip(const QString& working)
{
    constexpr qsizetype kWidth = 100;
    const QString equals = QStringLiteral(" = ");
    QStringList lines;
    const QStringList steps = working.split(equals);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString step = i == 0 ? steps[i] : equals.mid(1) + steps[i];
        for (qsizetype at = 0; at < step.size(); at += kWidth)
            lines << step.mid(at, kWidth);
    }
    return lines.join(QLatin1Char('\n'));
}

CountMode FTarvi::countMode() const { return OpExact->isChecked() ? CountMode::Exact : CountMode::Double; }

// Every count on screen is taken again in the new mode; one that it cannot
// show goes, without a message, as nobody asked for it just now.
void FTarvi::OpExact_Toggled(bool on)
{
    saveChoice(on);
    for (int kind = 0; kind < kKinds; ++kind)
        if (!IdRes[kind]->text().isEmpty())
            showEvaluation(kind);
    newton_->setCountMode(countMode());
}

} // namespace tarvi

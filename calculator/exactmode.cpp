// "Archivo > Enteros exactos": with it on, every count is taken in whole
// numbers of any size and shown with all its digits. The choice is kept in
// the user's settings, and switching it takes every count on screen again.

#include "about/version.h"
#include "calculator/ftarvi.h"
#include "calculator/newtonstrip.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStringList>

namespace tarvi {

namespace {

// In the user's settings file of the program, named as the desktop knows it.
constexpr char kExactKey[] = "enterosExactos";

bool savedChoice()
{
    return QSettings(QString::fromLatin1(version::kAppId)).value(QLatin1String(kExactKey)).toBool();
}

void saveChoice(bool on)
{
    QSettings(QString::fromLatin1(version::kAppId)).setValue(QLatin1String(kExactKey), on);
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

// The case-file commands of the main window: "caso: guardar/añadir a..."
// appends the exercises on screen to a file chosen in the file dialog and
// opens it in the editor; "Abrir..." opens any chosen file in the editor. The
// practice window saves its sessions the same way.

#include "calculator/casefile.h"
#include "calculator/ftarvi.h"
#include "calculator/newtonstrip.h"
#include "filedialog/triaftx.h"
#include "platform/qttext.h"

#include <QLineEdit>

namespace tarvi {

namespace {

const QString kCasePatterns = QStringLiteral("*.txt|*.*");

// Both commands start in the case folder of the working folder.
QString caseFolder(const platform::Services& services)
{
    return services.folder.file(QString::fromLatin1(platform::kCaseFolder));
}

void tell(const platform::Services& services, const QString& text)
{
    services.messages.show(QString::fromUtf16(CaseFileTitle), text, platform::MessageIcon::Exclamation,
                           platform::MessageButtons::Ok);
}

void startEditor(const platform::Services& services, const QString& commandWord, const QString& path)
{
    if (!services.starter.start(commandWord + path, platform::WindowStyle::NormalFocus))
        tell(services, editorFailureText(path));
}

} // namespace

bool appendToChosenCaseFile(const platform::Services& services, const QString& block)
{
    QString folder = caseFolder(services);
    const QString path = TriaFtx(services, platform::FileMode::Save, folder, kCasePatterns);
    if (path.isEmpty())
        return false;
    const platform::FsResult appended = appendCaseBlock(path, block);
    if (!appended.ok()) {
        tell(services, appendFailureText(path, appended));
        return false;
    }
    startEditor(services, QStringLiteral("NotePad.exe "), path);
    return true;
}

std::array<PanelTexts, kKinds> FTarvi::shownPanels() const
{
    std::array<PanelTexts, kKinds> panels;
    for (int k = 0; k < kKinds; ++k) {
        PanelTexts& panel = panels[std::size_t(k)];
        panel.m = IdM[k]->text();
        if (IdN[k] != nullptr)
            panel.n = IdN[k]->text();
        panel.result = IdRes[k]->text();
    }
    for (const std::string& entry : nprList_.entries())
        panels[index(FormulaKind::PR)].multiplicities << platform::toQt(entry);
    return panels;
}

void FTarvi::OpGuard_Click()
{
    // The window cannot change while the modal dialog is open, so the block
    // is the state the user saw when choosing the command. An expansion cut
    // off by an overflow is no answer: the block then has no Newton line.
    appendToChosenCaseFile(services_, caseBlock(shownPanels(), newton_->caseFormula()));
}

void FTarvi::OpObr_Click()
{
    QString folder = caseFolder(services_);
    const QString path = TriaFtx(services_, platform::FileMode::Open, folder, kCasePatterns);
    if (!path.isEmpty())
        startEditor(services_, QStringLiteral("Notepad "), path);
}

} // namespace tarvi

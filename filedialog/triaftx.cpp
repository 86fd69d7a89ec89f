#include "filedialog/triaftx.h"

#include "filedialog/dftxs.h"
#include "filedialog/filelist.h"
#include "filedialog/folderlist.h"
#include "filedialog/paths.h"
#include "filedialog/state.h"
#include "filedialog/texts.h"
#include "platform/language.h"
#include "platform/qttext.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tarvi {

QString TriaFtx(const platform::Services& services, platform::FileMode mode, QString& folder,
                const QString& patterns)
{
    ModeDlg = static_cast<std::int16_t>(mode);
    // One window for the whole run. It belongs to no other window, so that
    // closing the window that asked does not take it away; it goes when the
    // program quits, while the application still stands.
    static QPointer<DFtxs> window;
    if (window.isNull()) {
        window = new DFtxs();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    PreparaDFtxs(*window, services, folder, patterns);
    return FtxTriat;
}

void PreparaDFtxs(DFtxs& window, const platform::Services& services, QString& folder, const QString& patterns)
{
    if (!QFileInfo::exists(folder))
        folder = services.folder.path();

    window.load(services);
    const DialogTexts& texts = dialogTexts(platform::currentLanguage());
    window.setWindowTitle(
        platform::toQt(dialogMode() == platform::FileMode::Save ? texts.titleSave : texts.titleOpen));
    window.EtNom->setText(platform::toQt(texts.name));
    window.EtTp->setText(platform::toQt(texts.type));
    window.BtFuig->setText(platform::toQt(texts.cancel));
    window.BtRere->setToolTip(platform::toQt(texts.backTip));
    window.BtAm->setToolTip(platform::toQt(texts.upTip));
    window.BtObr->setToolTip(platform::toQt(texts.openFolderTip));
    window.BtNova->setToolTip(platform::toQt(texts.newFolderTip));

    // A starting "folder" that names a file leaves the list on the working folder.
    window.LDirs->setPath(folder);

    window.LTps->clear();
    window.LTps->addItems(splitPatterns(patterns));
    window.LTps->setCurrentIndex(0);
    window.LFtxs->setPattern(window.LTps->currentText());

    // Over the window that asked, as a dialog of its own would stand.
    if (const QWidget* caller = QApplication::activeWindow())
        window.move(caller->geometry().center() - window.rect().center());
    window.exec();
}

} // namespace tarvi

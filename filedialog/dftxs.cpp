#include "filedialog/dftxs.h"

#include "filedialog/filelist.h"
#include "filedialog/folderlist.h"
#include "filedialog/paths.h"
#include "filedialog/state.h"
#include "filedialog/texts.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/qttext.h"
#include "platform/widgets/look.h"
#include "platform/widgets/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace tarvi {

namespace {

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// The lines of a message, with the program's CR LF line breaks.
QString lines(std::initializer_list<QString> parts) { return QStringList(parts).join(QLatin1String("\r\n")); }

QPushButton* pictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap picture, QRect where)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    const QSize size(16, 16);
    button->setIcon(
        look::buttonIcon(parent->style()->standardIcon(picture), size, parent->devicePixelRatioF()));
    button->setIconSize(size);
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
}

} // namespace

DFtxs::DFtxs()
{
    setObjectName(QStringLiteral("DFtxs"));
    setFixedSize(platform::px(6420), platform::px(4755));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // A small dialog font, so that the captions fit the narrow labels of the
    // layout in every language.
    setFont(QFont(QStringLiteral("Arial"), 8));
    look::keepColours(this);

    LDirs = new FolderList(this);
    LDirs->setObjectName(QStringLiteral("LDirs"));
    LDirs->setGeometry(platform::twipRect(195, 675, 2760, 3015));
    LFtxs = new FileList(this);
    LFtxs->setObjectName(QStringLiteral("LFtxs"));
    LFtxs->setGeometry(platform::twipRect(3225, 675, 2760, 3015));
    BtOk = new QPushButton(QString::fromUtf16(dialogtext::Ok), this);
    BtOk->setObjectName(QStringLiteral("BtOk"));
    BtOk->setGeometry(platform::twipRect(5280, 3855, 990, 340));
    BtOk->setAutoDefault(false);
    LDsks = new QComboBox(this);
    LDsks->setObjectName(QStringLiteral("LDsks"));
    LDsks->setGeometry(platform::twipRect(300, 150, 1515, 315));
    // The two captions reach up to their boxes (645 twips rather than 555),
    // so that "Nombre" is not clipped with the free fonts.
    EtNom = new QLabel(this);
    EtNom->setObjectName(QStringLiteral("EtNom"));
    EtNom->setGeometry(platform::twipRect(195, 3990, 645, 285));
    IdNom = new QLineEdit(this);
    IdNom->setObjectName(QStringLiteral("IdNom"));
    IdNom->setGeometry(platform::twipRect(840, 3930, 4230, 285));
    EtTp = new QLabel(this);
    EtTp->setObjectName(QStringLiteral("EtTp"));
    EtTp->setGeometry(platform::twipRect(195, 4380, 645, 285));
    LTps = new QComboBox(this);
    LTps->setObjectName(QStringLiteral("LTps"));
    LTps->setGeometry(platform::twipRect(840, 4320, 4290, 315));
    LTps->setEditable(true);
    LTps->setInsertPolicy(QComboBox::NoInsert);
    BtFuig = new QPushButton(this);
    BtFuig->setObjectName(QStringLiteral("BtFuig"));
    BtFuig->setGeometry(platform::twipRect(5295, 4290, 990, 340));
    BtFuig->setAutoDefault(false);
    BtRere = pictureButton(this, "BtRere", QStyle::SP_ArrowBack, platform::twipRect(2760, 135, 375, 360));
    BtAm =
        pictureButton(this, "BtAm", QStyle::SP_FileDialogToParent, platform::twipRect(3165, 135, 375, 360));
    BtNova = pictureButton(this, "BtNova", QStyle::SP_FileDialogNewFolder,
                           platform::twipRect(3570, 135, 375, 360));
    IdNova = new QLineEdit(this);
    IdNova->setObjectName(QStringLiteral("IdNova"));
    IdNova->setGeometry(platform::twipRect(3960, 225, 1515, 285));
    BtObr = pictureButton(this, "BtObr", QStyle::SP_DirOpenIcon, platform::twipRect(2355, 135, 375, 360));

    setTabOrder(LDirs, LFtxs);
    setTabOrder(LFtxs, BtOk);
    setTabOrder(BtOk, LDsks);
    setTabOrder(LDsks, IdNom);
    setTabOrder(IdNom, LTps);
    setTabOrder(LTps, BtFuig);
    setTabOrder(BtFuig, BtRere);
    setTabOrder(BtRere, BtAm);
    setTabOrder(BtAm, BtNova);
    setTabOrder(BtNova, IdNova);
    setTabOrder(IdNova, BtObr);

    connect(LDirs, &FolderList::pathChanged, this, &DFtxs::LDirs_Change);
    connect(LDirs, &QListWidget::itemDoubleClicked, this, &DFtxs::LDirs_DblClick);
    connect(LDsks, &QComboBox::activated, this, &DFtxs::LDsks_Change);
    connect(BtRere, &QPushButton::clicked, this, &DFtxs::BtRere_Click);
    connect(BtAm, &QPushButton::clicked, this, &DFtxs::BtAm_Click);
    connect(BtObr, &QPushButton::clicked, this, &DFtxs::BtObr_Click);
    connect(BtNova, &QPushButton::clicked, this, &DFtxs::BtNova_Click);
    connect(LFtxs, &QListWidget::itemSelectionChanged, this, &DFtxs::LFtxs_Click);
    connect(LFtxs, &QListWidget::itemDoubleClicked, this, &DFtxs::BtOk_Click);
    connect(LTps, &QComboBox::activated, this, &DFtxs::LTps_Click);
    connect(LTps->lineEdit(), &QLineEdit::returnPressed, this, &DFtxs::LTps_Click);
    connect(BtOk, &QPushButton::clicked, this, &DFtxs::BtOk_Click);
    connect(BtFuig, &QPushButton::clicked, this, &DFtxs::reject);
    IdNom->installEventFilter(this);
    IdNova->installEventFilter(this);
    LFtxs->installEventFilter(this);
}

void DFtxs::load(const platform::Services& services)
{
    services_ = &services;
    workingFolder_ = services.folder.path();
    const QString& working = workingFolder_;

    LDirs->reset(working);
    LFtxs->setPattern(QStringLiteral("*.*"));
    LFtxs->setFolder(working);
    IdNom->clear();
    LTps->clear();
    IdNova->clear();
    IdNova->hide();
    BtRere->setEnabled(false);

    drives_ = platform::drives();
    LDsks->clear();
    for (const platform::Drive& drive : drives_)
        LDsks->addItem(drive.text);
    const QString current = platform::driveOf(working);
    for (qsizetype i = 0; i < drives_.size(); ++i) {
        if (drives_[i].root == current)
            LDsks->setCurrentIndex(int(i));
    }

    CarpActual = LDirs->path();
    BtObr->setVisible(QFileInfo(QDir(working).filePath(QStringLiteral("ObrCarp.exe"))).isFile());
}

void DFtxs::reject()
{
    FtxTriat.clear();
    QDialog::reject();
}

void DFtxs::done(int result)
{
    services_ = nullptr;
    QDialog::done(result);
}

bool DFtxs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == IdNom && isEnter(key)) {
        BtOk_Click();
        return true;
    }
    if (watched == IdNova && isEnter(key)) {
        IdNova_Enter();
        return true;
    }
    if (watched == IdNova && key->key() == Qt::Key_Escape) {
        IdNova->hide();
        return true;
    }
    if (watched == LFtxs && key->key() == Qt::Key_Delete) {
        LFtxs_Delete();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DFtxs::keyPressEvent(QKeyEvent* event)
{
    // Neither OK nor Cancel is the default or the cancel button: Enter and
    // Esc act only in the boxes that handle them.
    if (isEnter(event) || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DFtxs::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    look::paintGradient(painter, rect(), look::kDialogGradient);
}

void DFtxs::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    IdNom->setFocus();
}

void DFtxs::tell(const QString& title, const QString& prompt)
{
    if (services_ == nullptr)
        return;
    services_->messages.show(title, prompt, platform::MessageIcon::None, platform::MessageButtons::Ok);
}

void DFtxs::showFolder(const QString& path)
{
    if (!LDirs->setPath(path))
        tell(QString::fromUtf16(dialogtext::PathNotFound),
             lines({platform::toQt(dialogTexts(platform::currentLanguage()).folderGone), path}));
}

void DFtxs::LDirs_Change(const QString& path)
{
    CarpAnterior = CarpActual;
    CarpActual = path;
    LFtxs->setFolder(CarpActual);
    BtRere->setEnabled(true);
}

void DFtxs::LDirs_DblClick()
{
    if (const QListWidgetItem* item = LDirs->currentItem())
        showFolder(FolderList::entryPath(item));
}

void DFtxs::LDsks_Change(int index)
{
    const platform::Drive& drive = drives_.at(index);
    if (!LDirs->setPath(drive.root))
        tell(QString::fromUtf16(dialogtext::NotAccessible),
             QString::fromUtf16(dialogtext::NoDisc) + drive.text);
}

void DFtxs::BtRere_Click() { showFolder(CarpAnterior); }

void DFtxs::BtAm_Click() { showFolder(CarpPare(LDirs->path())); }

void DFtxs::BtObr_Click()
{
    if (services_ == nullptr)
        return;
    const QString commandLine = QStringLiteral("ObrCarp.exe ") + LDirs->highlightedPath();
    if (!services_->starter.start(commandLine, platform::WindowStyle::Hidden)) {
        const DialogTexts& texts = dialogTexts(platform::currentLanguage());
        tell(platform::toQt(texts.openFolderTip), lines({platform::toQt(texts.cannotStart), commandLine}));
    }
}

void DFtxs::BtNova_Click()
{
    IdNova->setText(platform::toQt(dialogTexts(platform::currentLanguage()).newFolderName));
    IdNova->show();
    IdNova->selectAll();
    IdNova->setFocus();
}

void DFtxs::IdNova_Enter()
{
    const QString name = IdNova->text().trimmed();
    if (name.isEmpty())
        return;
    const QString path = joinPath(LDirs->path(), name);
    // One folder, in the folder shown: no separators, no "." or "..".
    const bool oneName = !name.contains(u'/') && name != u"." && name != u"..";
    const platform::FsResult made =
        oneName ? platform::makeFolder(path) : platform::FsResult{platform::FsError::InvalidName, {}};
    if (!made.ok()) {
        const DialogTexts& texts = dialogTexts(platform::currentLanguage());
        tell(platform::toQt(texts.newFolderTip),
             lines({platform::toQt(texts.cannotMakeFolder), path,
                    platform::reasonText(made, platform::currentLanguage())}));
        return;
    }
    LDirs->reread();
    IdNova->hide();
}

void DFtxs::LFtxs_Click()
{
    const QString name = LFtxs->selectedName();
    if (!name.isEmpty())
        IdNom->setText(name);
}

void DFtxs::LFtxs_Delete()
{
    const QString name = LFtxs->selectedName();
    if (name.isEmpty() || services_ == nullptr)
        return;
    const QString path = joinPath(LDirs->path(), name);
    const platform::MessageAnswer answer =
        services_->messages.show(QString::fromUtf16(dialogtext::EraseFile), path, platform::MessageIcon::None,
                                 platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes)
        return;
    const platform::FsResult erased = platform::deleteFile(path);
    LFtxs->reread();
    if (!erased.ok()) {
        const DialogTexts& texts = dialogTexts(platform::currentLanguage());
        tell(platform::toQt(texts.eraseTitle),
             lines({platform::toQt(texts.cannotErase), path,
                    platform::reasonText(erased, platform::currentLanguage())}));
    }
}

void DFtxs::LTps_Click() { LFtxs->setPattern(LTps->currentText()); }

void DFtxs::BtOk_Click()
{
    const QString name = IdNom->text();
    FtxTriat = name;
    OkStep step = okRule(dialogMode(), workingFolder_, LDirs->path(), name, LTps->currentText());
    if (step.kind == OkStep::Kind::MoveTo) {
        if (LDirs->setPath(step.path))
            return;
        step = recovery(dialogMode(), LDirs->path(), name, LTps->currentText());
    }
    switch (step.kind) {
    case OkStep::Kind::Stay:
    case OkStep::Kind::MoveTo:
        return;
    case OkStep::Kind::Message:
        tell(step.title, step.prompt);
        return;
    case OkStep::Kind::Accept:
        FtxTriat = step.path;
        accept();
        return;
    }
}

} // namespace tarvi

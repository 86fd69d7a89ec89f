#include "tools/ftools.h"

#include "platform/files.h"
#include "platform/language.h"
#include "platform/widgets/look.h"
#include "tools/editorcore.h"
#include "tools/menuentries.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvi {

namespace {

// The tool entries of the window whose menu "Ok" refreshes, and the one open
// editor.
MenuEntries FormMenu;
QPointer<FTools> openEditor;

QPushButton* button(QWidget* parent, const QString& caption, const QString& name)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(name);
    // Enter on a focused button presses it, as it does in a dialog.
    made->setAutoDefault(true);
    return made;
}

} // namespace

QString ProgramArguments() { return QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')); }

FTools::FTools(EditorSetup setup, QWidget* parent) : QWidget(parent, Qt::Window), setup_(std::move(setup))
{
    setObjectName(QStringLiteral("FTools"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::keepColours(this);

    EtTools = new QLabel(this);
    EtTools->setObjectName(QStringLiteral("EtTools"));
    Lst = new QListWidget(this);
    Lst->setObjectName(QStringLiteral("Lst"));
    EtTools->setBuddy(Lst);

    Ped = new QGroupBox(this);
    Ped->setObjectName(QStringLiteral("Ped"));
    auto* fields = new QGridLayout(Ped);
    for (int i = 0; i < 4; ++i) {
        Et[i] = new QLabel(Ped);
        Et[i]->setObjectName(QStringLiteral("Et(%1)").arg(i));
        Ed[i] = new QLineEdit(Ped);
        Ed[i]->setObjectName(QStringLiteral("Ed(%1)").arg(i));
        Et[i]->setBuddy(Ed[i]);
        fields->addWidget(Et[i], i, 0);
        fields->addWidget(Ed[i], i, 1);
        connect(Ed[i], &QLineEdit::returnPressed, this, [this, i] { Ed_Enter(i); });
    }
    BtCerc = button(Ped, QStringLiteral("···"), QStringLiteral("BtCerc"));
    BtCerc->setFixedWidth(BtCerc->fontMetrics().horizontalAdvance(QStringLiteral("····")) + 16);
    fields->addWidget(BtCerc, 1, 2);
    OkEd = button(Ped, QString(), QStringLiteral("OkEd"));
    OkEd->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    OkEd->setFixedWidth(BtCerc->width());
    fields->addWidget(OkEd, 3, 2);
    fields->setColumnStretch(1, 1);
    fields->setRowStretch(4, 1);

    BtNou = button(this, QStringLiteral("+"), QStringLiteral("BtNou"));
    BtBrr = button(this, QStringLiteral("-"), QStringLiteral("BtBrr"));
    BtOk = button(this, QStringLiteral("Ok"), QStringLiteral("BtOk"));
    BtEsc = button(this, QStringLiteral("Esc"), QStringLiteral("BtEsc"));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(EtTools);
    listColumn->addWidget(Lst, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(BtNou);
    listButtons->addWidget(BtBrr);
    listButtons->addStretch(1);
    listColumn->addLayout(listButtons);

    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch(1);
    closeButtons->addWidget(BtOk);
    closeButtons->addWidget(BtEsc);
    auto* editColumn = new QVBoxLayout;
    editColumn->addWidget(Ped, 1);
    editColumn->addLayout(closeButtons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(listColumn, 2);
    columns->addLayout(editColumn, 3);
    resize(620, 300);

    connect(Lst, &QListWidget::currentRowChanged, this, &FTools::Lst_Click);
    connect(OkEd, &QPushButton::clicked, this, &FTools::OkEd_Click);
    connect(BtNou, &QPushButton::clicked, this, &FTools::NetejaTool);
    connect(BtBrr, &QPushButton::clicked, this, &FTools::BtBrr_Click);
    connect(BtCerc, &QPushButton::clicked, this, &FTools::BtCerc_Click);
    connect(BtOk, &QPushButton::clicked, this, &FTools::BtOk_Click);
    connect(BtEsc, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
    Ed[0]->setFocus();
}

void FTools::Form_Load()
{
    Carregat = false;

    const LanguageChoice choice = chooseLanguage(setup_.commandLine, setup_.services.folder);
    RefrescaMenu = choice.refrescaMenu;
    if (choice.idioma)
        platform::setCurrentLanguage(*choice.idioma);

    const EditorTexts& texts = textsFor(platform::currentLanguage());
    setWindowTitle(texts.window);
    EtTools->setText(texts.tools);
    Ped->setTitle(texts.tool);
    for (int i = 0; i < 4; ++i)
        Et[i]->setText(texts.labels[i]);

    ToolActual = 0;
    if (LlegeixTools(setup_.services.folder))
        LlistaTools();
    Carregat = true;
}

void FTools::LlistaTools()
{
    {
        const QSignalBlocker quiet(Lst);
        Lst->clear();
        for (int i = 1; i <= NumTools; ++i)
            Lst->addItem(Tools[i].Title);
    }
    NetejaTool();
}

void FTools::MostraTool(int i)
{
    const ToolEntry& tool = Tools[i];
    Ed[0]->setText(tool.Title);
    Ed[1]->setText(tool.File);
    Ed[2]->setText(tool.WorkDir);
    Ed[3]->setText(tool.Params);
}

void FTools::NetejaTool()
{
    for (QLineEdit* box : Ed)
        box->clear();
    ToolActual = 0;
    {
        const QSignalBlocker quiet(Lst);
        Lst->setCurrentRow(-1);
        Lst->clearSelection();
    }
    if (Carregat)
        Ed[0]->setFocus();
}

void FTools::Lst_Click(int row)
{
    if (row < 0)
        return;
    ToolActual = static_cast<std::int16_t>(row + 1);
    MostraTool(ToolActual);
}

void FTools::showRefusal(const QString& text)
{
    setup_.services.messages.show(windowTitle(), text, platform::MessageIcon::Exclamation,
                                  platform::MessageButtons::Ok);
}

void FTools::OkEd_Click()
{
    const ToolEntry entry{Ed[0]->text(), Ed[1]->text(), Ed[2]->text(), Ed[3]->text()};
    switch (acceptTool(entry)) {
    case AcceptOutcome::Added:
    case AcceptOutcome::Replaced:
        LlistaTools();
        break;
    case AcceptOutcome::ListFull:
        showRefusal(textsFor(platform::currentLanguage()).listFull);
        break;
    case AcceptOutcome::EmptyTitle:
        showRefusal(textsFor(platform::currentLanguage()).emptyTitle);
        Ed[0]->setFocus();
        break;
    }
}

void FTools::BtBrr_Click()
{
    if (ToolActual == 0)
        return;
    const EditorTexts& texts = textsFor(platform::currentLanguage());
    const platform::MessageAnswer answer =
        setup_.services.messages.show(texts.confirmTitle, eraseQuestion(texts, Tools[ToolActual].Title),
                                      platform::MessageIcon::None, platform::MessageButtons::YesNo);
    if (answer != platform::MessageAnswer::Yes)
        return;
    eraseTool();
    LlistaTools();
}

void FTools::BtCerc_Click()
{
    QString folder = QDir::toNativeSeparators(QDir::rootPath());
    const QString path =
        setup_.chooser(setup_.services, platform::FileMode::Open, folder, QStringLiteral("*.exe|*.*"));
    if (!path.isEmpty()) {
        const PathParts parts = splitPath(QDir::toNativeSeparators(path));
        Ed[1]->setText(parts.file);
        Ed[2]->setText(parts.workDir);
    }
}

void FTools::Ed_Enter(int index)
{
    if (index < 3)
        Ed[index + 1]->setFocus();
    else
        OkEd->setFocus();
}

void FTools::BtOk_Click()
{
    const platform::FsResult saved = DesaTools(setup_.services.folder);
    if (!saved.ok()) {
        showRefusal(textsFor(platform::currentLanguage()).saveFailed + QStringLiteral("\r\n") +
                    platform::reasonText(saved, platform::currentLanguage()));
        return;
    }
    if (RefrescaMenu)
        OmpleMenuTools(FormMenu, setup_.services);
    close();
}

FTools* EditaTools(QWidget* owner, const MenuEntries& formMenu, const EditorSetup& setup)
{
    FormMenu = formMenu;
    // An editor that was just closed is on its way out: open a fresh one.
    if (openEditor.isNull() || !openEditor->isVisible())
        openEditor = new FTools(setup, owner);
    openEditor->show();
    openEditor->raise();
    openEditor->activateWindow();
    return openEditor.data();
}

} // namespace tarvi

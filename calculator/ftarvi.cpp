#include "calculator/ftarvi.h"

#include "calculator/formulacolumn.h"
#include "calculator/formulapanel.h"
#include "calculator/newtonstrip.h"
#include "engine/random.h"
#include "filedialog/triaftx.h"
#include "platform/language.h"
#include "platform/qttext.h"
#include "platform/widgets/look.h"
#include "platform/widgets/twips.h"
#include "tools/ftools.h"
#include "tools/menuentries.h"
#include "tools/utools.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvi {

namespace {

// The client area: a vertical gradient from pale yellow to pale green.
class GradientArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        look::paintGradient(painter, rect(), look::kCalculatorGradient);
    }
};

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

FTarvi::FTarvi(const platform::Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setWindowTitle(QStringLiteral("Combinatoria"));
    buildClientArea();
    buildMenus();
    look::keepColours(this);
    connectPanels();
    connectInfo();
    connectSetList();
    connect(newton_, &NewtonStrip::windowHeightChanged, this, &FTarvi::setWindowHeight);
    // The window follows the client area's size and cannot be resized by hand.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

void FTarvi::buildClientArea()
{
    client_ = new GradientArea(this);
    client_->setFont(QFont(QStringLiteral("Arial"), 8));
    client_->setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    setCentralWidget(client_);

    for (int kind = 0; kind < kKinds; ++kind) {
        auto* panel = new FormulaPanel(static_cast<FormulaKind>(kind), client_);
        panels_[kind] = panel;
        IdM[kind] = panel->m;
        IdN[kind] = panel->n;
        okD[kind] = panel->evaluate;
        IdRes[kind] = panel->result;
        BtGen[kind] = panel->generate;
        BtRst[kind] = panel->reset;
        IdM[kind]->setObjectName(indexed("IdM", kind));
        if (IdN[kind])
            IdN[kind]->setObjectName(indexed("IdN", kind));
        okD[kind]->setObjectName(indexed("okD", kind));
        IdRes[kind]->setObjectName(indexed("IdRes", kind));
        BtGen[kind]->setObjectName(indexed("BtGen", kind));
        BtRst[kind]->setObjectName(indexed("BtRst", kind));
    }
    npr = panels_[index(FormulaKind::PR)]->multiplicities;
    npr->setObjectName(QStringLiteral("npr"));
    EtNi = panels_[index(FormulaKind::PR)]->summary;
    EtNi->setObjectName(QStringLiteral("EtNi"));

    newton_ = new NewtonStrip(client_, services_.messages);

    new FormulaColumn(client_);

    IdConjs = new QPlainTextEdit(client_);
    IdConjs->setObjectName(QStringLiteral("IdConjs"));
    IdConjs->setAccessibleName(QStringLiteral("Conjuntos"));
    IdConjs->setReadOnly(true);
    IdConjs->setGeometry(platform::twipRect(8445, 375, 1485, 6180));
}

void FTarvi::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto entry = [](QMenu* menu, const QString& caption, const QString& name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    const auto separator = [](QMenu* menu, const QString& name) {
        menu->addSeparator()->setObjectName(name);
    };

    Arxiu = bar->addMenu(QStringLiteral("&Archivo"));
    Arxiu->setObjectName(QStringLiteral("Arxiu"));
    OpGuard = entry(Arxiu, QStringLiteral("caso: guardar/añadir a..."), QStringLiteral("OpGuard"));
    OpObr = entry(Arxiu, QStringLiteral("Abrir..."), QStringLiteral("OpObr"));
    separator(Arxiu, QStringLiteral("sp"));
    OpsG = Arxiu->addMenu(QStringLiteral("Generar caso..."));
    OpsG->setObjectName(QStringLiteral("OpsG"));
    for (int i = 0; i <= kAllKinds; ++i)
        OpG[i] = entry(OpsG,
                       i < kKinds ? platform::toQt(NomsFormula[static_cast<std::size_t>(i)])
                                  : QStringLiteral("Todos"),
                       indexed("OpG", i));
    OpFulls = entry(Arxiu, QStringLiteral("Hoja de ejercicios..."), QStringLiteral("OpFulls"));
    OpPractica = entry(Arxiu, QStringLiteral("Práctica..."), QStringLiteral("OpPractica"));
    buildExactEntry();
    separator(Arxiu, QStringLiteral("sep"));
    OpSurt = entry(Arxiu, QStringLiteral("Salir"), QStringLiteral("OpSurt"));

    Tools = bar->addMenu(QStringLiteral("&Utilidades"));
    Tools->setObjectName(QStringLiteral("Tools"));
    OpEdTools = entry(Tools, QStringLiteral("Edición utilidades"), QStringLiteral("OpEdTools"));
    separator(Tools, QStringLiteral("sept"));
    for (int i = 1; i <= static_cast<int>(ITool.size()); ++i) {
        QAction* tool = entry(Tools, QString(), indexed("ITool", i));
        tool->setVisible(false);
        ITool[i - 1] = tool;
    }

    info = bar->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("info"));
    OpInfo = entry(info, QStringLiteral("Info"), QStringLiteral("OpInfo"));
    OpWeb = entry(info, QStringLiteral("Contacto..."), QStringLiteral("OpWeb"));
    OpGuia = entry(info, QStringLiteral("¿Qué fórmula?"), QStringLiteral("OpGuia"));
    quant = entry(info, QStringLiteral("Sobre..."), QStringLiteral("quant"));

    connect(OpGuard, &QAction::triggered, this, &FTarvi::OpGuard_Click);
    connect(OpObr, &QAction::triggered, this, &FTarvi::OpObr_Click);
    connect(OpFulls, &QAction::triggered, this, &FTarvi::OpFulls_Click);
    connect(OpPractica, &QAction::triggered, this, &FTarvi::OpPractica_Click);
    for (int i = 0; i <= kAllKinds; ++i)
        connect(OpG[i], &QAction::triggered, this, [this, i] { GeneraCas(i); });
    // Ends the program at once, without asking any window first.
    connect(OpSurt, &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    // The tools editor refreshes this window's tool entries when it saves.
    connect(OpEdTools, &QAction::triggered, this, [this] {
        EditaTools(this, MenuEntries(ITool), {services_, TriaFtx, ProgramArguments()});
    });
    for (int i = 1; i <= static_cast<int>(ITool.size()); ++i)
        connect(ITool[i - 1], &QAction::triggered, this,
                [this, i] { ExecutaTool(MenuTool(ITool[i - 1]), services_); });
}

void FTarvi::Form_Load()
{
    // Line breaks and kind names are constants of the core.
    nprList_.pick(-1);
    MenuEntries tools(ITool);
    OmpleMenuTools(tools, services_);
    platform::setCurrentLanguage(platform::Language::Spanish);
    programGenerator().seedFromClock();
    AmpladaInicial = windowWidth();
    newton_->load(windowHeight());
}

float FTarvi::windowWidth() const { return static_cast<float>(platform::twipsOf(client_->width())); }

float FTarvi::windowHeight() const { return static_cast<float>(platform::twipsOf(client_->height())); }

void FTarvi::setWindowWidth(float twips) { client_->setFixedWidth(platform::px(static_cast<int>(twips))); }

void FTarvi::setWindowHeight(float twips) { client_->setFixedHeight(platform::px(static_cast<int>(twips))); }

} // namespace tarvi

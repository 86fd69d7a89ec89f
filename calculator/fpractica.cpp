#include "calculator/fpractica.h"

#include "calculator/casefile.h"
#include "calculator/dguia.h"
#include "calculator/spoken.h"
#include "exercises/guide.h"
#include "exercises/practice.h"
#include "platform/language.h"
#include "platform/qttext.h"
#include "platform/textnumber.h"
#include "platform/widgets/look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tarvi {

namespace {

using platform::toQt;

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QString plain(const QString& caption) { return QString(caption).remove(QLatin1Char('&')); }

template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// A random seed short enough to be read out in class.
QString newSeed() { return QString::number(QRandomGenerator::global()->bounded(1, 1000000)); }

constexpr std::array<platform::Language, 3> kLanguages = {
    platform::Language::Spanish, platform::Language::Catalan, platform::Language::English};

} // namespace

FPractica::~FPractica() = default;

FPractica::FPractica(const platform::Services& services, QWidget* parent)
    : GradientDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("FPractica"));
    setModal(false);
    // The keyboard goes through the controls in the order they are made: the
    // problem as it is worked, then the options.
    buildProblem();
    buildOptions();
    for (QPushButton* button :
         {BtLlavor, BtComenca, BtComprova, BtSolucio, BtSeguent, BtGuia, BtDesa, BtTanca})
        button->setAutoDefault(false);
    layOut();
    start();
}

void FPractica::buildOptions()
{
    kindsLabel_ = new QLabel(this);
    for (int k = 0; k < kKinds; ++k) {
        ChkTipus[k] = named(new QCheckBox(toQt(NomsFormula[std::size_t(k)]), this), indexed("ChkTipus", k));
        ChkTipus[k]->setChecked(true);
        connect(ChkTipus[k], &QCheckBox::toggled, this,
                [this] { BtComenca->setEnabled(!chosenOptions().kinds.empty()); });
    }
    levelLabel_ = new QLabel(this);
    LstNivell = named(new QComboBox(this), QStringLiteral("LstNivell"));
    LstNivell->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    languageLabel_ = new QLabel(this);
    LstIdioma = named(new QComboBox(this), QStringLiteral("LstIdioma"));
    for (platform::Language language : kLanguages)
        LstIdioma->addItem(toQt(exercises::sheetWords(language).name), int(language));
    LstIdioma->setCurrentIndex(LstIdioma->findData(int(platform::currentLanguage())));
    seedLabel_ = new QLabel(this);
    IdLlavor = named(new QLineEdit(newSeed(), this), QStringLiteral("IdLlavor"));
    IdLlavor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), IdLlavor));
    look::inputBox(IdLlavor);
    BtLlavor = named(new QPushButton(this), QStringLiteral("BtLlavor"));
    BtComenca = named(new QPushButton(this), QStringLiteral("BtComenca"));
    levelLabel_->setBuddy(LstNivell);
    languageLabel_->setBuddy(LstIdioma);
    seedLabel_->setBuddy(IdLlavor);
    connect(BtLlavor, &QPushButton::clicked, this, [this] { IdLlavor->setText(newSeed()); });
    connect(BtComenca, &QPushButton::clicked, this, &FPractica::startAsked);
}

void FPractica::buildProblem()
{
    EtNumero = named(new QLabel(this), QStringLiteral("EtNumero"));
    look::title(EtNumero);
    EtEnunciat = named(new QLabel(this), QStringLiteral("EtEnunciat"));
    EtEnunciat->setWordWrap(true);
    EtEnunciat->setMinimumHeight(60);
    EtEnunciat->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // In the keyboard's round, so that moving on reads the problem out.
    EtEnunciat->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    EtEnunciat->setFocusPolicy(Qt::StrongFocus);
    QFont large = EtEnunciat->font();
    large.setPointSizeF(large.pointSizeF() * 1.15);
    EtEnunciat->setFont(large);

    kinds_ = new QButtonGroup(this);
    for (int k = 0; k < kKinds; ++k) {
        BtTipus[k] = named(new QPushButton(toQt(NomsFormula[std::size_t(k)]), this), indexed("BtTipus", k));
        BtTipus[k]->setCheckable(true);
        BtTipus[k]->setAutoDefault(false);
        kinds_->addButton(BtTipus[k], k);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, &FPractica::showKind);
    BtGuia = named(new QPushButton(this), QStringLiteral("BtGuia"));

    IdM = named(new QLineEdit(this), QStringLiteral("IdM"));
    IdN = named(new QLineEdit(this), QStringLiteral("IdN"));
    IdNi = named(new QLineEdit(this), QStringLiteral("IdNi"));
    IdM->setAccessibleName(QStringLiteral("m"));
    IdN->setAccessibleName(QStringLiteral("n"));
    for (QLineEdit* box : {IdM, IdN, IdNi}) {
        look::inputBox(box);
        connect(box, &QLineEdit::returnPressed, this, &FPractica::check);
    }
    multiplicitiesLabel_ = new QLabel(this);
    multiplicitiesLabel_->setBuddy(IdNi);

    BtComprova = named(new QPushButton(this), QStringLiteral("BtComprova"));
    BtSolucio = named(new QPushButton(this), QStringLiteral("BtSolucio"));
    BtSeguent = named(new QPushButton(this), QStringLiteral("BtSeguent"));
    BtDesa = named(new QPushButton(this), QStringLiteral("BtDesa"));
    BtTanca = named(new QPushButton(this), QStringLiteral("BtTanca"));
    connect(BtComprova, &QPushButton::clicked, this, &FPractica::check);
    connect(BtSolucio, &QPushButton::clicked, this, &FPractica::showSolution);
    connect(BtSeguent, &QPushButton::clicked, this, &FPractica::next);
    connect(BtGuia, &QPushButton::clicked, this, &FPractica::guide);
    connect(BtDesa, &QPushButton::clicked, this, &FPractica::save);
    connect(BtTanca, &QPushButton::clicked, this, &QDialog::close);

    EtVeredicte = named(new QLabel(this), QStringLiteral("EtVeredicte"));
    EtVeredicte->setWordWrap(true);
    EtVeredicte->setMinimumHeight(70);
    EtVeredicte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    EtVeredicte->setTextInteractionFlags(Qt::TextSelectableByMouse);
    EtPuntuacio = named(new QLabel(this), QStringLiteral("EtPuntuacio"));
    look::title(EtPuntuacio);
}

void FPractica::layOut()
{
    auto* options = new QGridLayout;
    options->addWidget(kindsLabel_, 0, 0);
    auto* kindBoxes = new QHBoxLayout;
    for (QCheckBox* box : ChkTipus)
        kindBoxes->addWidget(box);
    kindBoxes->addStretch();
    options->addLayout(kindBoxes, 0, 1, 1, 5);
    options->addWidget(levelLabel_, 1, 0);
    options->addWidget(LstNivell, 1, 1);
    options->addWidget(languageLabel_, 1, 2);
    options->addWidget(LstIdioma, 1, 3);
    options->addWidget(seedLabel_, 2, 0);
    options->addWidget(IdLlavor, 2, 1);
    options->addWidget(BtLlavor, 2, 2);
    options->addWidget(BtComenca, 2, 3);
    options->setColumnStretch(5, 1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(EtNumero);
    heading->addStretch();
    heading->addWidget(EtPuntuacio);

    auto* kindButtons = new QHBoxLayout;
    for (QPushButton* button : BtTipus)
        kindButtons->addWidget(button);
    kindButtons->addSpacing(12);
    kindButtons->addWidget(BtGuia);
    kindButtons->addStretch();

    auto* numbers = new QHBoxLayout;
    auto* mLabel = new QLabel(QStringLiteral("&m"), this);
    mLabel->setBuddy(IdM);
    auto* nLabel = new QLabel(QStringLiteral("&n"), this);
    nLabel->setBuddy(IdN);
    numbers->addWidget(mLabel);
    numbers->addWidget(IdM);
    numbers->addWidget(nLabel);
    numbers->addWidget(IdN);
    numbers->addWidget(multiplicitiesLabel_);
    numbers->addWidget(IdNi, 1);
    numbers->addWidget(BtComprova);

    auto* actions = new QHBoxLayout;
    actions->addWidget(BtSolucio);
    actions->addWidget(BtSeguent);
    actions->addStretch();
    actions->addWidget(BtDesa);
    actions->addWidget(BtTanca);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(options);
    layout->addSpacing(6);
    layout->addLayout(heading);
    layout->addWidget(EtEnunciat);
    layout->addLayout(kindButtons);
    layout->addLayout(numbers);
    layout->addWidget(EtVeredicte);
    layout->addLayout(actions);
    setMinimumWidth(640);
}

exercises::SheetOptions FPractica::chosenOptions() const
{
    exercises::SheetOptions options;
    for (int k = 0; k < kKinds; ++k)
        if (ChkTipus[k]->isChecked())
            options.kinds.push_back(FormulaKind(k));
    options.level = exercises::Level(LstNivell->currentIndex() + 1);
    options.language = platform::Language(LstIdioma->currentData().toInt());
    options.seed = IdLlavor->text().toULongLong();
    return options;
}

// A session that holds tries not yet saved is left only when the user agrees.
void FPractica::startAsked()
{
    const exercises::PracticeWords& words = exercises::practiceWords(session_->options().language);
    if (unsaved_ &&
        services_.messages.show(toQt(words.title), toQt(words.discard), platform::MessageIcon::None,
                                platform::MessageButtons::YesNo) != platform::MessageAnswer::Yes)
        return;
    start();
}

void FPractica::start()
{
    session_ = std::make_unique<exercises::PracticeSession>(chosenOptions());
    unsaved_ = false;
    // An empty seed box starts from 0; the box shows the seed in use.
    IdLlavor->setText(QString::number(session_->options().seed));
    retranslate();
    showProblem();
    showScore();
}

void FPractica::retranslate()
{
    const exercises::PracticeWords& words = exercises::practiceWords(session_->options().language);
    const exercises::GuideWords& guide = exercises::guideWords(session_->options().language);
    setWindowTitle(toQt(words.title));
    kindsLabel_->setText(toQt(words.kinds));
    levelLabel_->setText(toQt(words.level));
    languageLabel_->setText(toQt(words.language));
    seedLabel_->setText(toQt(words.seed));
    multiplicitiesLabel_->setText(toQt(words.multiplicities));
    IdNi->setAccessibleName(toQt(words.multiplicities));
    const std::array<std::pair<QPushButton*, std::string_view>, 8> captions = {{
        {BtLlavor, words.newSeed},
        {BtComenca, words.start},
        {BtComprova, words.check},
        {BtSolucio, words.solution},
        {BtSeguent, words.next},
        {BtGuia, guide.title},
        {BtDesa, words.save},
        {BtTanca, words.close},
    }};
    for (const auto& [button, caption] : captions) {
        button->setText(toQt(caption));
        button->setAccessibleName(plain(button->text()));
    }
    for (int k = 0; k < kKinds; ++k) {
        const QString name = toQt(NomsFormula[std::size_t(k)]) + QStringLiteral(": ") +
                             toQt(exercises::kindName(FormulaKind(k), session_->options().language));
        ChkTipus[k]->setAccessibleName(name);
        BtTipus[k]->setAccessibleName(name);
    }
    LstNivell->setAccessibleName(toQt(words.level));
    LstIdioma->setAccessibleName(toQt(words.language));
    IdLlavor->setAccessibleName(toQt(words.seed));
}

// Puts the current problem on screen with empty answers, or says that the
// options give no further problem.
void FPractica::showProblem()
{
    const exercises::PracticeWords& words = exercises::practiceWords(session_->options().language);
    const std::optional<exercises::Problem>& problem = session_->current();
    kinds_->setExclusive(false);
    for (QPushButton* button : BtTipus) {
        button->setChecked(false);
        button->setEnabled(problem.has_value());
    }
    kinds_->setExclusive(true);
    for (QLineEdit* box : {IdM, IdN, IdNi})
        box->clear();
    showKind();
    for (QPushButton* button : {BtComprova, BtSolucio, BtSeguent, BtGuia})
        button->setEnabled(problem.has_value());
    EtNumero->setText(problem ? toQt(words.problem).arg(session_->number()) : QString());
    announce(EtEnunciat, problem ? toQt(problem->statement) : toQt(words.noMore), EtNumero->text());
    announce(EtVeredicte, QString(), toQt(words.verdictName));
    EtEnunciat->setFocus();
}

// The boxes that the chosen kind takes: m and n, m alone for P, or m and the
// multiplicities for PR.
void FPractica::showKind()
{
    const int chosen = kinds_->checkedId();
    const bool any = chosen >= 0;
    IdM->setEnabled(any);
    IdN->setEnabled(any && hasN(FormulaKind(chosen)));
    IdNi->setEnabled(any && FormulaKind(chosen) == FormulaKind::PR);
    multiplicitiesLabel_->setEnabled(IdNi->isEnabled());
}

void FPractica::say(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << toQt(line);
    announce(EtVeredicte, text.join(QLatin1Char('\n')),
             toQt(exercises::practiceWords(session_->options().language).verdictName));
}

void FPractica::showScore()
{
    const exercises::PracticeWords& words = exercises::practiceWords(session_->options().language);
    announce(EtPuntuacio, toQt(session_->score()), toQt(words.scoreName));
    BtDesa->setEnabled(session_->tried() > 0);
}

void FPractica::check()
{
    if (!session_->current())
        return;
    const int chosen = kinds_->checkedId();
    if (chosen < 0) {
        say({std::string(exercises::practiceWords(session_->options().language).noKind)});
        BtTipus[0]->setFocus();
        return;
    }
    exercises::Attempt attempt{FormulaKind(chosen), {IdM->text().toStdString(), {}, {}}};
    if (IdN->isEnabled())
        attempt.inputs.n = IdN->text().toStdString();
    if (IdNi->isEnabled())
        attempt.inputs.multiplicities = exercises::splitMultiplicities(IdNi->text().toStdString());
    say(session_->check(attempt, platform::systemSeparators()).lines);
    unsaved_ = true;
    showScore();
}

void FPractica::showSolution()
{
    if (!session_->current())
        return;
    say(session_->showSolution());
    unsaved_ = true;
    showScore();
}

void FPractica::next()
{
    session_->next();
    showProblem();
}

// The guide speaks the problem's language; the kind it settles on is chosen
// as if its button had been pressed.
void FPractica::guide()
{
    const platform::Language language = session_->options().language;
    DGuia guide(language, toQt(exercises::guideWords(language).choose), this);
    if (guide.exec() != QDialog::Accepted || !guide.chosen())
        return;
    BtTipus[index(*guide.chosen())]->setChecked(true);
    showKind();
    IdM->setFocus();
}

void FPractica::save()
{
    QStringList lines;
    for (const std::string& line : exercises::sessionLines(*session_))
        lines << toQt(line);
    if (appendToChosenCaseFile(services_, caseEntries(lines)))
        unsaved_ = false;
}

} // namespace tarvi

#include "calculator/sheetdialog.h"

#include "calculator/casefile.h"
#include "exercises/writers.h"
#include "filedialog/triaftx.h"
#include "platform/files.h"
#include "platform/qttext.h"
#include "platform/widgets/look.h"
#include "sheetpdf/sheetpdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <limits>

namespace tarvi {

namespace {

using platform::Language;
using platform::toQt;

constexpr int kPreviewProblems = 3;

const std::array<const char*, kKinds> kKindNames{"Variaciones",   "Variaciones con repetición",
                                                 "Permutaciones", "Permutaciones con repetición",
                                                 "Combinaciones", "Combinaciones con repetición"};

struct FormatEntry {
    SheetFormat format;
    const char* caption;
    const char* patterns; // for the file dialog: the format's own first
};
const std::array<FormatEntry, 4> kFormats{{{SheetFormat::Pdf, "PDF", "*.pdf|*.*"},
                                           {SheetFormat::Moodle, "Moodle XML", "*.xml|*.*"},
                                           {SheetFormat::Gift, "GIFT (Moodle)", "*.gift|*.txt|*.*"},
                                           {SheetFormat::Text, "Texto", "*.txt|*.*"}}};

// The languages in the order of the list.
const std::array<Language, 3> kLanguages{Language::Spanish, Language::Catalan, Language::English};
const std::array<const char*, 3> kLanguageNames{"Español", "Català", "English"};

QByteArray sheetBytes(const exercises::Sheet& sheet, SheetFormat format)
{
    const auto bytes = [](const std::string& text) {
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    };
    switch (format) {
    case SheetFormat::Moodle:
        return bytes(exercises::sheetMoodleXml(sheet));
    case SheetFormat::Gift:
        return bytes(exercises::sheetGift(sheet));
    case SheetFormat::Text:
        return bytes(exercises::sheetText(sheet));
    case SheetFormat::Pdf:
        break;
    }
    return sheetpdf::sheetPdf(sheet);
}

// The first problems of the sheet with their answers, as the solutions give
// them.
QString previewText(const exercises::Sheet& sheet)
{
    const exercises::SheetWords& words = exercises::sheetWords(sheet.options.language);
    QString text;
    const std::size_t shown = std::min<std::size_t>(sheet.problems.size(), kPreviewProblems);
    for (std::size_t i = 0; i < shown; ++i) {
        const exercises::Problem& problem = sheet.problems[i];
        text += QStringLiteral("%1. %2\n    %3: %4\n    %5: %6\n\n")
                    .arg(i + 1)
                    .arg(toQt(problem.statement), toQt(words.reason), toQt(problem.reason),
                         toQt(words.answer), toQt(problem.answerLine));
    }
    if (sheet.problems.size() > shown)
        text += QStringLiteral("…");
    return text;
}

QLabel* fieldLabel(const QString& caption, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    return label;
}

} // namespace

SheetDialog::SheetDialog(const platform::Services& services, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("SheetDialog"));
    setWindowTitle(QStringLiteral("Hoja de ejercicios"));
    setModal(false);

    auto* kindRow = new QHBoxLayout;
    for (int k = 0; k < kKinds; ++k) {
        auto* box = new QCheckBox(toQt(NomsFormula[std::size_t(k)]), this);
        box->setObjectName(QStringLiteral("kinds(%1)").arg(k));
        box->setAccessibleName(QString::fromUtf8(kKindNames[std::size_t(k)]));
        box->setToolTip(box->accessibleName());
        box->setChecked(true);
        kinds_[std::size_t(k)] = box;
        kindRow->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &SheetDialog::refresh);
    }
    kindRow->addStretch(1);

    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setAccessibleName(QStringLiteral("Número de problemas"));
    count_->setRange(1, exercises::kMaxSheetProblems);
    count_->setValue(10);
    look::inputBox(count_);

    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("level"));
    level_->setAccessibleName(QStringLiteral("Nivel"));
    level_->addItems({QStringLiteral("1: resultados hasta 1.000"),
                      QStringLiteral("2: resultados hasta 10.000.000"),
                      QStringLiteral("3: cualquier resultado")});

    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("language"));
    language_->setAccessibleName(QStringLiteral("Idioma de la hoja"));
    for (const char* name : kLanguageNames)
        language_->addItem(QString::fromUtf8(name));
    const Language current = platform::currentLanguage();
    language_->setCurrentIndex(
        int(std::find(kLanguages.begin(), kLanguages.end(), current) - kLanguages.begin()));

    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setAccessibleName(QStringLiteral("Título"));
    look::inputBox(title_);

    seed_ = new QLineEdit(this);
    seed_->setObjectName(QStringLiteral("seed"));
    seed_->setAccessibleName(QStringLiteral("Semilla"));
    seed_->setAccessibleDescription(
        QStringLiteral("La misma semilla con las mismas opciones da la misma hoja"));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), seed_));
    look::inputBox(seed_);
    newSeed_ = new QPushButton(QStringLiteral("Nueva"), this);
    newSeed_->setObjectName(QStringLiteral("newSeed"));
    newSeed_->setAccessibleName(QStringLiteral("Nueva semilla al azar"));
    newSeed_->setToolTip(newSeed_->accessibleName());
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_, 1);
    seedRow->addWidget(newSeed_);

    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("format"));
    format_->setAccessibleName(QStringLiteral("Formato"));
    for (const FormatEntry& entry : kFormats)
        format_->addItem(QString::fromUtf8(entry.caption));

    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAccessibleName(QStringLiteral("Vista previa"));
    preview_->setReadOnly(true);
    preview_->setMinimumSize(600, 220);

    save_ = new QPushButton(QStringLiteral("Guardar..."), this);
    save_->setObjectName(QStringLiteral("save"));
    save_->setAccessibleName(QStringLiteral("Guardar la hoja"));
    close_ = new QPushButton(QStringLiteral("Cerrar"), this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setAccessibleName(QStringLiteral("Cerrar"));
    // Enter in a box saves; it never draws a new seed behind the user's back.
    save_->setDefault(true);
    newSeed_->setAutoDefault(false);
    close_->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(fieldLabel(QStringLiteral("Tipos:"), kinds_[0], this), kindRow);
    form->addRow(fieldLabel(QStringLiteral("Problemas:"), count_, this), count_);
    form->addRow(fieldLabel(QStringLiteral("Nivel:"), level_, this), level_);
    form->addRow(fieldLabel(QStringLiteral("Idioma:"), language_, this), language_);
    form->addRow(fieldLabel(QStringLiteral("Título:"), title_, this), title_);
    form->addRow(fieldLabel(QStringLiteral("Semilla:"), seed_, this), seedRow);
    form->addRow(fieldLabel(QStringLiteral("Formato:"), format_, this), format_);
    auto* previewTitle = fieldLabel(QStringLiteral("Vista previa"), preview_, this);
    look::title(previewTitle);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(previewTitle);
    column->addWidget(preview_, 1);
    column->addLayout(buttons);

    connect(count_, &QSpinBox::valueChanged, this, &SheetDialog::refresh);
    connect(level_, &QComboBox::currentIndexChanged, this, &SheetDialog::refresh);
    connect(language_, &QComboBox::currentIndexChanged, this, &SheetDialog::refresh);
    connect(title_, &QLineEdit::textChanged, this, &SheetDialog::refresh);
    connect(seed_, &QLineEdit::textChanged, this, &SheetDialog::refresh);
    connect(newSeed_, &QPushButton::clicked, this, &SheetDialog::pickNewSeed);
    connect(save_, &QPushButton::clicked, this, &SheetDialog::save);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    look::keepColours(this);
    pickNewSeed();
}

void SheetDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    look::paintGradient(painter, rect(), look::kDialogGradient);
}

void SheetDialog::pickNewSeed()
{
    // Short enough to copy down from a printed footer.
    seed_->setText(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));
}

std::variant<exercises::SheetOptions, QString> SheetDialog::options() const
{
    exercises::SheetOptions options;
    for (int k = 0; k < kKinds; ++k)
        if (kinds_[std::size_t(k)]->isChecked())
            options.kinds.push_back(FormulaKind(k));
    options.count = count_->value();
    options.level = exercises::Level(level_->currentIndex() + 1);
    options.language = kLanguages[std::size_t(language_->currentIndex())];
    options.title = title_->text().toStdString();
    const std::string seed = seed_->text().toStdString();
    const auto [end, error] = std::from_chars(seed.data(), seed.data() + seed.size(), options.seed);
    if (seed.empty() || error != std::errc() || end != seed.data() + seed.size())
        return QStringLiteral("La semilla es un número entero de 0 a %1.")
            .arg(std::numeric_limits<std::uint64_t>::max());
    return options;
}

void SheetDialog::refresh()
{
    const auto chosen = options();
    if (const QString* mistake = std::get_if<QString>(&chosen))
        sheet_ = mistake->toStdString();
    else
        sheet_ = exercises::makeSheet(std::get<exercises::SheetOptions>(chosen));
    // A sheet given no title takes its language's.
    title_->setPlaceholderText(
        toQt(exercises::sheetWords(kLanguages[std::size_t(language_->currentIndex())]).title));
    const exercises::Sheet* sheet = std::get_if<exercises::Sheet>(&sheet_);
    preview_->setPlainText(sheet != nullptr ? previewText(*sheet) : toQt(std::get<std::string>(sheet_)));
    save_->setEnabled(sheet != nullptr);
}

void SheetDialog::save()
{
    const exercises::Sheet* sheet = std::get_if<exercises::Sheet>(&sheet_);
    if (sheet == nullptr)
        return;
    const FormatEntry& format = kFormats[std::size_t(format_->currentIndex())];
    const QByteArray bytes = sheetBytes(*sheet, format.format);
    QString folder = services_.folder.file(QString::fromLatin1(platform::kCaseFolder));
    const QString path =
        TriaFtx(services_, platform::FileMode::Save, folder, QString::fromLatin1(format.patterns));
    if (path.isEmpty())
        return;
    const auto tell = [this](const QString& text) {
        services_.messages.show(QString::fromUtf16(CaseFileTitle), text, platform::MessageIcon::Exclamation,
                                platform::MessageButtons::Ok);
    };
    const platform::FsResult written = platform::replaceFile(path, bytes);
    if (!written.ok()) {
        tell(saveFailureText(path, written));
        return;
    }
    // The PDF and the text open for the teacher to see; Moodle XML and GIFT
    // are for the learning platform to import.
    if (format.format == SheetFormat::Pdf || format.format == SheetFormat::Text)
        if (!services_.starter.start(QStringLiteral("Notepad ") + path, platform::WindowStyle::NormalFocus))
            tell(editorFailureText(path));
}

} // namespace tarvi

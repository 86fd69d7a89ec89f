#include "about/fquant.h"

#include "about/programicon.h"
#include "about/version.h"
#include "platform/widgets/look.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvi {

namespace {

constexpr int kIconSide = 64;

QFont comicFont(int pointSize)
{
    QFont font(QStringLiteral("Comic Sans MS"), pointSize, QFont::Bold);
    font.setStyleHint(QFont::Decorative);
    return font;
}

// One strand of the etched rule across the window.
QFrame* ruleLine(const QString& name, const QString& colour, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour));
    return line;
}

} // namespace

FQuant::FQuant(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FQuant"));
    setModal(false);
    look::keepColours(this);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(kIconSide, kIconSide);
    picIcon->setPixmap(programPixmap(kIconSide, devicePixelRatioF()));

    // The title is written twice in the same font: Label1, pale and a little
    // lower right, is the shadow under lblTitle.
    auto* titleArea = new QWidget(this);
    Label1 = new QLabel(QStringLiteral("Tarvi"), titleArea);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(comicFont(26));
    Label1->setStyleSheet(QStringLiteral("color: #b9d9a8;"));
    lblTitle = new QLabel(titleArea);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(comicFont(26));
    lblTitle->setStyleSheet(QStringLiteral("color: #1f4e8c;"));
    constexpr int kShadow = 3;
    const QSize titleSize = Label1->sizeHint();
    Label1->setGeometry(kShadow, kShadow, titleSize.width(), titleSize.height());
    lblTitle->setGeometry(0, 0, titleSize.width(), titleSize.height());
    titleArea->setFixedSize(titleSize + QSize(kShadow, kShadow));

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription =
        new QLabel(QStringLiteral("Cálculo de variaciones, permutaciones, combinaciones..."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));

    Line1[0] = ruleLine(QStringLiteral("Line1(0)"), QStringLiteral("#808080"), this);
    Line1[1] = ruleLine(QStringLiteral("Line1(1)"), QStringLiteral("#ffffff"), this);

    lblDisclaimer =
        new QLabel(QStringLiteral("© 2026 the Tarvi developers\nContacto: menú Info, «Contacto...»"), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblDisclaimer->setFont(small);

    cmdOK = new QPushButton(QStringLiteral("Hum!"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(titleArea);
    heading->addWidget(lblVersion);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(heading);
    top->addStretch();

    auto* rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(Line1[0]);
    rule->addWidget(Line1[1]);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addWidget(cmdOK, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(lblDescription);
    layout->addLayout(rule);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FQuant::carrega()
{
    const QString title = QString::fromLatin1(version::kAppTitle);
    setWindowTitle(QStringLiteral("Sobre  ") + title);
    lblVersion->setText(
        QStringLiteral("Versión %1.%2.%3").arg(version::kMajor).arg(version::kMinor).arg(version::kPatch));
    lblTitle->setText(title);
}

void FQuant::mostra()
{
    if (!isVisible())
        carrega();
    show();
    raise();
    activateWindow();
}

} // namespace tarvi

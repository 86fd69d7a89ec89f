// The "Info" menu: the manual, the contact page, the guide to the formulas and
// the About window.

#include "about/fquant.h"
#include "calculator/dguia.h"
#include "calculator/documents.h"
#include "calculator/ftarvi.h"

#include <QAction>
#include <QLineEdit>

namespace tarvi {

void FTarvi::connectInfo()
{
    connect(OpInfo, &QAction::triggered, this, [this] { openDocument(QStringLiteral("Tarvi.pdf")); });
    connect(OpWeb, &QAction::triggered, this, [this] { openDocument(QStringLiteral("Veldra.htm")); });
    connect(quant, &QAction::triggered, this, &FTarvi::quant_Click);
    connect(OpGuia, &QAction::triggered, this, &FTarvi::OpGuia_Click);
}

// The user's own copy in the working folder is opened, else the program's. A
// missing document opens nothing and shows nothing; only a system without any
// opener is reported.
void FTarvi::openDocument(const QString& doc)
{
    if (!ObreDoc(services_.starter, services_.folder.document(doc)))
        services_.messages.show(openDocFailureTitle(), openDocFailureText(doc),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void FTarvi::quant_Click()
{
    if (!quantWindow_)
        quantWindow_ = new FQuant(this);
    quantWindow_->mostra();
}

// The guide speaks the window's Spanish; the kind it settles on puts the
// cursor in the first box of that kind's panel.
void FTarvi::OpGuia_Click()
{
    DGuia guide(platform::Language::Spanish, QStringLiteral("Poner el &cursor en el panel %1"), this);
    if (guide.exec() == QDialog::Accepted && guide.chosen())
        IdM[index(*guide.chosen())]->setFocus();
}

} // namespace tarvi

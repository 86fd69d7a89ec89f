// tarvi-docpdf: turns the manual's HTML source into the PDF that the program's
// "Info" entry opens. Used by the build; runs without a display
// (QT_QPA_PLATFORM=offscreen).
//
//   tarvi-docpdf SOURCE.html BASE_FOLDER OUTPUT.pdf
//
// Relative picture names in the source are resolved against BASE_FOLDER. A
// picture that cannot be read fails the build instead of leaving a hole in
// the manual.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// A document that finds its pictures in the base folder and remembers every
// picture it could not load.
class ManualDocument final : public QTextDocument {
public:
    explicit ManualDocument(const QString& baseFolder) : base_(baseFolder) {}

    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? QUrl::fromLocalFile(base_.absoluteFilePath(name.path())) : name;
        QVariant resource = QTextDocument::loadResource(type, url);
        if (type == QTextDocument::ImageResource && resource.isNull() && !missing.contains(name.toString()))
            missing << name.toString();
        return resource;
    }

private:
    QDir base_;
};

int fail(const QString& message)
{
    std::fprintf(stderr, "tarvi-docpdf: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: tarvi-docpdf SOURCE.html BASE_FOLDER OUTPUT.pdf"));

    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(args[1], source.errorString()));

    ManualDocument doc(args[2]);
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    doc.setHtml(QString::fromUtf8(source.readAll()));
    // A little air between the lines of running text; listings and pictures
    // (which would take the extra height below them) stay as they are.
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().nonBreakableLines() ||
            block.text().contains(QChar::ObjectReplacementCharacter))
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat spacing;
        spacing.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
        cursor.mergeBlockFormat(spacing);
    }

    QSaveFile output(args[3]);
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(args[3], output.errorString()));
    {
        QPdfWriter writer(&output);
        writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Tarvi"));
        writer.setResolution(300);
        // The document adds its own 2 cm margins and the page numbers.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        doc.print(&writer);
    }
    if (!doc.missing.isEmpty())
        return fail(QStringLiteral("pictures not found: %1").arg(doc.missing.join(QStringLiteral(", "))));
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(args[3], output.errorString()));
    return 0;
}

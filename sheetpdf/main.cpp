// tarvi-sheet-pdf: an exercise sheet with its solutions as an A4 PDF, from the
// same options as `tarvi-calc sheet`, which hands PDF sheets over to it. It
// draws no window and needs no display.

#include "cli/sheet.h"
#include "platform/files.h"
#include "platform/qttext.h"
#include "sheetpdf/sheetpdf.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

using namespace tarvi;

constexpr std::string_view kUsage =
    "usage: tarvi-sheet-pdf [--kinds V,VR,P,PR,C,CR] [--count N] [--level 1|2|3] [--lang es|ca|en]\n"
    "                       [--title T] [--seed N] [-o FILE]\n"
    "An exercise sheet as an A4 PDF: the statements, then from a new page the solutions.\n"
    "Defaults: all six kinds, 10 problems, level 1, Spanish, a random seed (written to stderr).\n"
    "The same options and seed make the same sheet. Without -o the PDF goes to standard output\n"
    "(not to a terminal).\n"
    "Exit status: 0 for a sheet written, 1 when it cannot be written, 2 for a usage mistake.\n";

int usageMistake(const std::string& what)
{
    std::cerr << "tarvi-sheet-pdf: " << what << '\n' << kUsage;
    return 2;
}

int writeFailure(const std::string& where, const std::string& why)
{
    std::cerr << "tarvi-sheet-pdf: cannot write " << where << ": " << why << '\n';
    return 1;
}

bool writeAll(int descriptor, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "tarvi-sheet-pdf " TARVI_VERSION "\n";
        return 0;
    }
    cli::SheetCall request;
    try {
        request = cli::readSheetCall(args);
        if (request.format.value_or("pdf") != "pdf")
            throw cli::UsageMistake("--format must be pdf: tarvi-calc sheet writes the other formats");
    } catch (const cli::UsageMistake& wrong) {
        return usageMistake(wrong.what());
    }
    if (!request.output && ::isatty(STDOUT_FILENO))
        return usageMistake(
            "a PDF is no text for a terminal: name a file with -o FILE, or redirect the output");
    auto made = exercises::makeSheet(request.options);
    if (const std::string* mistake = std::get_if<std::string>(&made))
        return usageMistake(*mistake);
    if (!request.seedGiven)
        std::cerr << "tarvi-sheet-pdf: seed " << request.options.seed << '\n';

    // Only the fonts are needed, never a screen: the offscreen platform
    // serves them with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes on its own set-up (a missing runtime folder, say) are no
    // concern of a program that writes one file; its own failures are told.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << "tarvi-sheet-pdf: " << message.toStdString() << '\n';
    });
    QGuiApplication app(argc, argv);
    const QByteArray pdf = sheetpdf::sheetPdf(std::get<exercises::Sheet>(made));
    if (!request.output)
        return writeAll(STDOUT_FILENO, pdf) ? 0 : writeFailure("standard output", std::strerror(errno));
    const QString path = platform::toQt(*request.output);
    const platform::FsResult written = platform::replaceFile(path, pdf);
    if (!written.ok())
        return writeFailure(*request.output,
                            platform::reasonText(written, platform::Language::English).toStdString());
    return 0;
}

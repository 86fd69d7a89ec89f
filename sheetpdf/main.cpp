// tarvi-sheet-pdf: an exercise sheet with its solutions as an A4 PDF, from the
// same options as `tarvi-calc sheet`, which hands PDF sheets over to it. It
// draws no window and needs no display.

#include "cli/command.h"
#include "platform/files.h"
#include "platform/qttext.h"
#include "sheetpdf/sheetpdf.h"

#include <QGuiApplication>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <random>
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

struct Request {
    exercises::SheetOptions options;
    bool seedGiven = false;
    std::string output; // empty: standard output
};

std::vector<FormulaKind> readKinds(const std::string& list)
{
    std::array<bool, kKinds> chosen{};
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        chosen[index(cli::kindOf(std::string_view(list).substr(start, comma - start)))] = true;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    std::vector<FormulaKind> kinds;
    for (int k = 0; k < kKinds; ++k)
        if (chosen[std::size_t(k)])
            kinds.push_back(FormulaKind(k));
    return kinds;
}

// A whole number within [low, high], or `mistake` thrown as a usage mistake.
template <typename Number>
Number readNumber(const std::string& text, Number low, Number high, const char* mistake)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        throw cli::UsageMistake(mistake);
    return value;
}

Request readRequest(const std::vector<std::string>& args)
{
    Request request;
    request.options.kinds = {FormulaKind::V,  FormulaKind::VR, FormulaKind::P,
                             FormulaKind::PR, FormulaKind::C,  FormulaKind::CR};
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        const std::size_t equals = name.find('=');
        const bool joined = name.starts_with("--") && equals != std::string::npos;
        if (joined) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto option = [&](std::string_view wanted) {
            if (name != wanted)
                return false;
            if (!joined) {
                if (i + 1 == args.size())
                    throw cli::UsageMistake(name + " needs a value");
                value = args[++i];
            }
            return true;
        };
        if (option("--kinds"))
            request.options.kinds = readKinds(value);
        else if (option("--count"))
            request.options.count =
                readNumber(value, 1, exercises::kMaxSheetProblems, "--count must be 1 to 60");
        else if (option("--level"))
            request.options.level = exercises::Level(readNumber(value, 1, 3, "--level must be 1, 2 or 3"));
        else if (option("--lang")) {
            const auto language = exercises::languageOfCode(value);
            if (!language)
                throw cli::UsageMistake("--lang must be es, ca or en");
            request.options.language = *language;
        } else if (option("--title"))
            request.options.title = value;
        else if (option("--seed")) {
            request.options.seed =
                readNumber(value, std::uint64_t(0), std::numeric_limits<std::uint64_t>::max(),
                           "--seed must be a whole number from 0 to 18446744073709551615");
            request.seedGiven = true;
        } else if (option("-o"))
            request.output = value;
        else
            throw cli::UsageMistake("unknown option \"" + args[i] + "\"");
    }
    return request;
}

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
    Request request;
    try {
        request = readRequest(args);
    } catch (const cli::UsageMistake& wrong) {
        return usageMistake(wrong.what());
    }
    if (request.output.empty() && ::isatty(STDOUT_FILENO))
        return usageMistake(
            "a PDF is no text for a terminal: name a file with -o FILE, or redirect the output");
    if (!request.seedGiven) {
        std::random_device device;
        request.options.seed = (std::uint64_t(device()) << 32) | device();
    }
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
    if (request.output.empty())
        return writeAll(STDOUT_FILENO, pdf) ? 0 : writeFailure("standard output", std::strerror(errno));
    const QString path = platform::toQt(request.output);
    const platform::FsResult written = platform::replaceFile(path, pdf);
    if (!written.ok())
        return writeFailure(request.output,
                            platform::reasonText(written, platform::Language::English).toStdString());
    return 0;
}

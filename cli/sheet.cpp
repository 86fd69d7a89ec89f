#include "cli/sheet.h"

#include "cli/dispatch.h"
#include "cli/wholefile.h"
#include "engine/plaintext.h"
#include "exercises/writers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <random>
#include <unistd.h>

namespace tarvi::cli {

namespace {

using exercises::Level;
using exercises::SheetOptions;

constexpr std::string_view kPdfProgram = "tarvi-sheet-pdf";

template <typename Number> std::optional<Number> wholeNumber(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<FormulaKind> readKinds(std::string_view list)
{
    std::array<bool, kKinds> asked{};
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        asked[static_cast<std::size_t>(index(kindOf(list.substr(at, comma - at))))] = true;
        at = comma + 1;
    }
    std::vector<FormulaKind> kinds;
    for (int kind = 0; kind < kKinds; ++kind)
        if (asked[static_cast<std::size_t>(kind)])
            kinds.push_back(FormulaKind(kind));
    return kinds;
}

void apply(SheetCall& call, std::string_view name, const std::string& value)
{
    SheetOptions& options = call.options;
    if (name == "--kinds") {
        options.kinds = readKinds(value);
    } else if (name == "--count") {
        const std::optional<int> count = wholeNumber<int>(value);
        if (!count || *count < 1 || *count > exercises::kMaxSheetProblems)
            throw UsageMistake("--count must be 1 to 60");
        options.count = *count;
    } else if (name == "--level") {
        if (value != "1" && value != "2" && value != "3")
            throw UsageMistake("--level must be 1, 2 or 3");
        options.level = Level(value[0] - '0');
    } else if (name == "--lang") {
        const std::optional<platform::Language> language = exercises::languageOfCode(value);
        if (!language)
            throw UsageMistake("--lang must be es, ca or en");
        options.language = *language;
    } else if (name == "--title") {
        options.title = value;
    } else if (name == "--seed") {
        const std::optional<std::uint64_t> seed = wholeNumber<std::uint64_t>(value);
        if (!seed)
            throw UsageMistake("--seed must be a whole number from 0 to 18446744073709551615");
        options.seed = *seed;
    } else if (name == "--format") {
        if (value != "pdf" && value != "moodle" && value != "gift" && value != "text")
            throw UsageMistake("--format must be pdf, moodle, gift or text");
        call.format = value;
    } else {
        call.output = value;
    }
}

} // namespace

SheetCall readSheetCall(Words words)
{
    static constexpr std::array<std::string_view, 8> kNames{"--kinds", "--count", "--level",  "--lang",
                                                            "--title", "--seed",  "--format", "-o"};
    SheetCall call;
    call.options.kinds = {FormulaKind::V,  FormulaKind::VR, FormulaKind::P,
                          FormulaKind::PR, FormulaKind::C,  FormulaKind::CR};
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string_view name = words[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        if (std::find(kNames.begin(), kNames.end(), name) == kNames.end())
            throw UsageMistake("unknown option \"" + visibleText(name) + "\"");
        if (!value && i + 1 == words.size())
            throw UsageMistake(std::string(name) + " needs a value");
        apply(call, name, value ? *value : words[++i]);
        call.seedGiven = call.seedGiven || name == "--seed";
    }
    if (!call.seedGiven) {
        std::random_device device;
        call.options.seed = (std::uint64_t(device()) << 32) | device();
    }
    return call;
}

namespace {

// The folder of the running program, from the system's own record of it.
std::string ownFolder()
{
    std::array<char, 4096> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0)
        return ".";
    const std::string_view exe(path.data(), static_cast<std::size_t>(length));
    return std::string(exe.substr(0, exe.rfind('/')));
}

// Becomes tarvi-sheet-pdf with the sheet's options; returns only on failure.
int handOverToPdf(const SheetCall& call, const SheetOptions& options, std::ostream& out, std::ostream& err)
{
    const std::string program = ownFolder() + '/' + std::string(kPdfProgram);
    std::vector<std::string> args{program,
                                  "--kinds",
                                  exercises::kindsList(options.kinds),
                                  "--count",
                                  std::to_string(options.count),
                                  "--level",
                                  std::to_string(static_cast<int>(options.level)),
                                  "--lang",
                                  std::string(exercises::sheetWords(options.language).code),
                                  "--title",
                                  options.title,
                                  "--seed",
                                  std::to_string(options.seed)};
    if (call.output) {
        args.push_back("-o");
        args.push_back(*call.output);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    out.flush();
    err.flush();
    ::execv(program.c_str(), argv.data());
    err << "tarvi-calc: the PDF is made by " << kPdfProgram << ", which cannot be started from " << program
        << ": " << std::strerror(errno) << '\n';
    return 1;
}

} // namespace

int runSheet(Words words, std::ostream& out, std::ostream& err)
{
    SheetCall call;
    std::variant<exercises::Sheet, std::string> made;
    try {
        call = readSheetCall(words);
        made = exercises::makeSheet(call.options);
        if (const std::string* wrong = std::get_if<std::string>(&made))
            throw UsageMistake(*wrong);
    } catch (const UsageMistake& wrong) {
        return printAnswer({Answer::Status::Mistake, {wrong.what()}, {}}, out, err);
    }
    const exercises::Sheet& sheet = std::get<exercises::Sheet>(made);
    err << "tarvi-calc: seed " << sheet.options.seed << '\n';
    const std::string format = call.format.value_or("text");
    if (format == "pdf")
        return handOverToPdf(call, sheet.options, out, err);

    const std::string written = format == "gift"     ? exercises::sheetGift(sheet)
                                : format == "moodle" ? exercises::sheetMoodleXml(sheet)
                                                     : exercises::sheetText(sheet);
    if (!call.output) {
        out << written;
        return 0;
    }
    if (const std::optional<std::string> failure = writeWholeFile(*call.output, written)) {
        err << "tarvi-calc: cannot write the sheet to " << *call.output << ": " << *failure
            << "; nothing was written\n";
        return 1;
    }
    return 0;
}

} // namespace tarvi::cli

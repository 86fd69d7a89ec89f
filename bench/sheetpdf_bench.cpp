// A 60-problem sheet as PDF: drawn within the process as the window does, and
// as a whole run of tarvi-sheet-pdf, as tarvi-calc hands it over.

#include "sheetpdf/sheetpdf.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

tarvi::exercises::SheetOptions sixty(tarvi::exercises::Level level)
{
    tarvi::exercises::SheetOptions options;
    options.kinds = {tarvi::FormulaKind::V,  tarvi::FormulaKind::VR, tarvi::FormulaKind::P,
                     tarvi::FormulaKind::PR, tarvi::FormulaKind::C,  tarvi::FormulaKind::CR};
    options.count = 60;
    options.level = level;
    options.seed = 7;
    return options;
}

// Making the sheet and drawing it; the level changes how long the answers are.
void SheetPdf60(benchmark::State& state)
{
    const auto options = sixty(tarvi::exercises::Level(state.range(0)));
    for (auto _ : state) {
        const auto sheet = tarvi::exercises::makeSheet(options);
        benchmark::DoNotOptimize(tarvi::sheetpdf::sheetPdf(std::get<tarvi::exercises::Sheet>(sheet)));
    }
}
BENCHMARK(SheetPdf60)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// tarvi-sheet-pdf started for 60 problems, writing its PDF to a file.
void Program60(benchmark::State& state)
{
    const std::string output = "/tmp/tarvi-bench-sheet-" + std::to_string(::getpid()) + ".pdf";
    std::vector<std::string> words{TARVI_SHEET_PDF, "--count", "60", "--level", "3",
                                   "--seed",        "7",       "-o", output};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, TARVI_SHEET_PDF, nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tarvi-sheet-pdf wrote no sheet");
            break;
        }
    }
    std::remove(output.c_str());
}
BENCHMARK(Program60)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

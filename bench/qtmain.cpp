// main() of the benchmarks that build windows: an offscreen QApplication with
// the program's font substitutions, and the user's settings kept in a folder
// of the run's own.

#include "platform/widgets/fonts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    // The offscreen platform warns on every fixed-size window; keep the table readable.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    tarvi::platform::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

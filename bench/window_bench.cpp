// Building and showing the main window, offscreen, beside a bare Qt window of
// about the same size (a menu bar and forty widgets) as the yardstick; and
// opening the sheet dialog for the first time.

#include "calculator/ftarvi.h"
#include "testkit/fakes.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void showAndSettle(QWidget& window)
{
    window.show();
    QApplication::processEvents();
}

void BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Combinatoria"));
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Archivo"));
        for (int i = 0; i < 10; ++i)
            menu->addAction(QStringLiteral("entry %1").arg(i));
        auto* client = new QWidget(&window);
        client->setFixedSize(556, 460);
        for (int i = 0; i < 20; ++i) {
            (new QLineEdit(client))->setGeometry(10 + (i % 4) * 120, 10 + (i / 4) * 60, 100, 21);
            (new QPushButton(QStringLiteral("="), client))
                ->setGeometry(10 + (i % 4) * 120, 35 + (i / 4) * 60, 26, 23);
        }
        window.setCentralWidget(client);
        showAndSettle(window);
    }
}
BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond);

void MainWindow(benchmark::State& state)
{
    tarvi::testkit::FakeMessages messages;
    tarvi::testkit::FakeStarter starter;
    const QTemporaryDir work; // a working folder without a tool list
    const tarvi::platform::WorkFolder folder(work.path());
    for (auto _ : state) {
        tarvi::FTarvi window({messages, starter, folder});
        showAndSettle(window);
    }
}
BENCHMARK(MainWindow)->Unit(benchmark::kMillisecond);

// The first "Hoja de ejercicios...", which makes the sheet dialog and its
// preview; the window's start does not pay for it.
void SheetDialogFirstOpen(benchmark::State& state)
{
    tarvi::testkit::FakeMessages messages;
    tarvi::testkit::FakeStarter starter;
    const QTemporaryDir work;
    const tarvi::platform::WorkFolder folder(work.path());
    for (auto _ : state) {
        state.PauseTiming();
        tarvi::FTarvi window({messages, starter, folder});
        showAndSettle(window);
        state.ResumeTiming();
        window.findChild<QAction*>(QStringLiteral("OpFulls"))->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(SheetDialogFirstOpen)->Unit(benchmark::kMillisecond);

} // namespace

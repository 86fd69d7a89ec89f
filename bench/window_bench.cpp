// Building and showing the main window, offscreen, beside a bare Qt window of
// about the same size (a menu bar and forty widgets) as the yardstick; and
// opening the sheet dialog for the first time, and "=" with "Enteros exactos"
// on, for the largest counts, until the window is painted again, with the
// memory that showing 32767! takes.

#include "calculator/ftarvi.h"
#include "testkit/fakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

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

// The main window with "Enteros exactos" on and a panel's inputs typed in.
class ExactWindow {
public:
    ExactWindow(int kind, const std::vector<QString>& inputs) : window_({messages_, starter_, folder_})
    {
        showAndSettle(window_);
        window_.findChild<QAction*>(QStringLiteral("OpExact"))->setChecked(true);
        box("IdM", kind)->setText(inputs[0]);
        if (auto* n = window_.findChild<QLineEdit*>(QStringLiteral("IdN(%1)").arg(kind)))
            n->setText(inputs[1]);
        else if (auto* list = window_.findChild<QComboBox*>(QStringLiteral("npr")))
            for (std::size_t i = 1; i < inputs.size(); ++i) {
                list->lineEdit()->setText(inputs[i]);
                Q_EMIT list->lineEdit()->returnPressed();
            }
        equals_ = window_.findChild<QPushButton*>(QStringLiteral("okD(%1)").arg(kind));
        result_ = box("IdRes", kind);
    }
    ~ExactWindow() { window_.findChild<QAction*>(QStringLiteral("OpExact"))->setChecked(false); }

    // "=", then the window painted with the count.
    void equals()
    {
        equals_->click();
        window_.repaint();
    }
    QLineEdit* result() const { return result_; }

private:
    QLineEdit* box(const char* name, int kind) const
    {
        return window_.findChild<QLineEdit*>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(kind));
    }

    tarvi::testkit::FakeMessages messages_;
    tarvi::testkit::FakeStarter starter_;
    const QTemporaryDir work_;
    const tarvi::platform::WorkFolder folder_{work_.path()};
    tarvi::FTarvi window_;
    QPushButton* equals_ = nullptr;
    QLineEdit* result_ = nullptr;
};

void ExactEquals(benchmark::State& state, int kind, std::vector<QString> inputs)
{
    ExactWindow window(kind, inputs);
    for (auto _ : state) {
        state.PauseTiming();
        window.result()->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        window.equals();
    }
    state.counters["digits"] = window.result()->text().size();
}
BENCHMARK_CAPTURE(ExactEquals, P_32767, 2, {"32767"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExactEquals, C_32767_16383, 4, {"32767", "16383"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExactEquals, VR_32767_32767, 1, {"32767", "32767"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExactEquals, CR_16384_16383, 5, {"16384", "16383"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExactEquals, PR_32767_nine, 3,
                  {"32767", "3641", "3641", "3641", "3641", "3641", "3641", "3641", "3641", "3639"})
    ->Unit(benchmark::kMillisecond);

// The process's resident memory, in MiB.
double residentMiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// What the first showing of 32767! adds to the window's memory.
void ExactP32767Memory(benchmark::State& state)
{
    ExactWindow window(2, {"32767"});
    QApplication::processEvents();
    const double before = residentMiB();
    for (auto _ : state)
        window.equals();
    QApplication::processEvents();
    state.counters["added_MiB"] = residentMiB() - before;
}
BENCHMARK(ExactP32767Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

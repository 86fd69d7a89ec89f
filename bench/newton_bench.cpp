// The Newton expansion: its coefficients and text, the renderer against the
// slow restart-from-scratch drawing on a recording area of fixed character
// widths, and the whole "Ok>" in the main window.

#include "calculator/ftarvi.h"
#include "counting/newton.h"
#include "render/picturearea.h"
#include "render/pintafrm.h"
#include "testkit/fakearea.h"
#include "testkit/fakes.h"
#include "testkit/literalfrm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::u32string newtonText(std::int16_t n)
{
    const std::string text = tarvi::expandBinomial(n).formula;
    return {text.begin(), text.end()};
}

// The coefficients and the text of one expansion, without drawing them.
void ExpandBinomial(benchmark::State& state)
{
    const auto n = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvi::expandBinomial(n));
}

BENCHMARK(ExpandBinomial)->Arg(12)->Arg(50)->Arg(170)->Unit(benchmark::kMicrosecond);

template <auto Draw> void draw(benchmark::State& state)
{
    const auto n = static_cast<std::int16_t>(state.range(0));
    const std::u32string text = newtonText(n);
    const float size = tarvi::newtonFont(n, 9.75f).size;
    for (auto _ : state) {
        tarvi::testkit::FakeArea area(8040, 345, size, 15);
        float y = 1;
        Draw(area, 0.0f, y, text);
        benchmark::DoNotOptimize(area.drawing.data());
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

void PintaFrmFast(benchmark::State& state) { draw<tarvi::PintaFrm>(state); }
void literalPintaFrm(benchmark::State& state) { draw<tarvi::testkit::literalPintaFrm>(state); }

BENCHMARK(PintaFrmFast)->Arg(12)->Arg(50)->Arg(170)->Unit(benchmark::kMicrosecond);
BENCHMARK(literalPintaFrm)->Arg(12)->Arg(50)->Arg(170)->Unit(benchmark::kMicrosecond);

// Pressing "Ok>" with n = 170 in the main window: reading the exponent, the
// coefficients and the text, the list, the layout with the area and the window
// growing, and painting the area. Changing the exponent between rounds brings
// the area back to one line.
void OkNwt(benchmark::State& state)
{
    tarvi::testkit::FakeMessages messages;
    tarvi::testkit::FakeStarter starter;
    const QTemporaryDir work; // a working folder without a tool list
    const tarvi::platform::WorkFolder folder(work.path());
    tarvi::FTarvi window({messages, starter, folder});
    auto* const idNb = window.findChild<QLineEdit*>(QStringLiteral("idNb"));
    auto* const OkNwt = window.findChild<QPushButton*>(QStringLiteral("OkNwt"));
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        idNb->clear();
        idNb->setText(QString::number(state.range(0)));
        QApplication::processEvents();
        state.ResumeTiming();
        OkNwt->click();
        QApplication::processEvents(); // the window's new size, and one paint
    }
    if (!messages.boxes.empty() ||
        window.findChild<tarvi::PictureArea*>(QStringLiteral("BNwt"))->drawing().empty())
        state.SkipWithError("the expansion was not drawn");
}

BENCHMARK(OkNwt)->Arg(170)->Unit(benchmark::kMillisecond);

} // namespace

// The Newton expansion: the renderer against the slow restart-from-scratch
// drawing on a recording area of fixed character widths, and the whole
// expansion (coefficients, text, layout, paint) on a real picture area.

#include "calculator/core/newton.h"
#include "render/picturearea.h"
#include "render/pintafrm.h"
#include "tests/render/fakearea.h"
#include "tests/render/literalfrm.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

std::u32string newtonText(std::int16_t n)
{
    const std::string text = tarvi::expandBinomial(n).formula;
    return {text.begin(), text.end()};
}

template <auto Draw>
void draw(benchmark::State& state)
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
void PintaFrmLiteral(benchmark::State& state) { draw<tarvi::testkit::PintaFrmLiteral>(state); }

BENCHMARK(PintaFrmFast)->Arg(12)->Arg(50)->Arg(170)->Unit(benchmark::kMicrosecond);
BENCHMARK(PintaFrmLiteral)->Arg(12)->Arg(50)->Arg(170)->Unit(benchmark::kMicrosecond);

// What pressing "Ok>" with n = 170 costs: the coefficients and the text, the
// drawing into a fresh strip-sized area, and painting it.
void ExpansionOnPictureArea(benchmark::State& state)
{
    const auto n = static_cast<std::int16_t>(state.range(0));
    tarvi::PictureArea area;
    area.resize(536, 23);
    area.show();
    QImage canvas(536, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        area.clear();
        area.setHeightTwips(345);
        const tarvi::NewtonExpansion expansion = tarvi::expandBinomial(n);
        const tarvi::NewtonFont font = tarvi::newtonFont(n, 9.75f);
        area.setFontName(QString::fromStdString(font.name));
        area.setFontSize(font.size);
        const std::u32string text(expansion.formula.begin(), expansion.formula.end());
        float y = 1;
        tarvi::PintaFrm(area, 0, y, text);
        if (state.range(1)) area.render(&canvas);
    }
}

BENCHMARK(ExpansionOnPictureArea)->Args({170, 0})->Args({170, 1})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

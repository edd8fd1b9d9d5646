// Cost of one recognition over many stored symbols: sampling the comparison picture and matching
// the drawing against every symbol's cached Grid string; and the precise mode over symbols of
// five drawings, each with its stroke.
#include "RandomSymbols.h"
#include "recognition/DrawingSampler.h"
#include "recognition/Matcher.h"
#include "recognition/ShapeMatcher.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

// A stroke as the overlay leaves it in the comparison picture: a thick black "Z".
QImage realisticDrawing() {
    QImage picture(97, 97, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawPolyline(QPolygon({{10, 12}, {85, 12}, {12, 85}, {86, 85}}));
    return picture;
}

void BM_Recognise(benchmark::State& state) {
    const QList<Shortcut> symbols = randomSymbols(static_cast<int>(state.range(0)));
    const QImage picture = realisticDrawing();
    SymbolGrid grid;
    ClearGrid(grid);
    const auto readStored = [&symbols](const QString& name) {
        return symbolfile::Content{symbols[name.toInt()].tag, {}};
    };
    for (auto _ : state) {
        const DrawingGrid drawing = sampleDrawing(picture, 15, 15);
        benchmark::DoNotOptimize(recognise(drawing, symbols, grid, readStored));
    }
    // Stored symbols compared per second.
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Recognise)->Arg(16)->Arg(256)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A wandering stroke of about the length people draw: 80 steps of up to 30 pixels.
Stroke randomStroke(std::mt19937& random) {
    std::uniform_int_distribution step(-30, 30);
    Stroke stroke{{500, 500}};
    for (int i = 0; i < 80; ++i)
        stroke.append(stroke.back() + QPoint(step(random), step(random)));
    return stroke;
}

double p90(const std::vector<double>& times) {
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(0.9 * static_cast<double>(sorted.size() - 1))];
}

// range(0) symbols of five drawings, each with its stroke when range(1) is 1, else grids only.
void BM_Precise(benchmark::State& state) {
    std::mt19937 random(7);
    QList<Shortcut> symbols = randomSymbols(static_cast<int>(state.range(0)));
    for (Shortcut& symbol : symbols) {
        symbol.moreDrawings = QStringList(4, symbol.tag);
        for (int drawing = 0; drawing < 5; ++drawing)
            symbol.traces.append(traceOf(randomStroke(random)));
    }
    // The gesture is one of the stored strokes drawn again, a few pixels off all along.
    std::uniform_int_distribution jitter(-4, 4);
    Stroke drawn = *strokeOfTrace(symbols[symbols.size() / 2].traces[2]);
    for (QPoint& point : drawn)
        point += QPoint(jitter(random), jitter(random));
    const DrawingGrid drawing = sampleDrawing(realisticDrawing(), 15, 15);
    SymbolGrid grid;
    ClearGrid(grid);
    const auto readStored = [](const QString&) { return symbolfile::Content{}; };
    const PreparedSymbols prepared(symbols); // once, as when the list is built
    const Stroke none;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            recognisePrecisely(drawing, state.range(1) ? drawn : none, prepared, grid, readStored));
    }
}
BENCHMARK(BM_Precise)
    ->ArgNames({"symbols", "strokes"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(20)
    ->ComputeStatistics("p90", p90)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();

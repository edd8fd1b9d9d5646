// Cost of one recognition over many stored symbols: sampling the comparison picture and matching
// the drawing against every symbol's cached Grid string.
#include "RandomSymbols.h"
#include "recognition/DrawingSampler.h"
#include "recognition/Matcher.h"

#include <QPainter>

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();

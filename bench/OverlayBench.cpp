// Cost of the overlay's two hot paths, on the offscreen platform:
// one pointer movement on a 3840 x 2160 overlay (dot, frame, repaint of what changed), and one
// preview capture (copy a 1000 x 800 block, reduce it, compare it against 256 symbols).
#include "RandomSymbols.h"
#include "overlay/Capture.h"
#include "overlay/FrmView.h"
#include "recognition/DrawingSampler.h"
#include "recognition/Matcher.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void BM_PointerMove(benchmark::State& state) {
    FrmView overlay(QImage(), QRect(0, 0, 3840, 2160), true);
    overlay.show();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const int x = 500 + (step % 2000);
        const int y = 500 + (step / 2000) % 1000;
        overlay.Form_MouseMove(x, y);
        QCoreApplication::processEvents(); // the repaint of what changed
        ++step;
    }
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

void BM_PreviewCapture(benchmark::State& state) {
    QImage strokeLayer(3840, 2160, QImage::Format_RGB32);
    strokeLayer.fill(Qt::white);
    QPainter painter(&strokeLayer);
    painter.setPen(QPen(Qt::black, 160, Qt::SolidLine, Qt::RoundCap));
    painter.drawPolyline(QPolygon({{600, 600}, {1500, 700}, {700, 1300}, {1500, 1350}}));
    painter.end();
    const QList<Shortcut> symbols = randomSymbols(256);
    SymbolGrid grid;
    ClearGrid(grid);
    const auto readStored = [&symbols](const QString& name) {
        return symbolfile::Content{symbols[name.toInt()].tag, {}};
    };

    for (auto _ : state) {
        const QImage block = capture::copyBlock(strokeLayer, QRect(550, 550, 1000, 800));
        const QImage picture = capture::comparisonPicture(block, QSize(97, 97));
        benchmark::DoNotOptimize(
            recognise(sampleDrawing(picture, 15, 15), symbols, grid, readStored));
    }
}
BENCHMARK(BM_PreviewCapture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Cost of rebuilding the shortcut list from a folder of 1 000 and 10 000 shortcut files.
#include "store/FileList.h"
#include "store/ShortcutList.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_RebuildList(benchmark::State& state) {
    QTemporaryDir folder;
    const QByteArray content =
        "[Image]\nValue=" + QByteArray(144, '0') + "\nRepertoire=/bin/true\n";
    for (int i = 0; i < state.range(0); ++i) {
        QFile file(folder.filePath(QStringLiteral("s%1.ini").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            state.SkipWithError("cannot write the folder");
    }
    FileList files;
    files.setPath(folder.path());
    ShortcutList list;
    for (auto _ : state)
        list.rebuild(files);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RebuildList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

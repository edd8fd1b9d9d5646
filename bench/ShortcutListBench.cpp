// Cost of reading the shortcut list from a folder of 1 000 and 10 000 shortcut files: all of it,
// and brought up to date after one file changed.
#include "store/FileList.h"
#include "store/ShortcutList.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool writeShortcut(const QTemporaryDir& folder, int index, char cell) {
    const QByteArray content =
        "[Image]\nValue=" + QByteArray(144, cell) + "\nRepertoire=/bin/true\n";
    QFile file(folder.filePath(QStringLiteral("s%1.ini").arg(index)));
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool fillFolder(const QTemporaryDir& folder, int shortcuts) {
    for (int i = 0; i < shortcuts; ++i) {
        if (!writeShortcut(folder, i, '0'))
            return false;
    }
    return true;
}

void BM_ReadWholeList(benchmark::State& state) {
    QTemporaryDir folder;
    if (!fillFolder(folder, int(state.range(0))))
        state.SkipWithError("cannot write the folder");
    FileList files;
    files.setPath(folder.path());
    for (auto _ : state) {
        ShortcutList list;
        list.refresh(files);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadWholeList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RefreshAfterOneChange(benchmark::State& state) {
    QTemporaryDir folder;
    if (!fillFolder(folder, int(state.range(0))))
        state.SkipWithError("cannot write the folder");
    FileList files;
    files.setPath(folder.path());
    ShortcutList list;
    list.refresh(files);
    int round = 0;
    for (auto _ : state) {
        if (!writeShortcut(folder, 0, ++round % 2 ? '1' : '0'))
            state.SkipWithError("cannot write the file");
        list.refresh(files);
    }
}
BENCHMARK(BM_RefreshAfterOneChange)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

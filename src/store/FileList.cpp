#include "store/FileList.h"

#include "store/SymbolDirectory.h"

#include <algorithm>

void FileList::refresh() {
    m_names = symbols::fileNames(m_path);
    // Equal names but for case (possible on Linux) keep a stable, case-sensitive order.
    std::sort(m_names.begin(), m_names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

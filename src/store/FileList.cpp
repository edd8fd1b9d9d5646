#include "store/FileList.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

void FileList::refresh() {
    QDir dir(m_path);
    dir.setNameFilters({u"*.ini*"_s});
    m_names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    // Equal names but for case (possible on Linux) keep a stable, case-sensitive order.
    std::sort(m_names.begin(), m_names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

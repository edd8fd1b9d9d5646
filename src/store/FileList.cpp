#include "store/FileList.h"

#include <algorithm>

void FileList::refresh() {
    m_files = symbols::shortcutFiles(m_path);
    // Equal names but for case (possible on Linux) keep a stable, case-sensitive order.
    std::sort(m_files.begin(), m_files.end(),
              [](const symbols::ShortcutFile& a, const symbols::ShortcutFile& b) {
                  const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
                  return folded != 0 ? folded < 0 : a.name < b.name;
              });
}

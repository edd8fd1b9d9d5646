#pragma once

#include <QString>

// A Grid string whose cells first..last are black, the others white.
inline QString cells(int first, int last) {
    QString grid(144, u'0');
    for (int i = first; i <= last; ++i)
        grid[i] = u'1';
    return grid;
}

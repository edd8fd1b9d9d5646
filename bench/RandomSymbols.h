#pragma once

#include "store/ShortcutList.h"

#include <QList>

#include <random>

// Stored symbols for the benchmarks: about a third of their cells black, as drawn symbols have.
// Each is named after its position, so a lookup by name is a number.
inline QList<Shortcut> randomSymbols(int count) {
    std::mt19937 random(42);
    std::bernoulli_distribution black(0.3);
    QList<Shortcut> symbols;
    for (int i = 0; i < count; ++i) {
        QString grid(144, u'0');
        for (QChar& cell : grid)
            cell = black(random) ? u'1' : u'0';
        symbols.append({QString::number(i), grid});
    }
    return symbols;
}

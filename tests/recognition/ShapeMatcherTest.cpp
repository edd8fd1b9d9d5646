#include "recognition/ShapeMatcher.h"
#include "recognition/GestureDecision.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Grids by row and column ranges: {row0, row1, col0, col1} black, the rest white.
struct Block {
    int rows[2];
    int columns[2];
};

DrawingGrid grid(std::initializer_list<Block> blocks) {
    DrawingGrid cells;
    for (const Block& block : blocks)
        for (int row = block.rows[0]; row <= block.rows[1]; ++row)
            for (int column = block.columns[0]; column <= block.columns[1]; ++column)
                cells[row * 12 + column] = true;
    return cells;
}

QString gridString(const DrawingGrid& cells) {
    QString text(144, u'0');
    for (int i = 0; i < 144; ++i)
        text[i] = cells[i] ? u'1' : u'0';
    return text;
}

const DrawingGrid bar = grid({{{6, 6}, {0, 11}}});
const DrawingGrid column = grid({{{0, 11}, {6, 6}}});
const DrawingGrid full = grid({{{0, 11}, {0, 11}}});
const DrawingGrid square =
    grid({{{2, 2}, {2, 9}}, {{9, 9}, {2, 9}}, {{2, 9}, {2, 2}}, {{2, 9}, {9, 9}}});

struct Row {
    const char* name;
    std::vector<std::pair<QString, std::vector<DrawingGrid>>> stored;
    DrawingGrid drawn;
    int selected;
    bool accepted; // with the sliders at their defaults
};

TEST(ShapeMatcher, SelectsByShapeOverEveryStoredDrawing) {
    const Row rows[] = {
        {"the same drawing", {{u"bar"_s, {bar}}}, bar, 1, true},
        {"a cell aside costs little", {{u"bar"_s, {bar}}}, grid({{{6, 6}, {1, 11}}}), 1, true},
        {"shape, not cells in common", {{u"full"_s, {full}}, {u"bar"_s, {bar}}}, bar, 2, true},
        {"every drawing counts",
         {{u"square"_s, {square}}, {u"lines"_s, {column, bar}}},
         bar,
         2,
         true},
        {"an unknown shape is too far", {{u"bar"_s, {bar}}}, square, 1, false},
        {"a tie is no margin", {{u"a"_s, {bar}}, {u"b"_s, {bar}}}, bar, 1, false},
        {"nothing drawn selects nothing", {{u"bar"_s, {bar}}}, DrawingGrid(), 0, false},
    };
    for (const Row& row : rows) {
        QList<Shortcut> shortcuts;
        for (const auto& [name, drawings] : row.stored) {
            Shortcut shortcut{name, gridString(drawings.front())};
            for (std::size_t i = 1; i < drawings.size(); ++i)
                shortcut.moreDrawings.append(gridString(drawings[i]));
            shortcuts.append(shortcut);
        }
        SymbolGrid white;
        ClearGrid(white);
        const Recognition found = recognisePrecisely(
            row.drawn, {}, PreparedSymbols(shortcuts), white, [](const QString& name) {
                return symbolfile::Content{{}, u"/bin/"_s + name};
            });
        EXPECT_EQ(found.selected, row.selected) << row.name;
        EXPECT_EQ(decide(found, {}, Thresholds{50, 60}).accepted, row.accepted) << row.name;
        if (row.selected) {
            EXPECT_EQ(found.program, u"/bin/"_s + shortcuts[row.selected - 1].text) << row.name;
        }
    }
}

// Strokes too far to matter are not measured to the end, but the runner-up always is: the
// contour bar is the margin over it.
TEST(ShapeMatcher, TheRunnerUpStrokeIsMeasuredWhole) {
    const auto arc = [](int from) {
        Stroke stroke;
        for (int step = 0; step <= 48; ++step) {
            const double angle = 2 * 3.14159265 * (from + step) / 64;
            stroke.append(
                {qRound(300 + 200 * std::cos(angle)), qRound(300 + 200 * std::sin(angle))});
        }
        return stroke;
    };
    QList<Shortcut> shortcuts;
    for (const auto& [name, from] : {std::pair(u"near"_s, 0), std::pair(u"next"_s, 8)})
        shortcuts.append({name, gridString(bar), {}, {traceOf(arc(from))}});
    SymbolGrid white;
    ClearGrid(white);
    const Recognition found =
        recognisePrecisely(bar, arc(1), PreparedSymbols(shortcuts), white,
                           [](const QString&) { return symbolfile::Content{}; });
    EXPECT_EQ(found.selected, 1);
    EXPECT_GT(found.contourPercentage, 0.0f);
    EXPECT_LT(found.contourPercentage, 100.0f) << "the runner-up was left unmeasured";
}

TEST(ShapeMatcher, DistanceIsSymmetricZeroForTheSameGridAndCapped) {
    EXPECT_EQ(shapeDistance(bar, bar), 0.0f);
    EXPECT_EQ(shapeDistance(bar, column), shapeDistance(column, bar));
    EXPECT_LE(shapeDistance(bar, full), 2.0f) << "no cell counts more than two cells away";
    EXPECT_TRUE(std::isinf(shapeDistance(bar, DrawingGrid())));
}

} // namespace

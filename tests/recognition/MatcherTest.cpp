#include "recognition/Matcher.h"
#include "support/QtPrinters.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A Grid string with the given cells black.
QString gridWith(std::initializer_list<std::pair<int, int>> blackRanges) {
    QString grid(SymbolGrid::cellCount, u'0');
    for (auto [first, last] : blackRanges)
        for (int i = first; i <= last; ++i)
            grid[i] = u'1';
    return grid;
}

DrawingGrid drawingOf(const QString& gridString) {
    DrawingGrid drawing;
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        drawing[i] = gridString[i] == u'1';
    return drawing;
}

SymbolGrid whiteGrid() {
    SymbolGrid grid;
    ClearGrid(grid);
    return grid;
}

// The symbol files as the matcher reads them afresh: by default the cached Grid strings.
struct Catalogue {
    QList<Shortcut> shortcuts;
    QHash<QString, symbolfile::Content> files;

    void add(const QString& name, const QString& gridString) {
        shortcuts.append({name, gridString});
        files.insert(name, {gridString, u"/bin/"_s + name});
    }
    Recognition recognise(const DrawingGrid& drawing, const SymbolGrid& start = whiteGrid()) const {
        return ::recognise(drawing, shortcuts, start,
                           [this](const QString& name) { return files.value(name); });
    }
};

TEST(Matcher, TiesGoToTheEarlierSymbol) {
    Catalogue catalogue;
    catalogue.add(u"a"_s, gridWith({{0, 9}}));
    catalogue.add(u"b"_s, gridWith({{0, 9}, {100, 110}}));
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{0, 9}})));
    EXPECT_EQ(found.selected, 1);
    EXPECT_EQ(found.bestBlack, 10);
    EXPECT_EQ(found.blackPercentage, 100.0f);
}

TEST(Matcher, SelectsByRawCountNotByPercentage) {
    Catalogue catalogue;
    catalogue.add(u"A"_s, gridWith({{0, 19}}));  // 20 black, all covered
    catalogue.add(u"B"_s, gridWith({{20, 79}})); // 60 black, 21 covered
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{0, 40}})));
    EXPECT_EQ(found.selected, 2);
    EXPECT_EQ(found.bestBlack, 21);
    EXPECT_EQ(found.blackPercentage, 35.0f);
    EXPECT_EQ(found.program, u"/bin/B"_s);
}

TEST(Matcher, BestContourComesFromAnySymbol) {
    Catalogue catalogue;
    catalogue.add(u"big"_s, gridWith({{0, 99}}));  // 44 white
    catalogue.add(u"small"_s, gridWith({{0, 0}})); // 143 white
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{0, 99}})));
    EXPECT_EQ(found.selected, 1);
    EXPECT_EQ(found.bestContour, 44);
    EXPECT_EQ(found.contourPercentage, 100.0f);

    // The drawing covers only one cell: the small symbol's 143 white cells stay uncovered, more
    // than the selected symbol has.
    const Recognition dot = catalogue.recognise(drawingOf(gridWith({{0, 0}})));
    EXPECT_EQ(dot.selected, 1);
    EXPECT_EQ(dot.bestContour, 143);
    EXPECT_GT(*dot.contourPercentage, 100.0f);
}

TEST(Matcher, FullCoverageLeavesNoContour) {
    Catalogue catalogue;
    catalogue.add(u"a"_s, gridWith({{0, 50}}));
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{0, 143}})));
    EXPECT_EQ(found.bestContour, 0);
    EXPECT_EQ(found.contourPercentage, 0.0f);
}

TEST(Matcher, NothingIsSelectedWithoutABlackMatch) {
    Catalogue catalogue;
    EXPECT_EQ(catalogue.recognise(drawingOf(gridWith({{0, 5}}))).selected, 0);
    catalogue.add(u"a"_s, gridWith({{0, 5}}));
    const Recognition blank = catalogue.recognise(DrawingGrid());
    EXPECT_EQ(blank.selected, 0);
    EXPECT_FALSE(blank.blackPercentage);
    EXPECT_FALSE(blank.contourPercentage);
}

TEST(Matcher, PercentagesComeFromTheFileReadAfresh) {
    Catalogue catalogue;
    catalogue.add(u"a"_s, gridWith({{0, 9}}));
    catalogue.files[u"a"_s].gridString = gridWith({{0, 39}}); // changed since the list was built
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{0, 9}})));
    EXPECT_EQ(found.blackPercentage, 25.0f);

    catalogue.files[u"a"_s].gridString = u""_s; // no "Value" any more
    EXPECT_FALSE(catalogue.recognise(drawingOf(gridWith({{0, 9}}))).blackPercentage);
    catalogue.files[u"a"_s].gridString = u"1"_s.repeated(144); // no white cell
    const Recognition allBlack = catalogue.recognise(drawingOf(gridWith({{0, 9}})));
    EXPECT_EQ(allBlack.blackPercentage, 10.0f / 144 * 100);
    EXPECT_FALSE(allBlack.contourPercentage);
}

TEST(Matcher, ShortGridStringsKeepThePreviousSymbolsCells) {
    Catalogue catalogue;
    catalogue.add(u"long"_s, gridWith({{140, 143}}));
    catalogue.add(u"short"_s, u"1"_s);
    catalogue.add(u"broken"_s, u"0x"_s);
    const Recognition found = catalogue.recognise(drawingOf(gridWith({{140, 143}})));
    EXPECT_EQ(found.selected, 1);
    SymbolGrid expected = whiteGrid();
    for (int i = 140; i < 144; ++i)
        expected.setBackColor(i, CellColour::Black);
    EXPECT_TRUE(found.referenceGrid == expected) << "the last symbol painted only cell 0 white";
}

} // namespace

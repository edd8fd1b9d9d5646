#include "store/SymbolFile.h"

#include "store/IniFile.h"

using namespace Qt::StringLiterals;

namespace symbolfile {
namespace {

const QString section = u"Image"_s;
const QString gridKey = u"Value"_s;
const QString programKey = u"Repertoire"_s;

} // namespace

Content read(const QString& path) {
    const QStringList values = GetIniValues(section, {gridKey, programKey}, path);
    return {values[0], values[1]};
}

std::optional<Failure<SaveError>> write(const QString& path, const Content& content) {
    return SetIniValues(section, {{gridKey, content.gridString}, {programKey, content.program}},
                        path);
}

QString gridStringOf(const SymbolGrid& grid) {
    QString text;
    text.reserve(SymbolGrid::cellCount);
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        text += grid.backColor(i) == CellColour::White ? u'0' : u'1';
    return text;
}

bool paintGridString(SymbolGrid& grid, QStringView gridString) {
    // The length was an 8-bit count: a longer string could not even be measured.
    constexpr qsizetype longestMeasurable = 255;
    if (gridString.size() > longestMeasurable)
        return false;
    for (qsizetype k = 0; k < gridString.size(); ++k) {
        const QChar c = gridString[k];
        if (c < u'0' || c > u'9')
            return false;
        if (k >= SymbolGrid::cellCount)
            return false;
        grid.setBackColor(static_cast<int>(k), c == u'1' ? CellColour::Black : CellColour::White);
    }
    return true;
}

} // namespace symbolfile

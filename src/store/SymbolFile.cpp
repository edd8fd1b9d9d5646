#include "store/SymbolFile.h"

#include "store/IniFile.h"

using namespace Qt::StringLiterals;

namespace symbolfile {
namespace {

const QString section = u"Image"_s;
const QString programKey = u"Repertoire"_s;

// "Value", "Value2", ... "Value5".
QString drawingKey(int drawing) {
    return drawing == 0 ? u"Value"_s : u"Value"_s + QString::number(drawing + 1);
}

} // namespace

Content read(const QString& path) {
    QStringList keys;
    for (int drawing = 0; drawing < mostDrawings; ++drawing)
        keys.append(drawingKey(drawing));
    keys.append(programKey);
    const QStringList values = GetIniValues(section, keys, path);
    Content content{values.front(), values.back(), {}};
    for (int drawing = 1; drawing < mostDrawings; ++drawing) {
        if (!values[drawing].isEmpty())
            content.moreDrawings.append(values[drawing]);
    }
    return content;
}

Outcome<SaveError> write(const QString& path, const Content& content) {
    QList<std::pair<QString, QString>> values{{drawingKey(0), content.gridString}};
    QStringList dropped;
    for (int drawing = 1; drawing < mostDrawings; ++drawing) {
        if (drawing <= content.moreDrawings.size())
            values.append(std::pair(drawingKey(drawing), content.moreDrawings[drawing - 1]));
        else
            dropped.append(drawingKey(drawing));
    }
    values.append(std::pair(programKey, content.program));
    return SetIniValues(section, values, path, dropped);
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

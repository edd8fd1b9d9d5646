#include "store/SymbolFile.h"

#include "store/IniFile.h"

using namespace Qt::StringLiterals;

namespace symbolfile {
namespace {

const QString section = u"Image"_s;
const QString programKey = u"Repertoire"_s;

// "Value", "Value2", ... "Value5"; "Trace", "Trace2", ... "Trace5".
QString numbered(const QString& key, int drawing) {
    return drawing == 0 ? key : key + QString::number(drawing + 1);
}
QString drawingKey(int drawing) {
    return numbered(u"Value"_s, drawing);
}
QString traceKey(int drawing) {
    return numbered(u"Trace"_s, drawing);
}

} // namespace

Content read(const QString& path) {
    QStringList keys;
    for (int drawing = 0; drawing < mostDrawings; ++drawing)
        keys << drawingKey(drawing) << traceKey(drawing);
    keys.append(programKey);
    const QStringList values = GetIniValues(section, keys, path);
    Content content{values[0], values.back(), {}, {values[1]}};
    for (int drawing = 1; drawing < mostDrawings; ++drawing) {
        if (values[2 * drawing].isEmpty())
            continue;
        content.moreDrawings.append(values[2 * drawing]);
        content.traces.append(values[2 * drawing + 1]);
    }
    // Drawings without a trace have none to keep.
    while (!content.traces.isEmpty() && content.traces.back().isEmpty())
        content.traces.removeLast();
    return content;
}

Outcome<SaveError> write(const QString& path, const Content& content) {
    QList<std::pair<QString, QString>> values;
    QStringList dropped;
    for (int drawing = 0; drawing < mostDrawings; ++drawing) {
        if (drawing == 0)
            values.append(std::pair(drawingKey(drawing), content.gridString));
        else if (drawing <= content.moreDrawings.size())
            values.append(std::pair(drawingKey(drawing), content.moreDrawings[drawing - 1]));
        else
            dropped.append(drawingKey(drawing));
        const QString trace = content.traces.value(drawing);
        if (!trace.isEmpty() && drawing <= content.moreDrawings.size())
            values.append(std::pair(traceKey(drawing), trace));
        else
            dropped.append(traceKey(drawing));
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

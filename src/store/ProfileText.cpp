#include "store/ProfileText.h"

#include <QByteArrayView>
#include <QList>
#include <QStringDecoder>

namespace profile {
namespace {

using namespace Qt::StringLiterals;

constexpr QByteArrayView utf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView bytes) {
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

// UTF-8 to text, keeping a leading U+FEFF: inside a value it is a character like any other.
QString decoded(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool sameName(QByteArrayView stored, QStringView wanted) {
    return decoded(stored).compare(wanted, Qt::CaseInsensitive) == 0;
}

// One line of the text, as offsets into it: [begin, contentEnd) is the line without its line
// break, [contentEnd, end) the break itself (empty on a last line without one).
struct Line {
    qsizetype begin = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
};

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;      // section or key name, trimmed
    qsizetype valueBegin = 0; // for an entry: where the value starts (after '=' and blanks)
};

bool isBlankLine(const QByteArray& text, const Line& line) {
    return trimmed(QByteArrayView(text).sliced(line.begin, line.contentEnd - line.begin)).isEmpty();
}

QList<Line> splitLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype newline = text.indexOf('\n', begin);
        Line line;
        line.begin = begin;
        line.end = newline < 0 ? text.size() : newline + 1;
        line.contentEnd = newline < 0 ? text.size() : newline;
        if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        lines.append(line);
        begin = line.end;
    }
    return lines;
}

ParsedLine parse(const QByteArray& text, const Line& line) {
    qsizetype begin = line.begin;
    if (begin == 0 && QByteArrayView(text).startsWith(utf8Bom))
        begin = utf8Bom.size();
    const QByteArrayView content(text.constData() + begin, line.contentEnd - begin);
    const QByteArrayView stripped = trimmed(content);
    ParsedLine parsed;
    if (stripped.isEmpty() || stripped.front() == ';' || stripped.front() == '#')
        return parsed;
    if (stripped.front() == '[') {
        const qsizetype close = stripped.indexOf(']');
        parsed.kind = LineKind::Section;
        parsed.name = trimmed(close < 0 ? stripped.sliced(1) : stripped.sliced(1, close - 1));
        return parsed;
    }
    const qsizetype equals = content.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.kind = LineKind::Entry;
    parsed.name = trimmed(content.first(equals));
    qsizetype valueBegin = begin + equals + 1;
    while (valueBegin < line.contentEnd && isBlank(text[valueBegin]))
        ++valueBegin;
    parsed.valueBegin = valueBegin;
    return parsed;
}

QString unquoted(QByteArrayView raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.sliced(1, raw.size() - 2);
    return decoded(raw);
}

QByteArray quotedIfNeeded(QStringView value) {
    QByteArray bytes = value.toUtf8();
    if (bytes.isEmpty())
        return bytes;
    const auto needsQuotes = [](char c) { return isBlank(c) || c == '"'; };
    if (needsQuotes(bytes.front()) || needsQuotes(bytes.back()))
        return '"' + bytes + '"';
    return bytes;
}

bool hasLineBreakOrNul(QStringView text) {
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0));
}

bool isStorableName(QStringView name, QStringView forbidden) {
    if (name.isEmpty() || hasLineBreakOrNul(name) || name.trimmed().size() != name.size())
        return false;
    for (QChar c : forbidden) {
        if (name.contains(c))
            return false;
    }
    return true;
}

QByteArray lineBreakOf(const QByteArray& text) {
    const qsizetype newline = text.indexOf('\n');
    return newline > 0 && text[newline - 1] == '\r' ? "\r\n"_ba : "\n"_ba;
}

// Where a lookup found its key, or where a new key would go.
struct Location {
    std::optional<Line> entryLine;
    ParsedLine entry;
    std::optional<qsizetype> sectionEnd; // end of the last non-blank line of the first match
};

Location locate(const QByteArray& text, const QList<Line>& lines, QStringView section,
                QStringView key) {
    Location found;
    bool inSection = false;
    bool inFirstSection = false;
    for (const Line& line : lines) {
        const ParsedLine parsed = parse(text, line);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
            inFirstSection = inSection && !found.sectionEnd;
            if (inFirstSection)
                found.sectionEnd = line.end;
            continue;
        }
        if (inFirstSection && !isBlankLine(text, line))
            found.sectionEnd = line.end;
        if (inSection && parsed.kind == LineKind::Entry && sameName(parsed.name, key)) {
            found.entryLine = line;
            found.entry = parsed;
            return found;
        }
    }
    return found;
}

} // namespace

std::optional<QString> readValue(const QByteArray& text, QStringView section, QStringView key) {
    const Location found = locate(text, splitLines(text), section, key);
    if (!found.entryLine)
        return std::nullopt;
    const QByteArrayView raw(text.constData() + found.entry.valueBegin,
                             found.entryLine->contentEnd - found.entry.valueBegin);
    return unquoted(trimmed(raw));
}

std::optional<QByteArray> writeValue(const QByteArray& text, QStringView section, QStringView key,
                                     QStringView value) {
    if (hasLineBreakOrNul(value) || !isStorableName(section, u"]") || !isStorableName(key, u"=") ||
        key.front() == u'[' || key.front() == u';' || key.front() == u'#')
        return std::nullopt;

    const QList<Line> lines = splitLines(text);
    const Location found = locate(text, lines, section, key);
    const QByteArray stored = quotedIfNeeded(value);
    QByteArray result = text;

    if (found.entryLine) {
        result.replace(found.entry.valueBegin, found.entryLine->contentEnd - found.entry.valueBegin,
                       stored);
        return result;
    }

    const QByteArray lineBreak = lineBreakOf(text);
    const QByteArray entry = key.toUtf8() + '=' + stored + lineBreak;
    if (found.sectionEnd) {
        qsizetype at = *found.sectionEnd;
        QByteArray insertion = entry;
        if (at > 0 && result[at - 1] != '\n')
            insertion.prepend(lineBreak);
        result.insert(at, insertion);
        return result;
    }

    if (!result.isEmpty() && !result.endsWith('\n'))
        result += lineBreak;
    if (!result.isEmpty())
        result += lineBreak;
    result += '[' + section.toUtf8() + ']' + lineBreak + entry;
    return result;
}

QByteArray removeValue(const QByteArray& text, QStringView section, QStringView key) {
    const Location found = locate(text, splitLines(text), section, key);
    if (!found.entryLine)
        return text;
    QByteArray result = text;
    result.remove(found.entryLine->begin, found.entryLine->end - found.entryLine->begin);
    return result;
}

} // namespace profile

#include "recognition/OutcomeText.h"

#include <QLocale>

using namespace Qt::StringLiterals;

QString GetLastPart(const QString& text, const QString& separator) {
    if (separator.size() != 1)
        return text;
    const qsizetype at = text.lastIndexOf(separator.front());
    return at < 0 ? text : text.sliced(at + 1);
}

QString percentageText(float percentage) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(percentage), 'g', 7);
}

QString recognitionCaption(const QString& name, float percentage) {
    return name + u" ("_s + percentageText(percentage) + u"%)"_s;
}

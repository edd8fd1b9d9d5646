#include "recognition/OutcomeText.h"

#include <QDir>
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

QString recognitionCaption(const QString& program, float percentage) {
    // Program paths here use the platform's separator.
    return GetLastPart(program, QString(QDir::separator())) + u" ("_s + percentageText(percentage) +
           u"%)"_s;
}

QString launchProblemText(LaunchError error) {
    switch (error) {
    case LaunchError::NoProgram:
        return u"aucun programme indiqué"_s;
    case LaunchError::NotFound:
        return u"programme introuvable"_s;
    case LaunchError::NotExecutable:
        return u"ce n'est pas un programme"_s;
    case LaunchError::TooLong:
        return u"nom de fichier trop long"_s;
    case LaunchError::StartFailed:
        break;
    }
    return u"le système n'a pas pu le lancer"_s;
}

#include "recognition/OutcomeText.h"

#include <QCoreApplication>
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

QString launchProblemText(LaunchError error) {
    switch (error) {
    case LaunchError::NoProgram:
        return QCoreApplication::translate("Launcher", "aucun programme indiqué");
    case LaunchError::NotFound:
        return QCoreApplication::translate("Launcher", "programme introuvable");
    case LaunchError::NotExecutable:
        return QCoreApplication::translate("Launcher", "ce n'est pas un programme");
    case LaunchError::TooLong:
        return QCoreApplication::translate("Launcher", "nom de fichier trop long");
    case LaunchError::NoApplication:
        return QCoreApplication::translate("Launcher", "aucune application n'ouvre ce fichier");
    case LaunchError::StartFailed:
        break;
    }
    return QCoreApplication::translate("Launcher", "le système n'a pas pu le lancer");
}

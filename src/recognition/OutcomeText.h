#pragma once

#include <QString>

// What follows the last occurrence of the one-character separator in text: the whole text when
// it does not occur, "" when the text is empty or ends with it. A longer separator never matches.
QString GetLastPart(const QString& text, const QString& separator);

// A percentage as the recognition label shows it: single precision, at most 7 significant digits,
// no trailing zeros, the user's decimal separator (50, 92.5, 86.95652).
QString percentageText(float percentage);

// The recognition label: the program's name and the black percentage, "bloc (92.5%)".
QString recognitionCaption(const QString& name, float percentage);

#pragma once

#include <QTranslator>

#include <memory>

// The interface's language: Gestrix's own texts are written in French and translated into
// English; Qt's own dialogs and buttons follow in the same language, from Qt's translations.
class Translations {
public:
    explicit Translations(bool english);

    // A text in that language, usable before the application object exists (command-line
    // messages). The source is marked where it is written with QT_TRANSLATE_NOOP.
    QString text(const char* context, const char* source) const;

    // From now on every tr() of the program, and Qt's own dialogs, speak that language.
    void install();
    // The language chosen while the program runs: installed at once, and every widget is told
    // (Qt sends each a LanguageChange).
    void switchTo(bool english);

private:
    void load(bool english);

    std::unique_ptr<QTranslator> m_gestrix;
    std::unique_ptr<QTranslator> m_qt;
};

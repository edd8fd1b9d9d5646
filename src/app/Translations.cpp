#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcTranslations, "gestrix.translations", QtCriticalMsg)

Translations::Translations(bool english) {
    load(english);
}

void Translations::load(bool english) {
    m_gestrix = std::make_unique<QTranslator>();
    m_qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (english && !m_gestrix->load(u":/translations/gestrix_en.qm"_s))
        qCWarning(lcTranslations) << "no English translation: the interface stays French";
    // Qt's texts are English at the source: only French needs them.
    if (!english && !m_qt->load(u"qtbase_fr"_s, qtFolder))
        qCWarning(lcTranslations) << "no French translation of Qt's dialogs in" << qtFolder;
}

QString Translations::text(const char* context, const char* source) const {
    const QString translated = m_gestrix->translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void Translations::install() {
    for (QTranslator* translator : {m_gestrix.get(), m_qt.get()}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

void Translations::switchTo(bool english) {
    for (QTranslator* translator : {m_gestrix.get(), m_qt.get()})
        QCoreApplication::removeTranslator(translator);
    load(english);
    install();
}

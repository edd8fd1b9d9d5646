#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "app/XdgEnvironment.h"
#include "main/FrmMain.h"
#include "platform/DesktopPlatform.h"
#include "platform/process/Memory.h"
#include "prefs/Preferences.h"
#include "store/SymbolDirectory.h"
#include "tray/QtNotificationShell.h"
#include "widgets/FormLook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Without a display Qt would abort; say so instead. Tests choose their platform themselves.
bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A line on standard error, after the program's name.
void complain(const QString& text) {
    std::fprintf(stderr, "gestrix: %s\n", qPrintable(text));
}

QString instanceFolder() {
    return SingleInstance::chooseFolder(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

// A second start hands over to the running instance, or says why it cannot.
int handOver(const SingleInstance& instance, const Translations& translations) {
    const QString pid = QString::number(instance.runningProcessId());
    switch (instance.ask(SingleInstance::Request::ShowWindow)) {
    case SingleInstance::Answer::Done:
        return 0;
    case SingleInstance::Answer::NoAnswer:
        complain(translations
                     .text("main", QT_TRANSLATE_NOOP("main", "Gestrix est déjà lancé (processus "
                                                             "%1) mais ne répond pas."))
                     .arg(pid));
        return 1;
    case SingleInstance::Answer::Unreachable:
        break;
    }
    complain(translations
                 .text("main", QT_TRANSLATE_NOOP("main", "Gestrix est déjà lancé (processus %1) "
                                                         "mais ne peut pas être joint."))
                 .arg(pid));
    return 1;
}

// "gestrix --gesture", bound to a desktop shortcut where no program may watch the mouse
// (Wayland): the running instance starts a gesture. Needs no display of its own.
int requestGesture(int argc, char* argv[], const Translations& translations) {
    const QCoreApplication app(argc, argv);
    switch (SingleInstance(instanceFolder()).ask(SingleInstance::Request::StartGesture)) {
    case SingleInstance::Answer::Done:
        return 0;
    case SingleInstance::Answer::NoAnswer:
        complain(translations.text(
            "main", QT_TRANSLATE_NOOP("main", "Gestrix est lancé mais ne répond pas.")));
        return 1;
    case SingleInstance::Answer::Unreachable:
        break;
    }
    complain(translations.text("main", QT_TRANSLATE_NOOP("main", "Gestrix n'est pas lancé.")));
    return 1;
}

// The help as the parser would write it, in the program's own words.
template <typename Text>
QString helpText(const QList<QCommandLineOption>& options, const Text& text) {
    QStringList names;
    qsizetype widest = 0;
    for (const QCommandLineOption& option : options) {
        QStringList spelled;
        for (const QString& name : option.names())
            spelled.append((name.size() == 1 ? u"-"_s : u"--"_s) + name);
        names.append(spelled.join(u", "_s));
        widest = std::max(widest, names.back().size());
    }
    QString help =
        text(QT_TRANSLATE_NOOP("main", "Utilisation : gestrix [options]")) + u"\n"_s +
        text(QT_TRANSLATE_NOOP("main", "Lanceur de programmes par gestes : appuyez sur le bouton "
                                       "du milieu de la souris, dessinez un symbole, cliquez.")) +
        u"\n\n"_s + text(QT_TRANSLATE_NOOP("main", "Options :")) + u"\n"_s;
    for (qsizetype i = 0; i < options.size(); ++i)
        help += u"  "_s + names[i].leftJustified(widest + 2) + options[i].description() + u'\n';
    return help;
}

} // namespace

int main(int argc, char* argv[]) {
    followXdgRules();
    QCoreApplication::setOrganizationName(u"Gestrix"_s);
    QCoreApplication::setApplicationName(u"Gestrix"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(GESTRIX_VERSION));

    Translations translations(prefs::speaksEnglish(prefs::load().language));
    const auto text = [&translations](const char* source) {
        return translations.text("main", source);
    };

    // Options are read before Qt opens the display, so --help works anywhere. Qt's own help and
    // version options would speak English: these are the program's.
    QCommandLineParser parser;
    const QCommandLineOption help({u"h"_s, u"help"_s},
                                  text(QT_TRANSLATE_NOOP("main", "Affiche cette aide.")));
    parser.addOption(help);
    const QCommandLineOption version(
        {u"v"_s, u"version"_s}, text(QT_TRANSLATE_NOOP("main", "Affiche la version de Gestrix.")));
    parser.addOption(version);
    const QCommandLineOption minimized(
        u"minimized"_s,
        text(QT_TRANSLATE_NOOP("main", "Démarre dans la zone de notification, sans fenêtre.")));
    parser.addOption(minimized);
    const QCommandLineOption gesture(
        u"gesture"_s, text(QT_TRANSLATE_NOOP("main", "Démarre un geste dans Gestrix déjà lancé "
                                                     "(à lier à un raccourci du bureau).")));
    parser.addOption(gesture);
    if (!parser.parse(argumentsOf(argc, argv))) {
        complain(parser.unknownOptionNames().isEmpty()
                     ? parser.errorText()
                     : text(QT_TRANSLATE_NOOP("main", "option inconnue : %1"))
                           .arg(parser.unknownOptionNames().join(u", "_s)));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(helpText({help, version, minimized, gesture}, text)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Gestrix %s\n", GESTRIX_VERSION);
        return 0;
    }
    if (parser.isSet(gesture))
        return requestGesture(argc, argv, translations);
    if (!hasDisplay()) {
        complain(
            text(QT_TRANSLATE_NOOP("main", "aucun affichage (la variable DISPLAY est vide).")));
        return 1;
    }

    // Every pointer movement is a piece of the stroke: none is merged with the next.
    QApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    DesktopPlatform::preferWayland();
    QApplication app(argc, argv);
    translations.install();
    // The window hides in the notification area; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(instanceFolder());
    if (!instance.claim())
        return handOver(instance, translations);
    const QuitSignals quitSignals;

    returnLargeBlocksWhenFreed();
    const DesktopPlatform platform;
    QtNotificationShell shell;
    QMenu trayMenu;
    shell.setContextMenu(&trayMenu);

    FrmMain window(symbols::directory(), platform.platform(), shell);
    window.fillTrayMenu(trayMenu);
    QObject::connect(&window, &FrmMain::languageChosen, &window,
                     [&translations](prefs::Language language) {
                         translations.switchTo(prefs::speaksEnglish(language));
                     });
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &FrmMain::showFromTray);
    QObject::connect(&instance, &SingleInstance::gestureRequested, &window.gesture(),
                     &GestureSession::startOnRequest);

    look::centreOnScreen(&window);
    if (parser.isSet(minimized))
        window.startInNotificationArea();
    else
        window.show();
    return QApplication::exec();
}

#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "main/FrmMain.h"
#include "platform/desktop/DesktopProgramStarter.h"
#include "platform/process/Memory.h"
#include "platform/x11/X11ScreenPhotographer.h"
#include "platform/x11/X11TriggerButton.h"
#include "prefs/Language.h"
#include "store/SymbolDirectory.h"
#include "tray/QtNotificationShell.h"
#include "widgets/FormLook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QStandardPaths>

#include <cstdio>

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

// A second start hands over to the running instance, or says why it cannot.
int handOver(const SingleInstance& instance, const Translations& translations) {
    const QString pid = QString::number(instance.runningProcessId());
    switch (instance.askToShow()) {
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(u"Gestrix"_s);
    QCoreApplication::setApplicationName(u"Gestrix"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(GESTRIX_VERSION));

    Translations translations(prefs::speaksEnglish(prefs::savedLanguage()));
    const auto text = [&translations](const char* source) {
        return translations.text("main", source);
    };

    // Options are read before Qt opens the display, so --help works anywhere.
    QCommandLineParser parser;
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
        "main", "Lanceur de programmes par gestes : appuyez sur le bouton du milieu de la souris, "
                "dessinez un symbole, cliquez.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption minimized(
        u"minimized"_s,
        text(QT_TRANSLATE_NOOP("main", "Démarre dans la zone de notification, sans fenêtre.")));
    parser.addOption(minimized);
    if (!parser.parse(argumentsOf(argc, argv))) {
        complain(parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object yet, the parser cannot name the program itself.
        std::fputs(qPrintable(parser.helpText().replace(u"<executable_name>"_s, u"gestrix"_s)),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Gestrix %s\n", GESTRIX_VERSION);
        return 0;
    }
    if (!hasDisplay()) {
        complain(
            text(QT_TRANSLATE_NOOP("main", "aucun affichage (la variable DISPLAY est vide).")));
        return 1;
    }

    // Every pointer movement is a piece of the stroke: none is merged with the next.
    QApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication app(argc, argv);
    translations.install();
    // The window hides in the notification area; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(SingleInstance::chooseFolder(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
    if (!instance.claim())
        return handOver(instance, translations);
    const QuitSignals quitSignals;

    returnLargeBlocksWhenFreed();
    X11TriggerButton trigger;
    X11ScreenPhotographer photographer;
    DesktopProgramStarter starter;
    QtNotificationShell shell;
    QMenu trayMenu;
    shell.setContextMenu(&trayMenu);

    FrmMain window(symbols::directory(), Platform{trigger, photographer, starter}, shell);
    trayMenu.addAction(text(QT_TRANSLATE_NOOP("main", "Afficher")), &window,
                       &FrmMain::showFromTray);
    trayMenu.addAction(text(QT_TRANSLATE_NOOP("main", "Quitter")), &app, &QApplication::quit);
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &FrmMain::showFromTray);

    look::centreOnScreen(&window);
    if (parser.isSet(minimized))
        window.startInNotificationArea();
    else
        window.show();
    return QApplication::exec();
}

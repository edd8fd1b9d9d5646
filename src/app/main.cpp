#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "main/FrmMain.h"
#include "platform/desktop/DesktopProgramStarter.h"
#include "platform/process/Memory.h"
#include "platform/x11/X11ScreenPhotographer.h"
#include "platform/x11/X11TriggerButton.h"
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

// A second start hands over to the running instance, or says why it cannot.
int handOver(const SingleInstance& instance) {
    switch (instance.askToShow()) {
    case SingleInstance::Answer::Done:
        return 0;
    case SingleInstance::Answer::NoAnswer:
        std::fprintf(stderr,
                     "gestrix: Gestrix est déjà lancé (processus %lld) mais ne répond pas.\n",
                     static_cast<long long>(instance.runningProcessId()));
        return 1;
    case SingleInstance::Answer::Unreachable:
        break;
    }
    std::fprintf(stderr,
                 "gestrix: Gestrix est déjà lancé (processus %lld) mais ne peut pas être "
                 "joint.\n",
                 static_cast<long long>(instance.runningProcessId()));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(u"Gestrix"_s);
    QCoreApplication::setApplicationName(u"Gestrix"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(GESTRIX_VERSION));

    // Options are read before Qt opens the display, so --help works anywhere.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Lanceur de programmes par gestes : appuyez sur le bouton du milieu de la souris, "
        "dessinez un symbole, cliquez."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(argumentsOf(argc, argv))) {
        std::fprintf(stderr, "gestrix: %s\n", qPrintable(parser.errorText()));
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
        std::fputs("gestrix: aucun affichage (la variable DISPLAY est vide).\n", stderr);
        return 1;
    }

    // Every pointer movement is a piece of the stroke: none is merged with the next.
    QApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication app(argc, argv);
    // The window hides in the notification area; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(SingleInstance::chooseFolder(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
    if (!instance.claim())
        return handOver(instance);
    const QuitSignals quitSignals;

    returnLargeBlocksWhenFreed();
    X11TriggerButton trigger;
    X11ScreenPhotographer photographer;
    DesktopProgramStarter starter;
    QtNotificationShell shell;
    QMenu trayMenu;
    shell.setContextMenu(&trayMenu);

    FrmMain window(symbols::directory(), Platform{trigger, photographer, starter}, shell);
    trayMenu.addAction(u"Afficher"_s, &window, &FrmMain::showFromTray);
    trayMenu.addAction(u"Quitter"_s, &app, &QApplication::quit);
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &FrmMain::showFromTray);

    look::centreOnScreen(&window);
    window.show();
    return QApplication::exec();
}

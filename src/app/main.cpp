#include "app/SingleInstance.h"
#include "main/FrmMain.h"
#include "platform/ProgramStarter.h"
#include "platform/ScreenPhotographer.h"
#include "platform/X11PointerButtons.h"
#include "store/SymbolDirectory.h"
#include "tray/QtNotificationShell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

void centre(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred = window.frameGeometry();
        centred.moveCenter(screen->availableGeometry().center());
        window.move(centred.topLeft());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Gestrix"_s);
    QApplication::setApplicationName(u"Gestrix"_s);
    QApplication::setApplicationVersion(QStringLiteral(GESTRIX_VERSION));
    // The window hides in the notification area; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Lanceur de programmes par gestes : appuyez sur le bouton du milieu de la souris, "
        "dessinez un symbole, cliquez."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                            u"/gestrix.socket"_s);
    if (!instance.claim())
        return 0;

    X11PointerButtons buttons;
    ScreenGrabber photographer;
    ProcessStarter starter;
    QtNotificationShell shell;
    QMenu trayMenu;
    shell.setContextMenu(&trayMenu);

    FrmMain window(symbols::directory(), Platform{buttons, photographer, starter}, shell);
    trayMenu.addAction(u"Afficher"_s, &window, &FrmMain::showFromTray);
    trayMenu.addAction(u"Quitter"_s, &app, &QApplication::quit);
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &FrmMain::showFromTray);

    centre(window);
    window.show();
    return QApplication::exec();
}

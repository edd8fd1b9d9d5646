#include "main/FrmMain.h"
#include "platform/ProgramStarter.h"
#include "platform/ScreenPhotographer.h"
#include "platform/X11PointerButtons.h"
#include "store/SymbolDirectory.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Gestrix"));
    QApplication::setApplicationName(QStringLiteral("Gestrix"));
    QApplication::setApplicationVersion(QStringLiteral(GESTRIX_VERSION));

    X11PointerButtons buttons;
    ScreenGrabber photographer;
    ProcessStarter starter;
    FrmMain window(symbols::directory(), Platform{buttons, photographer, starter});
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred = window.frameGeometry();
        centred.moveCenter(screen->availableGeometry().center());
        window.move(centred.topLeft());
    }
    window.show();
    return QApplication::exec();
}

// What the main window shows of the gestures: each capture, the scores, the reference grid, a
// launch that failed, the desktop's question about photographs; and the drawings it hands to the
// editor.
#include "main/FrmMain.h"

#include "main/MainLog.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"

#include <QTimer>
#include <QTreeView>

#include <utility>

void FrmMain::followGestures() {
    m_gesture->setIconArea([this] { return SysIcon ? SysIcon->Geometry() : QRect(); });
    m_gesture->setReferenceGrid([this] { return PicD->grid(); });
    connect(m_gesture.get(), &GestureSession::captured, this, &FrmMain::showCapture);
    connect(m_gesture.get(), &GestureSession::barsChanged, this, &FrmMain::showBars);
    connect(m_gesture.get(), &GestureSession::referenceGridChanged, PicD, &GridWidget::setGrid);
    // Said once, when the window is up: the trigger is set up before it is.
    connect(m_gesture.get(), &GestureSession::triggerWatchedElsewhere, this, [this] {
        if (std::exchange(m_elsewhereTold, true))
            return;
        QTimer::singleShot(0, this, [this] {
            tellUser(tr("Un autre Gestrix répond déjà au bouton sur cet affichage : celui-ci ne "
                        "le surveille pas."));
        });
    });
    // Said once for good: a user who chose a key binding instead is not told at every login.
    connect(m_gesture.get(), &GestureSession::triggerNeedsAccess, this, [this] {
        prefs::Preferences preferences = prefs::load();
        if (std::exchange(preferences.triggerAccessExplained, true))
            return;
        prefs::save(preferences, {prefs::Setting::TriggerAccessExplained});
        QTimer::singleShot(0, this, [this] {
            tellUser(tr("Gestrix ne peut pas lire le bouton de la souris sur ce bureau. Installez "
                        "Gestrix depuis son paquet (il ajoute le service gestrix-input), ou liez "
                        "« gestrix --gesture » à une touche dans les raccourcis du bureau."));
        });
    });
    connect(m_gesture.get(), &GestureSession::launchFailed, this, &FrmMain::tellUser);
    connect(m_gesture.get(), &GestureSession::desktopAsking, this, [this] {
        tellUser(tr("Le bureau vous demande si Gestrix peut photographier l'écran. Répondez "
                    "« Autoriser » : vos gestes se dessineront sur l'écran figé ; sinon, sur un "
                    "fond uni."));
    });
    connect(m_gesture.get(), &GestureSession::drawingTaught, this,
            [this](const DrawingGrid& drawing, const Stroke& stroke) {
                if (!m_editor)
                    return;
                m_editor->addDrawing(drawing, stroke);
            });
}

void FrmMain::showCapture(const QImage& block, const QImage& comparison) {
    PicView = block;
    PicCompare->setImage(comparison);
}

void FrmMain::showBars(Scores bars) {
    ProBar->setValue(bars.black);
    ProBar2->setValue(bars.contour);
}

void FrmMain::tellUser(const QString& text) {
    qCWarning(lcMain).noquote() << "told the user:" << text;
    if (!SysIcon->ShowMessage(QStringLiteral("Gestrix"), text))
        messages::warn(this, text);
}

void FrmMain::enableSelectionLinks() {
    const bool selected = selectedIndex() != 0;
    Label7->setEnabled(selected);
    Label8->setEnabled(selected);
}

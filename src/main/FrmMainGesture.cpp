// The gesture side of the main window: the trigger poll, the overlay it opens, and the
// recognition of what was drawn.
#include "main/FrmMain.h"

#include "main/MainLog.h"

#include "platform/ScreenPhotographer.h"
#include "platform/TriggerButton.h"
#include "platform/Twips.h"
#include "platform/process/Memory.h"
#include "platform/process/Timing.h"
#include "recognition/DrawingSampler.h"
#include "recognition/GestureDecision.h"
#include "recognition/Launcher.h"
#include "recognition/Matcher.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/RecognitionMode.h"
#include "store/Settings.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

const QColor recognisedGreen(0x00, 0xFF, 0x00);
const QColor rejectedRed(0xFF, 0x00, 0x00);

} // namespace

void FrmMain::Comparaison(bool DontLaunch) {
    const DrawingGrid drawing =
        sampleDrawing(PicCompare->image(), twips::perPixel, twips::perPixel);
    // Drawing for the editor: the capture that would launch goes to it instead.
    if (m_editorToTeach && !DontLaunch) {
        m_editorToTeach->addDrawing(drawing);
        m_editorToTeach = nullptr;
        return;
    }
    const Recognition found =
        recognise(chosenRecognitionMode(), drawing, m_shortcuts.items(), PicD->grid(),
                  [this](const QString& name) {
                      return symbolfile::read(symbols::filePath(Fl.path(), name));
                  });
    PicD->setGrid(found.referenceGrid);
    const Decision decision =
        decide(found, {ProBar->value(), ProBar2->value()}, {sensible->value(), sensible2->value()});
    ProBar->setValue(decision.bars.black);
    ProBar2->setValue(decision.bars.contour);
    if (decision.accepted)
        showRecognised(decision, DontLaunch);
    else
        showRejected();
}

void FrmMain::showRecognised(const Decision& decision, bool DontLaunch) {
    if (m_display) {
        QString caption = recognitionCaption(decision.program, decision.bars.black);
        // While previewing, the label already says when the program cannot be started.
        if (DontLaunch) {
            if (const std::optional<LaunchError> problem = launchProblem(decision.program))
                caption += u" — "_s + launchProblemText(*problem);
        }
        m_display->setFrameColour(recognisedGreen);
        m_display->setLabelCaption(caption);
        // "Nom" at 1 shows the label; another number leaves it as it is; no number shows it.
        const std::optional<double> showName =
            settings::toNumber(settings::GetSetting(u"Option"_s, u"Nom"_s, u"1"_s));
        if (!showName || *showName == 1)
            m_display->setLabelVisible(true);
    }
    if (DontLaunch)
        return;
    if (const std::optional<LaunchError> failure =
            launchRepertoire(decision.program, m_platform.starter)) {
        tellUser(tr("« %1 » n'a rien lancé : %2.")
                     .arg(m_shortcuts.item(decision.selected)->text, launchProblemText(*failure)));
    } else {
        markTiming("started");
    }
    Ouvrir(decision.selected);
}

void FrmMain::tellUser(const QString& text) {
    qCWarning(lcMain).noquote() << "told the user:" << text;
    if (!SysIcon->ShowMessage(QStringLiteral("Gestrix"), text))
        messages::warn(this, text);
}

void FrmMain::showRejected() {
    if (m_display) {
        m_display->setLabelVisible(false);
        m_display->setFrameColour(rejectedRed);
    }
    whitenReferenceGrid();
}

void FrmMain::TimDetect_Timer() {
    pollTrigger();
    enableSelectionLinks();
}

void FrmMain::enableSelectionLinks() {
    const bool selected = selectedIndex() != 0;
    Label7->setEnabled(selected);
    Label8->setEnabled(selected);
}

void FrmMain::pollTrigger() {
    const TriggerState trigger = m_platform.trigger.read();
    // A short press since the last poll counts too, unless a gesture was under way then: that
    // press may be the click that ended it.
    const bool pressed =
        trigger.downNow || (trigger.pressedSinceLastReading && !m_gestureUpAtLastPoll);
    if (pressed && !isShow)
        startGesture();
    m_gestureUpAtLastPoll = isShow;
}

bool FrmMain::triggerPressed(const TriggerPress& press) {
    if (isShow || SysIcon->Geometry().contains(press.position))
        return false;
    startGesture();
    // Where the photograph comes later, the press is over before the overlay opens.
    if (m_overlay)
        m_overlay->holdStarted(press.position);
    return isShow;
}

void FrmMain::triggerHeldMove(QPoint position) {
    if (m_overlay)
        m_overlay->heldMove(position);
}

void FrmMain::triggerReleased(QPoint) {
    if (m_overlay)
        m_overlay->heldReleased();
}

void FrmMain::teachEditor() {
    if (isShow)
        return;
    m_editorToTeach = m_editor;
    startGesture();
}

void FrmMain::startGestureOnRequest() {
    if (!isShow)
        startGesture();
}

// The photograph is taken before the overlay exists, so it never shows the overlay itself.
void FrmMain::startGesture() {
    markTiming("trigger");
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Without a screen there is no overlay, so no gesture is under way.
    if (!screen)
        return;
    // Under way from the request on: the photograph may take a while, and a second press
    // meanwhile must not ask for another.
    isShow = true;
    m_platform.photographer.photograph(
        screen, [this, screen = QPointer<QScreen>(screen)](QImage photograph) {
            markTiming("photographed");
            // The screen went away while the photograph was on its way: no gesture after all.
            if (!screen) {
                isShow = false;
                m_editorToTeach = nullptr;
                m_platform.photographer.release();
                return;
            }
            openOverlay(std::move(photograph), *screen);
        });
}

void FrmMain::openOverlay(QImage photograph, const QScreen& screen) {
    m_overlay = new FrmView(*this, std::move(photograph), screen.geometry());
    setRecognitionDisplay(m_overlay);
    connect(m_overlay, &QObject::destroyed, this, [this] {
        setRecognitionDisplay(nullptr);
        m_editorToTeach = nullptr;
        m_platform.photographer.release();
        releaseFreedMemory();
    });
    m_overlay->show();
}

QSize FrmMain::comparisonSize() const {
    return PicCompare->size();
}

void FrmMain::setCapture(const QImage& block, const QImage& comparison) {
    PicView = block;
    PicCompare->setImage(comparison);
}

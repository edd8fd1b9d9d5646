#pragma once

#include "editor/FrmCreate.h"
#include "main/ShortcutListModel.h"
#include "overlay/FrmView.h"
#include "overlay/OverlayHost.h"
#include "platform/Platform.h"
#include "platform/TriggerButton.h"
#include "store/FileList.h"
#include "store/ShortcutList.h"
#include "tray/CSystrayIcon.h"
#include "tray/NotificationShell.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class GridWidget;
class LinkLabel;
class PictureBox;
class QLabel;
class QScreen;
class QScrollBar;
class QTreeView;
class RecognitionDisplay;
class ScoreBar;
struct Decision;

// The main window: the shortcut list, the reference grid, the capture pictures, the score bars
// and the sensitivity sliders. It lives for the whole run.
class FrmMain : public QWidget, public OverlayHost, public ShellWindow, public TriggerHandler {
    Q_OBJECT

public:
    // The caption; also the notification icon's tip.
    static QString caption();

    // The notification icon's callback message.
    static constexpr std::uint32_t trayCallbackMessage = 512;

    // Shortcuts are read from symbolDirectory; the platform's services come from platform and
    // the notification icon lives in shell.
    FrmMain(const QString& symbolDirectory, const Platform& platform, NotificationShell& shell,
            QWidget* parent = nullptr);
    ~FrmMain() override;

    // Rebuilds the shortcut list from the symbol folder.
    void OuvrirListe();
    // Paints the Grid string of the shortcut at a 1-based position into the reference grid.
    // False when there is no such item or its Grid string cannot be painted whole.
    bool Ouvrir(int index);

    // Recognises the drawing in PicCompare: selects the best symbol, shows its scores, accepts it
    // against the sliders and shows the outcome on the recognition display; unless DontLaunch,
    // starts the recognised program and shows its symbol in the reference grid.
    void Comparaison(bool DontLaunch) override;
    // Where Comparaison shows its outcome (the gesture overlay while it is up); may be null.
    void setRecognitionDisplay(RecognitionDisplay* display) { m_display = display; }

    // The trigger poll, running only where presses do not arrive as events: opens the overlay
    // when the trigger button is down and no gesture is under way; then enables "Modifier" and
    // "Supprimer" while a shortcut is selected (which they also do as the selection changes).
    void TimDetect_Timer();

    // TriggerHandler: a press starts a gesture unless one is up (the press is then a click on the
    // overlay) or it is on our own notification icon (it is the icon's).
    bool triggerPressed(const TriggerPress& press) override;
    void triggerHeldMove(QPoint position) override;
    void triggerReleased(QPoint position) override;
    // A gesture asked for from outside (a desktop shortcut running "gestrix --gesture"):
    // started unless one is already under way.
    void startGestureOnRequest();
    // The overlay of the gesture under way, if any.
    FrmView* overlay() const { return m_overlay; }
    // The shortcut editor while it is open.
    FrmCreate* editor() const { return m_editor; }

    // Add (modal editor), Modify (the selected shortcut, modeless editor), Delete (the selected
    // shortcut's file, no confirmation). Modify and Delete do nothing without a selection.
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

    // The notification icon reports a pointer message over it: a right double click or a middle
    // click brings the window back.
    void Form_MouseMove(std::uint32_t pointerMessage);
    // Shows the window again in its normal state, in front.
    void showFromTray();
    // Starts with the window hidden while the notification area holds the icon; without a
    // notification area (after a moment for one to start) the window shows.
    void startInNotificationArea();

    // ShellWindow
    void shellCallback(std::uint32_t callbackMessage, std::uint32_t pointerMessage) override;

    // The notification icon, for the life of the window.
    std::unique_ptr<CSystrayIcon> SysIcon;

    // OverlayHost: isShow, the gesture overlay is up.
    bool isGestureUp() const override { return isShow; }
    void setGestureUp(bool up) override { isShow = up; }
    QSize comparisonSize() const override;
    void setCapture(const QImage& block, const QImage& comparison) override;

    const ShortcutList& shortcuts() const { return m_shortcuts; }
    const QString& symbolDirectory() const { return Fl.path(); }
    const QImage& capturedBlock() const { return PicView; }
    PictureBox& comparisonPicture() { return *PicCompare; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(const QString& symbolDirectory);
    void Form_Resize();
    void dockInLateNotificationArea();
    void Label12_Click();
    FrmCreate& loadEditor();
    // The 1-based position of the item the user selected; 0 when none is.
    int selectedIndex() const;
    const Shortcut* selectedShortcut() const;
    void configureTrigger();
    void pollTrigger();
    void enableSelectionLinks();
    // Marks the gesture as under way and asks for the photograph of the screen under the
    // pointer; the overlay opens when it comes. Nothing when there is no screen.
    void startGesture();
    void openOverlay(QImage photograph, const QScreen& screen);
    // A gesture whose drawing goes to the editor instead of starting a program.
    void teachEditor();
    void loadSensitivities();
    void lstV_Click();
    void sensible_Change();
    void sensible2_Change();
    void showRecognised(const Decision& decision, bool DontLaunch);
    // Tells the user something went wrong: a notification from the icon, or a box without one.
    void tellUser(const QString& text);
    void showRejected();
    void whitenReferenceGrid();

    // The layout: the window, then one part of it each.
    void buildWindow();
    void buildHeader();
    void buildLeftColumn();
    void buildShortcutColumn();
    void buildLinks();
    void buildScorePanel();

    Platform m_platform;
    NotificationShell& m_shell;
    RecognitionDisplay* m_display = nullptr;
    QPointer<FrmView> m_overlay;
    QPointer<FrmCreate> m_editor;
    QPointer<FrmCreate> m_editorToTeach;
    QTimer TimDetect;
    QTimer m_trayWatch;
    bool isShow = false;
    bool m_gestureUpAtLastPoll = false;
    bool m_painted = false;
    FileList Fl;
    ShortcutList m_shortcuts;
    ShortcutListModel m_shortcutModel;

    QLabel* Label5 = nullptr;
    QLabel* Label11 = nullptr;
    QScrollBar* sensible = nullptr;
    QScrollBar* sensible2 = nullptr;
    GridWidget* PicD = nullptr;
    PictureBox* PicCompare = nullptr;
    QImage PicView; // never shown: the working copy of a capture
    QTreeView* lstV = nullptr;
    QLabel* emptyHint = nullptr;
    LinkLabel* Label6 = nullptr;
    LinkLabel* Label7 = nullptr;
    LinkLabel* Label8 = nullptr;
    LinkLabel* Label12 = nullptr;
    ScoreBar* ProBar = nullptr;
    ScoreBar* ProBar2 = nullptr;
};

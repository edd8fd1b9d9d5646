#pragma once

#include "editor/FrmCreate.h"
#include "gesture/GestureSession.h"
#include "main/ShortcutListModel.h"
#include "platform/Platform.h"
#include "prefs/Preferences.h"
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
class SymbolFolderWatch;
class QLabel;
class QMenu;
class QScrollBar;
class QTreeView;
class ScoreBar;

// The main window: the shortcut list, the reference grid, the capture pictures, the score bars
// and the sensitivity sliders. It lives for the whole run, and with it the gesture session whose
// captures and scores it shows.
class FrmMain : public QWidget, public ShellWindow {
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

    // The gestures: started by the trigger, a request from outside or the editor's "Dessiner".
    GestureSession& gesture() { return *m_gesture; }
    // The shortcut editor while it is open.
    FrmCreate* editor() const { return m_editor; }

    // Add (modal editor), Modify (the selected shortcut, modeless editor), Delete (the selected
    // shortcut's file into the trash, no confirmation, undone for a few seconds by the link
    // "Annuler la suppression"). Modify and Delete do nothing without a selection.
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    // Brings back the shortcut "Supprimer" just put in the trash, while the link offers it.
    void undoLastDelete();

    // The notification icon reports a pointer message over it: a left click shows the window
    // (or hides it when it is shown in front); a right double click or a middle click brings it
    // back.
    void Form_MouseMove(std::uint32_t pointerMessage);
    // Shows the window again in its normal state, in front.
    void showFromTray();
    // The notification icon's menu: add a shortcut, the preferences, pause, show, quit.
    void fillTrayMenu(QMenu& menu);
    // Paused, the trigger lets every press through, and the icon says so.
    void setGesturesPaused(bool paused);
    // Starts with the window hidden while the notification area holds the icon; without a
    // notification area (after a moment for one to start) it stays hidden, and the first time
    // the desktop's notifications say how to open it.
    void startInNotificationArea();

    // ShellWindow
    void shellCallback(std::uint32_t callbackMessage, std::uint32_t pointerMessage) override;

    // The notification icon, for the life of the window.
    std::unique_ptr<CSystrayIcon> SysIcon;

    const ShortcutList& shortcuts() const { return m_shortcuts; }
    const QString& symbolDirectory() const { return Fl.path(); }
    PictureBox& comparisonPicture() { return *PicCompare; }

Q_SIGNALS:
    // "Préférence" saved another language: the program is to speak it from now on.
    void languageChosen(prefs::Language language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(const QString& symbolDirectory);
    void symbolFolderChanged();
    // What a reading of the list changed is told to the gestures; a file still being written is
    // looked at again a moment later.
    void listed(ShortcutList::Refresh refreshed);
    void Form_Resize();
    void dockInLateNotificationArea();
    void Label12_Click();
    FrmCreate& loadEditor();
    void chooseRecognition(RecognitionMode mode);
    // The 1-based position of the item the user selected; 0 when none is.
    int selectedIndex() const;
    const Shortcut* selectedShortcut() const;
    void enableSelectionLinks();
    // What the window shows of the gestures, and tells them.
    void followGestures();
    void showCapture(const QImage& block, const QImage& comparison);
    void showBars(Scores bars);
    void loadSensitivities();
    void lstV_Click();
    void sensible_Change();
    void sensible2_Change();
    void showSensitivities();
    // The icon's tip and picture say whether gestures are paused.
    void showGestureState();
    void saveSensitivity(prefs::Setting setting);
    // Tells the user something went wrong: a notification from the icon, or a box without one.
    void tellUser(const QString& text);
    void tellSettingsProblem();
    void whitenReferenceGrid();

    // The layout: the window, then one part of it each.
    void buildWindow();
    void buildHeader();
    void buildLeftColumn();
    void buildShortcutColumn();
    void buildLinks();
    void buildScorePanel();
    // Sets a label's text, and again whenever the language changes.
    QLabel* translated(QLabel* label, const char* source);
    void retranslate();

    NotificationShell& m_shell;
    QMenu* m_trayMenu = nullptr;
    QList<std::pair<QPointer<QLabel>, const char*>> m_translatedLabels;
    WindowPicker* m_windowPicker; // for the preferences' exclusions
    QPointer<FrmCreate> m_editor;
    QTimer m_trayWatch;
    std::unique_ptr<SymbolFolderWatch> m_folderWatch;
    // The last shortcut put in the trash, while it can be brought back.
    struct Trashed {
        QString name;
        QString path; // in the trash
    };
    std::optional<Trashed> m_trashed;
    QTimer m_undoExpiry{this};
    bool m_painted = false;
    // A settings file that refuses the sliders' positions is told once, not at every step.
    bool m_settingsFailureTold = false;
    bool m_elsewhereTold = false;
    struct {
        bool black = false;
        bool contour = false;
    } m_sensitivityShown;    // which sliders' labels say their values
    bool m_quitting = false; // the program is ending: its windows close without a question
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
    LinkLabel* undoDelete = nullptr;
    ScoreBar* ProBar = nullptr;
    ScoreBar* ProBar2 = nullptr;
    std::unique_ptr<GestureSession> m_gesture; // made once the window exists
};

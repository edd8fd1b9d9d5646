// The main window's start-up, its shortcut list and the commands that change it.
#include "main/FrmMain.h"

#include "main/MainLog.h"
#include "platform/process/Timing.h"
#include "prefs/FrmOption.h"
#include "store/Settings.h"
#include "store/ShortcutFiles.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"
#include "store/SymbolFolderWatch.h"
#include "store/SymbolGrid.h"
#include "widgets/AppIcon.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"
#include "widgets/PictureBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMain, "gestrix.main", QtCriticalMsg)

QString FrmMain::caption() {
    return tr("Strokely v1.2 — par l'équipe Gestrix");
}

namespace {

// How often a missing notification area is looked for.
constexpr int trayWatchIntervalMs = 2000;
// How long a deleted shortcut can be brought back from the window.
constexpr int undoShownMs = 8000;

QString removalProblem(const QString& name, RemoveError error) {
    switch (error) {
    case RemoveError::Gone:
        return FrmMain::tr("Le raccourci « %1 » n'a pas pu être supprimé : son fichier n'existe "
                           "plus.")
            .arg(name);
    case RemoveError::Trash:
        return FrmMain::tr("Le raccourci « %1 » n'a pas pu être mis à la corbeille : la "
                           "corbeille refuse le fichier, qui est resté à sa place.")
            .arg(name);
    case RemoveError::Io:
        break;
    }
    return FrmMain::tr("Le raccourci « %1 » n'a pas pu être supprimé : le dossier des symboles "
                       "refuse la suppression.")
        .arg(name);
}

} // namespace

FrmMain::FrmMain(const QString& symbolDirectory, const Platform& platform, NotificationShell& shell,
                 QWidget* parent)
    : QWidget(parent), m_shell(shell), m_windowPicker(platform.windowPicker),
      m_shortcutModel(m_shortcuts, appIcon()) {
    buildWindow();
    m_gesture = std::make_unique<GestureSession>(platform, m_shortcuts, PicCompare->image().size());
    followGestures();
    connect(lstV, &QTreeView::clicked, this, &FrmMain::lstV_Click);
    // Selecting with the keyboard previews too. Only a selection counts: Qt makes a row current
    // when the list merely gets the focus.
    connect(lstV->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmMain::lstV_Click);
    // Dragging a thumb changes the position at every step, so each step is saved.
    connect(sensible, &QScrollBar::valueChanged, this, &FrmMain::sensible_Change);
    connect(sensible2, &QScrollBar::valueChanged, this, &FrmMain::sensible2_Change);
    connect(Label6, &LinkLabel::clicked, this, &FrmMain::Label6_Click);
    connect(Label7, &LinkLabel::clicked, this, &FrmMain::Label7_Click);
    connect(Label8, &LinkLabel::clicked, this, &FrmMain::Label8_Click);
    connect(Label12, &LinkLabel::clicked, this, &FrmMain::Label12_Click);
    connect(undoDelete, &LinkLabel::clicked, this, &FrmMain::undoLastDelete);
    m_undoExpiry.setObjectName(u"undoExpiry"_s);
    m_undoExpiry.setSingleShot(true);
    connect(&m_undoExpiry, &QTimer::timeout, this, [this] {
        undoDelete->hide();
        m_trashed.reset();
    });
    // "Modifier" and "Supprimer" follow the selection as it changes.
    connect(lstV->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmMain::enableSelectionLinks);
    connect(&m_shortcutModel, &QAbstractItemModel::modelReset, this,
            &FrmMain::enableSelectionLinks);
    connect(&m_shortcutModel, &QAbstractItemModel::modelReset, this,
            [this] { emptyHint->setVisible(m_shortcuts.count() == 0); });
    // From the keyboard: Enter (or a double click) modifies the selected shortcut, Delete
    // deletes it, as the links do.
    connect(lstV, &QTreeView::activated, this, &FrmMain::Label7_Click);
    lstV->installEventFilter(this);
    qApp->installEventFilter(this);
    Form_Load(symbolDirectory);
    m_gesture->configureTrigger(prefs::load().trigger);
    // Once the window is up, not in its way.
    QTimer::singleShot(0, this, &FrmMain::tellSettingsProblem);
    connect(&m_trayWatch, &QTimer::timeout, this, &FrmMain::dockInLateNotificationArea);
    if (!SysIcon->Visible())
        m_trayWatch.start(trayWatchIntervalMs);
}

FrmMain::~FrmMain() = default;

// A settings file that cannot serve is said once, as the program starts; saving into it later
// says nothing more.
void FrmMain::tellSettingsProblem() {
    const Outcome<settings::FileProblem>& problem = settings::userSettings().problem();
    if (!problem)
        return;
    m_settingsFailureTold = true;
    QString why;
    switch (problem->error) {
    case settings::FileProblem::ReadOnly:
        tellUser(tr("Le fichier de réglages %1 ne peut pas être écrit : les réglages changés ne "
                    "vaudront que jusqu'à la fermeture de Gestrix.")
                     .arg(problem->detail));
        return;
    case settings::FileProblem::NotAFile:
        why = tr("ce n'est pas un fichier");
        break;
    case settings::FileProblem::TooLarge:
        why = tr("il est bien trop grand");
        break;
    case settings::FileProblem::Unreadable:
        why = tr("il ne peut pas être lu");
        break;
    }
    tellUser(tr("Le fichier de réglages %1 ne peut pas servir (%2) : Gestrix garde ses réglages "
                "par défaut et ne le remplacera pas.")
                 .arg(problem->detail, why));
}

// Each step is checked on its own: a step that fails is logged and the next one runs.
void FrmMain::Form_Load(const QString& symbolDirectory) {
    if (!QDir().mkpath(symbolDirectory))
        qCWarning(lcMain) << "cannot create the symbol folder" << symbolDirectory;
    Fl.setPath(symbolDirectory);
    m_folderWatch = std::make_unique<SymbolFolderWatch>(symbolDirectory);
    connect(m_folderWatch.get(), &SymbolFolderWatch::changed, this, &FrmMain::symbolFolderChanged);
    whitenReferenceGrid();
    SysIcon = std::make_unique<CSystrayIcon>(m_shell);
    SysIcon->Initialize(this, windowIcon(), caption(), trayCallbackMessage);
    if (!SysIcon->ShowIcon())
        qCWarning(lcMain) << "no notification icon: the window minimises as usual";
    OuvrirListe();
    loadSensitivities();
}

// sensible2 first, then sensible. Moving a slider saves its position again; a stored position
// equal to the slider's own writes nothing, and one not understood leaves the slider where it is.
void FrmMain::loadSensitivities() {
    const prefs::Preferences stored = prefs::load();
    for (const auto& [slider, position] : {std::pair(sensible2, stored.contourSensitivity),
                                           std::pair(sensible, stored.blackSensitivity)}) {
        if (position)
            slider->setValue(*position);
        else
            qCWarning(lcMain) << "ignoring the stored sensitivity of" << slider->objectName();
    }
    m_gesture->setThresholds({sensible->value(), sensible2->value()});
}

void FrmMain::sensible_Change() {
    saveSensitivity(prefs::Setting::BlackSensitivity);
    m_sensitivityShown.black = true;
    showSensitivities();
}

void FrmMain::sensible2_Change() {
    saveSensitivity(prefs::Setting::ContourSensitivity);
    m_sensitivityShown.contour = true;
    showSensitivities();
}

// A slider's label says its value once it has moved.
void FrmMain::showSensitivities() {
    if (m_sensitivityShown.black) {
        Label5->setText(tr("Sensibilité Noir (%1%)").arg(sensible->value()));
        Label5->adjustSize();
    }
    if (m_sensitivityShown.contour) {
        Label11->setText(tr("Sensibilité Contour (%1%)").arg(sensible2->value()));
        Label11->adjustSize();
    }
}

void FrmMain::saveSensitivity(prefs::Setting setting) {
    m_gesture->setThresholds({sensible->value(), sensible2->value()});
    prefs::Preferences positions;
    positions.blackSensitivity = sensible->value();
    positions.contourSensitivity = sensible2->value();
    const Outcome<SaveError> failure = prefs::save(positions, {setting});
    if (failure && !std::exchange(m_settingsFailureTold, true)) {
        qCWarning(lcMain) << "cannot save the sensitivity in" << failure->detail;
        messages::warn(this, tr("La sensibilité n'a pas pu être enregistrée : le fichier %1 ne "
                                "peut pas être écrit. Elle reste réglée jusqu'à la fermeture de "
                                "Gestrix.")
                                 .arg(failure->detail));
    } else if (!failure) {
        m_settingsFailureTold = false;
    }
}

void FrmMain::OuvrirListe() {
    listed(m_shortcutModel.refresh(Fl));
}

// Shortcuts written by anything else (a synchronisation tool, an editor) show too: the folder is
// watched, and once its changes settle only the files that changed are read again.
void FrmMain::symbolFolderChanged() {
    const SymbolFolderWatch::Changes changes = m_folderWatch->takeChanges();
    listed(m_shortcutModel.refresh(Fl, changes.files, changes.anything));
}

void FrmMain::listed(ShortcutList::Refresh refreshed) {
    if (refreshed.changed) {
        m_gesture->shortcutsChanged();
        m_folderWatch->follow(refreshed.read, refreshed.gone);
    }
    if (refreshed.waiting)
        m_folderWatch->lookAgainSoon();
    qCDebug(lcMain) << "shortcuts listed:" << m_shortcuts.count();
}

bool FrmMain::Ouvrir(int index) {
    const Shortcut* shortcut = m_shortcuts.item(index);
    if (!shortcut)
        return false;
    SymbolGrid grid = PicD->grid();
    const bool painted = symbolfile::paintGridString(grid, shortcut->tag);
    PicD->setGrid(grid);
    return painted;
}

void FrmMain::whitenReferenceGrid() {
    SymbolGrid white = PicD->grid();
    ClearGrid(white);
    PicD->setGrid(white);
}

int FrmMain::selectedIndex() const {
    const QModelIndexList selected = lstV->selectionModel()->selectedRows();
    return selected.isEmpty() ? 0 : selected.front().row() + 1;
}

const Shortcut* FrmMain::selectedShortcut() const {
    return m_shortcuts.item(selectedIndex());
}

void FrmMain::lstV_Click() {
    if (const int selected = selectedIndex())
        Ouvrir(selected);
}

// One editor at a time: Modify fills the one that is open.
FrmCreate& FrmMain::loadEditor() {
    if (!m_editor) {
        m_editor = new FrmCreate(
            Fl.path(), [this] { OuvrirListe(); },
            [this] {
                return RecognitionSettings{prefs::load().recognition,
                                           {sensible->value(), sensible2->value()}};
            },
            this);
        connect(m_editor, &FrmCreate::drawRequested, m_gesture.get(), &GestureSession::teach);
        connect(m_editor, &FrmCreate::recognitionChosen, this, &FrmMain::chooseRecognition);
    }
    return *m_editor;
}

// The editor's choice is the preferences' own setting.
void FrmMain::chooseRecognition(RecognitionMode mode) {
    prefs::Preferences preferences = prefs::load();
    preferences.recognition = mode;
    if (const Outcome<SaveError> failure =
            prefs::save(preferences, {prefs::Setting::Recognition})) {
        m_editor->chkPrecise->setChecked(mode != RecognitionMode::Precise);
        messages::warn(m_editor, tr("Le réglage n'a pas été enregistré : le fichier %1 ne peut "
                                    "pas être écrit.")
                                     .arg(failure->detail));
    }
}

void FrmMain::Label6_Click() {
    FrmCreate& editor = loadEditor();
    editor.setModal(true);
    editor.exec();
}

void FrmMain::Label7_Click() {
    const Shortcut* shortcut = selectedShortcut();
    if (!shortcut)
        return;
    FrmCreate& editor = loadEditor();
    editor.openShortcut(shortcut->text);
    editor.show();
}

void FrmMain::Label8_Click() {
    const Shortcut* shortcut = selectedShortcut();
    if (!shortcut)
        return;
    const QString name = shortcut->text;
    QString trashed;
    if (const Outcome<RemoveError> failure = shortcuts::moveToTrash(Fl.path(), name, trashed)) {
        qCWarning(lcMain) << "cannot delete" << name << failure->detail;
        messages::warn(this, removalProblem(name, failure->error));
    } else {
        m_trashed = Trashed{name, trashed};
        undoDelete->show();
        m_undoExpiry.start(undoShownMs);
    }
    // The list shows what really is in the folder, whatever happened; the grid, nothing.
    OuvrirListe();
    whitenReferenceGrid();
}

void FrmMain::undoLastDelete() {
    undoDelete->hide();
    const std::optional<Trashed> trashed = std::exchange(m_trashed, std::nullopt);
    if (!trashed)
        return;
    if (const auto failure = shortcuts::restore(trashed->path, Fl.path(), trashed->name)) {
        qCWarning(lcMain) << "cannot bring back" << trashed->name << failure->detail;
        messages::warn(this, tr("Le raccourci « %1 » n'a pas pu être rétabli : un autre du même "
                                "nom l'a remplacé, ou la corbeille ne le rend pas.")
                                 .arg(trashed->name));
    }
    OuvrirListe();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Quitting closes the windows: that close is no user's.
    if (watched == qApp && event->type() == QEvent::Quit)
        m_quitting = true;
    if (watched == lstV && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Label8_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::paintEvent(QPaintEvent* event) {
    if (!m_painted) {
        m_painted = true;
        markTiming("window shown");
    }
    QWidget::paintEvent(event);
}

void FrmMain::Label12_Click() {
    const prefs::Language before = prefs::load().language;
    FrmOption dialog(m_windowPicker, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const prefs::Preferences chosen = prefs::load();
    m_gesture->configureTrigger(chosen.trigger);
    if (chosen.language != before)
        Q_EMIT languageChosen(chosen.language);
}

// The main window's start-up, its shortcut list and the commands that change it.
#include "main/FrmMain.h"

#include "main/MainLog.h"
#include "platform/process/Timing.h"
#include "prefs/FrmOption.h"
#include "prefs/TriggerPreferences.h"
#include "store/Settings.h"
#include "store/ShortcutFiles.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"
#include "store/SymbolGrid.h"
#include "widgets/AppIcon.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"

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

constexpr int triggerPollIntervalMs = 100;
// How often a missing notification area is looked for.
constexpr int trayWatchIntervalMs = 2000;

// A stored sensitivity as a slider position: a 16-bit number from 0 to 100, else nothing.
std::optional<int> sliderPosition(const QString& stored) {
    const std::optional<qint16> number = settings::toInteger16(stored);
    if (!number || *number < 0 || *number > 100)
        return std::nullopt;
    return *number;
}

QString removalProblem(const QString& name, RemoveError error) {
    switch (error) {
    case RemoveError::Gone:
        return FrmMain::tr("Le raccourci « %1 » n'a pas pu être supprimé : son fichier n'existe "
                           "plus.")
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
    : QWidget(parent), m_platform(platform), m_shell(shell),
      m_shortcutModel(m_shortcuts, appIcon()) {
    buildWindow();
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
    Form_Load(symbolDirectory);
    m_platform.trigger.setHandler(this);
    connect(&TimDetect, &QTimer::timeout, this, &FrmMain::TimDetect_Timer);
    configureTrigger();
    connect(&m_trayWatch, &QTimer::timeout, this, &FrmMain::dockInLateNotificationArea);
    if (!SysIcon->Visible())
        m_trayWatch.start(trayWatchIntervalMs);
}

// The overlay is a top-level window of its own, not a child.
FrmMain::~FrmMain() {
    m_platform.trigger.setHandler(nullptr);
    delete m_overlay;
}

// Each step is checked on its own: a step that fails is logged and the next one runs.
void FrmMain::Form_Load(const QString& symbolDirectory) {
    if (!QDir().mkpath(symbolDirectory))
        qCWarning(lcMain) << "cannot create the symbol folder" << symbolDirectory;
    Fl.setPath(symbolDirectory);
    whitenReferenceGrid();
    isShow = false;
    SysIcon = std::make_unique<CSystrayIcon>(m_shell);
    SysIcon->Initialize(this, windowIcon(), caption(), trayCallbackMessage);
    if (!SysIcon->ShowIcon())
        qCWarning(lcMain) << "no notification icon: the window minimises as usual";
    OuvrirListe();
    loadSensitivities();
}

// sensible2 first, then sensible. Moving a slider saves its position again; a stored position
// equal to the slider's own writes nothing.
void FrmMain::loadSensitivities() {
    const struct {
        QScrollBar* slider;
        QString key;
        QString defaultValue;
    } sliders[] = {{sensible2, u"Sensibility2"_s, u"60"_s}, {sensible, u"Sensibility"_s, u"50"_s}};
    for (const auto& [slider, key, defaultValue] : sliders) {
        const QString stored = settings::GetSetting(u"Configuration"_s, key, defaultValue);
        if (const std::optional<int> position = sliderPosition(stored))
            slider->setValue(*position);
        else
            qCWarning(lcMain) << "ignoring the stored sensitivity" << key << stored;
    }
}

void FrmMain::sensible_Change() {
    const QString position = QString::number(sensible->value());
    settings::SaveSetting(u"Configuration"_s, u"Sensibility"_s, position);
    Label5->setText(tr("Sensibilité Noir (%1%)").arg(position));
    Label5->adjustSize();
}

void FrmMain::sensible2_Change() {
    const QString position = QString::number(sensible2->value());
    settings::SaveSetting(u"Configuration"_s, u"Sensibility2"_s, position);
    Label11->setText(tr("Sensibilité Contour (%1%)").arg(position));
    Label11->adjustSize();
}

void FrmMain::OuvrirListe() {
    m_shortcutModel.rebuild(Fl);
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
            Fl.path(), [this] { OuvrirListe(); }, this);
        connect(m_editor, &FrmCreate::drawRequested, this, &FrmMain::teachEditor);
    }
    return *m_editor;
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
    if (const auto failure = shortcuts::remove(Fl.path(), shortcut->text)) {
        qCWarning(lcMain) << "cannot delete" << shortcut->text << failure->detail;
        messages::warn(this, removalProblem(shortcut->text, failure->error));
    }
    // The list shows what really is in the folder, whatever happened.
    OuvrirListe();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
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
    FrmOption dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        configureTrigger();
}

// An idle program wakes for nothing: the poll runs only where presses cannot arrive as events,
// and not at all without a button to watch (Wayland), where a desktop shortcut starts gestures.
void FrmMain::configureTrigger() {
    m_platform.trigger.configure(prefs::loadTriggerSettings());
    if (!m_platform.trigger.isAvailable()) {
        TimDetect.stop();
        qCWarning(lcMain) << "no trigger button here: bind \"gestrix --gesture\" to a shortcut";
    } else if (m_platform.trigger.deliversPresses()) {
        TimDetect.stop();
    } else {
        TimDetect.start(triggerPollIntervalMs);
    }
}

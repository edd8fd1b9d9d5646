#include "main/FrmMain.h"

#include "overlay/FrmView.h"
#include "platform/PointerButtons.h"
#include "platform/ScreenPhotographer.h"
#include "platform/Twips.h"
#include "recognition/DrawingSampler.h"
#include "recognition/Launcher.h"
#include "recognition/Matcher.h"
#include "recognition/OutcomeText.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/SymbolGrid.h"
#include "store/IniFile.h"
#include "store/Settings.h"
#include "store/SymbolDirectory.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMain, "gestrix.main", QtCriticalMsg)

const QString FrmMain::caption = u"Strokely v1.2 — par l'équipe Gestrix"_s;

namespace {

constexpr int triggerPollIntervalMs = 100;
const QColor recognisedGreen(0x00, 0xFF, 0x00);
const QColor rejectedRed(0xFF, 0x00, 0x00);

// A stored sensitivity as a slider position: a 16-bit number from 0 to 100, else nothing.
std::optional<int> sliderPosition(const QString& stored) {
    const std::optional<qint16> number = settings::toInteger16(stored);
    if (!number || *number < 0 || *number > 100)
        return std::nullopt;
    return *number;
}

} // namespace

FrmMain::FrmMain(const QString& symbolDirectory, const Platform& platform, QWidget* parent)
    : QWidget(parent), m_platform(platform) {
    buildWindow();
    connect(lstV, &QTreeView::clicked, this, &FrmMain::lstV_Click);
    // Moving through the list with the keyboard previews too.
    connect(lstV->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmMain::lstV_Click);
    // Dragging a thumb changes the position at every step, so each step is saved.
    connect(sensible, &QScrollBar::valueChanged, this, &FrmMain::sensible_Change);
    connect(sensible2, &QScrollBar::valueChanged, this, &FrmMain::sensible2_Change);
    Form_Load(symbolDirectory);
    connect(&TimDetect, &QTimer::timeout, this, &FrmMain::TimDetect_Timer);
    TimDetect.start(triggerPollIntervalMs);
}

FrmMain::~FrmMain() { delete m_overlay; }

// Each step is checked on its own: a step that fails is logged and the next one runs.
void FrmMain::Form_Load(const QString& symbolDirectory) {
    if (!QDir().mkpath(symbolDirectory))
        qCWarning(lcMain) << "cannot create the symbol folder" << symbolDirectory;
    Fl.setPath(symbolDirectory);
    whitenReferenceGrid();
    isShow = false;
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
    Label5->setText(u"Sensibilité Noir ("_s + position + u"%)"_s);
    Label5->adjustSize();
}

void FrmMain::sensible2_Change() {
    const QString position = QString::number(sensible2->value());
    settings::SaveSetting(u"Configuration"_s, u"Sensibility2"_s, position);
    Label11->setText(u"Sensibilité Contour ("_s + position + u"%)"_s);
    Label11->adjustSize();
}

void FrmMain::OuvrirListe() {
    m_shortcuts.rebuild(Fl);
}

bool FrmMain::Ouvrir(int index) {
    const Shortcut* shortcut = m_shortcuts.item(index);
    if (!shortcut)
        return false;
    SymbolGrid grid = PicD->grid();
    const bool painted = paintGridString(grid, shortcut->tag);
    PicD->setGrid(grid);
    return painted;
}

void FrmMain::whitenReferenceGrid() {
    SymbolGrid white = PicD->grid();
    ClearGrid(white);
    PicD->setGrid(white);
}

void FrmMain::lstV_Click() {
    const QModelIndex selected = lstV->currentIndex();
    if (selected.isValid())
        Ouvrir(selected.row() + 1);
}

void FrmMain::Comparaison(bool DontLaunch) {
    const DrawingGrid drawing =
        sampleDrawing(PicCompare->image(), twips::perPixelX(), twips::perPixelY());
    const Recognition found =
        recognise(drawing, m_shortcuts.items(), PicD->grid(), [this](const QString& name) {
            return GetIniValue(u"Image"_s, u"Value"_s, symbols::filePath(Fl.path(), name));
        });
    PicD->setGrid(found.referenceGrid);

    // A bar keeps its value when a percentage cannot be computed or lies outside 0 to 100.
    if (found.blackPercentage)
        ProBar->setValue(*found.blackPercentage);
    if (found.contourPercentage)
        ProBar2->setValue(*found.contourPercentage);

    // No symbol selected is always a rejection: the bars would still hold the last run's scores.
    const bool accepted = found.selected != 0 && ProBar->value() > sensible->value() &&
                          ProBar2->value() > sensible2->value();
    if (accepted)
        showRecognised(found.selected, DontLaunch);
    else
        showRejected();
}

void FrmMain::showRecognised(int selected, bool DontLaunch) {
    const QString file = symbols::filePath(Fl.path(), m_shortcuts.item(selected)->text);
    if (m_display) {
        m_display->setFrameColour(recognisedGreen);
        m_display->setLabelCaption(
            recognitionCaption(GetIniValue(u"Image"_s, u"Repertoire"_s, file), ProBar->value()));
        // "Nom" at 1 shows the label; another number leaves it as it is; no number shows it.
        const std::optional<double> showName =
            settings::toNumber(settings::GetSetting(u"Option"_s, u"Nom"_s, u"1"_s));
        if (!showName || *showName == 1)
            m_display->setLabelVisible(true);
    }
    if (DontLaunch)
        return;
    launchRepertoire(GetIniValue(u"Image"_s, u"Repertoire"_s, file), m_platform.starter);
    Ouvrir(selected);
}

void FrmMain::showRejected() {
    if (m_display) {
        m_display->setLabelVisible(false);
        m_display->setFrameColour(rejectedRed);
    }
    whitenReferenceGrid();
}

void FrmMain::TimDetect_Timer() {
    if (m_platform.buttons.middleButtonDown() && !isShow) {
        showOverlay();
        isShow = true;
    }
    const bool selected = lstV->currentIndex().isValid();
    Label7->setEnabled(selected);
    Label8->setEnabled(selected);
}

// The photograph is taken before the overlay exists, so it never shows the overlay itself.
void FrmMain::showOverlay() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QImage photograph = m_platform.photographer.photograph(screen);
    m_overlay = new FrmView(*this, photograph, screen->geometry());
    setRecognitionDisplay(m_overlay);
    connect(m_overlay, &QObject::destroyed, this, [this] { setRecognitionDisplay(nullptr); });
    m_overlay->show();
}

QSize FrmMain::comparisonSize() const { return PicCompare->size(); }

void FrmMain::setCapture(const QImage& block, const QImage& comparison) {
    PicView = block;
    PicCompare->setImage(comparison);
}

#include "main/FrmMain.h"

#include "widgets/FormLook.h"
#include "widgets/GridWidget.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureBox.h"
#include "widgets/ScoreBar.h"
#include "widgets/WindowFit.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize clientSize(504, 379);

// Layout helpers: positions are pixels at 96 dpi, relative to the parent.

QFrame* captionlessFrame(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

using look::label;

// An auto-sized label: only its top-left corner is given.
QLabel* label(QWidget* parent, const QString& text, QPoint at, bool bold = false) {
    return look::label(parent, text, QRect(at, QSize()), bold);
}

QScrollBar* slider(QWidget* parent, const QRect& geometry, int position) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(0, 100);
    // An arrow click or a click in the trough moves the position by one.
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(position);
    bar->setGeometry(geometry);
    return bar;
}

ScoreBar* scoreBar(QWidget* parent, const QRect& geometry, const QString& name) {
    auto* bar = new ScoreBar(parent);
    bar->setGeometry(geometry);
    bar->setObjectName(name);
    return bar;
}

} // namespace

void FrmMain::buildWindow() {
    setWindowTitle(caption());
    setFixedSize(clientSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    look::applyToWindow(this);

    buildHeader();
    buildLeftColumn();
    buildShortcutColumn();
    buildLinks();
    buildScorePanel();
    look::fitOnScreen(this);
}

// A text that follows the interface's language, as it changes: auto-sized labels keep fitting.
QLabel* FrmMain::translated(QLabel* label, const char* source) {
    m_translatedLabels.append({label, source});
    label->setText(tr(source));
    look::fitText(label);
    return label;
}

// The language changed: every text of the window, and of the icon, speaks the new one.
void FrmMain::retranslate() {
    setWindowTitle(caption());
    for (const auto& [label, source] : std::as_const(m_translatedLabels)) {
        label->setText(tr(source));
        look::fitText(label);
    }
    showSensitivities();
    showGestureState();
    if (m_trayMenu)
        fillTrayMenu(*m_trayMenu);
}

void FrmMain::buildHeader() {
    look::filledRectangle(this, {0, 0, 505, 57}, Qt::white);
    translated(label(this, {}, QPoint(32, 8), true), QT_TR_NOOP("Liste des raccourcis"));
    translated(label(this, {}, QPoint(48, 24)), QT_TR_NOOP("Création & Suppression de racourcis"));
    Label5 = translated(label(this, {}, {240, 8, 64, 14}, true), QT_TR_NOOP("Sensibilité :"));
    sensible = slider(this, {392, 8, 105, 17}, 50);
    Label11 = translated(label(this, {}, {240, 32, 64, 14}, true), QT_TR_NOOP("Sensibilité :"));
    sensible2 = slider(this, {392, 32, 105, 17}, 70);
    Label5->setObjectName(u"Label5"_s);
    Label11->setObjectName(u"Label11"_s);
    sensible->setObjectName(u"sensible"_s);
    sensible2->setObjectName(u"sensible2"_s);
}

void FrmMain::buildLeftColumn() {
    QFrame* frame1 = captionlessFrame(this, {0, 56, 113, 273});
    translated(label(frame1, {}, {8, 16, 51, 14}, true), QT_TR_NOOP("Associé :"));

    QWidget* picture1 = look::filledRectangle(frame1, {8, 40, 97, 105}, look::panelGrey);
    PicD = new GridWidget(picture1);
    PicD->setObjectName(u"PicD"_s);
    PicD->setGeometry(picture1->rect());

    translated(label(frame1, {}, {8, 144, 40, 14}, true), QT_TR_NOOP("Buffer :"));
    PicCompare = new PictureBox(QSize(97, 97), frame1);
    PicCompare->setObjectName(u"PicCompare"_s);
    PicCompare->move(8, 168);
    PicView = QImage(PicCompare->image().size(), QImage::Format_RGB32);
    PicView.fill(Qt::white);
}

void FrmMain::buildShortcutColumn() {
    QFrame* frame3 = captionlessFrame(this, {120, 56, 265, 273});
    lstV = new QTreeView(frame3);
    lstV->setObjectName(u"lstV"_s);
    lstV->setGeometry(8, 16, 249, 249);
    lstV->setModel(&m_shortcutModel);
    lstV->setRootIsDecorated(false);
    lstV->setUniformRowHeights(true);
    lstV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstV->setSelectionMode(QAbstractItemView::SingleSelection);
    lstV->setIconSize(QSize(16, 16));

    // While the list is empty, a line in it says how to begin.
    emptyHint = translated(new QLabel(lstV->viewport()),
                           QT_TR_NOOP("Aucun raccourci : cliquez sur Ajouter pour dessiner votre "
                                      "premier symbole."));
    emptyHint->setObjectName(u"emptyHint"_s);
    emptyHint->setWordWrap(true);
    emptyHint->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(lstV->viewport()))->addWidget(emptyHint);
    QPalette grey = emptyHint->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    emptyHint->setPalette(grey);
}

void FrmMain::buildLinks() {
    QFrame* frame2 = captionlessFrame(this, {0, 328, 385, 41});
    const auto link = [this, frame2](const char* text, const QRect& geometry, const QString& name) {
        auto* link = new LinkLabel({}, frame2);
        link->setGeometry(geometry);
        link->setObjectName(name);
        translated(link, text);
        return link;
    };
    Label6 = link(QT_TR_NOOP("Ajouter"), {16, 16, 35, 14}, u"Label6"_s);
    Label7 = link(QT_TR_NOOP("Modifier"), {64, 16, 38, 14}, u"Label7"_s);
    Label8 = link(QT_TR_NOOP("Supprimer"), {112, 16, 49, 14}, u"Label8"_s);
    Label12 = link(QT_TR_NOOP("Préférence"), {176, 16, 54, 14}, u"Label12"_s);
    undoDelete = link(QT_TR_NOOP("Annuler la suppression"), {248, 16, 130, 14}, u"undoDelete"_s);
    undoDelete->hide();
}

void FrmMain::buildScorePanel() {
    look::filledRectangle(this, {392, 56, 113, 337}, Qt::white);
    translated(label(this, {}, QPoint(400, 64), true), QT_TR_NOOP("Détection du noir :"));
    ProBar = scoreBar(this, {432, 88, 21, 97}, u"ProBar"_s);
    const QRect twoLines(400, 192, 105, 30);
    QLabel* label10 =
        translated(label(this, {}, twoLines, true), QT_TR_NOOP("Détection du contour :"));
    label10->setWordWrap(true);
    label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label10->setGeometry(twoLines);
    ProBar2 = scoreBar(this, {432, 232, 21, 97}, u"ProBar2"_s);
}

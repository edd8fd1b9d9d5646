#include "editor/FrmCreate.h"

#include "editor/FrmApplications.h"

#include "launch/ProgramText.h"
#include "platform/Twips.h"
#include "recognition/OutcomeText.h"
#include "store/ShortcutFiles.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolGrid.h"
#include "widgets/FormLook.h"
#include "widgets/GridWidget.h"
#include "widgets/Messages.h"
#include "widgets/WindowFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcEditor, "gestrix.editor", QtCriticalMsg)

namespace {

template <typename T>
T* placed(T* widget, const QRect& geometry, const char* name, bool bold = false) {
    widget->setGeometry(geometry);
    widget->setObjectName(QString::fromLatin1(name));
    if (bold)
        look::makeBold(widget);
    return widget;
}

// What the user reads when a save fails.
QString saveProblem(const QString& name, SaveError error) {
    switch (error) {
    case SaveError::InvalidName:
        return FrmCreate::tr("Nom de raccourci invalide : un nom ne peut être vide ou fait "
                             "d'espaces, contenir « / », « \\ », un saut de ligne ou un caractère "
                             "nul, ni commencer par « . ».");
    case SaveError::NameTooLong:
        return FrmCreate::tr("Nom de raccourci trop long : avec « .ini », le nom de son fichier "
                             "ne peut dépasser 255 octets.");
    case SaveError::LinkOutside:
        return FrmCreate::tr("Le raccourci « %1 » n'a pas été enregistré : son fichier est un lien "
                             "vers un autre dossier.")
            .arg(name);
    case SaveError::NotStorable:
        return FrmCreate::tr("Le raccourci « %1 » n'a pas été enregistré : le programme ne peut "
                             "contenir ni saut de ligne ni caractère nul.")
            .arg(name);
    case SaveError::Unreadable:
        return FrmCreate::tr("Le raccourci « %1 » n'a pas été enregistré : son fichier existe mais "
                             "ne peut pas être lu ; il est laissé tel quel.")
            .arg(name);
    case SaveError::Io:
        break;
    }
    return FrmCreate::tr("Le raccourci « %1 » n'a pas été enregistré : le disque ou le dossier des "
                         "symboles refuse l'écriture (disque plein ?).")
        .arg(name);
}

} // namespace

FrmCreate::FrmCreate(const QString& symbolDirectory, std::function<void()> OuvrirListe,
                     std::function<RecognitionSettings()> recognition, QWidget* parent)
    : PlainDialog(parent), m_symbolDirectory(symbolDirectory),
      m_rebuildList(std::move(OuvrirListe)), m_recognition(std::move(recognition)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Création d'un nouveau raccourcis"));
    setFixedSize(twips::toPixels(0, 0, 4815, 5730).size());
    look::applyToWindow(this);

    look::filledRectangle(this, twips::toPixels(0, 0, 4935, 855), Qt::white);
    // The three labels size themselves to their text; only their corner is given.
    for (auto [text, left, top, name, bold] :
         {std::tuple(tr("Assistant de création d'un raccourcis"), 480, 120, "Label1", true),
          std::tuple(tr("Création & Association de commande"), 720, 360, "Label3", false),
          std::tuple(tr("Nom :"), 120, 1080, "Label4", true)}) {
        placed(new QLabel(text, this), twips::toPixels(left, top, 0, 0), name, bold)->adjustSize();
    }
    TxtName = placed(new QLineEdit(this), twips::toPixels(1800, 1080, 2775, 285), "TxtName");

    auto* picture1 = placed(new QWidget(this), twips::toPixels(120, 1440, 4575, 1575), "Picture1");
    PicD = placed(new GridWidget(picture1), twips::toPixels(0, 0, 1455, 1575), "PicD");
    auto* hint = placed(new QLabel(tr("<< Dessiner le symbol, attention il doit être le plus "
                                      "centré possible, sinon les résultats risque d'être moin "
                                      "précis"),
                                   picture1),
                        twips::toPixels(1680, 120, 2775, 855), "Label2");
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkGrid = placed(new QCheckBox(tr("Afficher une grille"), picture1),
                     twips::toPixels(1680, 1080, 2775, 255), "chkGrid", true);

    // Teaching by drawing, the symbol's several drawings, and whether all of them count: rows
    // under the grid that move everything below them down by 1080 twips.
    cmdDraw = placed(look::button(this, tr("Dessiner")), twips::toPixels(120, 3060, 1455, 345),
                     "cmdDraw");
    cmdDraw->setToolTip(tr("Dessinez le symbole à l'écran : la grille le reçoit tel que la "
                           "reconnaissance le verra."));
    placed(new QLabel(tr("Dessin :"), this), twips::toPixels(1680, 3120, 0, 0), "Label5")
        ->adjustSize();
    cboDrawing = placed(new QComboBox(this), twips::toPixels(2520, 3060, 900, 345), "cboDrawing");
    cmdRemove = placed(look::button(this, tr("Retirer")), twips::toPixels(3480, 3060, 1095, 345),
                       "cmdRemove");
    chkPrecise = placed(new QCheckBox(tr("Reconnaissance précise"), this),
                        twips::toPixels(120, 3480, 4455, 255), "chkPrecise", true);
    auto* preciseSaying =
        placed(new QLabel(tr("Reconnaît un symbole par la forme de tous ses dessins ; sans elle, "
                             "seul le premier compte."),
                          this),
               twips::toPixels(360, 3750, 4215, 390), "Label6");
    preciseSaying->setWordWrap(true);
    preciseSaying->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    opt1 = placed(new QRadioButton(tr("Lancer un programme"), this),
                  twips::toPixels(120, 4320, 2175, 255), "opt1");
    cmdApplication = placed(look::button(this, tr("Choisir une application…")),
                            twips::toPixels(2400, 4260, 2175, 345), "cmdApplication");
    opt1->setFont(QFont());
    opt1->setChecked(true);
    TxtRep = placed(new QLineEdit(this), twips::toPixels(360, 4680, 3615, 285), "TxtRep");
    TxtName->setFont(QFont());
    TxtRep->setFont(QFont());
    Command3 =
        placed(look::button(this, u"..."_s), twips::toPixels(4080, 4680, 495, 255), "Command3");
    Command1 = placed(look::button(this, tr("OK")), twips::toPixels(1800, 5160, 1335, 375),
                      "Command1", true);
    Command2 = placed(look::button(this, tr("Annuler")), twips::toPixels(3240, 5160, 1335, 375),
                      "Command2");

    connect(PicD, &GridWidget::cellPressed, this, &FrmCreate::PicD_MouseDown);
    connect(chkGrid, &QCheckBox::toggled, this, &FrmCreate::chkGrid_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmCreate::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::close);
    connect(Command3, &QPushButton::clicked, this, &FrmCreate::Command3_Click);
    connect(cmdApplication, &QPushButton::clicked, this, &FrmCreate::chooseApplication);
    connect(cmdDraw, &QPushButton::clicked, this, &FrmCreate::drawRequested);
    connect(chkPrecise, &QCheckBox::clicked, this, [this](bool precise) {
        Q_EMIT recognitionChosen(precise ? RecognitionMode::Precise : RecognitionMode::Default);
    });
    connect(cboDrawing, &QComboBox::activated, this, &FrmCreate::showDrawing);
    connect(cmdRemove, &QPushButton::clicked, this, [this] {
        m_drawings.removeShown();
        showDrawings();
    });
    look::fitOnScreen(this);
    Form_Load();
}

QString FrmCreate::programFilter() {
#ifdef Q_OS_WIN
    return tr("Fichier Exécutable (*.exe*)");
#else
    return tr("Fichier Exécutable (*)");
#endif
}

void FrmCreate::Form_Load() {
    m_drawings = SymbolDrawings();
    showDrawings();
    chkPrecise->setChecked(m_recognition().mode == RecognitionMode::Precise);
}

void FrmCreate::PicD_MouseDown(int index, Qt::MouseButton button) {
    SymbolGrid grid = PicD->grid();
    grid.setBackColor(index, button == Qt::LeftButton ? CellColour::Black : CellColour::White);
    PicD->setGrid(grid);
    m_drawings.setShown(grid);
}

void FrmCreate::addDrawing(const DrawingGrid& drawn, const Stroke& stroke) {
    SymbolGrid grid;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell)
        grid.setBackColor(cell, drawn[cell] ? CellColour::Black : CellColour::White);
    m_drawings.add(grid, traceOf(stroke));
    showDrawings();
}

void FrmCreate::showDrawing(int index) {
    m_drawings.show(index);
    showDrawings();
}

// The grid shows the chosen drawing, keeping its grid lines; the list offers every drawing.
void FrmCreate::showDrawings() {
    SymbolGrid grid = m_drawings.shown();
    grid.setBorderStyle(PicD->grid().borderStyle());
    PicD->setGrid(grid);
    cboDrawing->clear();
    for (int drawing = 1; drawing <= m_drawings.count(); ++drawing)
        cboDrawing->addItem(QString::number(drawing));
    cboDrawing->setCurrentIndex(m_drawings.shownIndex());
    cmdDraw->setEnabled(!m_drawings.isFull());
}

void FrmCreate::chkGrid_Click() {
    SymbolGrid grid = PicD->grid();
    grid.setBorderStyle(chkGrid->isChecked() ? SymbolGrid::BorderStyle::FixedSingle
                                             : SymbolGrid::BorderStyle::None);
    PicD->setGrid(grid);
}

// A program, a document or a folder, from the home folder on.
void FrmCreate::Command3_Click() {
    QMenu what;
    const QAction* file = what.addAction(tr("Un fichier…"));
    what.addAction(tr("Un dossier…"));
    const QAction* picked = what.exec(Command3->mapToGlobal(QPoint(0, Command3->height())));
    if (!picked)
        return;
    const QString chosen =
        picked == file
            ? QFileDialog::getOpenFileName(this, tr("Choisir un fichier"), QDir::homePath(),
                                           programFilter())
            : QFileDialog::getExistingDirectory(this, tr("Choisir un dossier"), QDir::homePath());
    // Cancelling the dialog keeps what the field held.
    if (!chosen.isEmpty())
        TxtRep->setText(chosen);
}

// The program becomes the application's desktop entry; a shortcut without a name takes the
// application's.
void FrmCreate::chooseApplication() {
    FrmApplications chooser(installedApplications(), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (const std::optional<InstalledApplication> chosen = chooser.chosen()) {
        TxtRep->setText(chosen->entry);
        if (TxtName->text().trimmed().isEmpty())
            TxtName->setText(chosen->name);
    }
}

void FrmCreate::openShortcut(const QString& name) {
    const symbolfile::Content stored = symbolfile::read(symbols::filePath(m_symbolDirectory, name));
    TxtRep->setText(stored.program);
    TxtName->setText(name);
    m_drawings.load(stored);
    showDrawings();
    m_openedName = name;
    m_openedFile = shortcuts::snapshot(m_symbolDirectory, name);
}

// The editor stays open with the drawing intact when the name is refused, the user does not
// confirm, or the save fails.
void FrmCreate::Command1_Click() {
    const QString name = TxtName->text();
    if (!shortcuts::isValidName(name)) {
        messages::warn(this, saveProblem(name, SaveError::InvalidName));
        return;
    }
    const std::optional<QString> twin = caseTwin(name);
    if (!confirmProgram() || !confirmReplacing(twin.value_or(name)) || !confirmUnlikeOthers(name))
        return;
    if (const auto failure =
            shortcuts::save(m_symbolDirectory, name, m_drawings.content(TxtRep->text()))) {
        qCWarning(lcEditor) << "cannot save" << name << failure->detail;
        messages::warn(this, saveProblem(name, failure->error));
        return;
    }
    // Replaced: one shortcut of that name, whatever its case.
    if (twin && shortcuts::remove(m_symbolDirectory, *twin))
        qCWarning(lcEditor) << "cannot remove the replaced" << *twin;
    m_rebuildList();
    close();
}

// A stored shortcut whose name differs from this one in case only: to the user, the same name.
std::optional<QString> FrmCreate::caseTwin(const QString& name) const {
    for (const symbols::ShortcutFile& file : symbols::shortcutFiles(m_symbolDirectory)) {
        const QString stored = symbols::shortcutName(file.name);
        if (stored != name && stored.compare(name, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return std::nullopt;
}

// A program that could not be started is stored only when the user says so; none at all is fine.
bool FrmCreate::confirmProgram() {
    const std::optional<LaunchError> problem = ProgramText(TxtRep->text()).problem();
    if (!problem || *problem == LaunchError::NoProgram)
        return true;
    return messages::ask(this, tr("« %1 » : %2. Enregistrer quand même ?")
                                   .arg(TxtRep->text(), launchProblemText(*problem)));
}

// A symbol the recognition would take for another stored one is saved only when the user says so.
bool FrmCreate::confirmUnlikeOthers(const QString& name) {
    QStringList itself{name};
    if (m_openedName)
        itself.append(*m_openedName);
    // The one this replaces.
    if (const std::optional<QString> twin = caseTwin(name))
        itself.append(*twin);
    const RecognitionSettings recognition = m_recognition();
    const std::optional<QString> similar = lookAlike(
        recognition.mode, m_drawings.content({}), m_symbolDirectory, itself, recognition.sliders);
    return !similar ||
           messages::ask(
               this, tr("Ce symbole ressemble à « %1 ». Enregistrer quand même ?").arg(*similar));
}

// Another shortcut's file, or this one's changed on disk since the editor opened it, is replaced
// only when the user says so; this one deleted meanwhile is written again only then too.
bool FrmCreate::confirmReplacing(const QString& name) {
    const std::optional<QByteArray> onDisk = shortcuts::snapshot(m_symbolDirectory, name);
    if (!onDisk && m_openedFile && name == m_openedName)
        return messages::ask(this, tr("Le raccourci « %1 » a été supprimé depuis l'ouverture de "
                                      "l'éditeur. L'enregistrer à nouveau ?")
                                       .arg(name));
    if (!onDisk)
        return true;
    if (name != m_openedName)
        return messages::ask(this, tr("Le raccourci « %1 » existe déjà. Le remplacer ?").arg(name));
    if (onDisk != m_openedFile)
        return messages::ask(this, tr("Le raccourci « %1 » a changé sur le disque depuis "
                                      "l'ouverture de l'éditeur. Le remplacer ?")
                                       .arg(name));
    return true;
}

#pragma once

#include "editor/SymbolDrawings.h"
#include "recognition/DrawingSampler.h"
#include "recognition/RecognitionMode.h"
#include "recognition/Stroke.h"
#include "widgets/PlainDialog.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class GridWidget;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The shortcut editor: a 12 x 12 grid drawn by clicking cells or by drawing on the screen
// ("Dessiner"), up to five drawings of the symbol, the shortcut's name and program. "OK" saves
// the shortcut's file and rebuilds the list; the editor is freed when it closes, so every
// opening starts blank.
class FrmCreate : public PlainDialog {
    Q_OBJECT

public:
    // Shortcuts are saved into symbolDirectory; OuvrirListe rebuilds the main window's list;
    // recognition says how drawings are recognised at the moment of saving (for the warning
    // about a symbol that would be taken for another).
    FrmCreate(const QString& symbolDirectory, std::function<void()> OuvrirListe,
              std::function<RecognitionSettings()> recognition, QWidget* parent = nullptr);

    // The file dialog's filter: executables have no extension on Linux.
    static QString programFilter();

    void PicD_MouseDown(int index, Qt::MouseButton button);
    // Modify: fills the editor with a stored shortcut (name, program and drawings) and remembers
    // its file as it stands, so a change made on disk meanwhile is not overwritten unasked.
    void openShortcut(const QString& name);
    // A drawing made on the screen, as the matcher sees it, and the stroke it was drawn with: it
    // fills the shown drawing when that is blank, else it is added.
    void addDrawing(const DrawingGrid& drawn, const Stroke& stroke = {});
    GridWidget* PicD = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtRep = nullptr;
    QCheckBox* chkGrid = nullptr;
    QCheckBox* chkPrecise = nullptr;
    QRadioButton* opt1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdApplication = nullptr;
    QPushButton* cmdDraw = nullptr;
    QComboBox* cboDrawing = nullptr;
    QPushButton* cmdRemove = nullptr;

Q_SIGNALS:
    // "Dessiner": the user wants to draw the symbol on the screen.
    void drawRequested();
    // "Reconnaissance précise", checked or not: how every shortcut is to be recognised.
    void recognitionChosen(RecognitionMode mode);

private:
    void Form_Load();
    void chkGrid_Click();
    void Command1_Click();
    void Command3_Click();
    void chooseApplication();
    bool confirmProgram();
    bool confirmReplacing(const QString& name);
    std::optional<QString> caseTwin(const QString& name) const;
    bool confirmUnlikeOthers(const QString& name);
    void showDrawing(int index);
    void showDrawings();

    QString m_symbolDirectory;
    std::function<void()> m_rebuildList;
    std::function<RecognitionSettings()> m_recognition;
    SymbolDrawings m_drawings;
    std::optional<QString> m_openedName; // Modify's shortcut
    std::optional<QByteArray> m_openedFile;
};

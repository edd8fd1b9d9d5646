#pragma once

#include "widgets/PlainDialog.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class GridWidget;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The shortcut editor: a 12 x 12 grid drawn by clicking cells, the shortcut's name and program.
// "OK" saves the shortcut's file and rebuilds the list; the editor is freed when it closes, so
// every opening starts blank.
class FrmCreate : public PlainDialog {
    Q_OBJECT

public:
    // Shortcuts are saved into symbolDirectory; OuvrirListe rebuilds the main window's list.
    FrmCreate(const QString& symbolDirectory, std::function<void()> OuvrirListe,
              QWidget* parent = nullptr);

    // The file dialog's filter: executables have no extension on Linux.
    static QString programFilter();

    void PicD_MouseDown(int index, Qt::MouseButton button);
    // Modify: fills the editor with a stored shortcut (name, program and drawing) and remembers
    // its file as it stands, so a change made on disk meanwhile is not overwritten unasked.
    void openShortcut(const QString& name);

    GridWidget* PicD = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtRep = nullptr;
    QCheckBox* chkGrid = nullptr;
    QRadioButton* opt1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    void Form_Load();
    void chkGrid_Click();
    void Command1_Click();
    void Command3_Click();
    bool confirmProgram();
    bool confirmReplacing(const QString& name);

    QString m_symbolDirectory;
    std::function<void()> m_rebuildList;
    std::optional<QString> m_openedName; // Modify's shortcut
    std::optional<QByteArray> m_openedFile;
};

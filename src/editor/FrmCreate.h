#pragma once

#include <QDialog>

#include <functional>

class GridWidget;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The shortcut editor: a 12 x 12 grid drawn by clicking cells, the shortcut's name and program.
// "OK" saves the shortcut's file and rebuilds the list; the editor is freed when it closes, so
// every opening starts blank.
class FrmCreate : public QDialog {
    Q_OBJECT

public:
    // Shortcuts are saved into symbolDirectory; OuvrirListe rebuilds the main window's list.
    FrmCreate(const QString& symbolDirectory, std::function<void()> OuvrirListe,
              QWidget* parent = nullptr);

    // The file dialog's filter: executables have no extension on Linux.
    static QString programFilter();

    void PicD_MouseDown(int index, Qt::MouseButton button);

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
    void showProblem(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    QString m_symbolDirectory;
    std::function<void()> m_rebuildList;
};

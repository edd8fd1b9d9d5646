#pragma once

#include "store/FileList.h"
#include "store/ShortcutList.h"

#include <QImage>
#include <QWidget>

class GridWidget;
class LinkLabel;
class PictureBox;
class QLabel;
class QProgressBar;
class QScrollBar;
class QTreeView;

// The main window: the shortcut list, the reference grid, the capture pictures, the score bars
// and the sensitivity sliders. It lives for the whole run.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    // The caption; also the notification icon's tip.
    static const QString caption;

    explicit FrmMain(const QString& symbolDirectory, QWidget* parent = nullptr);

    // Rebuilds the shortcut list from the symbol folder.
    void OuvrirListe();
    // Paints the Grid string of the shortcut at a 1-based position into the reference grid.
    // False when there is no such item or its Grid string cannot be painted whole.
    bool Ouvrir(int index);

    const ShortcutList& shortcuts() const { return m_shortcuts; }
    const QString& symbolDirectory() const { return Fl.path(); }

    // The gesture overlay is up.
    bool isShow = false;

private:
    void Form_Load(const QString& symbolDirectory);
    void lstV_Click();

    void buildHeader();
    void buildLeftColumn();
    void buildShortcutColumn();
    void buildLinks();
    void buildScorePanel();

    FileList Fl;
    ShortcutList m_shortcuts;

    QLabel* Label5 = nullptr;
    QLabel* Label11 = nullptr;
    QScrollBar* sensible = nullptr;
    QScrollBar* sensible2 = nullptr;
    GridWidget* PicD = nullptr;
    PictureBox* PicCompare = nullptr;
    QImage PicView;  // never shown: the working copy of a capture
    QTreeView* lstV = nullptr;
    LinkLabel* Label6 = nullptr;
    LinkLabel* Label7 = nullptr;
    LinkLabel* Label8 = nullptr;
    LinkLabel* Label12 = nullptr;
    QProgressBar* ProBar = nullptr;
    QProgressBar* ProBar2 = nullptr;
};

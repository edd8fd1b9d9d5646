#pragma once

#include <QLabel>

// A label used as a link: blue, underlined, a hand pointer, and a click signal; it takes the
// focus with Tab, shows it, and acts on Enter or Space.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

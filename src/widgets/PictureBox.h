#pragma once

#include <QImage>
#include <QWidget>

// A picture box with a persistent image: what is drawn into the image stays and is shown.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    // A white image of the given size in pixels.
    explicit PictureBox(QSize size, QWidget* parent = nullptr);

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

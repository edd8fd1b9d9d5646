#include "widgets/PictureBox.h"

#include "widgets/WindowFit.h"

#include <QPainter>

PictureBox::PictureBox(QSize size, QWidget* parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
    setFixedSize(size);
}

void PictureBox::setImage(const QImage& image) {
    m_image = image.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.scale(look::shrinkOf(this), look::shrinkOf(this));
    painter.drawImage(0, 0, m_image);
}

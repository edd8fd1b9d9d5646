#include "widgets/PictureBox.h"

#include <QPaintEvent>
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

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(event->rect().topLeft(), m_image, event->rect());
}

#include "app/FlameView.h"

#include <QMouseEvent>
#include <QPainter>

namespace quelmar {

namespace {
constexpr int kFrameMilliseconds = 16;
}

FlameView::FlameView(QWidget* parent)
    : QWidget(parent),
      image_(reinterpret_cast<const uchar*>(picture_.data()), FireBuffer::kPictureWidth,
             FireBuffer::kPictureHeight, FireBuffer::kPictureWidth * 4, QImage::Format_RGB32) {
    picture_.fill(0xFF000000u);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlameView::seed() {
    fire_.seed();
}

void FlameView::start() {
    if (!timer_.isActive())
        timer_.start(kFrameMilliseconds, Qt::PreciseTimer, this);
}

void FlameView::step() {
    fire_.frame(random_, picture_);
    ++frames_;
    update();
}

void FlameView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId())
        step();
    else
        QWidget::timerEvent(event);
}

void FlameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void FlameView::mousePressEvent(QMouseEvent* event) {
    // The flame is decoration: a press on it is nobody's business.
    event->accept();
}

} // namespace quelmar

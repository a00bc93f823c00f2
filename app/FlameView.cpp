#include "app/FlameView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
    update();
}

void FlameView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId())
        step();
    else
        QWidget::timerEvent(event);
}

void FlameView::paintEvent(QPaintEvent*) {
    // Each pixel of the flame becomes a square of whole screen pixels, as
    // many across as the screen's ratio holds whole (1 at 1.5, 2 at 2.5), so
    // no column of it comes out wider than its neighbour. The image stands
    // on the strip's bottom edge, in the middle, and the rest stays black.
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const int block = std::max(1, int(std::floor(ratio + 0.01)));
    const QSize strip = (QSizeF(size()) * ratio).toSize();
    const QSize flame = image_.size() * block;
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(QRect(QPoint(), strip), Qt::black);
    painter.drawImage(
        QRect(QPoint((strip.width() - flame.width()) / 2, strip.height() - flame.height()), flame),
        image_);
}

void FlameView::mousePressEvent(QMouseEvent* event) {
    // The flame is decoration: a press on it is nobody's business.
    event->accept();
}

} // namespace quelmar

#pragma once

#include "app/BasicRandom.h"
#include "app/FireBuffer.h"

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

namespace quelmar {

// Picture1 of the main menu: the flame strip. Frames run on a timer, about
// sixty a second; each frame is computed into an image and painted in one go.
// Frames go on while the menu is hidden (nothing is painted then).
class FlameView : public QWidget {
    Q_OBJECT
  public:
    explicit FlameView(QWidget* parent = nullptr);

    // Seeds the heat field (part of the menu's load).
    void seed();
    // Starts the frames; a second call changes nothing.
    void start();

    // One frame, as the timer runs it.
    void step();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    FireBuffer fire_;
    BasicRandom random_;
    FireBuffer::Picture picture_{};
    QImage image_; // a view on picture_, no copy
    QBasicTimer timer_;
};

} // namespace quelmar

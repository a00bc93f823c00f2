#include "app/WaiT.h"

#include <QEventLoop>

#include <cmath>
#include <limits>

namespace quelmar {

WaiT::WaiT(QObject* parent) : QObject(parent) {
    time_.setObjectName(QStringLiteral("Time"));
    time_.setSingleShot(true);
    // A coarse timer may fire 5 % early; a wait is a promise of at least its time.
    time_.setTimerType(Qt::PreciseTimer);
    time_.setInterval(0);
}

int WaiT::intervalFor(double seconds) {
    // Half to even, as the default rounding mode has it; NaN compares false
    // both ways and so is no wait.
    const double ms = seconds * 1000.0;
    if (ms >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return ms > 0.0 ? int(std::nearbyint(ms)) : 0;
}

void WaiT::wait(double seconds) {
    const int interval = intervalFor(seconds);
    if (interval < 1)
        return;
    QEventLoop loop;
    connect(&time_, &QTimer::timeout, &loop, [this, &loop] {
        time_.setInterval(0);
        loop.quit();
    });
    time_.setInterval(interval);
    time_.start();
    loop.exec();
    time_.stop();
    disconnect(&time_, &QTimer::timeout, &loop, nullptr);
}

} // namespace quelmar

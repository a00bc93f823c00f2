#include "app/WaiT.h"

#include <QEventLoop>

#include <cfenv>
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
    // Both the product and its rounding follow the current rounding mode,
    // which is to-nearest-even unless someone changed it: make sure of it for
    // both. The volatiles keep the arithmetic between the two mode changes.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const volatile double given = seconds;
    const double ms = given * 1000.0;
    volatile int result = 0;
    if (ms >= double(std::numeric_limits<int>::max()))
        result = std::numeric_limits<int>::max();
    else if (ms > 0.0)
        result = int(std::nearbyint(ms));
    std::fesetround(saved);
    return result;
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

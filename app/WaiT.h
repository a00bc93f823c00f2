#pragma once

#include <QObject>
#include <QTimer>

namespace quelmar {

// A pause that keeps the user interface running: wait() returns after the
// given number of seconds, processing window events all the while.
class WaiT : public QObject {
    Q_OBJECT
  public:
    explicit WaiT(QObject* parent = nullptr);

    // The timer interval for a wait of the given seconds: seconds * 1000,
    // rounded half to even to a whole number of milliseconds.
    static int intervalFor(double seconds);

    void wait(double seconds);

  private:
    QTimer time_;
};

} // namespace quelmar

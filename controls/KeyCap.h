#pragma once

#include "config/KeyJobs.h"

#include <QList>
#include <QWidget>

namespace quelmar {

// One key of the key map (object name "Key_<console key>"): the console's
// name for it, the letter of the player's own layout beside it, and the jobs
// that stand on it in their colours: the job that works first, then those of
// names the console does not know that were meant for this key. A free key
// is drawn plain. A click chooses it.
class KeyCap : public QWidget {
    Q_OBJECT
  public:
    KeyCap(const QByteArray& key, const QString& label, const QString& letter,
           const QList<KeyJob>& jobs, QWidget* parent);

    const QByteArray& key() const { return key_; }
    const QString& label() const { return label_; }
    const QString& letter() const { return letter_; }
    const QList<KeyJob>& jobs() const { return jobs_; }

    bool isFree() const { return jobs_.isEmpty(); }
    // Its job replaced others: the key is bound more than once.
    bool isBoundMoreThanOnce() const;
    // A job stands on it under a name the console does not know.
    bool hasJobNotWorking() const;
    // The fill, by where the working job comes from (black for none).
    QColor face() const;

    void setChosen(bool chosen);

    // The colours of each origin, shared with the map's legend.
    static QColor faceOf(KeyOrigin origin);
    static QColor inkOf(KeyOrigin origin);

  signals:
    void clicked(KeyCap* cap);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const KeyJob* working() const;
    // The label in lines that fit width (reserved: room kept on the first
    // line), and labelPixels_ the size that makes them fit.
    QStringList fittedLines(const QString& label, int width, int reserved);

    QByteArray key_;
    QString label_;
    QString letter_;
    QList<KeyJob> jobs_;
    bool chosen_ = false;
    bool pressed_ = false;
    int labelPixels_ = 10;
};

} // namespace quelmar

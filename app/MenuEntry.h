#pragma once

#include <QLabel>

namespace quelmar {

// One entry of the main menu: a text label that reacts to a left click.
// A disabled entry is grey and ignores clicks. Every mouse press on it is
// taken, so a right press on an entry never reaches the menu behind it.
class MenuEntry : public QLabel {
    Q_OBJECT
  public:
    MenuEntry(const QString& objectName, const QString& caption, const QRect& geometry,
              const QColor& color, double points, bool bold, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

} // namespace quelmar

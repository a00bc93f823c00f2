#pragma once

#include <QPixmap>
#include <QWidget>

namespace quelmar {

// frmSplash: the navy, borderless window that shows the splash picture while
// the program starts. Closing it ("unload") emits unloaded(), on which the
// main menu is shown.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

  signals:
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

} // namespace quelmar

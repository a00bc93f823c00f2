#include "app/SplashWindow.h"

#include "resources/Assets.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

namespace quelmar {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(408, 311);
    look::centreOnScreen(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kNavy);
    setPalette(pal);
    setAutoFillBackground(true);

    // The window's own background is the same picture, drawn once at its
    // top left: its black field shows around Pic, the navy where it ends.
    picture_ = QPixmap::fromImage(picture(QStringLiteral("splash")));

    auto* pic = new QLabel(this);
    pic->setObjectName(QStringLiteral("Pic"));
    pic->setGeometry(8, 8, 393, 297);
    pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pic->setPixmap(picture_);
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

} // namespace quelmar

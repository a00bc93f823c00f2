#include "app/SplashWindow.h"

#include "platform/Look.h"
#include "resources/Assets.h"

#include <QCloseEvent>
#include <QLabel>

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

    auto* pic = new QLabel(this);
    pic->setObjectName(QStringLiteral("Pic"));
    pic->setGeometry(8, 8, 393, 297);
    pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pic->setPixmap(QPixmap::fromImage(renderPicture(QStringLiteral("splash"), QSize(400, 300))));
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace quelmar

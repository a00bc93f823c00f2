#include "platform/Look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace quelmar::look {

int pointsToPixels(double points) {
    return int(std::lround(points * 96.0 / 72.0));
}

namespace {
QFont fontOf(const QString& family, const QString& fallback, double points, bool bold) {
    QFont font(family);
    font.setFamilies({family, fallback});
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}
} // namespace

QFont comicFont(double points, bool bold) {
    return fontOf(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), points, bold);
}

QFont sansFont(double points, bool bold) {
    return fontOf(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), points, bold);
}

void fitWidth(QWidget* label) {
    const int needed = label->sizeHint().width();
    if (needed > label->width())
        label->resize(needed, label->height());
}

void setColors(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette pal = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::ButtonText, text);
    }
    pal.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledGrey);
    pal.setColor(QPalette::Disabled, QPalette::Text, kDisabledGrey);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledGrey);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        pal.setColor(role, background);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void makeBorderlessWindow(QWidget* window, int width, int height) {
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setFixedSize(width, height);
    paintBlack(window);
    centreOnScreen(window);
}

void paintBlack(QWidget* widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, kBlack);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

} // namespace quelmar::look

#include "platform/Look.h"

#include "resources/Assets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
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

namespace {
QString chooseComicFamily() {
    // Registered even where Comic Sans MS is installed: the pictures name
    // the embedded face for their lettering.
    QString embedded;
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            embedded = families.first();
    }
    const QString wanted = QStringLiteral("Comic Sans MS");
    if (QFontDatabase::families().contains(wanted, Qt::CaseInsensitive))
        return wanted;
    // Without the embedded files (a broken build) the toolkit's default is
    // still one face for every caption.
    return embedded.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                              : embedded;
}
} // namespace

QString comicFamily() {
    static const QString family = chooseComicFamily();
    return family;
}

QFont comicFont(double points, bool bold) {
    QFont font(comicFamily());
    font.setFamilies({comicFamily()});
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

void applyProgramLook(QApplication& app) {
    // Qt's own "Windows" style paints a button's face in its given colour
    // with a raised bevel; the platform styles lay a gradient over it.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
    comicFamily();
    // Window managers that do not match a window to the menu entry show
    // this one.
    QApplication::setWindowIcon(programIcon());
}

QFont sansFont(double points, bool bold) {
    return fontOf(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), points, bold);
}

namespace {
// Pixels from the pen position to the right edge of the text's ink.
int inkWidth(const QFontMetrics& metrics, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.boundingRect(text).right() + 1);
    return widest;
}
} // namespace

int textRoom(const QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->contentsRect().width();
    if (qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox opt;
        opt.initFrom(widget);
        return style
            ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, widget)
            .width();
    }
    QStyleOptionButton opt;
    opt.initFrom(widget);
    const auto element = qobject_cast<const QRadioButton*>(widget) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_PushButtonContents;
    return style->subElementRect(element, &opt, widget).width();
}

void fitText(QWidget* widget, const QStringList& texts) {
    const int room = textRoom(widget);
    QFont font = widget->font();
    // Never tighter than 85 %: past that a word reads as squeezed.
    for (int percent = 100; percent > 85; --percent) {
        font.setLetterSpacing(QFont::PercentageSpacing, percent);
        if (inkWidth(QFontMetrics(font), texts) <= room)
            break;
    }
    widget->setFont(font);
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

QPoint centredPlace(const QRect& area, QSize size) {
    if (size.width() > area.width() || size.height() > area.height())
        return area.topLeft();
    return area.topLeft() +
           QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

QPoint cornerPlace(const QRect& area, QSize size, QPoint offset) {
    const int x = std::min(offset.x(), area.width() - size.width());
    const int y = std::min(offset.y(), area.height() - size.height());
    return area.topLeft() + QPoint(std::max(x, 0), std::max(y, 0));
}

namespace {
QRect usableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

void centreOnScreen(QWidget* window) {
    window->move(centredPlace(usableArea(), window->frameGeometry().size()));
}

void placeFromCorner(QWidget* window, QPoint offset) {
    window->move(cornerPlace(usableArea(), window->frameGeometry().size(), offset));
}

} // namespace quelmar::look

#include "ui/Look.h"

#include "resources/Assets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace quelmar::look {

int pointsToPixels(double points) {
    return int(std::lround(points * 96.0 / 72.0));
}

namespace {
// A face by its families, first choice first, at a size given in points at
// 96 dots per inch.
QFont fontOf(const QStringList& families, double points, bool bold) {
    QFont font(families.first());
    font.setFamilies(families);
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
    QFont font = fontOf({comicFamily()}, points, bold);
    // The boxes are laid out for the face's own advance widths. Windows hints
    // fully by default, rounding every glyph's advance to whole pixels, which
    // makes a bold caption a few pixels wider and cuts its last letter off;
    // hinted only up and down, as Linux desktops hint, the widths stay
    // the face's own on both.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

namespace {
// The classic sunken well of a list or a box: dark grey and black above and
// left, the grey face and white below and right.
void drawWell(QPainter* painter, const QRect& rect, const QPalette& palette, const QBrush* fill) {
    QPalette shade = palette;
    shade.setColor(QPalette::Midlight, palette.button().color());
    qDrawWinPanel(painter, rect, shade, true, fill);
}

// The classic style, but a drop-down list's field keeps its own colour (the
// style fills the whole list with the button face), and a text box is sunken
// the same way as a list.
class ClassicStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameLineEdit)
            drawWell(painter, option->rect, option->palette, nullptr);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control != CC_ComboBox || !list || !list->frame || list->editable) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        drawWell(painter, list->rect, list->palette, &list->palette.brush(QPalette::Base));
        QStyleOptionComboBox rest(*list);
        rest.subControls &= ~SC_ComboBoxFrame;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }
};
} // namespace

void applyProgramLook(QApplication& app) {
    // Qt's own "Windows" style paints a button's face in its given colour
    // with a raised bevel; the platform styles lay a gradient over it.
    if (QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"))) {
        auto* style = new ClassicStyle(windows);
        app.setStyle(style);
        // The style's own grey palette, every role of it, so that no desktop
        // theme changes a colour: classic grey faces, white wells, a navy
        // highlight.
        QApplication::setPalette(programPalette(*style));
    }
    comicFamily();
    // Window managers that do not match a window to the menu entry show
    // this one.
    QApplication::setWindowIcon(programIcon());
}

QPalette programPalette(const QStyle& style) {
    QPalette palette = style.standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

void useProgramPalette(QWidget* widget) {
    widget->setPalette(programPalette(*widget->style()));
}

QFont sansFont(double points, bool bold) {
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, points, bold);
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
    // A button's face is its background; anything else keeps the classic
    // grey face for its parts (a drop-down list's button, the bevel of a
    // sunken box) and its background is its field. An option's round mark
    // keeps its white well.
    QList<QPalette::ColorRole> textRoles{QPalette::WindowText, QPalette::Text};
    QList<QPalette::ColorRole> backgroundRoles{QPalette::Window};
    if (qobject_cast<QAbstractButton*>(widget)) {
        textRoles += QPalette::ButtonText;
        backgroundRoles += QPalette::Button;
    } else {
        backgroundRoles += QPalette::Base;
    }
    QPalette pal = widget->palette();
    for (QPalette::ColorRole role : textRoles) {
        for (auto group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, role, text);
        pal.setColor(QPalette::Disabled, role, kDisabledGrey);
    }
    for (QPalette::ColorRole role : backgroundRoles)
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

#include "controls/ColorEditor.h"

#include "controls/ArrowPair.h"
#include "ui/Look.h"

#include <QLabel>
#include <QLineEdit>

namespace quelmar {

namespace {
const QColor kOlive(128, 128, 0);
const QColor kLightCyan(192, 255, 255);
constexpr int kArrowY = 24;
constexpr int kBoxY = 48;
} // namespace

ColorEditor::ColorEditor(const QString& objectName, QWidget* parent, ColorValue start)
    : QWidget(parent), value_(start) {
    setObjectName(objectName);
    setFixedSize(129, 81);
    look::paintBlack(this);
    addHeading(QStringLiteral("_Label2"), QStringLiteral("R"), QRect(2, 0, 12, 27), look::kRed);
    addHeading(QStringLiteral("_Label3"), QStringLiteral("G"), QRect(31, 0, 13, 27), kOlive);
    addHeading(QStringLiteral("_Label1"), QStringLiteral("B"), QRect(59, 0, 12, 27), look::kBlue);
    addColumn(ColorValue::Red, QStringLiteral("_R"), QStringLiteral("_Text1"), 0, 0);
    addColumn(ColorValue::Green, QStringLiteral("_G"), QStringLiteral("_Text2"), 28, 24);
    addColumn(ColorValue::Blue, QStringLiteral("_B"), QStringLiteral("_Text3"), 56, 51);

    swatch_ = new QWidget(this);
    swatch_->setObjectName(objectName + QStringLiteral("_Picture1"));
    swatch_->setGeometry(80, 8, 41, 57);
    swatch_->setAutoFillBackground(true);
    for (auto c : {ColorValue::Blue, ColorValue::Green, ColorValue::Red})
        showComponent(c);
    showSwatch();
}

void ColorEditor::addHeading(const QString& suffix, const QString& text, const QRect& geometry,
                             const QColor& color) {
    auto* heading = new QLabel(text, this);
    heading->setObjectName(objectName() + suffix);
    heading->setGeometry(geometry);
    heading->setFont(look::comicFont(14.25, true));
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setColors(heading, color, look::kBlack);
}

void ColorEditor::addColumn(ColorValue::Component c, const QString& arrowName,
                            const QString& boxName, int arrowX, int boxX) {
    auto* arrows = new ArrowPair(objectName() + arrowName, QRect(arrowX, kArrowY, 17, 25), this);
    connect(arrows, &ArrowPair::upPressed, this, [this, c] { step(c, true); });
    connect(arrows, &ArrowPair::downPressed, this, [this, c] { step(c, false); });
    arrows_[c] = arrows;

    // The boxes only show the values; nothing typed into them is ever read.
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName() + boxName);
    box->setGeometry(boxX, kBoxY, 25, 19);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(look::sansFont(8.25));
    look::setColors(box, kLightCyan, look::kBlack);
    boxes_[c] = box;
}

void ColorEditor::step(ColorValue::Component c, bool up) {
    if (up)
        value_.up(c);
    else
        value_.down(c);
    showComponent(c);
    showSwatch();
}

void ColorEditor::showComponent(ColorValue::Component c) {
    boxes_[c]->setText(QString::number(value_.value(c)));
}

void ColorEditor::showSwatch() {
    QPalette pal = swatch_->palette();
    pal.setColor(QPalette::Window, QColor(value_.R(), value_.G(), value_.B()));
    swatch_->setPalette(pal);
}

} // namespace quelmar

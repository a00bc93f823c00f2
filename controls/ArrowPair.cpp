#include "controls/ArrowPair.h"

#include <QToolButton>

namespace quelmar {

namespace {
QToolButton* makeArrow(QWidget* parent, const QString& name, Qt::ArrowType type) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(name);
    arrow->setArrowType(type);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRaise(false);
    return arrow;
}
} // namespace

ArrowPair::ArrowPair(const QString& objectName, const QRect& geometry, QWidget* parent)
    : QWidget(parent), up_(makeArrow(this, objectName + QStringLiteral("_Up"), Qt::UpArrow)),
      down_(makeArrow(this, objectName + QStringLiteral("_Down"), Qt::DownArrow)) {
    setObjectName(objectName);
    setGeometry(geometry);
    // A hidden widget hears of its size only when first shown; the arrows
    // are placed now so that they stand right from the start.
    placeArrows();
    // The press itself counts, not the release: a held arrow answers at once
    // and then with every repeat.
    connect(up_, &QToolButton::pressed, this, &ArrowPair::upPressed);
    connect(down_, &QToolButton::pressed, this, &ArrowPair::downPressed);
}

void ArrowPair::release() {
    up_->setDown(false);
    down_->setDown(false);
}

void ArrowPair::resizeEvent(QResizeEvent*) {
    placeArrows();
}

void ArrowPair::placeArrows() {
    // Two halves of one size, so both arrows come out alike; with an odd
    // height they share their middle row.
    const int half = (height() + 1) / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, height() - half, width(), half);
}

} // namespace quelmar

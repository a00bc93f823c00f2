#include "controls/SpinEditor.h"

#include "controls/ArrowPair.h"
#include "platform/Dialogs.h"
#include "platform/Look.h"

#include <QLineEdit>
#include <QPointer>

namespace quelmar {

namespace {
constexpr int kBoxHeight = 24;
constexpr int kArrowWidth = 17;
constexpr int kArrowHeight = 23;
} // namespace

SpinEditor::SpinEditor(SpinKind kind, const QString& objectName, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), value_(kind), dialogs_(dialogs), box_(new QLineEdit(this)),
      arrows_(new ArrowPair(objectName + QStringLiteral("_B"),
                            QRect(spinMember(kind).boxWidth, 0, kArrowWidth, kArrowHeight), this)) {
    setObjectName(objectName);
    const int boxWidth = value_.member().boxWidth;
    box_->setObjectName(objectName + QStringLiteral("_Text1"));
    box_->setReadOnly(true);
    box_->setGeometry(0, 0, boxWidth, kBoxHeight);
    box_->setFont(look::comicFont(9, true));
    look::setColors(box_, look::kListBlue, look::kBlack);
    connect(arrows_, &ArrowPair::upPressed, this, &SpinEditor::up);
    connect(arrows_, &ArrowPair::downPressed, this, &SpinEditor::down);
    showValue();
}

void SpinEditor::up() {
    if (value_.pressUp()) {
        // The box shows the limit for as long as the warning stands.
        showValue();
        arrows_->release();
        const QPointer<SpinEditor> alive(this);
        dialogs_.message(window(), value_.member().warning, value_.member().title);
        if (!alive)
            return; // the page went while the box was open
        value_.warningClosed();
    }
    showValue();
}

void SpinEditor::down() {
    value_.pressDown();
    showValue();
}

void SpinEditor::showValue() {
    box_->setText(value_.displayText());
}

} // namespace quelmar

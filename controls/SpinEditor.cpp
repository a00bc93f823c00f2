#include "controls/SpinEditor.h"

#include "controls/ArrowPair.h"
#include "controls/ValueBox.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>

namespace quelmar {

namespace {
// A warning or its title in the player's language.
QString spinText(const QString& text) {
    return QCoreApplication::translate("SpinMember", text.toUtf8().constData());
}
} // namespace

namespace {
constexpr int kBoxHeight = 24;
constexpr int kArrowWidth = 17;
constexpr int kArrowHeight = 23;
} // namespace

SpinEditor::SpinEditor(SpinKind kind, const QString& objectName, Dialogs& dialogs, QWidget* parent,
                       const QString& startText)
    : QWidget(parent), value_(kind, startText), dialogs_(dialogs),
      box_(makeValueBox(this, objectName + QStringLiteral("_Text1"),
                        QRect(0, 0, spinMember(kind).boxWidth, kBoxHeight),
                        look::comicFont(9, true), look::kListBlue)),
      arrows_(new ArrowPair(objectName + QStringLiteral("_B"),
                            QRect(spinMember(kind).boxWidth, 0, kArrowWidth, kArrowHeight), this)) {
    setObjectName(objectName);
    box_->setReadOnly(true);
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
        dialogs_.message(window(), spinText(value_.member().warning),
                         spinText(value_.member().title));
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

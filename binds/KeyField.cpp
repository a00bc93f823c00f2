#include "binds/KeyField.h"

#include "binds/KeyFieldGroup.h"
#include "binds/VirtualKeys.h"
#include "ui/Look.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quelmar {

namespace {
const QColor kFieldText(192, 0, 0);

NativeKeys platformKeys() {
    static const NativeKeys keys = nativeKeysForPlatform(QGuiApplication::platformName());
    return keys;
}
} // namespace

KeyField::KeyField(KeyFieldGroup& group, int index, QWidget* parent)
    : QLabel(parent), group_(group), index_(index) {
    setObjectName(QStringLiteral("Text1_%1").arg(index));
    setAlignment(Qt::AlignCenter);
    setFont(look::comicFont(9.75, true));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    refresh();
}

void KeyField::refresh() {
    setText(group_.text(index_));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(group_.backColour(index_)));
    pal.setColor(QPalette::WindowText, kFieldText);
    setPalette(pal);
    setAttribute(Qt::WA_TransparentForMouseEvents, !group_.isEnabled(index_));
}

bool KeyField::event(QEvent* event) {
    // A listening field takes Tab as a key to capture instead of letting it
    // move the focus on.
    if (event->type() == QEvent::KeyPress && group_.isEnabled(index_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLabel::event(event);
}

void KeyField::keyPressEvent(QKeyEvent* event) {
    // A field that no longer listens passes keys on to its page (F1).
    if (!group_.isEnabled(index_)) {
        event->ignore();
        return;
    }
    const KeyStroke stroke{event->nativeScanCode(), event->nativeVirtualKey(), event->key(),
                           event->modifiers()};
    group_.keyDown(index_, virtualKeyOf(stroke, platformKeys()));
    event->accept();
}

void KeyField::keyReleaseEvent(QKeyEvent* event) {
    // X repeats a held key as release and press pairs; only a real release
    // ends the capture.
    if (!event->isAutoRepeat())
        group_.keyUp(index_);
    event->accept();
}

void KeyField::mousePressEvent(QMouseEvent* event) {
    group_.mouseDown(index_, mouseButtonCode(event->button()));
    event->accept();
}

void KeyField::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is a press like any other here.
    mousePressEvent(event);
}

void KeyField::focusOutEvent(QFocusEvent* event) {
    // Switching to another program keeps the field's place as the window's
    // focus; only a move inside the program counts as losing it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        group_.focusLost(index_);
    QLabel::focusOutEvent(event);
}

} // namespace quelmar

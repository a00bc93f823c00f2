#include "binds/KeyFieldGroup.h"

#include "binds/KeyNames.h"
#include "platform/SoundCue.h"

namespace quelmar {

namespace {

// Names that lock a field the moment they arrive: no key release follows a
// mouse button or a wheel turn, and Tab's release may land elsewhere.
bool locksAtOnce(const QString& name) {
    static const QStringList names = [] {
        QStringList all{QStringLiteral("Tab"), wheelName(1), wheelName(-1)};
        for (int button : {1, 2, 4, 8, 16})
            all << mouseButtonName(button);
        return all;
    }();
    return names.contains(name);
}
} // namespace

KeyFieldGroup::KeyFieldGroup(int count, SoundCue& sound)
    : fields_(std::size_t(count > 0 ? count : 0)), sound_(sound) {}

QString KeyFieldGroup::text(int i) const {
    return contains(i) ? fields_[i].text : QString();
}

bool KeyFieldGroup::isEnabled(int i) const {
    return isListening(i);
}

unsigned KeyFieldGroup::backColour(int i) const {
    return contains(i) ? fields_[i].backColour : kRestColour;
}

KeyFieldState KeyFieldGroup::state(int i) const {
    if (isListening(i))
        return KeyFieldState::Listening;
    return backColour(i) == kListeningColour ? KeyFieldState::Captured : KeyFieldState::Resting;
}

int KeyFieldGroup::listeningField() const {
    for (int i = 0; i < count(); ++i) {
        if (fields_[i].enabled)
            return i;
    }
    return -1;
}

void KeyFieldGroup::startCapture(int i) {
    if (!contains(i))
        return;
    setEnabled(i, true);
    setText(i, QString());
    setBackColour(i, kListeningColour);
    if (focusRequested)
        focusRequested(i);
    sound_.play(Cue::KeyListening);
}

void KeyFieldGroup::keyDown(int i, int virtualKey) {
    if (isListening(i))
        setText(i, keyName(virtualKey));
}

void KeyFieldGroup::keyUp(int i) {
    if (isListening(i))
        lockWithCue(i);
}

void KeyFieldGroup::mouseDown(int i, int button) {
    if (!isListening(i))
        return;
    const QString name = mouseButtonName(button);
    if (!name.isEmpty())
        setText(i, name);
}

void KeyFieldGroup::wheel(int i, int direction) {
    const QString name = wheelName(direction);
    if (isListening(i) && !name.isEmpty())
        setText(i, name);
}

void KeyFieldGroup::focusLost(int i) {
    if (!contains(i))
        return;
    setEnabled(i, false);
    setBackColour(i, kRestColour);
    sound_.play(Cue::KeyLocked);
}

void KeyFieldGroup::setText(int i, const QString& text) {
    if (!contains(i) || fields_[i].text == text)
        return;
    fields_[i].text = text;
    fields_[i].spelling.clear();
    notify(i);
    textChanged(i);
}

void KeyFieldGroup::setStart(int i, const QString& text, const QString& spelling) {
    if (!contains(i))
        return;
    fields_[i].text = text;
    fields_[i].spelling = spelling;
    notify(i);
}

QString KeyFieldGroup::writtenName(int i) const {
    if (!contains(i))
        return {};
    return fields_[i].spelling.isEmpty() ? fields_[i].text : fields_[i].spelling;
}

void KeyFieldGroup::textChanged(int i) {
    // Kept by value: the runs this one sets off change other fields' texts.
    const QString name = fields_[i].text;
    if (locksAtOnce(name))
        lockWithCue(i);
    clearOthersHolding(i, name);
}

void KeyFieldGroup::clearOthersHolding(int i, const QString& name) {
    for (int j = 0; j < count(); ++j) {
        if (j != i && fields_[j].text == name)
            setText(j, QString());
    }
}

void KeyFieldGroup::setEnabled(int i, bool enabled) {
    if (fields_[i].enabled == enabled)
        return;
    fields_[i].enabled = enabled;
    notify(i);
}

void KeyFieldGroup::setBackColour(int i, unsigned colour) {
    if (fields_[i].backColour == colour)
        return;
    fields_[i].backColour = colour;
    notify(i);
}

void KeyFieldGroup::lockWithCue(int i) {
    setEnabled(i, false);
    sound_.play(Cue::KeyLocked);
}

void KeyFieldGroup::notify(int i) {
    if (changed)
        changed(i);
}

} // namespace quelmar

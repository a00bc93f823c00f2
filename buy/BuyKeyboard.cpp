#include "buy/BuyKeyboard.h"

#include "config/ConfigLines.h"
#include "config/StringResources.h"

#include <algorithm>

namespace quelmar {

BuyKeyboard::BuyKeyboard() : keys_(defaultKeys()) {}

QStringList BuyKeyboard::defaultKeys() {
    // Written into the script exactly as here; "kp_PgUp" keeps its capitals.
    return {
        QStringLiteral("F1"),
        QStringLiteral("F2"),
        QStringLiteral("F3"),
        QStringLiteral("F4"),
        QStringLiteral("F5"),
        QStringLiteral("F6"),
        QStringLiteral("F7"),
        QStringLiteral("F8"),
        QStringLiteral("F9"),
        QStringLiteral("F10"),
        QStringLiteral("F11"),
        QStringLiteral("F12"),
        QStringLiteral("ins"),
        QStringLiteral("del"),
        QStringLiteral("end"),
        QStringLiteral("home"),
        QStringLiteral("pgup"),
        QStringLiteral("pgdn"),
        QStringLiteral("leftarrow"),
        QStringLiteral("rightarrow"),
        QStringLiteral("uparrow"),
        QStringLiteral("downarrow"),
        QStringLiteral("kp_ins"),
        QStringLiteral("kp_del"),
        QStringLiteral("kp_end"),
        QStringLiteral("kp_downarrow"),
        QStringLiteral("kp_pgdn"),
        QStringLiteral("kp_PgUp"),
        QStringLiteral("kp_rightarrow"),
        QStringLiteral("kp_leftarrow"),
        QStringLiteral("kp_enter"),
        QStringLiteral("kp_home"),
        QStringLiteral("kp_uparrow"),
        QStringLiteral("kp_5"),
        QStringLiteral("pause"),
    };
}

void BuyKeyboard::select(int index) {
    selection_ = (index >= 0 && index < keys_.size()) ? index : -1;
}

bool BuyKeyboard::recordEnabled() const {
    return hasSelection() &&
           std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.filled; });
}

bool BuyKeyboard::drop(int slot, const QString& alias) {
    if (!slotsEnabled() || !validSlot(slot))
        return false;
    boundKey_ = quote() + keys_.at(selection_) + quote();
    slots_[slot] = Slot{alias, true};
    return true;
}

bool BuyKeyboard::clear(int slot) {
    if (!slotsEnabled() || !validSlot(slot))
        return false;
    slots_[slot] = Slot{};
    return true;
}

bool BuyKeyboard::isFilled(int slot) const {
    return validSlot(slot) && slots_[slot].filled;
}

QString BuyKeyboard::alias(int slot) const {
    return validSlot(slot) ? slots_[slot].alias : QString();
}

std::optional<QString> BuyKeyboard::record() {
    if (!recordEnabled())
        return std::nullopt;
    const QString line = recordLine();
    emptySlots();
    moveSelectionOn();
    return line;
}

QString BuyKeyboard::recordLine() const {
    // The aliases carry their own ";", so they are joined with nothing
    // between them; the resource's reset" closes the command list.
    static const QString tail = stringResource(StringResource::BuyTail);
    QString commands;
    for (const Slot& s : slots_)
        commands += s.alias;
    return QStringLiteral("bind ") + boundKey_ + QLatin1Char(' ') + quote() + commands + tail;
}

void BuyKeyboard::emptySlots() {
    slots_.fill(Slot{});
}

void BuyKeyboard::moveSelectionOn() {
    selection_ = (selection_ + 1) % keys_.size();
}

bool BuyKeyboard::addKey(const QString& answer) {
    // Counted in characters as the player typed them, so one Cyrillic or
    // other non-Latin letter still counts as one.
    const QString key = typedText(answer);
    if (key.toUcs4().size() > 1)
        return false;
    keys_.append(key);
    return true;
}

} // namespace quelmar

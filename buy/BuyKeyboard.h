#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quelmar {

// The key window's state without any widget: the key list and its
// selection, the 14 slots, the bound key and the record line.
//
// A slot holds an alias (a drag text such as "4-1;") and whether it shows a
// picture; both are set and cleared together. The bound key is taken from
// the selection at every drop, so a record always binds the key that was
// chosen when the last item went in, whatever is selected at record time.
class BuyKeyboard {
  public:
    static constexpr int kSlotCount = 14;

    BuyKeyboard();

    // The 35 console key names the list starts with, in list order.
    static QStringList defaultKeys();

    const QStringList& keys() const { return keys_; }
    int selection() const { return selection_; }
    bool hasSelection() const { return selection_ >= 0; }
    // An index outside the list means no selection.
    void select(int index);

    // Slots take drops and clicks only while a key is selected.
    bool slotsEnabled() const { return hasSelection(); }
    // Recording needs a key and at least one filled slot.
    bool recordEnabled() const;

    // Fills slot with the alias, replacing what it held. False (and no
    // change) when the slots are disabled or the index is out of range.
    bool drop(int slot, const QString& alias);
    // Empties slot; false when the slots are disabled or out of range.
    bool clear(int slot);
    bool isFilled(int slot) const;
    QString alias(int slot) const;

    // The bind line for the slots as they stand; the slots are emptied and
    // the selection moves on, wrapping from the last entry to the first.
    // Nothing happens and nothing is returned while recording is disabled.
    std::optional<QString> record();

    // A new key name as answered in the input box: one character or none is
    // appended (duplicates and the empty name included); anything longer is
    // refused and false is returned. The selection never changes.
    bool addKey(const QString& answer);

  private:
    struct Slot {
        QString alias;
        bool filled = false;
    };

    bool validSlot(int slot) const { return slot >= 0 && slot < kSlotCount; }
    QString recordLine() const;
    void emptySlots();
    void moveSelectionOn();

    QStringList keys_;
    int selection_ = -1;
    std::array<Slot, kSlotCount> slots_;
    QString boundKey_;
};

} // namespace quelmar

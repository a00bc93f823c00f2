#pragma once

#include "buy/BuyKeyboard.h"
#include "ui/Services.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace quelmar {

class KeySlot;
struct DragPayload;

// The right window of the weapon page ("Form2"): the key list, "Добавить",
// "Запись " and the 14 slots. It opens its section as soon as it is made
// and writes one bind line per record; closing it writes nothing.
//
// Every rule lives in BuyKeyboard; after each change the window shows the
// state again, so the enabled states are current without polling.
class KeyboardWindow : public QWidget {
    Q_OBJECT
  public:
    // recorded: buy binds an opened script brought, written under the
    // section's header as if recorded here.
    explicit KeyboardWindow(const Services& services, const QStringList& recorded = {},
                            QWidget* parent = nullptr);

    // What the line beside the buttons says of the chosen key: its job
    // elsewhere in the script ("KeyNotice"); empty when none.
    QString notice() const;

  signals:
    // "Done" was clicked: the page's pair ends.
    void done();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void buildSlots();
    void keyChosen(int index);
    void slotDropped(int index, const DragPayload& payload);
    void slotClicked(int index);
    void recordClicked();
    void addClicked();
    void refresh();
    void markHeldKeys(int from);

    QStringList held_; // each list entry's job elsewhere, in words, or empty

    Services services_;
    BuyKeyboard keyboard_;
    QComboBox* list_ = nullptr;
    QPushButton* record_ = nullptr;
    QLabel* notice_ = nullptr;
    QList<KeySlot*> slots_;
};

} // namespace quelmar

#include "buy/KeyboardWindow.h"

#include "buy/BuyLook.h"
#include "buy/KeySlot.h"
#include "config/ConfigStream.h"
#include "platform/SoundCue.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace quelmar {

KeyboardWindow::KeyboardWindow(const Services& services, const QStringList& recorded,
                               QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("KeyBoard"));
    setAttribute(Qt::WA_DeleteOnClose);
    look::makeBorderlessWindow(this, 438, 562);
    look::placeFromCorner(this, QPoint(422, 5));
    // The section begins when the window opens, whether or not anything is
    // ever recorded.
    services_.config.beginSection(Section::BuyWeapons);
    services_.config.writeLines(recorded);
    buildControls();
    buildSlots();
    refresh();
}

void KeyboardWindow::buildControls() {
    buy::makeBlueLabel(this, QStringLiteral("Key:"), QRect(40, 0, 35, 23), 12);

    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("List"));
    list_->setEditable(false);
    list_->addItems(keyboard_.keys());
    list_->setGeometry(8, 24, 97, 21);
    list_->setFont(look::comicFont(9, true));
    look::fitText(list_, keyboard_.keys());
    connect(list_, &QComboBox::currentIndexChanged, this, &KeyboardWindow::keyChosen);

    QPushButton* add = buy::makeButton(this, "Command3", tr("Добавить"), QRect(112, 24, 65, 21),
                                       look::kRed, 9.75, true);
    connect(add, &QPushButton::clicked, this, &KeyboardWindow::addClicked);

    record_ = buy::makeButton(this, "Command1", tr("Запись "), QRect(352, 24, 73, 23), look::kRed,
                              12, false);
    connect(record_, &QPushButton::clicked, this, &KeyboardWindow::recordClicked);

    QPushButton* done = buy::makeButton(this, "Command2", QStringLiteral("Done"),
                                        QRect(394, 3, 41, 19), look::kBlue, 9.75, true);
    connect(done, &QPushButton::clicked, this, &KeyboardWindow::done);

    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("KeyNotice"));
    notice_->setGeometry(180, 2, 170, 44);
    notice_->setFont(look::comicFont(8, true));
    notice_->setWordWrap(true);
    look::setColors(notice_, look::kOrange, look::kBlack);
    markHeldKeys(0);
}

QString KeyboardWindow::notice() const {
    return notice_->text();
}

// The keys another part of the script already gives a job stand out in the
// list, in red, with that job as their tip.
void KeyboardWindow::markHeldKeys(int from) {
    for (int i = from; i < list_->count(); ++i) {
        const QString held =
            services_.keyHeld ? services_.keyHeld(keyboard_.keys().at(i)) : QString();
        held_.append(held);
        if (held.isEmpty())
            continue;
        list_->setItemData(i, look::kRed, Qt::ForegroundRole);
        list_->setItemData(i, held, Qt::ToolTipRole);
    }
}

void KeyboardWindow::buildSlots() {
    for (int i = 0; i < BuyKeyboard::kSlotCount; ++i) {
        auto* slot = new KeySlot(i, this);
        connect(slot, &KeySlot::dropped, this, &KeyboardWindow::slotDropped);
        connect(slot, &KeySlot::clicked, this, &KeyboardWindow::slotClicked);
        slots_.append(slot);
    }
}

void KeyboardWindow::keyChosen(int index) {
    keyboard_.select(index);
    refresh();
}

void KeyboardWindow::slotDropped(int index, const DragPayload& payload) {
    if (keyboard_.drop(index, payload.text))
        slots_.at(index)->setPicture(payload.picture);
    refresh();
}

void KeyboardWindow::slotClicked(int index) {
    keyboard_.clear(index);
    refresh();
}

void KeyboardWindow::recordClicked() {
    if (const std::optional<QString> line = keyboard_.record())
        services_.config.writeLine(*line);
    refresh();
}

void KeyboardWindow::addClicked() {
    const QString answer =
        services_.dialogs.input(this, QStringLiteral("New key"), QString(), QString());
    if (keyboard_.addKey(answer)) {
        QSignalBlocker quiet(list_);
        list_->addItem(keyboard_.keys().last()); // as it goes into the script
        markHeldKeys(list_->count() - 1);
    } else {
        services_.sound.play(Cue::KeyRefused);
    }
    refresh();
}

void KeyboardWindow::keyPressEvent(QKeyEvent* event) {
    // F1 shows the key map; the list and the buttons pass it on.
    if (event->key() == Qt::Key_F1 && services_.keyMap) {
        services_.keyMap(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void KeyboardWindow::refresh() {
    {
        QSignalBlocker quiet(list_);
        list_->setCurrentIndex(keyboard_.selection());
    }
    for (KeySlot* slot : slots_) {
        if (!keyboard_.isFilled(slot->index()))
            slot->setPicture(QImage());
        slot->setEnabled(keyboard_.slotsEnabled());
    }
    record_->setEnabled(keyboard_.recordEnabled());
    // Said while the key is chosen, before anything is recorded on it; the
    // section goes after the rest of the script, so a record stands.
    const QString held = held_.value(keyboard_.selection());
    notice_->setText(held.isEmpty() ? QString()
                                    : tr("Уже занята — %1. Запись её заменит.").arg(held));
    notice_->setToolTip(notice_->text()); // whole, should it not fit
}

} // namespace quelmar

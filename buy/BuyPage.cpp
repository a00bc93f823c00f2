#include "buy/BuyPage.h"

#include "buy/CatalogueWindow.h"
#include "buy/KeyboardWindow.h"

#include <QEvent>

namespace quelmar {

QList<QWidget*> BuyPage::open(const Services& services, const QStringList& recorded) {
    auto* catalogue = new CatalogueWindow;
    auto* keyboard = new KeyboardWindow(services, recorded);
    new BuyPage(services.handBack, catalogue, keyboard);
    return {catalogue, keyboard};
}

BuyPage::BuyPage(std::function<void()> handBack, CatalogueWindow* catalogue,
                 KeyboardWindow* keyboard)
    : handBack_(std::move(handBack)), catalogue_(catalogue), keyboard_(keyboard) {
    connect(catalogue, &CatalogueWindow::done, this, &BuyPage::finish);
    connect(keyboard, &KeyboardWindow::done, this, &BuyPage::finish);
    watch(catalogue);
    watch(keyboard);
}

void BuyPage::watch(QWidget* window) {
    window->installEventFilter(this);
    // A window deleted without being closed ends the page all the same.
    connect(window, &QObject::destroyed, this, &BuyPage::finish);
}

bool BuyPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close)
        finish();
    return QObject::eventFilter(watched, event);
}

void BuyPage::finish() {
    if (finished_)
        return;
    finished_ = true;
    // A window already in the middle of closing ignores the second close.
    if (catalogue_)
        catalogue_->close();
    if (keyboard_)
        keyboard_->close();
    if (handBack_)
        handBack_();
    deleteLater();
}

} // namespace quelmar

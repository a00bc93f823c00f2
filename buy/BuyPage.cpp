#include "buy/BuyPage.h"

#include "buy/CatalogueWindow.h"
#include "buy/KeyboardWindow.h"
#include "platform/MainMenuLink.h"
#include "platform/MenuPages.h"

#include <QEvent>

namespace quelmar {

QList<QWidget*> BuyPage::open(Services& services) {
    auto* catalogue = new CatalogueWindow;
    auto* keyboard = new KeyboardWindow(services);
    new BuyPage(services.menu, catalogue, keyboard);
    return {catalogue, keyboard};
}

BuyPage::BuyPage(MainMenuLink& menu, CatalogueWindow* catalogue, KeyboardWindow* keyboard)
    : menu_(menu), catalogue_(catalogue), keyboard_(keyboard) {
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
    menu_.ReturnToMainMenu(menuEntryOf(MenuPage::Weapons));
    deleteLater();
}

} // namespace quelmar

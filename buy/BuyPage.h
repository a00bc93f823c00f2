#pragma once

#include "platform/Services.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace quelmar {

class CatalogueWindow;
class KeyboardWindow;

// The weapon page is two windows that live and die together: the catalogue
// and the key window. This pair ends the moment either window closes, by
// "Done" or any other way: the other window is closed too and the main menu
// gets its entry back exactly once, so the player is never left without a
// window. The pair deletes itself afterwards.
class BuyPage : public QObject {
    Q_OBJECT
  public:
    // Makes both windows (the key window opens its section at once) and
    // returns them in the order they are shown: catalogue, key window.
    static QList<QWidget*> open(Services& services);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    BuyPage(MainMenuLink& menu, CatalogueWindow* catalogue, KeyboardWindow* keyboard);
    void watch(QWidget* window);
    void finish();

    MainMenuLink& menu_;
    QPointer<QWidget> catalogue_;
    QPointer<QWidget> keyboard_;
    bool finished_ = false;
};

} // namespace quelmar

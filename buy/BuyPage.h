#pragma once

#include "ui/Services.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace quelmar {

class CatalogueWindow;
class KeyboardWindow;

// The weapon page is two windows that live and die together: the catalogue
// and the key window. This pair ends the moment either window closes, by
// "Done" or any other way: the other window is closed too, so the player is
// never left with half a page. The page is handed back once, and the pair
// deletes itself afterwards.
class BuyPage : public QObject {
    Q_OBJECT
  public:
    // Makes both windows (the key window opens its section at once) and
    // returns them in the order they are shown: catalogue, key window.
    static QList<QWidget*> open(const Services& services, const QStringList& recorded = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    BuyPage(std::function<void()> handBack, CatalogueWindow* catalogue, KeyboardWindow* keyboard);
    void watch(QWidget* window);
    void finish();

    std::function<void()> handBack_;
    QPointer<QWidget> catalogue_;
    QPointer<QWidget> keyboard_;
    bool finished_ = false;
};

} // namespace quelmar

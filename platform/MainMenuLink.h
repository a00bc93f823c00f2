#pragma once

#include <QString>

namespace quelmar {

// What a page needs of the main menu: the way back. A page's Done (and any
// other close of the page) calls ReturnToMainMenu with the object name of
// the menu entry that opened it, for example "Command5"; the menu disables
// that entry and shows itself again.
class MainMenuLink {
  public:
    virtual ~MainMenuLink() = default;
    virtual void ReturnToMainMenu(const QString& entry) = 0;
};

} // namespace quelmar

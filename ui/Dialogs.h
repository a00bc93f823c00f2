#pragma once

#include <QString>

class QWidget;

namespace quelmar {

// The title that message boxes without one of their own carry.
inline QString applicationTitle() {
    return QStringLiteral("Vorel");
}

// Where Save As opens when the game's folder is not known: the player's
// Documents, else (a system without one, a name the settings give that was
// never made) the home folder. Always a folder that is there, since the
// dialog takes the last part of a name that is not for the file's name.
QString documentsFolder();

// Every modal dialog of the program goes through here, so that tests can
// answer them in advance instead of blocking on a real window.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal message with a single OK button and no icon. Returns when the
    // player has closed it.
    virtual void message(QWidget* parent, const QString& text, const QString& title) = 0;

    // A modal question with the buttons "Да" and "Нет". True for "Да";
    // Escape, or a box closed otherwise, counts as "Нет". The default button
    // (what Enter presses) is "Да" when defaultYes, else "Нет".
    virtual bool ask(QWidget* parent, const QString& text, const QString& title,
                     bool defaultYes = true) = 0;

    // A modal one-line input box. Returns the text as typed; a cancelled box
    // returns the empty string.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;

    // The Save As dialog with one name filter (for example "(*.cfg)"), which
    // asks before replacing an existing file. It opens in startFolder, or in
    // the platform's usual place when that is empty. Returns the chosen path,
    // or the empty string when the player cancels.
    virtual QString saveAs(QWidget* parent, const QString& filter, const QString& startFolder) = 0;
};

} // namespace quelmar

#pragma once

#include "config/KeyJobs.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QLabel;

namespace quelmar {

class KeyCap;

// The key map ("KeyMap"): a keyboard drawn in the program's look (main
// block, function row, navigation keys, keypad) and a mouse with its five
// buttons and its wheel, each key showing the job the saved script would
// leave it, coloured by where the job comes from. Jobs of keys no keyboard
// has (names the console does not know, "Q" beside "q") stand in a row below,
// those that find no room there behind one last key ("more").
// A click on a key says its whole command, where it comes from and what it
// replaced; "Done" or Escape closes the map. It changes nothing.
class KeyMapWindow : public QWidget {
    Q_OBJECT
  public:
    // letters: the player's own layout's letters by the US layout's
    // character (see ownLayoutLetters); none, and none are shown.
    KeyMapWindow(const KeyJobs& jobs, const QHash<char, QString>& letters,
                 QWidget* parent = nullptr);

    // The key of the console's key (as ConsoleModel::keyIdentity gives it),
    // on the keyboard, the mouse or in the row below, or none.
    KeyCap* cap(const QByteArray& key) const;
    const QList<KeyCap*>& caps() const { return caps_; }
    // What the line under the keys says now.
    QString detail() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void addKeyboard(const KeyJobs& jobs, const QHash<char, QString>& letters);
    void addOthers(const KeyJobs& jobs);
    void addLegend();
    KeyCap* addCap(const QByteArray& key, const QString& label, const QString& letter,
                   const QList<KeyJob>& jobs, const QRect& box);
    void choose(KeyCap* cap);

    QList<KeyCap*> caps_;
    QLabel* detail_ = nullptr;
    QRect mouse_;
};

// What a key does, in words: its name (label, or as each bind wrote it when
// empty), its whole command, where the command comes from, what it
// replaced, and why a job does nothing.
QString keyJobText(const QString& label, const QList<KeyJob>& jobs);

} // namespace quelmar

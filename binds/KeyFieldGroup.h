#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace quelmar {

class SoundCue;

// Where a key field stands in its capture cycle.
//   Resting:   locked, rest colour      (page load, focus lost)
//   Listening: unlocked, listening colour (double-click)
//   Captured:  locked, listening colour  (key released, or a mouse button,
//              the wheel or Tab captured) until the field loses the focus
enum class KeyFieldState { Resting, Listening, Captured };

// The key fields of the command page and the rules between them. A field
// never takes typed text: it listens after a double-click, shows the name of
// the key, button or wheel turn given to it, and locks. No name stands in
// two fields: capturing a name empties the field that held it before.
//
// Every text change runs the change rule synchronously, before the operation
// that made it goes on, and the rule changes texts itself: it is plain
// recursion, each run keeping its own place in its scan. Setting a field to
// the text it already holds is no change and runs nothing.
class KeyFieldGroup {
  public:
    // Back colours as 0xRRGGBB.
    static constexpr unsigned kRestColour = 0xC0C0FF;
    static constexpr unsigned kListeningColour = 0xFFC080;

    KeyFieldGroup(int count, SoundCue& sound);

    int count() const { return int(fields_.size()); }
    // Out-of-range indices read as an empty, resting field.
    QString text(int i) const;
    bool isEnabled(int i) const;
    unsigned backColour(int i) const;
    KeyFieldState state(int i) const;
    // The first field that listens now, or -1.
    int listeningField() const;

    // The player's events on field i; events on an index outside the group
    // are dropped.
    void startCapture(int i);            // double-click on a locked field
    void keyDown(int i, int virtualKey); // only while the field listens
    void keyUp(int i);                   // only while the field listens
    void mouseDown(int i, int button);   // a code of mouseButtonCode()
    void wheel(int i, int direction);    // 1 away from the player, -1 towards
    void focusLost(int i);

    // Any change of a field's text, the group's own included.
    void setText(int i, const QString& text);

    // Field i as an opened script left it: the key's name as the page
    // shows it, and as the script spelled it. Only for a field that is
    // empty, with a name no other field holds: nothing runs.
    void setStart(int i, const QString& text, const QString& spelling);
    // The name the bind line carries: the script's spelling while the field
    // still holds the key it came with, else the name shown.
    QString writtenName(int i) const;

    // Told after field i's text, lock or colour changed.
    std::function<void(int)> changed;
    // Asked to give field i the keyboard focus.
    std::function<void(int)> focusRequested;

  private:
    struct Field {
        QString text;
        QString spelling; // from an opened script; gone with the text
        bool enabled = false;
        unsigned backColour = kRestColour;
    };

    bool contains(int i) const { return i >= 0 && i < count(); }
    bool isListening(int i) const { return contains(i) && fields_[i].enabled; }
    void textChanged(int i);
    void clearOthersHolding(int i, const QString& name);
    void setEnabled(int i, bool enabled);
    void setBackColour(int i, unsigned colour);
    void lockWithCue(int i);
    void notify(int i);

    std::vector<Field> fields_;
    SoundCue& sound_;
};

} // namespace quelmar

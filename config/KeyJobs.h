#pragma once

#include "config/ConfigLines.h"
#include "config/ConsoleModel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace quelmar {

// Where a line of the saved script comes from.
enum class KeyOrigin : quint8 {
    Program,  // the program's own: the preamble, the settings pages' lines
    Kept,     // a kept line of the script the player opened, and what it runs
    Commands, // the command page
    Weapons,  // the weapon purchase
};

// Whose lines a section holds.
KeyOrigin originOf(Section section);

// A run of whole lines of the script as a save would write it now, and
// where they come from.
struct ScriptPiece {
    KeyOrigin origin = KeyOrigin::Program;
    QByteArray bytes; // in the script's code page
};

// What one key does once the saved script has run from an empty console.
struct KeyJob {
    struct Earlier {
        QByteArray command;
        KeyOrigin origin;
    };
    QByteArray key;     // as ConsoleModel::keyIdentity gives it: "q", "PGUP", "?PAGE UP"
    QByteArray name;    // the key as the bind that stands wrote it
    QByteArray command; // what the key runs
    KeyOrigin origin = KeyOrigin::Program;
    QList<Earlier> replaced; // the other jobs earlier binds gave it, oldest first
    // The console knows no key of that name: the bind does nothing. meant is
    // the console's key the name stands for elsewhere ("PGUP" for "Page
    // Up"), or empty.
    bool unknown = false;
    QByteArray meant;

    bool boundMoreThanOnce() const { return !replaced.isEmpty(); }
    // Bound more than once, and once to another command than the one that
    // stands.
    bool clashes() const;
};

// Every key's job at the end of a script put together from pieces: the
// pieces run one after another through the console model (as --keys runs a
// file), and each job and each job it replaced is traced back to the piece
// whose command gave it, through the files it ran and the aliases it called.
class KeyJobs {
  public:
    // files: what the script's exec lines run.
    explicit KeyJobs(const QList<ScriptPiece>& pieces, ConsoleModel::Files files = {});

    // In the order of the console's key list, names it does not know last.
    const QList<KeyJob>& jobs() const { return jobs_; }
    // The job of a key as keyIdentity gives it, or none.
    const KeyJob* find(QByteArrayView key) const;
    // What stands on the console's key: its job, then the jobs of names the
    // console does not know that were meant for it.
    QList<const KeyJob*> on(QByteArrayView key) const;

    // The console's key a bind's key name gives a job to: its identity,
    // or for a name the console does not know, the key it stands for
    // elsewhere (as the save offers to spell it), when there is one.
    static QByteArray keyOfName(QByteArrayView name);
    // The latest job that lines from elsewhere than own give the key named
    // name ("Page Up" meaning PGUP too): the one that stands, else the one
    // replaced last. None when the key has no such job.
    std::optional<KeyJob::Earlier> heldElsewhere(QByteArrayView name, KeyOrigin own) const;

  private:
    QList<KeyJob> jobs_;
};

} // namespace quelmar

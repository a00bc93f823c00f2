#pragma once

#include "config/FileSystem.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

// A file rewritten in place is, for a moment, part new and part old: a
// crash or a power cut then would leave the player a broken script. So the
// old content is kept first, synced, in the user's state folder (never the
// temporary folder, which is often in memory), together with the file's
// name and identity and the new content, and removed once the rewrite is
// complete. The record stays locked while its save runs.
class RewriteRecord {
  public:
    // Keeps the record for the file at destination, identity id, about to
    // go from old to script. A failure names the state folder or record.
    FileError keep(const QString& destination, const FileId& id, const QByteArray& old,
                   const QByteArray& script);
    // The rewrite is complete, or undone: the record goes.
    void drop();
    // Leaves the record for the next start (the file could not be put back).
    void leave() { file_.close(); }
    ~RewriteRecord() { drop(); }

  private:
    File file_;
};

// A rewrite that a crash cut short, and what became of it: error none when
// the file holds its old content again; otherwise the record is kept for
// the next start. A record that could not be used (unreadable, too large,
// damaged, or open to others' writes) is set aside: renamed, never removed,
// and told once; path is then the record's new name and error says why.
struct PutBack {
    QString path;
    FileError error;
    bool setAside = false;
};

// Run at start: every record that no running save holds is settled. Only a
// record private to the player, in a state folder private to the player, is
// used (calls.status tells). The old content goes back only into the very
// file that was being rewritten (its name, with no link on the way, and its
// identity), and
// only while it still holds a mix of the old and the new content (byte by
// byte one or the other, at one of their two lengths): a file that holds
// the whole new or old content, or that the player has saved, replaced or
// removed since, is left alone and its record dropped (a file whose folder
// is gone too, as on a disk not plugged in, keeps it for a later start).
// Gives what was put back, or could not be.
QList<PutBack> putBackUnfinishedRewrites(const FileCalls& calls = {});

} // namespace quelmar

#pragma once

#include "app/MenuTable.h"
#include "config/ConfigLines.h"
#include "config/FileError.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace quelmar {

// What the player is told once a script is open.
struct OpenedReport {
    int onPages = 0;       // values and keys the pages start from
    int kept = 0;          // lines no page takes, kept as they are
    QStringList unshown;   // "line: text" of values a page cannot show
    QStringList execs;     // files the script's exec lines name (not followed)
    int notInCodePage = 0; // characters of a UTF-8 file the script's code page lacks
};

// A script the player already has, read the way the game's console reads
// it, so that the pages can start from it and nothing of it is lost:
// - the pages take the settings and binds they show (the last say on each,
//   as in the console), and the command page the first two keys of each of
//   its commands;
// - everything else is kept, in its order, and written after the sections
//   at save, under a header of its own: other variables and binds, aliases,
//   exec lines, comments; so are the lines of the pages never opened, and a
//   value a page could not show while its row stays as it was;
// - never kept: our own preamble and headers, unbindall (it would undo
//   every bind before it), exec of config.cfg and userconfig.cfg (a loop),
//   and a line an opened page already writes.
class OpenedScript {
  public:
    // closed: sections already written when the script came; their pages
    // keep what the player chose there.
    OpenedScript(const QByteArray& file, const QString& fileName,
                 const QList<Section>& closed = {});
    ~OpenedScript();
    OpenedScript(const OpenedScript&) = delete;
    OpenedScript& operator=(const OpenedScript&) = delete;

    // The whole file, or why not (a file past 16 MiB is TooLarge).
    static FileError read(const QString& path, QByteArray& bytes);

    const QString& fileName() const;
    // The game's own config.cfg: it carries the player's binds.
    bool isGameConfig() const;
    const PageStarts& starts() const;
    const OpenedReport& report() const;

    // The block that goes after the sections of written (the script so far,
    // in the script's code page): an empty line, the header and the kept
    // lines, each ended by CR LF; empty when nothing is kept.
    QByteArray keptLines(const QByteArray& written) const;

  private:
    struct Data;
    std::unique_ptr<Data> d_;
};

} // namespace quelmar

#pragma once

#include "app/MenuTable.h"
#include "config/ConfigLines.h"
#include "config/ConfigStream.h"
#include "config/ConsoleModel.h"
#include "config/FileError.h"
#include "config/KeyJobs.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace quelmar {

// What the player is told once a script is open.
struct OpenedReport {
    struct Exec {
        QString name;
        ConsoleExec::Outcome outcome;
        int line; // of the opened file's command that ran it, from 1
    };
    int onPages = 0;       // values and keys the pages start from
    int kept = 0;          // lines no page takes, kept as they are
    QStringList unshown;   // "line: text" of values a page cannot show
    QList<Exec> execs;     // the files the script runs, and those it cannot
    int notInCodePage = 0; // characters of a UTF-8 file the script's code page lacks
    int keptBytes = 0;     // UTF-8 values that go back in their own bytes unless changed
    QStringList clashes;   // "name: text" of our aliases the script defines anew
    QStringList quits;     // "line: text" of commands that end the game or leave a server
    QList<int> unbindalls; // lines of kept unbindall commands, which undo our own binds too
    bool cutShort = false; // files or aliases ran too deep or too long to follow
};

// A script the player already has, run through the console model into the
// end state the game would reach, so that the pages start from that state
// and the saved script reaches it again:
// - each page takes what it shows of the end state (the settings pages
//   through their line writers, the command page the keys bound to its
//   commands, the weapon page its own buy binds);
// - the saved script is the preamble, then the file's own commands in their
//   order (its kept lines), then the sections: a page's lines come after
//   every line of the file, so what the player chose on a page stands, and
//   everything the file does still happens in its order before them;
// - a command a page took is left out of the kept lines once that page has
//   written its section; a value a row took goes back in the file's own
//   bytes while the row still shows it;
// - never kept: our preamble at the top of the file and our headers, the
//   two comment lines atop the game's config.cfg, an unbindall before
//   anything was bound (the preamble's does that), and exec of config.cfg
//   or userconfig.cfg (the game runs them; from a script it runs, a loop).
class OpenedScript {
  public:
    // closed: sections already written when the script came; their pages
    // keep what the player chose there. files: what its exec lines run;
    // progress: called now and then while a long script is read.
    OpenedScript(const QByteArray& file, const QString& fileName, const QList<Section>& closed = {},
                 ConsoleModel::Files files = {}, std::function<void()> progress = {});
    ~OpenedScript();
    OpenedScript(const OpenedScript&) = delete;
    OpenedScript& operator=(const OpenedScript&) = delete;

    // The whole file, or why not: only a regular file is read, never
    // waiting on a pipe; a file past the input limit is PastLimit, one
    // holding a NUL byte (UTF-16 text) HoldsNul.
    static FileError read(const QString& path, QByteArray& bytes);

    const QString& fileName() const;
    // The game's own config.cfg: it carries the player's binds.
    bool isGameConfig() const;
    const PageStarts& starts() const;
    const OpenedReport& report() const;
    const ConsoleModel& model() const;

    // The script to save from written (the preamble and the sections the
    // pages wrote, in the script's code page) with sections where each
    // begins: the preamble, the kept lines under their header, then the
    // sections, rows left alone in the file's own bytes.
    QByteArray assemble(const QByteArray& written,
                        const QList<ConfigStream::SectionStart>& sections) const;
    // The same script in its pieces, each with where it comes from: the
    // preamble, the kept lines (none when no line is kept), the sections.
    QList<ScriptPiece> pieces(const QByteArray& written,
                              const QList<ConfigStream::SectionStart>& sections) const;

  private:
    struct Data;
    std::unique_ptr<Data> d_;
};

} // namespace quelmar

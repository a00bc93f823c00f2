#pragma once

#include "config/ConsoleReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace quelmar {

// A run of bytes in one of the texts the model has read (texts() lists them).
struct ConsoleSpan {
    int text = -1;
    qint32 begin = 0;
    qint32 end = 0;
    bool isEmpty() const { return end <= begin; }
};

// Where a part of the end state came from.
struct ConsoleSource {
    int top = -1;        // the opened file's command that led here (index into tops())
    bool direct = false; // that command itself, not a file it ran or an alias it called
    qint64 order = -1;   // when, counted over every command the run has run
    ConsoleSpan command; // the command that did it, without its comment
};

// One variable, key, alias or command of the end state.
struct ConsoleEntry {
    ConsoleSource source;
    ConsoleSpan name;  // a bind's key as written; an alias's or a command's name
    ConsoleSpan value; // a variable's value, a bind's or an alias's text
};

// What the opened file's command does itself, before what it runs.
enum class ConsoleAct : quint8 {
    None,      // no words
    Variable,  // name value; setinfo name value
    Bind,      // bind key command
    Unbind,    // unbind key
    Unbindall, // unbindall
    Alias,     // alias name text
    Exec,      // exec name
    Call,      // the name of an alias defined at that moment
    Bare,      // one word the console runs as it is (+mlook, drawradar)
    Effect,    // any other command (echo, say, connect, quit)
};

// One command of the opened file, as the console reads it: its bytes
// without the comment and the blanks around them, and the comment.
struct ConsoleTop {
    qint32 begin = 0;
    qint32 end = 0;
    qint32 comment = -1; // where a "//" ended it
    ConsoleAct act = ConsoleAct::None;
};

// An exec the run met, and what became of it.
struct ConsoleExec {
    enum Outcome {
        Ran,      // the file was read and run
        Missing,  // no such file: it runs nothing
        GameOwn,  // config.cfg or userconfig.cfg: the game runs them itself
        Loop,     // the file is already running further up
        TooDeep,  // too many files running inside one another
        Unusable, // unreadable, too large, or not a .cfg
    };
    QByteArray name;
    int top = -1;
    Outcome outcome = Ran;
};

// The game console's end state after running a script from an empty
// console: its variables (setinfo keys among them, as "setinfo name"), key
// binds, aliases, the last run of each one-word command, and the other
// commands it ran, in order. Aliases called at top level run (as deep as
// kMaxAliasDepth), aliases bound to keys do not, and a bind inside alias
// text is no state until the alias runs. `exec NAME` runs the named file as
// files() gives it; a missing file runs nothing.
class ConsoleModel {
  public:
    static constexpr int kMaxAliasDepth = 32;
    static constexpr int kMaxExecDepth = 16;
    // Commands run inside files and aliases, over the whole run: past it
    // the model stops following (an alias that calls itself four times over).
    static constexpr qint64 kMaxNestedCommands = 4'000'000;

    // The bytes of a file the script runs, or nothing for a missing one;
    // unusable: it is there but cannot be run.
    using Files = std::function<std::optional<QByteArray>(const QByteArray& name, bool& unusable)>;

    explicit ConsoleModel(Files files = {});

    // The files of folder, as the game finds them beside the script: a name
    // with a folder part leads below it (never above it), in any case.
    static Files filesIn(const QString& folder);

    // Called now and then while a long script runs, so that a window can
    // go on painting.
    void setProgress(std::function<void()> progress) { progress_ = std::move(progress); }

    // Runs text (up to its first NUL, as the console reads a file) as the
    // opened file; a model runs one file.
    void run(const QByteArray& text);

    const QList<QByteArray>& texts() const { return texts_; }
    QByteArrayView bytes(ConsoleSpan span) const;
    const QList<ConsoleTop>& tops() const { return tops_; }
    // What top does itself, and the key it acts on (a variable's, a bind's
    // key identity, an alias's or a command's name, lower case).
    ConsoleAct act(int top, QByteArray* key = nullptr) const;

    const QHash<QByteArray, ConsoleEntry>& variables() const { return variables_; }
    const QHash<QByteArray, ConsoleEntry>& binds() const { return binds_; }
    // The other commands a key's bind replaced, oldest first (each once, the
    // first kMaxReplaced): a key given two jobs, of which the later stands.
    // An unbind or unbindall in between frees the key, and nothing is replaced.
    static constexpr int kMaxReplaced = 8;
    QList<QByteArray> replaced(const QByteArray& key) const;
    // The same earlier binds as whole entries, so their sources show where
    // each came from.
    QList<ConsoleEntry> replacedBinds(const QByteArray& key) const;
    const QHash<QByteArray, ConsoleEntry>& aliases() const { return aliases_; }
    const QHash<QByteArray, ConsoleEntry>& bare() const { return bare_; }
    const QList<ConsoleEntry>& effects() const { return effects_; }
    const QList<ConsoleExec>& execs() const { return execs_; }
    // An unbindall ran before anything was bound: one such at the top of
    // the game's config.cfg is what every script of ours starts with.
    bool unbindsNothing(int top) const { return unbindNothing_.contains(top); }
    // The run stopped following files and aliases somewhere.
    bool cutShort() const { return cutShort_; }

    // The key a bind or unbind name stands for: the console's key, or for a
    // name the console turns down, a key of its own ("?PAGE UP").
    static QByteArray keyIdentity(QByteArrayView name);
    // Whether a name the console turns down (it binds nothing).
    static bool isUnknownKey(const QByteArray& identity) { return identity.startsWith('?'); }
    // The text of an entry's value, or of its command.
    QByteArray valueOf(const ConsoleEntry& entry) const { return bytes(entry.value).toByteArray(); }
    QByteArray commandOf(const ConsoleSource& source) const {
        return bytes(source.command).toByteArray();
    }

  private:
    struct Frame {
        int text;
        int top;
        int depth; // aliases
        int files; // exec'd files
    };
    void runText(int text, const Frame& frame);
    void runCommand(const ConsoleReader& reader, const ConsoleCommand& command, const Frame& frame);
    void runFile(const QByteArray& name, const Frame& frame);
    int keep(QByteArray text);

    void tick();

    Files files_;
    std::function<void()> progress_;
    QList<QByteArray> texts_;
    QList<ConsoleTop> tops_;
    QHash<QByteArray, ConsoleEntry> variables_;
    QHash<QByteArray, ConsoleEntry> binds_;
    QHash<QByteArray, QList<ConsoleEntry>> replaced_;
    QHash<QByteArray, ConsoleEntry> aliases_;
    QHash<QByteArray, ConsoleEntry> bare_;
    QList<ConsoleEntry> effects_;
    QList<ConsoleExec> execs_;
    QHash<QByteArray, int> fileTexts_; // lower-case name -> text, -1 for none
    QList<QByteArray> running_;        // the files running now, outermost first
    QSet<int> unbindNothing_;
    qint64 order_ = 0;
    qint64 nested_ = 0;
    bool everBound_ = false;
    bool cutShort_ = false;
};

// Two values the console takes alike: the same text, or the same number
// ("120.000000" sets what "120" does).
bool sameConsoleValue(QStringView a, QStringView b);

// A console reader's command as it stands in the text, without its comment
// and the blanks around it (a quoted first word with its quote).
QByteArrayView commandBytes(const ConsoleReader& reader, const ConsoleCommand& command);

} // namespace quelmar

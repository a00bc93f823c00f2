#include "check/KeyNameFix.h"

#include "check/ScriptText.h"
#include "config/ConsoleKeys.h"
#include "config/ConsoleReader.h"

#include <QSet>

namespace quelmar {
namespace {

class Fixer {
  public:
    Fixer(const QByteArray& script, const ConsoleKeys& keys, KeyNameFix& fix)
        : script_(script), keys_(keys), fix_(fix), lines_(script) {
        fix_.script.reserve(script.size() + script.size() / 8);
    }

    void read(QByteArrayView text, qsizetype offset) {
        walkCommands(text, offset,
                     [this](const ConsoleReader& reader, const ConsoleCommand& command,
                            qsizetype at, int depth) { return visit(reader, command, at, depth); });
    }

    // Copies what is left after the last replacement.
    void finish() { fix_.script.append(script_.constData() + copied_, script_.size() - copied_); }

  private:
    bool visit(const ConsoleReader& reader, const ConsoleCommand& command, qsizetype at,
               int depth) {
        const QList<ConsoleWord>& words = command.words;
        const ConsoleWord& key = words.at(qMin(qsizetype(1), words.size() - 1));
        // Text joined from several words has no place in the file to write a
        // name into; what it holds is told on the line of its command.
        if (depth == 0)
            line_ = lines_.lineAt(at + key.begin);
        const QByteArrayView verb = reader.wordText(words.first());
        const bool keyCommand =
            isWord(verb, "bind") || (isWord(verb, "unbind") && words.size() == 2);
        if (words.size() > 1 && keyCommand && !keys_.accepts(reader.wordText(key)))
            note(reader.wordText(key), at < 0 ? line_ : lines_.lineAt(at + key.begin),
                 at < 0 ? -1 : at + key.begin);
        return true;
    }

    void note(QByteArrayView name, int line, qsizetype at) {
        const QByteArray consoleName = keys_.consoleNameFor(name);
        if (consoleName.isEmpty()) {
            fix_.unfixed.append({line, name.toByteArray(), {}});
        } else if (at >= 0) {
            const QByteArray written = name.toByteArray();
            if (!fixedNames_.contains(written)) {
                fixedNames_.insert(written);
                fix_.fixed.append({line, written, consoleName});
            }
            // Replacements come in file order, so the copy is built front to back.
            fix_.script.append(script_.constData() + copied_, at - copied_);
            fix_.script.append(consoleName);
            copied_ = at + name.size();
        }
    }

    const QByteArray& script_;
    const ConsoleKeys& keys_;
    KeyNameFix& fix_;
    LineCounter lines_;
    qsizetype copied_ = 0;
    int line_ = 0; // of the outermost command being read
    QSet<QByteArray> fixedNames_;
};

} // namespace

KeyNameFix KeyNameFix::apply(const QByteArray& script, const ConsoleKeys& keys, qsizetype from) {
    KeyNameFix fix;
    Fixer fixer(script, keys, fix);
    const QByteArrayView readable = consoleReadable(script);
    from = qBound(qsizetype(0), from, readable.size());
    fixer.read(readable.sliced(from), from);
    fixer.finish();
    return fix;
}

} // namespace quelmar

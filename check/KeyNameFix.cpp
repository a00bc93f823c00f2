#include "check/KeyNameFix.h"

#include "check/ConsoleKeys.h"
#include "check/ConsoleReader.h"
#include "check/ScriptText.h"

#include <QSet>

namespace quelmar {
namespace {

constexpr int kMaxDepth = 3; // as deep as the check looks

class Fixer {
  public:
    Fixer(const QByteArray& script, const ConsoleKeys& keys, KeyNameFix& fix)
        : script_(script), keys_(keys), fix_(fix), lines_(script) {
        fix_.script.reserve(script.size() + script.size() / 8);
    }

    // offset: where text starts in the script, or -1 for text joined from
    // several words, which has no place in the file to write a name into.
    void read(QByteArrayView text, qsizetype offset, qsizetype lineOffset, int depth) {
        ConsoleReader reader(text);
        ConsoleCommand command;
        while (reader.next(command)) {
            if (command.words.size() < 2)
                continue;
            const QByteArrayView verb = reader.wordText(command.words.first());
            const bool bind = isWord(verb, "bind");
            const ConsoleWord& key = command.words.at(1);
            const int line = lines_.lineAt(offset >= 0 ? offset + key.begin : lineOffset);
            if ((bind || (isWord(verb, "unbind") && command.words.size() == 2)) &&
                !keys_.accepts(reader.wordText(key)))
                note(reader.wordText(key), line, offset < 0 ? -1 : offset + key.begin);
            if ((bind || isWord(verb, "alias")) && command.words.size() > 2 && depth < kMaxDepth) {
                const KeptText kept(reader, command, 2);
                read(kept.text(), offset < 0 || kept.offset() < 0 ? -1 : offset + kept.offset(),
                     offset < 0 ? lineOffset : offset + key.begin, depth + 1);
            }
        }
    }

    // Copies what is left after the last replacement.
    void finish() { fix_.script.append(script_.constData() + copied_, script_.size() - copied_); }

  private:
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
    QSet<QByteArray> fixedNames_;
};

} // namespace

KeyNameFix KeyNameFix::apply(const QByteArray& script, const ConsoleKeys& keys, qsizetype from) {
    KeyNameFix fix;
    Fixer fixer(script, keys, fix);
    const QByteArrayView readable = consoleReadable(script);
    from = qBound(qsizetype(0), from, readable.size());
    fixer.read(readable.sliced(from), from, from, 0);
    fixer.finish();
    return fix;
}

} // namespace quelmar

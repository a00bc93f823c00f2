#include "config/ConsoleModel.h"

#include "config/ConsoleKeys.h"
#include "config/GameFiles.h"
#include "config/InputFile.h"
#include "config/ScriptCodePage.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include <memory>

namespace quelmar {

namespace {

// Commands of the game and its engine that take words but set no variable
// of their name; every other name with a value is a variable to the model.
// The console looks commands up before aliases, so none of these runs an
// alias of the same name.
const QSet<QByteArray>& effectCommands() {
    static const QSet<QByteArray> names = {
        "echo",          "say",          "say_team",     "connect",       "retry",
        "reconnect",     "disconnect",   "quit",         "exit",          "wait",
        "cmd",           "buy",          "buyequip",     "menuselect",    "kill",
        "record",        "stop",         "play",         "playdemo",      "timedemo",
        "speak",         "spk",          "map",          "changelevel",   "toggleconsole",
        "clear",         "messagemode",  "messagemode2", "slot1",         "slot2",
        "slot3",         "slot4",        "slot5",        "slot6",         "slot7",
        "slot8",         "slot9",        "slot10",       "invnext",       "invprev",
        "lastinv",       "impulse",      "screenshot",   "snapshot",      "adjust_crosshair",
        "condump",       "motd",         "status",       "version",       "writecfg",
        "bindlist",      "cvarlist",     "cmdlist",      "cl_setautobuy", "cl_autobuy",
        "cl_rebuy",      "cl_setrebuy",  "autobuy",      "rebuy",         "drop",
        "nightvision",   "radio1",       "radio2",       "radio3",        "showbriefing",
        "chooseteam",    "jointeam",     "joinclass",    "spectate",      "timeleft",
        "listplayers",   "votemap",      "vote",         "rcon",          "rcon_password",
        "togglebrowser", "cancelselect", "togglemenu",   "stopsound",     "developer_echo",
    };
    return names;
}

// The console's case fold for names: ASCII only.
QByteArray lowerAscii(QByteArrayView bytes) {
    return bytes.toByteArray().toLower();
}

bool endsWithCfg(QByteArrayView name) {
    return name.size() >= 4 && isWord(name.last(4), ".cfg");
}

} // namespace

QByteArrayView commandBytes(const ConsoleReader& reader, const ConsoleCommand& command) {
    if (command.words.isEmpty())
        return {};
    const ConsoleWord& first = command.words.first();
    const qsizetype begin = first.begin - (first.quoted ? 1 : 0);
    qsizetype end = command.commentAt >= 0 ? command.commentAt : command.end;
    const QByteArrayView text = reader.text();
    while (end > begin && isConsoleBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameConsoleValue(QStringView a, QStringView b) {
    if (a == b)
        return true;
    bool okA = false;
    bool okB = false;
    const double x = a.trimmed().toDouble(&okA);
    const double y = b.trimmed().toDouble(&okB);
    return okA && okB && x == y;
}

QByteArray ConsoleModel::keyIdentity(QByteArrayView name) {
    const QByteArray key = ConsoleKeys::embedded().keyOf(name);
    return key.isEmpty() ? "?" + name.toByteArray().toUpper() : key;
}

ConsoleModel::ConsoleModel(Files files) : files_(std::move(files)) {}

ConsoleModel::Files ConsoleModel::filesIn(const QString& folder) {
    // Each folder is listed once: a script of 200,000 exec lines looks up
    // as many names.
    auto listings = std::make_shared<QHash<QString, QStringList>>();
    return [folder, listings](const QByteArray& name, bool& unusable) -> std::optional<QByteArray> {
        QString relative = fromScriptCodePage(name);
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (parts.isEmpty() || QDir::isAbsolutePath(relative) ||
            parts.contains(QStringLiteral("..")) || relative.contains(QLatin1Char(':'))) {
            unusable = true;
            return std::nullopt;
        }
        // The game's own file system ignores case; so does this look-up.
        QDir dir(folder);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            auto listed = listings->constFind(dir.path());
            if (listed == listings->cend())
                listed = listings->insert(dir.path(),
                                          dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot));
            const QStringList& entries = *listed;
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
                return e.compare(parts[i], Qt::CaseInsensitive) == 0;
            });
            const QString found = entries.contains(parts[i]) ? parts[i]
                                  : match != entries.end()   ? *match
                                                             : QString();
            if (found.isEmpty())
                return std::nullopt;
            if (i + 1 < parts.size() && !dir.cd(found))
                return std::nullopt;
            if (i + 1 == parts.size())
                relative = dir.filePath(found);
        }
        // Only a regular file is read: a pipe there would wait for ever.
        QByteArray bytes;
        if (readWholeFile(relative, bytes)) {
            unusable = true;
            return std::nullopt;
        }
        return bytes;
    };
}

QList<QByteArray> ConsoleModel::replaced(const QByteArray& key) const {
    QList<QByteArray> commands;
    for (const ConsoleEntry& bind : replacedBinds(key))
        commands.append(valueOf(bind));
    return commands;
}

QList<ConsoleEntry> ConsoleModel::replacedBinds(const QByteArray& key) const {
    QList<ConsoleEntry> binds;
    for (const ConsoleEntry& bind : replaced_.value(key)) {
        // A command the key came back to is no longer replaced.
        if (bytes(bind.value) != bytes(binds_.value(key).value))
            binds.append(bind);
    }
    return binds;
}

QByteArrayView ConsoleModel::bytes(ConsoleSpan span) const {
    if (span.text < 0 || span.text >= texts_.size() || span.isEmpty())
        return {};
    return QByteArrayView(texts_[span.text]).sliced(span.begin, span.end - span.begin);
}

int ConsoleModel::keep(QByteArray text) {
    texts_.append(std::move(text));
    return int(texts_.size() - 1);
}

void ConsoleModel::run(const QByteArray& text) {
    const int index = keep(consoleReadable(text).toByteArray());
    ConsoleReader reader(texts_[index]);
    ConsoleCommand command;
    while (reader.next(command)) {
        if (command.words.isEmpty() && command.commentAt < 0)
            continue;
        ConsoleTop top;
        if (!command.words.isEmpty()) {
            const QByteArrayView bytes = commandBytes(reader, command);
            top.begin = qint32(bytes.data() - reader.text().data());
            top.end = qint32(top.begin + bytes.size());
        } else {
            top.begin = top.end = qint32(command.commentAt);
        }
        top.comment = qint32(command.commentAt);
        tops_.append(top);
        if (!command.words.isEmpty())
            runCommand(reader, command, {index, int(tops_.size() - 1), 0, 0});
    }
}

void ConsoleModel::tick() {
    if (progress_ && (order_ & 0xFFFF) == 0)
        progress_();
}

void ConsoleModel::runText(int text, const Frame& frame) {
    ConsoleReader reader(texts_[text]);
    ConsoleCommand command;
    const Frame inner{text, frame.top, frame.depth, frame.files};
    while (reader.next(command)) {
        if (command.words.isEmpty())
            continue;
        if (++nested_ > kMaxNestedCommands) {
            cutShort_ = true;
            return;
        }
        runCommand(reader, command, inner);
    }
}

void ConsoleModel::runCommand(const ConsoleReader& reader, const ConsoleCommand& command,
                              const Frame& frame) {
    const QList<ConsoleWord>& w = command.words;
    const auto span = [&](qsizetype begin, qsizetype end) {
        return ConsoleSpan{frame.text, qint32(begin), qint32(end)};
    };
    const auto wordSpan = [&](int i) { return span(w[i].begin, w[i].begin + w[i].size); };
    const QByteArrayView whole = commandBytes(reader, command);
    const qsizetype at = whole.data() - reader.text().data();
    ConsoleEntry entry;
    const bool direct = frame.text == 0;
    entry.source = {frame.top, direct, order_++, span(at, at + whole.size())};
    tick();
    const auto acts = [&](ConsoleAct act) {
        if (direct)
            tops_[frame.top].act = act;
    };
    // What a bind or an alias keeps: in place when it is one word.
    const auto keptSpan = [&](int from) {
        const KeptText kept(reader, command, from);
        if (kept.offset() >= 0)
            return span(kept.offset(), kept.offset() + kept.text().size());
        const int text = keep(kept.text().toByteArray());
        return ConsoleSpan{text, 0, qint32(texts_[text].size())};
    };
    const QByteArray name = lowerAscii(reader.wordText(w[0]));
    entry.name = wordSpan(0);
    acts(ConsoleAct::Effect);
    if (name == "bind") {
        if (w.size() < 3)
            return; // prints the key's bind
        acts(ConsoleAct::Bind);
        entry.name = wordSpan(1);
        entry.value = keptSpan(2);
        const QByteArray key = keyIdentity(reader.wordText(w[1]));
        if (const auto old = binds_.constFind(key); old != binds_.cend()) {
            QList<ConsoleEntry>& earlier = replaced_[key];
            const QByteArrayView was = bytes(old->value);
            const bool known =
                was == bytes(entry.value) ||
                std::any_of(earlier.begin(), earlier.end(),
                            [&](const ConsoleEntry& e) { return bytes(e.value) == was; });
            if (!known && earlier.size() < kMaxReplaced)
                earlier.append(*old);
        }
        binds_.insert(key, entry);
        everBound_ = true;
    } else if (name == "unbind") {
        if (w.size() < 2)
            return;
        acts(ConsoleAct::Unbind);
        const QByteArray key = keyIdentity(reader.wordText(w[1]));
        binds_.remove(key);
        replaced_.remove(key);
    } else if (name == "unbindall") {
        acts(ConsoleAct::Unbindall);
        if (!everBound_ && frame.text == 0)
            unbindNothing_.insert(frame.top);
        binds_.clear();
        replaced_.clear();
    } else if (name == "alias") {
        if (w.size() < 3)
            return; // lists aliases, or prints one
        acts(ConsoleAct::Alias);
        entry.name = wordSpan(1);
        // The alias keeps its text apart: running it reads that text alone.
        const KeptText kept(reader, command, 2);
        const int text = keep(kept.text().toByteArray());
        entry.value = {text, 0, qint32(texts_[text].size())};
        aliases_.insert(lowerAscii(reader.wordText(w[1])), entry);
    } else if (name == "exec") {
        acts(ConsoleAct::Exec);
        if (w.size() >= 2)
            runFile(reader.wordText(w[1]).toByteArray(), frame);
    } else if (name == "setinfo") {
        if (w.size() < 3)
            return;
        acts(ConsoleAct::Variable);
        entry.name = wordSpan(1);
        entry.value = wordSpan(2);
        variables_.insert("setinfo " + lowerAscii(reader.wordText(w[1])), entry);
    } else if (effectCommands().contains(name)) {
        effects_.append(entry);
    } else if (const auto alias = aliases_.constFind(name); alias != aliases_.cend()) {
        acts(ConsoleAct::Call);
        if (frame.depth >= kMaxAliasDepth) {
            cutShort_ = true;
            return;
        }
        runText(alias->value.text, {frame.text, frame.top, frame.depth + 1, frame.files});
    } else if (w.size() == 1 || name.startsWith('+') || name.startsWith('-')) {
        acts(ConsoleAct::Bare);
        bare_.insert(name, entry);
    } else {
        acts(ConsoleAct::Variable);
        entry.value = wordSpan(1);
        variables_.insert(name, entry);
    }
}

void ConsoleModel::runFile(const QByteArray& name, const Frame& frame) {
    ConsoleExec exec{name, frame.top, ConsoleExec::Ran};
    const QByteArray folded = lowerAscii(name);
    if (isGameLoopScript(QString::fromLatin1(name)))
        exec.outcome = ConsoleExec::GameOwn;
    else if (!endsWithCfg(name))
        exec.outcome = ConsoleExec::Unusable;
    else if (running_.contains(folded))
        exec.outcome = ConsoleExec::Loop;
    else if (frame.files >= kMaxExecDepth)
        exec.outcome = ConsoleExec::TooDeep;
    if (exec.outcome == ConsoleExec::Ran) {
        auto known = fileTexts_.constFind(folded);
        if (known == fileTexts_.cend()) {
            bool unusable = false;
            std::optional<QByteArray> bytes =
                files_ ? files_(name, unusable) : std::optional<QByteArray>();
            int text = -1;
            if (bytes)
                text = keep(consoleReadable(*bytes).toByteArray());
            else if (unusable)
                text = -2;
            known = fileTexts_.insert(folded, text);
        }
        if (*known == -1)
            exec.outcome = ConsoleExec::Missing;
        else if (*known == -2)
            exec.outcome = ConsoleExec::Unusable;
        else {
            // Noted before it runs, so that the files it runs follow it.
            execs_.append(exec);
            running_.append(folded);
            runText(*known, {*known, frame.top, frame.depth, frame.files + 1});
            running_.removeLast();
            return;
        }
    }
    execs_.append(exec);
}

ConsoleAct ConsoleModel::act(int top, QByteArray* key) const {
    const ConsoleTop& t = tops_.at(top);
    if (!key || t.act == ConsoleAct::None)
        return t.act;
    ConsoleReader reader(QByteArrayView(texts_.first()).sliced(t.begin, t.end - t.begin));
    ConsoleCommand command;
    reader.next(command);
    const QList<ConsoleWord>& w = command.words;
    const auto word = [&](int i) { return reader.wordText(w[i]); };
    switch (t.act) {
    case ConsoleAct::Bind:
    case ConsoleAct::Unbind:
        *key = keyIdentity(word(1));
        break;
    case ConsoleAct::Alias:
        *key = lowerAscii(word(1));
        break;
    case ConsoleAct::Exec:
        *key = w.size() >= 2 ? word(1).toByteArray() : QByteArray();
        break;
    case ConsoleAct::Variable:
        *key = isWord(word(0), "setinfo") ? "setinfo " + lowerAscii(word(1)) : lowerAscii(word(0));
        break;
    default:
        *key = lowerAscii(word(0));
        break;
    }
    return t.act;
}

} // namespace quelmar

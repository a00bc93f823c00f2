#include "app/OpenedScript.h"

#include "binds/CommandRows.h"
#include "binds/KeyNames.h"
#include "check/ConsoleKeys.h"
#include "check/ConsoleReader.h"
#include "config/CatalogueTable.h"
#include "config/InputFile.h"
#include "config/ScriptCodePage.h"
#include "config/StringResources.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace quelmar {

namespace {

constexpr qint64 kMaxOpened = 16 << 20;

// What becomes of one command of the script at save.
enum class Fate {
    Keep,    // no page takes it
    Drop,    // never written again
    Taken,   // a page shows it: kept only while that page stays unopened
    Unshown, // a page could not show it: kept while its row stays as it was
};

struct Command {
    qsizetype begin = 0; // its text, comment and blanks around it left out
    qsizetype end = 0;
    Fate fate = Fate::Keep;
    Section section = Section::Commands;
    int unshown = -1;           // index of its row in Data::unshown
    QByteArray same;            // its words, to find a line a page writes alike
    QByteArray boundKey;        // the key a bind or unbind sets; empty otherwise
    bool inOurCommands = false; // under our own "Commands" header
};

struct Line {
    qsizetype begin = 0; // without its line end
    qsizetype end = 0;
    qsizetype comment = -1; // where its comment starts
    bool ours = false;      // our preamble's or a header: never kept
    QList<int> commands;
};

struct UnshownEntry {
    Section section;
    QList<QByteArray> defaultLines; // in the script's code page
};

QByteArray lowerAscii(QByteArrayView bytes) {
    return bytes.toByteArray().toLower();
}

QByteArray trimmedEnd(QByteArrayView bytes) {
    qsizetype n = bytes.size();
    while (n > 0 && isConsoleBlank(bytes[n - 1]))
        --n;
    return bytes.first(n).toByteArray();
}

// A command's words with its name in lower case and its numbers in one
// form: two commands alike to the console give the same bytes
// (viewsize "120.000000" sets what viewsize "120" does).
QByteArray sameForm(const ConsoleReader& reader, const ConsoleCommand& command) {
    QByteArray form;
    for (qsizetype i = 0; i < command.words.size(); ++i) {
        const QByteArrayView word = reader.wordText(command.words[i]);
        bool number = false;
        const double value = i == 0 ? 0 : word.toByteArray().toDouble(&number);
        form += (i == 0   ? lowerAscii(word)
                 : number ? QByteArray::number(value, 'g', 17)
                          : word.toByteArray()) +
                '\x1f';
    }
    return form;
}

// The key a name stands for: the console's key, or for a name the console
// turns down (the command page's "Page Up"), a key of its own.
QByteArray keyIdentity(QByteArrayView name) {
    const QByteArray key = ConsoleKeys::embedded().keyOf(name);
    return key.isEmpty() ? "?" + name.toByteArray().toUpper() : key;
}

// The command page's name of every key it can show, by key.
const QHash<QByteArray, QString>& pageNamesByKey() {
    static const QHash<QByteArray, QString> names = [] {
        QHash<QByteArray, QString> byKey;
        const ConsoleKeys& keys = ConsoleKeys::embedded();
        for (const QString& name : allKeyNames()) {
            const QByteArray latin = name.toLatin1();
            byKey.insert(keyIdentity(latin), name);
            if (const QByteArray console = keys.consoleNameFor(latin); !console.isEmpty())
                byKey.insert(keyIdentity(console), name);
        }
        return byKey;
    }();
    return names;
}

// A bind the weapon page records: buy aliases, each with its ';', then reset.
bool isBuyChain(const QString& command) {
    QStringList parts = command.split(QLatin1Char(';'));
    if (parts.size() < 2 || parts.takeLast() != QLatin1String("reset"))
        return false;
    return std::all_of(parts.begin(), parts.end(),
                       [](const QString& part) { return isDragText(part + QLatin1Char(';')); });
}

QList<QByteArray> codePageLines(const QString& text) {
    QList<QByteArray> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.append(trimmedEnd(toScriptCodePage(line)));
    return lines;
}

constexpr Section kSections[] = {Section::BuyWeapons, Section::Commands, Section::Video,
                                 Section::Mouse,      Section::Sound,    Section::Player,
                                 Section::Other};

// Each section's header line as it stands in a script, blanks at its end left out.
const QHash<QByteArray, Section>& sectionsByHeader() {
    static const QHash<QByteArray, Section> headers = [] {
        QHash<QByteArray, Section> byHeader;
        for (Section s : kSections)
            byHeader.insert(trimmedEnd(sectionHeader(s).toLatin1()), s);
        return byHeader;
    }();
    return headers;
}

const QSet<QByteArray>& ourLines() {
    static const QSet<QByteArray> lines = [] {
        QSet<QByteArray> set;
        for (const QByteArray& line : codePageLines(stringResource(StringResource::Preamble))) {
            if (!line.isEmpty())
                set.insert(line);
        }
        for (auto header = sectionsByHeader().keyBegin(); header != sectionsByHeader().keyEnd();
             ++header)
            set.insert(*header);
        set.insert(trimmedEnd(keptLinesHeader().toLatin1()));
        // The game's own words atop its config.cfg, untrue of any other script.
        set.insert("// This file is overwritten whenever you change your user settings in the "
                   "game.");
        set.insert("// Add custom configurations to the file \"userconfig.cfg\".");
        return set;
    }();
    return lines;
}

} // namespace

struct OpenedScript::Data final : ScriptSettings {
    QString fileName;
    QByteArray text; // in the script's code page, up to the first NUL
    QList<Line> lines;
    QList<Command> commands;
    QList<UnshownEntry> unshown;
    QList<Section> closed;
    PageStarts starts;
    OpenedReport report;

    struct Said {
        ScriptSetting setting;
        int command;
    };
    QHash<QString, QList<Said>> settings; // two words or more, by key
    QHash<QString, QList<Said>> bare;     // one word

    std::optional<ScriptSetting> lastOf(const QStringList& keys, bool isBare) const override {
        std::optional<Said> last;
        for (const QString& key : keys) {
            const QList<Said> said = (isBare ? bare : settings).value(key);
            if (!said.isEmpty() && (!last || said.last().command > last->command))
                last = said.last();
        }
        return last ? std::optional(last->setting) : std::nullopt;
    }

    void readCommands();
    template <typename Choices>
    void take(Section section, const SectionTake<Choices>& taken, Choices& start);
    void mark(int command, Fate fate, Section section, int unshownRow = -1);
    void takeBinds();
    QString lineText(int line) const;
};

void OpenedScript::Data::readCommands() {
    for (qsizetype at = 0; at <= text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        Line line;
        line.begin = at;
        line.end = end > at && text[end - 1] == '\r' ? end - 1 : end;
        line.ours = ourLines().contains(trimmedEnd(QByteArrayView(text).sliced(at, end - at)));
        lines.append(line);
        at = end + 1;
    }
    if (!text.isEmpty() && text.endsWith('\n'))
        lines.removeLast(); // no line after the last line end

    const QByteArray commandsHeader = trimmedEnd(sectionHeader(Section::Commands).toLatin1());
    bool inOurCommands = false;
    ConsoleReader reader(text);
    ConsoleCommand command;
    int lineIndex = -1;
    while (reader.next(command)) {
        while (lineIndex + 1 < lines.size() && lines[lineIndex + 1].begin <= command.begin) {
            const Line& next = lines[++lineIndex];
            if (next.ours && next.commands.isEmpty())
                inOurCommands =
                    trimmedEnd(QByteArrayView(text).sliced(next.begin, next.end - next.begin)) ==
                    commandsHeader;
        }
        Line& line = lines[lineIndex];
        if (command.commentAt >= 0 && line.comment < 0)
            line.comment = command.commentAt;
        if (command.words.isEmpty())
            continue;
        Command c;
        c.begin = command.words.first().begin - (command.words.first().quoted ? 1 : 0);
        c.end = command.commentAt >= 0 ? command.commentAt : command.end;
        c.end = c.begin + trimmedEnd(QByteArrayView(text).sliced(c.begin, c.end - c.begin)).size();
        c.same = sameForm(reader, command);
        c.inOurCommands = inOurCommands;
        const int index = int(commands.size());
        const QList<ConsoleWord>& w = command.words;
        const QByteArray name = lowerAscii(reader.wordText(w[0]));
        const auto word = [&](int i) { return reader.wordText(w[i]); };
        if (line.ours || name == "unbindall" ||
            (name == "exec" && w.size() >= 2 &&
             (isWord(word(1), "config.cfg") || isWord(word(1), "userconfig.cfg"))))
            c.fate = Fate::Drop;
        else if (name == "exec" && w.size() >= 2)
            report.execs.append(fromScriptCodePage(word(1).toByteArray()));
        if ((name == "bind" && w.size() >= 3) || (name == "unbind" && w.size() >= 2))
            c.boundKey = keyIdentity(word(1));
        if (w.size() == 1) {
            bare[QString::fromLatin1(name)].append(
                {{QString::fromLatin1(name), {}, lineIndex + 1}, index});
        } else {
            const bool setinfo = name == "setinfo" && w.size() >= 3;
            const QString key =
                setinfo ? QStringLiteral("setinfo ") + QString::fromLatin1(lowerAscii(word(1)))
                        : QString::fromLatin1(name);
            const QString value = fromScriptCodePage(word(setinfo ? 2 : 1).toByteArray());
            settings[key].append({{key, value, lineIndex + 1}, index});
        }
        line.commands.append(index);
        commands.append(c);
    }
}

void OpenedScript::Data::mark(int command, Fate fate, Section section, int unshownRow) {
    Command& c = commands[command];
    if (c.fate == Fate::Drop)
        return;
    // A page closed before the script came keeps the player's choices.
    c.fate = closed.contains(section) ? Fate::Drop : fate;
    c.section = section;
    c.unshown = unshownRow;
}

template <typename Choices>
void OpenedScript::Data::take(Section section, const SectionTake<Choices>& taken, Choices& start) {
    const auto markAll = [&](const QStringList& keys, bool isBare, Fate fate, int row) {
        for (const QString& key : keys) {
            for (const Said& said : (isBare ? bare : settings).value(key))
                mark(said.command, fate, section, row);
        }
    };
    markAll(taken.taken, false, Fate::Taken, -1);
    markAll(taken.takenBare, true, Fate::Taken, -1);
    for (const UnshownRow& row : taken.unshown) {
        UnshownEntry entry{section, {}};
        for (const QString& line : row.defaultLines)
            entry.defaultLines.append(toScriptCodePage(line));
        unshown.append(entry);
        markAll(row.keys, row.bare, Fate::Unshown, int(unshown.size() - 1));
        if (!closed.contains(section))
            report.unshown.append(lineText(row.setting.line - 1));
    }
    if (closed.contains(section))
        return;
    start = taken.start;
    report.onPages += taken.shown;
}

void OpenedScript::Data::takeBinds() {
    struct Bind {
        int command;
        QByteArray key;
        QString spelling;
        QString run; // what the key runs
    };
    QList<Bind> binds;
    QHash<QByteArray, int> lastSay; // key -> index into binds of its last bind or unbind
    for (int i = 0; i < commands.size(); ++i) {
        const Command& c = commands[i];
        if (c.boundKey.isEmpty())
            continue;
        ConsoleReader one(QByteArrayView(text).sliced(c.begin, c.end - c.begin));
        ConsoleCommand bind;
        one.next(bind);
        Bind b{i, c.boundKey, fromScriptCodePage(one.wordText(bind.words[1]).toByteArray()), {}};
        if (bind.words.size() >= 3)
            b.run = fromScriptCodePage(KeptText(one, bind, 2).text().toByteArray());
        lastSay.insert(b.key, int(binds.size()));
        binds.append(b);
    }

    QHash<QString, int> rowOf;
    for (int row = 0; row < commands::kRowCount; ++row)
        rowOf.insert(commands::command(row).toLower(), row);
    starts.commands.names.resize(commands::kFieldCount);
    starts.commands.spellings.resize(commands::kFieldCount);
    QSet<QString> shownNames;
    // Our own section lists every key field before any alternate (the alias
    // rows after the others): a row met again, or one above the last met,
    // means the alternates have begun, so a row with only its alternate
    // filled comes back there.
    int lastRow[2] = {-1, -1};
    bool alternates[2] = {false, false};
    for (int i = 0; i < binds.size(); ++i) {
        const Bind& b = binds[i];
        // Only a key's last say counts, as in the console.
        if (lastSay.value(b.key) != i || b.run.isEmpty() || commands[b.command].fate == Fate::Drop)
            continue;
        const int row = rowOf.value(b.run.toLower(), -1);
        const QString name = pageNamesByKey().value(b.key);
        QStringList& names = starts.commands.names;
        const int key = row < 0 ? -1 : commands::keyField(row);
        const int alternate = row < 0 ? -1 : commands::alternateField(row);
        if (row >= 0 && !name.isEmpty() && (names[key].isEmpty() || names[alternate].isEmpty()) &&
            !shownNames.contains(name)) {
            int field = names[key].isEmpty() ? key : alternate;
            if (commands[b.command].inOurCommands) {
                const int group = row < commands::kFirstAliasRow ? 0 : 1;
                alternates[group] = alternates[group] || row <= lastRow[group];
                lastRow[group] = row;
                if (alternates[group] && names[alternate].isEmpty())
                    field = alternate;
            }
            mark(b.command, Fate::Taken, Section::Commands);
            if (closed.contains(Section::Commands))
                continue;
            shownNames.insert(name);
            names[field] = name;
            starts.commands.spellings[field] = b.spelling == name ? QString() : b.spelling;
            ++report.onPages;
        } else if (isBuyChain(b.run)) {
            mark(b.command, Fate::Taken, Section::BuyWeapons);
            if (closed.contains(Section::BuyWeapons))
                continue;
            starts.buyRecords.append(bindLine(b.spelling, b.run));
            ++report.onPages;
        }
    }
}

QString OpenedScript::Data::lineText(int line) const {
    const Line& l = lines.value(line);
    return QStringLiteral("%1: %2").arg(line + 1).arg(
        fromScriptCodePage(text.sliced(l.begin, l.end - l.begin).trimmed()));
}

OpenedScript::OpenedScript(const QByteArray& file, const QString& fileName,
                           const QList<Section>& closed)
    : d_(std::make_unique<Data>()) {
    d_->fileName = fileName;
    d_->closed = closed;
    const QByteArrayView readable = consoleReadable(file);
    if (readable.startsWith("\xEF\xBB\xBF")) {
        // A file saved as UTF-8 with its mark: brought into the script's code page.
        const QString text = QString::fromUtf8(readable.sliced(3));
        d_->text = toScriptCodePage(text);
        const QString back = fromScriptCodePage(d_->text);
        for (qsizetype i = 0, j = 0; i < text.size() && j < back.size(); ++i, ++j) {
            if (text[i].isHighSurrogate())
                ++i;
            if (text[i] != back[j] && back[j] == QLatin1Char('?'))
                ++d_->report.notInCodePage;
        }
    } else {
        d_->text = readable.toByteArray();
    }
    d_->readCommands();
    d_->take(Section::Video, takeVideo(*d_), d_->starts.video);
    d_->take(Section::Mouse, takeMouse(*d_), d_->starts.mouse);
    d_->take(Section::Sound, takeSound(*d_), d_->starts.sound);
    d_->take(Section::Player, takePlayer(*d_), d_->starts.player);
    d_->take(Section::Other, takeOther(*d_), d_->starts.other);
    d_->takeBinds();
    for (const Line& line : std::as_const(d_->lines)) {
        const bool keeps = std::any_of(line.commands.begin(), line.commands.end(),
                                       [&](int c) { return d_->commands[c].fate == Fate::Keep; });
        if (!line.ours && (keeps || (line.commands.isEmpty() && line.comment >= 0)))
            ++d_->report.kept;
    }
}

OpenedScript::~OpenedScript() = default;

FileError OpenedScript::read(const QString& path, QByteArray& bytes) {
    InputFile file;
    if (FileError error = InputFile::open(path, file))
        return error;
    constexpr qint64 kChunk = 1 << 16;
    for (qint64 got = -1; got != 0;) {
        if (bytes.size() > kMaxOpened)
            return FileError{FileProblem::TooLarge, FileStep::Read, path};
        const qsizetype old = bytes.size();
        bytes.resize(old + kChunk);
        const FileError error = file.read(bytes.data() + old, kChunk, got);
        bytes.resize(old + got);
        if (error)
            return error;
    }
    return {};
}

const QString& OpenedScript::fileName() const {
    return d_->fileName;
}

bool OpenedScript::isGameConfig() const {
    return QFileInfo(d_->fileName)
               .fileName()
               .compare(QLatin1String("config.cfg"), Qt::CaseInsensitive) == 0;
}

const PageStarts& OpenedScript::starts() const {
    return d_->starts;
}

const OpenedReport& OpenedScript::report() const {
    return d_->report;
}

QByteArray OpenedScript::keptLines(const QByteArray& written) const {
    // What the pages wrote: their sections, their lines and the keys they bind.
    QSet<QByteArray> writtenLines;
    QSet<QByteArray> writtenForms;
    QSet<QByteArray> writtenKeys;
    QList<Section> opened;
    for (const QByteArray& raw : written.split('\n')) {
        const QByteArray line = trimmedEnd(raw);
        writtenLines.insert(line);
        if (const auto header = sectionsByHeader().constFind(line);
            header != sectionsByHeader().cend())
            opened.append(*header);
        ConsoleReader reader(line);
        ConsoleCommand command;
        while (reader.next(command)) {
            if (command.words.isEmpty())
                continue;
            writtenForms.insert(sameForm(reader, command));
            if (command.words.size() >= 3 && isWord(reader.wordText(command.words[0]), "bind"))
                writtenKeys.insert(keyIdentity(reader.wordText(command.words[1])));
        }
    }

    const auto kept = [&](const Command& c) {
        switch (c.fate) {
        case Fate::Drop:
            return false;
        case Fate::Taken:
            return !opened.contains(c.section);
        case Fate::Unshown: {
            if (!opened.contains(c.section))
                return true;
            // The row still shows its default: the script's own value stands.
            const QList<QByteArray>& defaults = d_->unshown[c.unshown].defaultLines;
            return std::all_of(defaults.begin(), defaults.end(),
                               [&](const QByteArray& l) { return writtenLines.contains(l); });
        }
        case Fate::Keep:
            // A page's own line is not said twice, and a key a page binds
            // now is the page's.
            return !writtenForms.contains(c.same) &&
                   (c.boundKey.isEmpty() || !writtenKeys.contains(c.boundKey));
        }
        return false;
    };

    QByteArray out;
    bool gap = false;
    const QByteArray& text = d_->text;
    for (const Line& line : std::as_const(d_->lines)) {
        if (line.ours)
            continue;
        QList<int> keep;
        for (int c : line.commands) {
            if (kept(d_->commands[c]))
                keep.append(c);
        }
        const QByteArrayView comment =
            line.comment >= 0 ? QByteArrayView(text).sliced(line.comment, line.end - line.comment)
                              : QByteArrayView();
        QByteArray here;
        if (keep.size() == line.commands.size() && (!keep.isEmpty() || line.comment >= 0)) {
            here = trimmedEnd(QByteArrayView(text).sliced(line.begin, line.end - line.begin));
        } else if (!keep.isEmpty()) {
            for (int c : keep) {
                const Command& command = d_->commands[c];
                if (!here.isEmpty())
                    here += "; ";
                here += text.sliced(command.begin, command.end - command.begin);
            }
            if (!comment.isEmpty())
                here += ' ' + trimmedEnd(comment);
        } else {
            // An empty line between kept lines stays, one for a run of them.
            gap = gap || (line.commands.isEmpty() && line.comment < 0);
            continue;
        }
        if (gap && !out.isEmpty())
            out += "\r\n";
        gap = false;
        out += here + "\r\n";
    }
    if (out.isEmpty())
        return {};
    return "\r\n" + toScriptCodePage(keptLinesHeader()) + "\r\n" + out;
}

} // namespace quelmar

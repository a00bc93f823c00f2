#include "app/OpenedScript.h"

#include "binds/CommandTake.h"
#include "buy/BuyTake.h"
#include "config/ConsoleReader.h"
#include "config/GameFiles.h"
#include "config/InputFile.h"
#include "config/ScriptCodePage.h"
#include "config/StringResources.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace quelmar {

namespace {

// What becomes of one command of the file at save.
enum class Fate : quint8 {
    Keep,  // no page takes it
    Drop,  // never written again
    Taken, // a page shows it: kept only while that page has not written its section
};

struct Line {
    qint32 begin = 0; // without its line end
    qint32 end = 0;
    qint32 comment = -1; // where its comment starts
    qint32 firstTop = 0; // its commands, in the model's list
    qint32 tops = 0;
    bool ours = false; // our preamble's or a header: never kept
    bool inOurCommands = false;
};

// A row's line as the page writes it for its start, and the file's own
// command for the same value, which goes in its place while the row stays.
struct Carry {
    Section section;
    QByteArray startLine; // in the script's code page
    QByteArray original;
};

QByteArray trimmedEnd(QByteArrayView bytes) {
    qsizetype n = bytes.size();
    while (n > 0 && isConsoleBlank(bytes[n - 1]))
        --n;
    return bytes.first(n).toByteArray();
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

// Comment lines of ours, and the game's atop its config.cfg (untrue of any
// other script): never kept, wherever they stand.
const QSet<QByteArray>& ourComments() {
    static const QSet<QByteArray> lines = [] {
        QSet<QByteArray> set;
        for (auto header = sectionsByHeader().keyBegin(); header != sectionsByHeader().keyEnd();
             ++header)
            set.insert(*header);
        set.insert(trimmedEnd(keptLinesHeader().toLatin1()));
        for (const char* line : kGameConfigHeader)
            set.insert(line);
        return set;
    }();
    return lines;
}

QByteArray preambleBytes() {
    return toScriptCodePage(stringResource(StringResource::Preamble));
}

// The preamble's lines that say something, in order.
const QList<QByteArray>& preambleLines() {
    static const QList<QByteArray> lines = [] {
        QList<QByteArray> list;
        for (const QByteArray& line : preambleBytes().split('\n')) {
            if (QByteArray trimmed = trimmedEnd(line); !trimmed.isEmpty())
                list.append(trimmed);
        }
        return list;
    }();
    return lines;
}

// The aliases the preamble defines, with their text.
const QHash<QByteArray, QByteArray>& preambleAliases() {
    static const QHash<QByteArray, QByteArray> aliases = [] {
        ConsoleModel model;
        model.run(preambleBytes());
        QHash<QByteArray, QByteArray> byName;
        for (auto a = model.aliases().cbegin(); a != model.aliases().cend(); ++a)
            byName.insert(a.key(), model.valueOf(*a));
        return byName;
    }();
    return aliases;
}

// Bytes that are UTF-8 text with letters beyond ASCII: a script saved as
// UTF-8 without its mark (Windows-1251 text is almost never valid UTF-8).
bool isUtf8Text(QByteArrayView bytes) {
    const bool wide = std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
    return wide && QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

struct OpenedScript::Data final : ScriptSettings {
    QString fileName;
    ConsoleModel model;
    bool utf8 = false; // a UTF-8 file without its mark: values decoded as UTF-8
    QList<Line> lines;
    QList<Fate> fates;
    QList<Section> sections;
    QList<Carry> carries;
    QList<Section> closed;
    PageStarts starts;
    OpenedReport report;

    explicit Data(ConsoleModel::Files files) : model(std::move(files)) {}

    QByteArrayView text() const { return model.texts().first(); }
    QString decoded(QByteArrayView bytes) const {
        return utf8 ? QString::fromUtf8(bytes) : fromScriptCodePage(bytes.toByteArray());
    }
    int lineOf(int top) const {
        const qint32 at = model.tops().at(top).begin;
        const auto found = std::upper_bound(lines.begin(), lines.end(), at,
                                            [](qint32 a, const Line& l) { return a < l.begin; });
        return int(found - lines.begin()) - 1;
    }
    QString commandText(int top, const ConsoleSource& source) const {
        return QStringLiteral("%1: %2")
            .arg(lineOf(top) + 1)
            .arg(decoded(model.bytes(source.command)));
    }

    std::optional<ScriptSetting> lastOf(const QStringList& keys, bool isBare) const override {
        const ConsoleEntry* last = nullptr;
        QString lastKey;
        for (const QString& key : keys) {
            const auto& map = isBare ? model.bare() : model.variables();
            const auto found = map.constFind(key.toLatin1());
            if (found != map.cend() && (!last || found->source.order > last->source.order)) {
                last = &*found;
                lastKey = key;
            }
        }
        if (!last)
            return std::nullopt;
        return ScriptSetting{lastKey, decoded(model.bytes(last->value)), last->source.order};
    }

    void readLines();
    template <typename Choices>
    void take(Section section, const SectionTake<Choices>& taken, Choices& start,
              QHash<QByteArray, Section>& keys);
    void takeBinds();
    void markTaken(const QHash<QByteArray, Section>& keys, ConsoleAct act1, ConsoleAct act2);
    void settleFates();
    QByteArray keptLines(const QList<Section>& written) const;
};

void OpenedScript::Data::readLines() {
    const QByteArrayView all = text();
    const QList<ConsoleTop>& tops = model.tops();
    int top = 0;
    bool inOurCommands = false;
    const QByteArray commandsHeader = trimmedEnd(sectionHeader(Section::Commands).toLatin1());
    for (qsizetype at = 0; at < all.size() || (at == 0 && all.isEmpty());) {
        qsizetype end = all.indexOf('\n', at);
        if (end < 0)
            end = all.size();
        Line line;
        line.begin = qint32(at);
        line.end = qint32(end > at && all[end - 1] == '\r' ? end - 1 : end);
        const QByteArray trimmed = trimmedEnd(all.sliced(at, end - at));
        line.ours = ourComments().contains(trimmed);
        if (line.ours)
            inOurCommands = trimmed == commandsHeader;
        line.inOurCommands = inOurCommands;
        line.firstTop = top;
        while (top < tops.size() && tops[top].begin <= end) {
            if (tops[top].comment >= 0 && line.comment < 0)
                line.comment = tops[top].comment;
            ++top;
        }
        line.tops = top - line.firstTop;
        lines.append(line);
        at = end + 1;
        if (all.isEmpty())
            break;
    }

    // Our preamble atop the file, line for line, is ours; anywhere else, or
    // changed, its lines are the player's.
    const QList<QByteArray>& preamble = preambleLines();
    qsizetype matched = 0;
    int last = -1;
    for (int i = 0; i < lines.size() && matched < preamble.size(); ++i) {
        const QByteArray trimmed =
            trimmedEnd(all.sliced(lines[i].begin, lines[i].end - lines[i].begin));
        if (trimmed.isEmpty())
            continue;
        if (trimmed != preamble[matched])
            break;
        ++matched;
        last = i;
    }
    if (matched == preamble.size()) {
        for (int i = 0; i <= last; ++i)
            lines[i].ours = true;
    }
}

template <typename Choices>
void OpenedScript::Data::take(Section section, const SectionTake<Choices>& taken, Choices& start,
                              QHash<QByteArray, Section>& keys) {
    // What the section says, its fixed lines too, it says after every line
    // of the file: the file's own commands for it are the section's, and its
    // value goes back in the section's line while the row stays as it started.
    for (const QStringList* list : {&taken.taken, &taken.takenBare})
        for (const QString& key : *list)
            keys.insert(key.toLatin1(), section);
    for (const UnshownRow& row : taken.unshown)
        for (const QString& key : row.keys)
            keys.insert(key.toLatin1(), section);
    for (const QString& line : taken.startLines)
        keys.insert(settingWords(line).key.toLatin1(), section);
    if (closed.contains(section))
        return; // the player's own choices stand
    start = taken.start;
    report.onPages += taken.shown;
    for (const UnshownRow& row : taken.unshown) {
        const auto found = model.variables().constFind(row.setting.key.toLatin1());
        if (found != model.variables().cend())
            report.unshown.append(commandText(found->source.top, found->source));
    }
    for (const QString& line : taken.startLines) {
        const SettingWords words = settingWords(line);
        const auto found = words.bare ? model.variables().cend()
                                      : model.variables().constFind(words.key.toLatin1());
        if (found == model.variables().cend())
            continue;
        const QByteArray startLine = toScriptCodePage(line);
        const QByteArray original = model.commandOf(found->source);
        if (original == startLine)
            continue;
        carries.append({section, startLine, original});
        const QByteArray value = model.valueOf(*found);
        if (utf8 && toScriptCodePage(decoded(value)) != value)
            ++report.keptBytes;
    }
}

// Every command of the file itself that acts on a key a page took is the
// page's: left out once the page has written its section.
void OpenedScript::Data::markTaken(const QHash<QByteArray, Section>& keys, ConsoleAct act1,
                                   ConsoleAct act2) {
    if (keys.isEmpty())
        return;
    for (int top = 0; top < model.tops().size(); ++top) {
        const ConsoleAct act = model.act(top);
        if ((act != act1 && act != act2) || fates[top] != Fate::Keep)
            continue;
        QByteArray key;
        model.act(top, &key);
        if (const auto found = keys.constFind(key); found != keys.cend()) {
            fates[top] = Fate::Taken;
            sections[top] = *found;
        }
    }
}

void OpenedScript::Data::takeBinds() {
    // The keys in the order the file bound them last, those under our own
    // command section's header first: a script of ours opened again gives
    // the command page the keys it had, a third one kept before them.
    QList<std::pair<const ConsoleEntry*, ScriptBind>> binds;
    for (auto b = model.binds().cbegin(); b != model.binds().cend(); ++b) {
        const ConsoleEntry& e = *b;
        binds.append({&e,
                      {b.key(), decoded(model.bytes(e.name)), decoded(model.bytes(e.value)),
                       e.source.direct && lines[lineOf(e.source.top)].inOurCommands}});
    }
    std::sort(binds.begin(), binds.end(), [](const auto& a, const auto& b) {
        return std::pair(!a.second.ours, a.first->source.order) <
               std::pair(!b.second.ours, b.first->source.order);
    });
    QList<ScriptBind> ordered;
    for (const auto& bind : binds)
        ordered.append(bind.second);

    QHash<QByteArray, Section> takenKeys;
    const auto took = [&](Section section, const BindTake& take) {
        for (const QByteArray& key : take.keys)
            takenKeys.insert(key, section);
        report.onPages += take.shown;
    };
    if (!closed.contains(Section::Commands)) {
        CommandTake commands = takeCommands(ordered);
        took(Section::Commands, commands);
        starts.commands = std::move(commands.start);
    }
    if (!closed.contains(Section::BuyWeapons)) {
        BuyTake buy = takeBuyRecords(ordered);
        took(Section::BuyWeapons, buy);
        starts.buyRecords = std::move(buy.records);
    }
    markTaken(takenKeys, ConsoleAct::Bind, ConsoleAct::Unbind);
}

void OpenedScript::Data::settleFates() {
    const int count = int(model.tops().size());
    fates.fill(Fate::Keep, count);
    sections.fill(Section::Commands, count);
    for (const Line& line : std::as_const(lines)) {
        for (int top = line.firstTop; top < line.firstTop + line.tops; ++top) {
            const ConsoleAct act = model.act(top);
            bool drop = line.ours || (act == ConsoleAct::Unbindall && model.unbindsNothing(top));
            // Only an exec is read again, for its name: a script at the input limit has
            // millions of commands.
            if (!drop && act == ConsoleAct::Exec) {
                QByteArray name;
                model.act(top, &name);
                drop = isGameLoopScript(QString::fromLatin1(name));
            }
            if (drop)
                fates[top] = Fate::Drop;
        }
    }
}

QByteArray OpenedScript::Data::keptLines(const QList<Section>& written) const {
    const auto kept = [&](int top) {
        return model.tops()[top].begin < model.tops()[top].end &&
               (fates[top] == Fate::Keep ||
                (fates[top] == Fate::Taken && !written.contains(sections[top])));
    };
    const QByteArrayView all = text();
    QByteArray out;
    bool gap = false;
    for (const Line& line : lines) {
        if (line.ours)
            continue;
        QList<int> keep;
        int spoken = 0; // commands with words
        for (int top = line.firstTop; top < line.firstTop + line.tops; ++top) {
            spoken += model.tops()[top].begin < model.tops()[top].end;
            if (kept(top))
                keep.append(top);
        }
        const QByteArrayView comment = line.comment >= 0
                                           ? all.sliced(line.comment, line.end - line.comment)
                                           : QByteArrayView();
        QByteArray here;
        if (keep.size() == spoken && (!keep.isEmpty() || line.comment >= 0)) {
            here = trimmedEnd(all.sliced(line.begin, line.end - line.begin));
        } else if (!keep.isEmpty()) {
            for (int top : keep) {
                const ConsoleTop& t = model.tops()[top];
                if (!here.isEmpty())
                    here += "; ";
                here += all.sliced(t.begin, t.end - t.begin);
            }
            // The comment comes along unless a ';' in it would run its rest
            // as a further command, as it did on the line it stood on.
            const QByteArray withComment = here + ' ' + trimmedEnd(comment);
            ConsoleReader reader(withComment);
            ConsoleCommand command;
            int commands = 0;
            while (reader.next(command))
                commands += !command.words.isEmpty();
            if (!comment.isEmpty() && commands == keep.size())
                here = withComment;
        } else {
            // An empty line between kept lines stays, one for a run of them.
            gap = gap || (line.tops == 0 && line.comment < 0);
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

OpenedScript::OpenedScript(const QByteArray& file, const QString& fileName,
                           const QList<Section>& closed, ConsoleModel::Files files,
                           std::function<void()> progress)
    : d_(std::make_unique<Data>(std::move(files))) {
    d_->model.setProgress(std::move(progress));
    d_->fileName = fileName;
    d_->closed = closed;
    const QByteArrayView readable = consoleReadable(file);
    if (readable.startsWith("\xEF\xBB\xBF")) {
        // A file saved as UTF-8 with its mark: brought into the script's code page.
        const QString text = QString::fromUtf8(readable.sliced(3));
        const QByteArray converted = toScriptCodePage(text);
        const QString back = fromScriptCodePage(converted);
        for (qsizetype i = 0, j = 0; i < text.size() && j < back.size(); ++i, ++j) {
            if (text[i].isHighSurrogate())
                ++i;
            if (text[i] != back[j] && back[j] == QLatin1Char('?'))
                ++d_->report.notInCodePage;
        }
        d_->model.run(converted);
    } else {
        // Without the mark, bytes that make UTF-8 text are read as such and
        // go back as they came.
        d_->utf8 = isUtf8Text(readable);
        d_->model.run(readable.toByteArray());
    }
    d_->readLines();
    d_->settleFates();
    QHash<QByteArray, Section> taken;
    d_->take(Section::Video, takeVideo(*d_), d_->starts.video, taken);
    d_->take(Section::Mouse, takeMouse(*d_), d_->starts.mouse, taken);
    d_->take(Section::Sound, takeSound(*d_), d_->starts.sound, taken);
    d_->take(Section::Player, takePlayer(*d_), d_->starts.player, taken);
    d_->take(Section::Other, takeOther(*d_), d_->starts.other, taken);
    d_->markTaken(taken, ConsoleAct::Variable, ConsoleAct::Bare);
    d_->takeBinds();

    OpenedReport& report = d_->report;
    const ConsoleModel& model = d_->model;
    for (const Line& line : std::as_const(d_->lines)) {
        bool keeps = false;
        bool spoken = false;
        for (int top = line.firstTop; top < line.firstTop + line.tops; ++top) {
            const bool words = model.tops()[top].begin < model.tops()[top].end;
            spoken = spoken || words;
            keeps = keeps || (words && d_->fates[top] == Fate::Keep);
        }
        // A comment line is kept as it is too.
        if (!line.ours && (keeps || (!spoken && line.comment >= 0)))
            ++report.kept;
        for (int top = line.firstTop; top < line.firstTop + line.tops; ++top) {
            if (d_->fates[top] != Fate::Drop && model.act(top) == ConsoleAct::Unbindall)
                report.unbindalls.append(int(&line - d_->lines.data()) + 1);
        }
    }
    for (const ConsoleExec& exec : model.execs())
        report.execs.append({d_->decoded(exec.name), exec.outcome, d_->lineOf(exec.top) + 1});
    for (const ConsoleEntry& effect : model.effects()) {
        const QByteArray name = model.bytes(effect.name).toByteArray().toLower();
        if (name == "quit" || name == "exit" || name == "disconnect")
            report.quits.append(d_->commandText(effect.source.top, effect.source));
    }
    for (auto a = model.aliases().cbegin(); a != model.aliases().cend(); ++a) {
        const auto ours = preambleAliases().constFind(a.key());
        if (ours != preambleAliases().cend() && *ours != model.valueOf(*a))
            report.clashes.append(QStringLiteral("%1: %2").arg(QString::fromLatin1(a.key()),
                                                               d_->decoded(model.bytes(a->value))));
    }
    report.clashes.sort();
    // In the file's order, whichever page could not show them.
    std::stable_sort(report.unshown.begin(), report.unshown.end(),
                     [](const QString& a, const QString& b) {
                         return a.section(u':', 0, 0).toInt() < b.section(u':', 0, 0).toInt();
                     });
    report.cutShort = model.cutShort();
}

OpenedScript::~OpenedScript() = default;

FileError OpenedScript::read(const QString& path, QByteArray& bytes) {
    if (FileError error = readWholeFile(path, bytes))
        return error;
    // The console would stop at the NUL and never run the rest, which the
    // saved script would then lose: the player is asked to save it as text.
    if (consoleReadable(bytes).size() < bytes.size())
        return FileError::found(FileStep::Read, path, FileProblem::HoldsNul);
    return {};
}

const QString& OpenedScript::fileName() const {
    return d_->fileName;
}

bool OpenedScript::isGameConfig() const {
    return isNamed(QFileInfo(d_->fileName).fileName(), kGameConfig);
}

const PageStarts& OpenedScript::starts() const {
    return d_->starts;
}

const OpenedReport& OpenedScript::report() const {
    return d_->report;
}

const ConsoleModel& OpenedScript::model() const {
    return d_->model;
}

QByteArray OpenedScript::assemble(const QByteArray& written,
                                  const QList<ConfigStream::SectionStart>& sections) const {
    QByteArray script;
    for (const ScriptPiece& piece : pieces(written, sections))
        script += piece.bytes;
    return script;
}

QList<ScriptPiece> OpenedScript::pieces(const QByteArray& written,
                                        const QList<ConfigStream::SectionStart>& sections) const {
    const qsizetype preambleEnd =
        sections.isEmpty() ? written.size() : qsizetype(sections.first().offset);
    QList<Section> writtenSections;
    for (const ConfigStream::SectionStart& s : sections)
        writtenSections.append(s.section);
    QList<ScriptPiece> pieces{{KeyOrigin::Program, written.first(preambleEnd)}};
    if (QByteArray kept = d_->keptLines(writtenSections); !kept.isEmpty())
        pieces.append({KeyOrigin::Kept, std::move(kept)});
    // The sections, each row that still shows what the file said in the
    // file's own words.
    for (int i = 0; i < sections.size(); ++i) {
        const qsizetype begin = qsizetype(sections[i].offset);
        const qsizetype end =
            i + 1 < sections.size() ? qsizetype(sections[i + 1].offset) : written.size();
        QList<const Carry*> carries;
        for (const Carry& carry : d_->carries) {
            if (carry.section == sections[i].section)
                carries.append(&carry);
        }
        QByteArray script;
        for (const QByteArray& line : written.sliced(begin, end - begin).split('\n')) {
            const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
            const auto carry = std::find_if(carries.begin(), carries.end(),
                                            [&](const Carry* c) { return c->startLine == bare; });
            if (carry != carries.end()) {
                script += (*carry)->original + "\r\n";
                carries.erase(carry);
            } else {
                script += line + '\n';
            }
        }
        script.chop(1); // the split's last piece had no line end of its own
        pieces.append({originOf(sections[i].section), std::move(script)});
    }
    return pieces;
}

} // namespace quelmar

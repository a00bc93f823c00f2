#include "tests/support/EndState.h"

namespace quelmar::test {

namespace {

// A toggle's group: +mlook and -mlook are one switch, and so are the
// radar's two commands.
QByteArray toggleOf(const QByteArray& name) {
    if (name == "drawradar" || name == "hideradar")
        return "radar";
    return name.startsWith('+') || name.startsWith('-') ? name.mid(1) : name;
}

QString entry(const char* kind, const QByteArray& key, const QByteArray& value) {
    return QStringLiteral("%1 %2=%3")
        .arg(QLatin1String(kind), QString::fromLatin1(key), QString::fromLatin1(value));
}

} // namespace

QStringList endState(const ConsoleModel& model) {
    QStringList state;
    for (auto v = model.variables().cbegin(); v != model.variables().cend(); ++v)
        state << entry("var", v.key(), model.valueOf(*v));
    for (auto b = model.binds().cbegin(); b != model.binds().cend(); ++b)
        state << entry("bind", b.key(), model.valueOf(*b));
    for (auto a = model.aliases().cbegin(); a != model.aliases().cend(); ++a)
        state << entry("alias", a.key(), model.valueOf(*a));
    // Of each toggle, the command that ran last.
    QHash<QByteArray, std::pair<qint64, QByteArray>> toggles;
    for (auto b = model.bare().cbegin(); b != model.bare().cend(); ++b) {
        auto& last = toggles[toggleOf(b.key())];
        if (b->source.order >= last.first)
            last = {b->source.order, b.key()};
    }
    for (auto t = toggles.cbegin(); t != toggles.cend(); ++t)
        state << entry("toggle", t.key(), t->second);
    state.sort();
    int n = 0;
    for (const ConsoleEntry& effect : model.effects())
        state << QStringLiteral("run %1: %2")
                     .arg(++n)
                     .arg(QString::fromLatin1(model.commandOf(effect.source)));
    return state;
}

QString brokenPromise(const ConsoleModel& opened, const ConsoleModel& saved,
                      const QStringList& changed) {
    const QStringList before = endState(opened);
    const QStringList after = endState(saved);
    const auto keyOf = [](const QString& line) { return line.section(QLatin1Char('='), 0, 0); };
    QHash<QString, QString> afterByKey;
    QStringList runsAfter;
    for (const QString& line : after) {
        if (line.startsWith(QLatin1String("run ")))
            runsAfter << line;
        else
            afterByKey.insert(keyOf(line), line);
    }
    QString broken;
    QStringList runsBefore;
    for (const QString& line : before) {
        if (line.startsWith(QLatin1String("run "))) {
            runsBefore << line;
            continue;
        }
        if (std::any_of(changed.begin(), changed.end(),
                        [&](const QString& c) { return line.startsWith(c); }))
            continue;
        // A name the file ran that our preamble defines runs our alias now.
        if (line.startsWith(QLatin1String("toggle ")) &&
            saved.aliases().contains(keyOf(line).mid(7).toLatin1()))
            continue;
        const QString now = afterByKey.value(keyOf(line));
        const bool same =
            now == line || (line.startsWith(QLatin1String("var ")) &&
                            sameConsoleValue(now.section('=', 1), line.section('=', 1)));
        if (!same)
            broken += QStringLiteral("%1 became %2\n").arg(line, now.isEmpty() ? "nothing" : now);
    }
    // The file's commands in their order; our aliases may add some between.
    qsizetype at = 0;
    for (const QString& run : runsAfter) {
        if (at < runsBefore.size() &&
            run.section(QLatin1Char(':'), 1) == runsBefore[at].section(QLatin1Char(':'), 1))
            ++at;
    }
    if (at < runsBefore.size())
        broken += QStringLiteral("commands ran as\n  %1\nnot\n  %2\n")
                      .arg(runsAfter.join("\n  "), runsBefore.join("\n  "));
    return broken;
}

ConsoleModel modelOf(const QByteArray& text, const QString& folder) {
    ConsoleModel model(folder.isEmpty() ? ConsoleModel::Files() : ConsoleModel::filesIn(folder));
    model.run(text);
    return model;
}

} // namespace quelmar::test

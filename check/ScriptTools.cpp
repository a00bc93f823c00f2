#include "check/ScriptTools.h"

#include "check/ConsoleKeys.h"
#include "check/KeyNameFix.h"
#include "check/ScriptCheck.h"
#include "check/ScriptText.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace quelmar {
namespace {

std::optional<QByteArray> readScript(const QString& path, QTextStream& err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": cannot read: " << file.errorString() << Qt::endl;
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << path << ": cannot read: " << file.errorString() << Qt::endl;
        return std::nullopt;
    }
    return bytes;
}

bool writeScript(const QString& path, const QByteArray& bytes, QTextStream& err) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    err << path << ": cannot write: " << file.errorString() << Qt::endl;
    return false;
}

} // namespace

int checkScripts(const QStringList& files, QTextStream& out, QTextStream& err) {
    bool unreadable = false;
    bool found = false;
    ScriptCheck check(ConsoleKeys::embedded());
    for (const QString& path : files) {
        const std::optional<QByteArray> script = readScript(path, err);
        if (!script) {
            unreadable = true;
            continue;
        }
        check.run(*script, [&](const Finding& finding) {
            out << finding.format(path) << '\n';
            found = true;
        });
        out.flush();
    }
    // A report that never reached the terminal or file must not pass for one.
    if (out.status() != QTextStream::Ok) {
        err << "standard output: cannot write the findings" << Qt::endl;
        return 2;
    }
    return unreadable ? 2 : found ? 1 : 0;
}

int fixScriptKeys(const QString& input, const QString& output, QTextStream& err) {
    const std::optional<QByteArray> script = readScript(input, err);
    if (!script)
        return 2;
    const KeyNameFix fix = KeyNameFix::apply(*script, ConsoleKeys::embedded());
    if (!writeScript(output, fix.script, err))
        return 2;
    for (const KeyNameChange& key : fix.unfixed)
        err << input << ':' << key.line << ": key \"" << shownText(key.name)
            << "\" has no console name; left as it is" << Qt::endl;
    return fix.unfixed.isEmpty() ? 0 : 1;
}

} // namespace quelmar

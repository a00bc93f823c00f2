#include "config/RewriteRecord.h"

#include "config/OwnFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace quelmar {

namespace {

const QByteArray kHeading("quelmar rewrite 1\n");
const QString kPrefix = QStringLiteral("rewrite-");
// A record that could not be used is renamed to this, never removed: it
// holds a file's old content, which the player may still want.
const QString kSetAsidePrefix = QStringLiteral("unusable-");
// A record holds a file's old and new content, each within the input
// limit (a rewrite of more is refused), and a heading with the file's name.
constexpr qint64 kRecordLimit = 2 * kInputLimit + 64 * 1024;

// The file's name as a start from any folder finds it again: absolute,
// with every link in its folders resolved. The name itself is never a link
// (the rewrite opens no link), so it stays as it is.
QString resolvedPath(const QString& path) {
    const QFileInfo file(QDir::cleanPath(QDir(path).absolutePath()));
    const QString folder = QFileInfo(file.path()).canonicalFilePath();
    return folder.isEmpty() ? file.filePath() : QDir(folder).filePath(file.fileName());
}

// One record per file: a later rewrite of the same file takes its place.
QString recordPath(const QString& destination) {
    const QByteArray hash =
        QCryptographicHash::hash(destination.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QDir(stateFolder()).filePath(kPrefix + QString::fromLatin1(hash.left(32)));
}

struct Record {
    QString path;
    FileId id;
    QByteArray old, script;
};

// The heading, the path, "device node old-size new-size", each on a line,
// then the old bytes and the new.
QByteArray recordBytes(const Record& r) {
    return kHeading + r.path.toUtf8().toPercentEncoding() + '\n' + QByteArray::number(r.id.device) +
           ' ' + QByteArray::number(r.id.node) + ' ' + QByteArray::number(r.old.size()) + ' ' +
           QByteArray::number(r.script.size()) + '\n' + r.old + r.script;
}

bool parse(const QByteArray& bytes, Record& r) {
    if (!bytes.startsWith(kHeading))
        return false;
    const qsizetype pathEnd = bytes.indexOf('\n', kHeading.size());
    const qsizetype sizesEnd = bytes.indexOf('\n', pathEnd + 1);
    if (pathEnd < 0 || sizesEnd < 0)
        return false;
    const QList<QByteArray> n = bytes.sliced(pathEnd + 1, sizesEnd - pathEnd - 1).split(' ');
    bool ok[4] = {};
    if (n.size() != 4)
        return false;
    r.path = QString::fromUtf8(
        QByteArray::fromPercentEncoding(bytes.sliced(kHeading.size(), pathEnd - kHeading.size())));
    r.id = {n[0].toULongLong(&ok[0]), n[1].toULongLong(&ok[1])};
    const qsizetype oldSize = n[2].toLongLong(&ok[2]), size = n[3].toLongLong(&ok[3]);
    const qsizetype start = sizesEnd + 1;
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || oldSize < 0 || size < 0 ||
        bytes.size() - start != oldSize + size)
        return false;
    r.old = bytes.sliced(start, oldSize);
    r.script = bytes.sliced(start + oldSize);
    return true;
}

char byteAt(const QByteArray& bytes, qsizetype i) {
    return i < bytes.size() ? bytes[i] : '\0';
}

// What the rewrite (or a put-back) leaves when cut short: the length of
// either content, every byte either's, or a zero where space was reserved
// past the old end and nothing has reached it yet.
bool isTornMix(const QByteArray& now, const Record& r) {
    if (now == r.old || now == r.script ||
        (now.size() != r.old.size() && now.size() != r.script.size()))
        return false;
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now[i] != byteAt(r.old, i) && now[i] != byteAt(r.script, i) && now[i] != '\0')
            return false;
    }
    return true;
}

// Settles one record: false when there is nothing to say. The record is
// dropped unless error is set.
bool settle(const Record& r, const FileCalls& calls, FileError& error) {
    File file;
    FileStatus status;
    QByteArray now;
    // Only the very file named: a name that now leads elsewhere through a
    // link in its folders is another file, whatever its identity says.
    if (QFileInfo::exists(QFileInfo(r.path).path()) && resolvedPath(r.path) != r.path)
        return false;
    error = File::open(r.path, file);
    if (error.problem == FileProblem::Missing || error.problem == FileProblem::SymbolicLink) {
        // Its folder gone too may be a disk not plugged in: the record waits.
        if (QFileInfo::exists(QFileInfo(r.path).path()))
            error = {};
        return false;
    }
    if (!error)
        error = file.status(status);
    if (!error && status.id != r.id)
        return false;
    if (!error)
        error = file.readAll(now, qMax(r.old.size(), r.script.size()));
    // Longer than both contents: no mix of them.
    if (error.problem == FileProblem::PastLimit || (!error && !isTornMix(now, r))) {
        error = {};
        return false;
    }
    if (!error)
        error = overwrite(file, r.old, calls);
    const FileError closed = file.close();
    if (!error)
        error = closed;
    return true;
}

} // namespace

FileError RewriteRecord::keep(const QString& destination, const FileId& id, const QByteArray& old,
                              const QByteArray& script) {
    const QString path = resolvedPath(destination);
    const QString folder = stateFolder(), name = recordPath(path);
    FileError error = makeFolderPath(QFileInfo(folder).path());
    if (!error)
        error = makePrivateFolder(folder);
    if (error)
        return error;
    removeLeftoversBeside(name);
    File fresh;
    if ((error = createBeside(name, fresh)))
        return error;
    error = fresh.tryLock();
    if (!error)
        error = writeAll(fresh, recordBytes({path, id, old, script}), FileCalls{});
    if (!error)
        error = fresh.sync();
    if (!error)
        error = replaceFile(fresh.path(), name);
    if (error) {
        removeFile(fresh.path());
        return error;
    }
    fresh.renamed(name);
    syncFolder(folder);
    file_ = std::move(fresh);
    return {};
}

void RewriteRecord::drop() {
    if (!file_.isOpen())
        return;
    // Removed while still locked, so no start in between takes it up.
    removeFile(file_.path());
    file_.close();
}

namespace {

// Renames an unusable record out of the way, to a name no start takes up
// again, so it is told once and its content is still there.
QString setAside(const QDir& folder, const QString& name) {
    QString aside = folder.filePath(kSetAsidePrefix + name);
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = folder.filePath(kSetAsidePrefix + name + QLatin1Char('-') + QString::number(n));
    return replaceFile(folder.filePath(name), aside) ? QString() : aside;
}

// Why the record open as file cannot be used: it is not private to the
// player, in a folder that is (another user could have written it to make
// us overwrite any file of the player's), or it is too large or damaged.
FileError unusable(const File& file, bool folderPrivate, const FileCalls& calls, Record& r) {
    FileStatus status;
    if (FileError error = calls.status(file.path(), status))
        return error;
    if (!folderPrivate || status.kind != FileKind::Regular || !status.privateToUser ||
        status.links != 1)
        return FileError::found(FileStep::Open, file.path(), FileProblem::Untrusted);
    QByteArray bytes;
    if (FileError error = file.readAll(bytes, kRecordLimit))
        return error;
    if (!parse(bytes, r) || !QDir::isAbsolutePath(r.path))
        return FileError::found(FileStep::Read, file.path(), FileProblem::Damaged);
    return {};
}

} // namespace

QList<PutBack> putBackUnfinishedRewrites(const FileCalls& calls) {
    QList<PutBack> told;
    const QDir folder(stateFolder());
    FileStatus place;
    const bool folderPrivate = !calls.status(folder.path(), place) &&
                               place.kind == FileKind::Folder && place.privateToUser;
    for (const QString& name : folder.entryList({kPrefix + '*'}, QDir::Files | QDir::Hidden)) {
        File record;
        Record r;
        FileError error = File::open(folder.filePath(name), record);
        // Gone meanwhile, or locked: its save is still running.
        if (error.problem == FileProblem::Missing ||
            (!error && (record.tryLock() || !record.isAtPath())))
            continue;
        if (!error)
            error = unusable(record, folderPrivate, calls, r);
        if (error) {
            record.close();
            const QString aside = setAside(folder, name);
            told.append({aside.isEmpty() ? folder.filePath(name) : aside, error, true});
            continue;
        }
        if (settle(r, calls, error))
            told.append({r.path, error});
        if (!error)
            removeFile(record.path());
    }
    return told;
}

} // namespace quelmar

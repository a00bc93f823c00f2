#include "config/RewriteRecord.h"

#include "config/OwnFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace quelmar {

namespace {

const QByteArray kHeading("quelmar rewrite 1\n");
const QString kPrefix = QStringLiteral("rewrite-");

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
        error = calls.read(file, now);
    if (!error && !isTornMix(now, r))
        return false;
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
    const QString folder = stateFolder(), name = recordPath(destination);
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
        error = writeAll(fresh, recordBytes({destination, id, old, script}), FileCalls{});
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

QList<PutBack> putBackUnfinishedRewrites(const FileCalls& calls) {
    QList<PutBack> told;
    const QDir folder(stateFolder());
    for (const QString& name : folder.entryList({kPrefix + '*'}, QDir::Files | QDir::Hidden)) {
        File record;
        QByteArray bytes;
        Record r;
        // Locked: its save is still running. Unreadable: not ours to judge.
        if (File::open(folder.filePath(name), record) || record.tryLock() || !record.isAtPath() ||
            record.readAll(bytes) || !parse(bytes, r))
            continue;
        FileError error;
        if (settle(r, calls, error))
            told.append({r.path, error});
        if (!error)
            removeFile(record.path());
    }
    return told;
}

} // namespace quelmar

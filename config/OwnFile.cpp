#include "config/OwnFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace quelmar {

namespace {

const QString kBesidePrefix = QStringLiteral(".quelmar-");

// A save locks its file the moment it is made, so the age is
// only a guard for the instant between the two and for an older copy of the
// program, which held no lock: its save took seconds (a script of a few
// megabytes at most, written, synced and renamed), each write refreshing the
// file's time. An hour leaves room for a slow network folder whose clock
// runs ahead of ours.
constexpr qint64 kLeftoverAge = 60 * 60;

} // namespace

FileError writeAll(File& file, QByteArrayView bytes, const FileCalls& calls) {
    while (!bytes.isEmpty()) {
        qint64 written = 0;
        if (FileError error = calls.write(file, bytes, written))
            return error;
        if (written <= 0) // a write that takes nothing would loop for ever; a full device does it
            return FileError::found(FileStep::Write, file.path(), FileProblem::NoSpace);
        bytes = bytes.sliced(written);
    }
    return {};
}

FileProblem unfitness(const FileStatus& status) {
    switch (status.kind) {
    case FileKind::Missing:
        return FileProblem::None;
    case FileKind::SymbolicLink:
        return FileProblem::SymbolicLink;
    case FileKind::Folder:
        return FileProblem::Folder;
    case FileKind::Other:
        return FileProblem::NotRegular;
    case FileKind::Regular:
        break;
    }
    if (!status.ours)
        return FileProblem::OtherOwner;
    return status.links == 1 ? FileProblem::None : FileProblem::SharedName;
}

FileError createBeside(const QString& target, File& file, bool asNewFile) {
    const QString folder = QFileInfo(target).path();
    FileError error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name =
            kBesidePrefix +
            QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 36);
        error = File::create(QDir(folder).filePath(name), file, asNewFile);

        if (error.problem != FileProblem::Exists)
            break;
    }
    if (error)
        error.path = folder;
    return error;
}

void removeLeftoversBeside(const QString& target) {
    static const QRegularExpression ours(QStringLiteral("^\\.quelmar-[0-9a-z]{1,8}$"));
    const QDir folder(QFileInfo(target).path());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString& name :
         folder.entryList({kBesidePrefix + '*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        File file;
        FileStatus status;
        if (!ours.match(name).hasMatch() || File::open(folder.filePath(name), file) ||
            file.status(status) || unfitness(status) != FileProblem::None ||
            now - status.modified < kLeftoverAge || file.tryLock() || !file.isAtPath())
            continue;
        removeFile(file.path());
    }
}

FileError overwrite(File& file, QByteArrayView bytes, const FileCalls& calls) {
    FileError error = file.reserve(bytes.size());
    if (!error)
        error = file.seek(0);
    if (!error)
        error = writeAll(file, bytes, calls);
    if (!error)
        error = file.truncate(bytes.size());
    if (!error)
        error = file.sync();
    return error;
}

FileError putFreshFile(const QString& target, File& file, bool lock, const FileCalls& calls) {
    File fresh;
    if (FileError error = createBeside(target, fresh))
        return error;
    FileError error = lock ? fresh.tryLock() : FileError{};
    if (!error)
        error = calls.replace(fresh.path(), target);
    if (error) {
        removeFile(fresh.path());
        FileStatus there;
        if (!statusOf(target, there) && unfitness(there) != FileProblem::None)
            error = FileError::found(error.step, target, unfitness(there));
        return error;
    }
    fresh.renamed(target);
    file = std::move(fresh);
    return {};
}

} // namespace quelmar

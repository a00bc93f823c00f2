#include "config/SaveCopy.h"

#include "config/OwnFile.h"
#include "config/RewriteRecord.h"

#include <QFileInfo>

namespace quelmar {

namespace {

// Writes, syncs and closes: only a file that passed all three holds the script.
FileError writeSyncClose(File& file, const QByteArray& script, const FileCalls& calls) {
    FileError error = writeAll(file, script, calls);
    if (!error)
        error = file.sync();
    const FileError closed = file.close();
    return error ? error : closed;
}

FileError rewrite(File& file, const QByteArray& script, const FileCalls& calls) {
    FileError error = overwrite(file, script, calls);
    QByteArray back;
    if (!error)
        error = calls.read(file, back);
    if (!error && back != script)
        error = FileError::found(FileStep::Write, file.path(), FileProblem::Changed);
    return error;
}

// The old bytes go back into blocks the file already owns, so a full disk
// does not stop them; a failing disk does.
bool putBack(File& file, const QByteArray& old, const FileCalls& calls) {
    return !overwrite(file, old, calls) && !file.close();
}

SaveResult saveInPlace(const QByteArray& script, const QString& destination,
                       const FileCalls& calls) {
    File file;
    FileStatus status;
    QByteArray old;
    FileError error = File::open(destination, file);
    if (!error)
        error = file.status(status);
    if (!error && status.kind != FileKind::Regular)
        error = FileError::found(FileStep::Open, destination, FileProblem::NotRegular);
    // Both contents are held in memory and kept in the record: a file or a
    // script past the input limit is not rewritten in place.
    if (!error && script.size() > kInputLimit)
        error = FileError::found(FileStep::Write, destination, FileProblem::PastLimit);
    if (!error)
        error = file.readAll(old);
    // No rewrite without the old content kept where a crash cannot take it.
    RewriteRecord record;
    if (!error)
        error = record.keep(destination, status.id, old, script);
    if (error)
        return {SaveOutcome::Unchanged, error};
    error = rewrite(file, script, calls);
    if (!error)
        error = file.close();
    if (!error)
        return {SaveOutcome::Saved, {}};
    if (putBack(file, old, calls))
        return {SaveOutcome::Unchanged, error};
    record.leave(); // the next start tries again
    return {SaveOutcome::Damaged, error};
}

} // namespace

SaveResult saveScript(const QByteArray& script, const QString& destination,
                      const FileCalls& calls) {
    FileStatus old;
    if (FileError error = statusOf(destination, old))
        return {SaveOutcome::Unchanged, error};
    // A link is replaced by the file, never written through.
    if (old.kind == FileKind::Folder || old.kind == FileKind::Other)
        return {SaveOutcome::Unchanged,
                FileError::found(FileStep::Replace, destination, unfitness(old))};
    const bool hadFile = old.kind == FileKind::Regular;
    // A mark the player set so that nothing rewrites the file is obeyed.
    if (hadFile && old.readOnly)
        return {SaveOutcome::Unchanged,
                FileError::found(FileStep::Replace, destination, FileProblem::ReadOnlyFile)};

    removeLeftoversBeside(destination);
    File beside;
    FileError error = createBeside(destination, beside, !hadFile);
    if (!error) {
        // Locked, so that another save never takes it for a leftover.
        beside.tryLock();
        if (hadFile)
            beside.takeOver(old);
        error = writeSyncClose(beside, script, calls);
        if (error) {
            removeFile(beside.path());
            error.path = destination; // the player knows the file by this name
            return {SaveOutcome::Unchanged, error};
        }
        error = calls.replace(beside.path(), destination);
        if (!error) {
            syncFolder(QFileInfo(destination).path());
            return {SaveOutcome::Saved, {}};
        }
        removeFile(beside.path());
    }
    if (hadFile && error.problem != FileProblem::ReadOnlyFile)
        return saveInPlace(script, destination, calls);
    return {SaveOutcome::Unchanged, error};
}

} // namespace quelmar

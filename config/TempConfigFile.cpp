#include "config/TempConfigFile.h"

#include "config/ConfigStream.h"
#include "config/StringResources.h"

#include <QDir>
#include <QFileInfo>

namespace quelmar {

namespace {

bool isFolderOfOurs(const QString& path) {
    FileStatus status;
    return !statusOf(path, status) && status.kind == FileKind::Folder && status.ours;
}

using Outcome = TempConfigFile::Outcome;

Outcome outcomeOf(const FileError& error) {
    return error.problem == FileProblem::Locked ? Outcome::AlreadyRunning : Outcome::CreateFailed;
}

} // namespace

QString TempConfigFile::folder(const ScriptPlaces& places) {
    if (!places.makePrivate || places.fallback.isEmpty() || isFolderOfOurs(places.folder))
        return places.folder;
    return places.fallback;
}

QString TempConfigFile::path(const ScriptPlaces& places) {
    return QDir(folder(places)).filePath(QStringLiteral("cfg.cfg"));
}

QString TempConfigFile::lockPath(const ScriptPlaces& places) {
    // Hidden: the player looking for the script sees the script alone.
    return QDir(folder(places)).filePath(QStringLiteral(".cfg.cfg.lock"));
}

TempConfigFile::Result TempConfigFile::create(ConfigStream& stream, const ScriptPlaces& places) {
    Result result;
    if (places.makePrivate) {
        if (FileError error = makePrivateFolder(places.folder)) {
            // Another user can take the shared folder's name first; the
            // fallback is a folder nobody else can reach.
            if (places.fallback.isEmpty()) {
                result.error = error;
                return result;
            }
            result.taken = error;
            FileStatus before;
            statusOf(places.fallback, before);
            result.error = makeFolderPath(QFileInfo(places.fallback).path());
            if (!result.error)
                result.error = makePrivateFolder(places.fallback);
            if (result.error)
                return result;
            result.toldOfFallback = before.kind == FileKind::Missing;
        }
    }
    result.path = path(places);
    FileStatus there;
    if ((result.error = statusOf(folder(places), there)))
        return result;
    // A folder named by the player (TMPDIR) may be missing or be a file.
    if (there.kind != FileKind::Folder && there.kind != FileKind::SymbolicLink) {
        result.error = FileError::found(FileStep::MakeFolder, folder(places),
                                        there.kind == FileKind::Missing ? FileProblem::Missing
                                                                        : FileProblem::NotAFolder);
        return result;
    }

    FileLock lock;
    if ((result.error = lock.acquire(lockPath(places)))) {
        result.outcome = outcomeOf(result.error);
        return result;
    }
    if ((result.error = stream.open(result.path))) {
        result.outcome = outcomeOf(result.error);
        return result;
    }
    stream.keepLock(std::move(lock));
    stream.writeLine(stringResource(StringResource::Preamble));
    if (stream.failed()) {
        result.error = stream.error();
        result.outcome = Outcome::WriteFailed;
        return result;
    }
    // A copy that started meanwhile would have replaced one of them.
    if (!stream.lock().isAtPath() || !stream.isAtPath()) {
        const QString lost = stream.isAtPath() ? lockPath(places) : result.path;
        result.error = FileError::found(FileStep::Lock, lost, FileProblem::Replaced);
        return result;
    }
    result.outcome = Outcome::Created;
    return result;
}

} // namespace quelmar

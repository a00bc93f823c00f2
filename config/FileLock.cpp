#include "config/FileLock.h"

#include "config/OwnFile.h"

namespace quelmar {

FileError FileLock::open(const QString& path) {
    FileStatus named;
    if (FileError error = statusOf(path, named))
        return error;
    if (named.kind == FileKind::Missing)
        return File::create(path, file_);
    if (unfitness(named) != FileProblem::None)
        return putFreshFile(path, file_, false, FileCalls{});
    return File::open(path, file_);
}

FileError FileLock::acquire(const QString& path) {
    // Another copy may make, replace or delete the file between our look at
    // the name and the lock: then we look again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        FileError error = open(path);
        if (!error)
            error = file_.tryLock();
        if (!error && file_.isAtPath())
            return {};
        file_.close();
        if (error && error.problem != FileProblem::Exists &&
            error.problem != FileProblem::Missing) {
            error.step = FileStep::Lock;
            error.path = path;
            return error;
        }
    }
    return FileError::found(FileStep::Lock, path, FileProblem::Replaced);
}

} // namespace quelmar

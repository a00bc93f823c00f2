#include "config/OwnFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace quelmar {

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

FileError createBeside(const QString& target, File& file) {
    const QString folder = QFileInfo(target).path();
    FileError error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name =
            QStringLiteral(".quelmar-") +
            QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 36);
        error = File::create(QDir(folder).filePath(name), file);
        if (error.problem != FileProblem::Exists)
            break;
    }
    if (error)
        error.path = folder;
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

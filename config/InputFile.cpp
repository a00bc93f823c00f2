// What reading a file does the same way on every platform, on top of the
// open and read each platform's InputFile source gives.
#include "config/InputFile.h"

namespace quelmar {

QString inputLimitText() {
    return QStringLiteral("%1 MiB").arg(kInputLimit >> 20);
}

FileError InputFile::readRest(QByteArray& bytes, qint64 limit) {
    bytes.clear();
    constexpr qint64 kChunk = 64 * 1024;
    // One byte past the limit is read, so a file of exactly the limit passes.
    for (qint64 got = -1; got != 0;) {
        if (bytes.size() > limit)
            return FileError::found(FileStep::Read, path_, FileProblem::PastLimit);
        const qsizetype held = bytes.size();
        bytes.resize(held + qMin(kChunk, limit + 1 - held));
        const FileError error = read(bytes.data() + held, bytes.size() - held, got);
        bytes.resize(held + got);
        if (error)
            return error;
    }
    return {};
}

FileError readWholeFile(const QString& path, QByteArray& bytes, InputKind kind, qint64 limit) {
    bytes.clear();
    InputFile file;
    if (FileError error = InputFile::open(path, file, kind))
        return error;
    return file.readRest(bytes, limit);
}

} // namespace quelmar

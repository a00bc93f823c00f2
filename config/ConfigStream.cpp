#include "config/ConfigStream.h"

#include "config/OwnFile.h"
#include "config/ScriptCodePage.h"

#include <algorithm>

namespace quelmar {

namespace {

const QByteArray kLineEnd("\r\n");

// A running copy keeps its script locked: a copy whose lock file was
// deleted under it is still found here, so no second copy takes its place.
FileError refuseIfRunning(const QString& path) {
    FileStatus named;
    if (statusOf(path, named) || named.kind != FileKind::Regular || !named.ours)
        return {};
    File probe;
    if (File::open(path, probe))
        return {};
    const FileError error = probe.tryLock();
    return error.problem == FileProblem::Locked ? error : FileError{};
}

} // namespace

FileError ConfigStream::open(const QString& path) {
    file_.close();
    path_ = path;
    failed_ = false;
    sections_.clear();
    error_ = refuseIfRunning(path);
    if (!error_)
        error_ = putFreshFile(path, file_, true, calls_);
    return error_;
}

FileError ConfigStream::readWritten(QByteArray& bytes) {
    if (!isOpen())
        return error_ ? error_ : FileError::found(FileStep::Read, path_, FileProblem::Missing);
    return calls_.read(file_, bytes);
}

void ConfigStream::writeLine(const QString& text) {
    put(toScriptCodePage(text) + kLineEnd);
}

void ConfigStream::writeEmptyLine() {
    put(kLineEnd);
}

void ConfigStream::beginSection(Section section) {
    qint64 offset = -1;
    if (isOpen() && !failed_ && !file_.position(offset))
        sections_.append({section, offset});
    writeEmptyLine();
    writeLine(sectionHeader(section));
}

bool ConfigStream::hasSection(Section section) const {
    return std::any_of(sections_.begin(), sections_.end(),
                       [&](const SectionStart& s) { return s.section == section; });
}

void ConfigStream::writeLines(const QStringList& lines) {
    for (const QString& line : lines)
        writeLine(line);
}

void ConfigStream::put(const QByteArray& bytes) {
    if (!isOpen() || failed_)
        return;
    qint64 lineStart = -1;
    FileError error = file_.position(lineStart);
    if (!error)
        error = writeAll(file_, bytes, calls_);
    if (!error)
        return;
    // A cut line would end up in the player's script as a broken command:
    // take it back out, so the file ends after the last whole line.
    if (lineStart >= 0 && !file_.truncate(lineStart))
        file_.seek(lineStart);
    failed_ = true;
    error_ = error;
    if (onFailure_)
        onFailure_();
}

} // namespace quelmar

#include "tests/support/Fakes.h"

#include <QRegularExpression>

#include <memory>

namespace quelmar::test {

void ScriptedDialogs::message(QWidget*, const QString& text, const QString& title) {
    asked.append({AskedDialog::Message, text, title, {}, {}});
    if (whileMessageOpen)
        whileMessageOpen(asked.last());
}

bool ScriptedDialogs::ask(QWidget*, const QString& text, const QString& title, bool defaultYes) {
    asked.append({AskedDialog::Question, text, title, {}, {}, defaultYes});
    return !answers_.isEmpty() && answers_.dequeue();
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText) {
    asked.append({AskedDialog::Input, prompt, title, defaultText, {}});
    return inputs_.isEmpty() ? QString() : inputs_.dequeue();
}

QString ScriptedDialogs::saveAs(QWidget*, const QString& filter, const QString& startFolder) {
    asked.append({AskedDialog::SaveAs, filter, {}, {}, startFolder});
    return saves_.isEmpty() ? QString() : saves_.dequeue();
}

FileCalls brokenDisk(qint64 okBytes, bool recovers, FileProblem refusal) {
    FileCalls calls;
    if (refusal != FileProblem::None)
        calls.replace = [refusal](const QString&, const QString& to) {
            return FileError::found(FileStep::Replace, to, refusal);
        };
    auto left = std::make_shared<qint64>(okBytes);
    calls.write = [left, recovers](File& file, QByteArrayView bytes, qint64& written) {
        written = 0;
        if (*left == 0) {
            *left = recovers ? -1 : 0;
            return FileError::found(FileStep::Write, file.path(), FileProblem::NoSpace);
        }
        const FileError error =
            file.writeSome(*left < 0 ? bytes : bytes.first(std::min(*left, bytes.size())), written);
        *left -= *left > 0 ? written : 0;
        return error;
    };
    return calls;
}

FileStatus statusAt(const QString& path) {
    FileStatus status;
    statusOf(path, status);
    return status;
}

bool inOurWords(const QString& text) {
    return !text.isEmpty() && !text.contains(QRegularExpression("[A-Za-z]"));
}

} // namespace quelmar::test

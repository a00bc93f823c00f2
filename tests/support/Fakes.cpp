#include "tests/support/Fakes.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QRegularExpression>
#include <QSemaphore>

#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#include "tests/support/RegistrySandbox.h"
#endif

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

GameFolderLookup::Search fakeSearch(const QStringList& how) {
    return {QCoreApplication::applicationFilePath(), QStringList{"--fake-search"} + how};
}

std::optional<int> answerAsSearch(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    RegistrySandbox::joinParents();
#endif
    if (const std::optional<int> status = GameFolderLookup::answerIfAsked(argc, argv))
        return status;
    if (argc != 4 || std::strcmp(argv[1], "--fake-search") != 0)
        return std::nullopt;
    // The lock file names its holder as the system does: by the program.
    const QCoreApplication app(argc, argv);
    const QByteArray how = argv[2];
    const QString text = QString::fromLocal8Bit(argv[3]);
    if (how == "fail")
        return GameFolderLookup::answer([&] { return text; }) + 1;
    return GameFolderLookup::answer([&] {
        if (how == "hang") {
            QLockFile held(text);
            QSemaphore never;
            if (held.tryLock(0))
                never.acquire();
        }
        return text;
    });
}

bool lockIsFree(const QString& path) {
    QLockFile lock(path);
    lock.setStaleLockTime(0);
    return lock.tryLock(0);
}

} // namespace quelmar::test

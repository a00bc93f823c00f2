#include "platform/GameFolderSearch.h"

#include "platform/GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>

namespace quelmar {

namespace {

// Not for players, so not in --help: the program started as its own search.
constexpr char kSearchOption[] = "--game-folder-search";

// The status of a child whose lookup went before it answered.
constexpr int kNoOneToAnswer = 3;

} // namespace

GameFolderLookup::Search GameFolderLookup::gameFolderSearch() {
    return {QCoreApplication::applicationFilePath(), {QString::fromLatin1(kSearchOption)}};
}

std::optional<int> GameFolderLookup::answerIfAsked(int argc, char* argv[]) {
    if (argc != 2 || std::strcmp(argv[1], kSearchOption) != 0)
        return std::nullopt;
    return answer([] { return findGameFolder(steamRoots(QDir::homePath()), installedPrograms()); });
}

int GameFolderLookup::answer(const std::function<QString()>& search) {
    // The lookup never writes to this input; it ends only when the lookup
    // has gone. The process then ends as it stands: nothing of it is
    // anyone else's.
    try {
        std::thread([] {
            while (std::getchar() != EOF) {
            }
            std::_Exit(kNoOneToAnswer);
        }).detach();
    } catch (const std::system_error&) {
        // Without the watch the search still answers; only a lookup that
        // goes first leaves it to end by itself.
    }
    const QByteArray folder = search().toUtf8();
    const auto size = std::size_t(folder.size());
    return std::fwrite(folder.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0 ? 0
                                                                                                : 1;
}

GameFolderLookup::GameFolderLookup(Search search, std::chrono::milliseconds deadline)
    : child_(std::make_unique<QProcess>()), due_(std::chrono::steady_clock::now() + deadline) {
    // What the child says on its error output (Qt's warnings) is no answer.
    child_->setStandardErrorFile(QProcess::nullDevice());
    prepareWindowlessChild(*child_);
    child_->start(search.program, search.arguments);
}

GameFolderLookup::~GameFolderLookup() {
    if (child_->state() == QProcess::NotRunning)
        return;
    // A killed process ends at once: the wait only collects it, so that no
    // process of ours is left behind.
    child_->kill();
    child_->waitForFinished();
}

QString GameFolderLookup::folder() const {
    if (answer_)
        return *answer_;
    if (child_->state() != QProcess::NotRunning) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              due_ - std::chrono::steady_clock::now())
                              .count();
        // Zero still takes an answer that has come and not yet been read.
        child_->waitForFinished(int(std::clamp<decltype(left)>(left, 0, INT_MAX)));
    }
    if (child_->state() != QProcess::NotRunning)
        return {};
    // (A wait that ran out leaves its error behind: only the end counts.)
    const bool answered = child_->error() != QProcess::FailedToStart &&
                          child_->exitStatus() == QProcess::NormalExit && child_->exitCode() == 0;
    answer_ = answered ? QString::fromUtf8(child_->readAllStandardOutput()) : QString();
    return *answer_;
}

} // namespace quelmar

#include "platform/GameFolderSearch.h"

#include "platform/GameFolder.h"

#include <QDir>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace quelmar {

struct GameFolderLookup::Outcome {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<QString> result;
};

GameFolderLookup::Search GameFolderLookup::gameFolderSearch() {
    return
        [home = QDir::homePath()] { return findGameFolder(steamRoots(home), installedPrograms()); };
}

GameFolderLookup::GameFolderLookup(Search search, std::chrono::milliseconds deadline)
    : outcome_(std::make_shared<Outcome>()), due_(std::chrono::steady_clock::now() + deadline) {
    try {
        std::thread([outcome = outcome_, search = std::move(search)] {
            QString found = search();
            const std::lock_guard lock(outcome->mutex);
            outcome->result = std::move(found);
            outcome->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        outcome_->result = QString();
    }
}

QString GameFolderLookup::folder() const {
    std::unique_lock lock(outcome_->mutex);
    outcome_->done.wait_until(lock, due_, [this] { return outcome_->result.has_value(); });
    return outcome_->result.value_or(QString());
}

} // namespace quelmar

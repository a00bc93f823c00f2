#include "platform/GameFolderSearch.h"

#include "platform/GameFolder.h"

#include <QDir>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace quelmar {

std::optional<QString> resultWithin(std::function<QString()> search,
                                    std::chrono::milliseconds deadline) {
    // Shared with the thread, which may outlive this call.
    struct Outcome {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<QString> result;
    };
    const auto outcome = std::make_shared<Outcome>();
    try {
        std::thread([outcome, search = std::move(search)] {
            QString found = search();
            const std::lock_guard lock(outcome->mutex);
            outcome->result = std::move(found);
            outcome->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    std::unique_lock lock(outcome->mutex);
    outcome->done.wait_for(lock, deadline, [&] { return outcome->result.has_value(); });
    return outcome->result;
}

QString findGameFolderWithin(std::chrono::milliseconds deadline) {
    const QString home = QDir::homePath();
    return resultWithin([home] { return findGameFolder(steamRoots(home), installedPrograms()); },
                        deadline)
        .value_or(QString());
}

} // namespace quelmar

#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace quelmar {

// The game's folder for the Save As dialog, looked up once a run on a
// thread of its own: a hung network folder must not freeze the window.
// The thread is never joined. It works only on what it owns (copies of its
// inputs and a shared outcome), so a search still hung when the program
// ends touches nothing that the end destroys.
// A search must not leave a C++ thread-local with a destructor behind, as
// QRegularExpression does (its JIT stack): with MinGW's emulated TLS, such
// a destructor runs after the thread's TLS block has been freed, and reads
// whatever the block holds by then.
class GameFolderLookup {
  public:
    using Search = std::function<QString()>;

    // The real search: Steam's folders under the player's home, then the
    // system's list of installed programs. The home is read now, on the
    // calling thread.
    static Search gameFolderSearch();

    // Starts search at once; without a thread to run it, the answer is
    // "not found".
    explicit GameFolderLookup(Search search,
                              std::chrono::milliseconds deadline = std::chrono::seconds(2));

    // The search's answer once it has come. Until then this waits for what
    // is left of the deadline, counted from the start, and then gives the
    // empty string (the dialog's default folder); a late answer is still
    // taken by a later call.
    QString folder() const;

  private:
    struct Outcome;
    std::shared_ptr<Outcome> outcome_;
    std::chrono::steady_clock::time_point due_;
};

} // namespace quelmar

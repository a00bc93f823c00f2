#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QProcess;

namespace quelmar {

// The game's folder for the Save As dialog, looked up once a run by a child
// process: a search hung on a dead network folder must freeze neither the
// window nor the program's end. No code of the search runs in this process,
// so whatever it touches (statics, thread-locals, Qt's regular expressions)
// is the child's own and ends with the child. Here the lookup only starts
// the child, reads its answer and, if it is still running when the lookup
// goes, kills it; nothing else of this process is tied to it.
class GameFolderLookup {
  public:
    // A program that writes the folder it found (UTF-8, nothing else;
    // nothing when there is none) to its standard output and ends with
    // status 0. Any other end counts as "not found".
    struct Search {
        QString program;
        QStringList arguments;
    };

    // The real search: this very program again, without a window, running
    // answerIfAsked's side.
    static Search gameFolderSearch();

    // The child's side, first thing in main(): with the arguments that
    // gameFolderSearch() gives, runs the real search (Steam's folders under
    // the player's home, then the system's list of installed programs),
    // writes its answer and gives the exit status; for any other arguments,
    // nothing.
    static std::optional<int> answerIfAsked(int argc, char* argv[]);

    // A child's answer: runs search and writes what it gives. The lookup
    // that started the child keeps the child's standard input open while it
    // lives; once that input ends (the lookup killed, or its program gone
    // some other way), a search still running has no one to answer and the
    // child ends at once.
    static int answer(const std::function<QString()>& search);

    // Starts search at once; one that cannot start answers "not found".
    explicit GameFolderLookup(Search search,
                              std::chrono::milliseconds deadline = std::chrono::seconds(2));
    // Kills a child still running and collects it.
    ~GameFolderLookup();
    GameFolderLookup(const GameFolderLookup&) = delete;
    GameFolderLookup& operator=(const GameFolderLookup&) = delete;

    // The search's answer once it has come. Until then this waits for what
    // is left of the deadline, counted from the start, and then gives the
    // empty string (the dialog's default folder); a late answer is still
    // taken by a later call.
    QString folder() const;

  private:
    std::unique_ptr<QProcess> child_;
    mutable std::optional<QString> answer_;
    std::chrono::steady_clock::time_point due_;
};

} // namespace quelmar

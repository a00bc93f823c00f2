#pragma once

#include "config/FileSystem.h"
#include "platform/GameFolderSearch.h"
#include "platform/SoundCue.h"
#include "ui/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

namespace quelmar::test {

// How long a test waits for what must come: it comes much sooner on the
// busiest machine, and only a hang reaches this.
constexpr int kPatience = 60000;

// One dialog as the program asked for it.
struct AskedDialog {
    enum Kind { Message, Question, Input, SaveAs };
    Kind kind;
    QString text;  // message or question text, input prompt, or Save As filter
    QString title; // message, question or input title
    QString defaultText;
    QString startFolder;     // where a Save As dialog opened
    bool defaultYes = false; // a question's default button is "Да"
};

// Dialogs answered from a script instead of a person. Answers are queued in
// advance; an input or Save As without a queued answer is cancelled, a
// question without one is answered "Нет".
class ScriptedDialogs : public Dialogs {
  public:
    void answerInput(const QString& text) { inputs_.enqueue(text); }
    void answerSaveAs(const QString& path) { saves_.enqueue(path); }
    void answerQuestion(bool yes) { answers_.enqueue(yes); }

    // Runs while a message box is "open", before message() returns: the
    // place to check what stands behind the box.
    std::function<void(const AskedDialog&)> whileMessageOpen;

    void message(QWidget* parent, const QString& text, const QString& title) override;
    bool ask(QWidget* parent, const QString& text, const QString& title,
             bool defaultYes = true) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString saveAs(QWidget* parent, const QString& filter, const QString& startFolder) override;

    QList<AskedDialog> asked;

  private:
    QQueue<QString> inputs_;
    QQueue<QString> saves_;
    QQueue<bool> answers_;
};

// Remembers the cues in the order they were played.
class RecordingSoundCue : public SoundCue {
  public:
    void play(Cue cue) override { played.append(cue); }
    QList<Cue> played;
    // The cues played, each by its place in kEveryCue from 1: "1 2 2".
    QString ids() const {
        QStringList ids;
        for (Cue cue : played)
            ids << QString::number(std::find(std::begin(kEveryCue), std::end(kEveryCue), cue) -
                                   std::begin(kEveryCue) + 1);
        return ids.join(' ');
    }
};

// A disk whose writes fail after okBytes (none: never); one that recovers
// fails a single write and then takes everything again. Renames fail with
// refusal, unless it is None.
FileCalls brokenDisk(qint64 okBytes, bool recovers = false,
                     FileProblem refusal = FileProblem::None);

// What stands at path, a link not followed.
FileStatus statusAt(const QString& path);

// Our words, never the system's English.
bool inOurWords(const QString& text);

// A game-folder search as the lookup runs the real one, by this test program
// started again: "answer TEXT", "fail TEXT" (TEXT, then status 1) or "hang
// LOCK" (holds the lock file LOCK and never answers).
GameFolderLookup::Search fakeSearch(const QStringList& how);
// First thing in a test's main(): the child's side of a real or fake search.
std::optional<int> answerAsSearch(int argc, char* argv[]);
// No running process holds the lock file at path.
bool lockIsFree(const QString& path);

} // namespace quelmar::test

#pragma once

#include "config/ConfigStream.h"
#include "tests/support/Fakes.h"
#include "ui/Services.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace quelmar::test {

// Bytes of a file, or an empty array when it cannot be read.
QByteArray readBytes(const QString& path);

// Bytes of tests/data/<name>.
QByteArray goldenBytes(const QString& name);

// Lines joined the way the script stores them: CR LF after each one.
QByteArray crlfLines(const QStringList& lines);

// The first line, counted from 1, where the bytes differ from the golden
// file, both sides shown with CR and LF visible; empty when they match.
QString goldenDifference(const QByteArray& actual, const QString& name);

#define QUELMAR_COMPARE_GOLDEN(actual, name)                                                       \
    QVERIFY2(quelmar::test::goldenDifference((actual), (name)).isEmpty(),                          \
             qPrintable(quelmar::test::goldenDifference((actual), (name))))

// Takes "--lang ru|en" out of the arguments and makes the windows speak that
// language, as the program's own option does; without it, Russian.
void useLanguageArgument(int& argc, char** argv);

// The shown top-level window of that object name, or none.
QWidget* visibleWindow(const QString& name);

// The menu's entries, in the order of the sections their pages write.
QStringList everyPageEntry();
// Clicks entry, lets check see the page it opened, then closes the page
// with its "Done"; fails at once, naming it, when no page came.
void walkPage(QWidget* entry, const std::function<void(QWidget*)>& check = {});

// Points the program's temporary folder, where cfg.cfg goes, at path for
// as long as it lives (the variables that choose it differ by platform).
class TempFolderAs {
  public:
    explicit TempFolderAs(const QString& path);
    ~TempFolderAs();
    TempFolderAs(const TempFolderAs&) = delete;
    TempFolderAs& operator=(const TempFolderAs&) = delete;

  private:
    QList<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// Makes the Steam folder under home that the game-folder lookup finds
// first (on Windows: the one a registry sandbox names for the user, till
// the program ends) and gives its path.
QString fakeSteamFolder(const QString& home);

// A config stream on a fresh file in a temporary folder, with fake dialogs,
// sound and a way back around it: everything a page needs to be opened in a test.
class PageHarness {
  public:
    PageHarness();

    // Everything written so far.
    QByteArray written() const;

    QTemporaryDir dir;
    ConfigStream config;
    ScriptedDialogs dialogs;
    RecordingSoundCue sound;
    int handedBack = 0; // how often a page was handed back
    Services services{config, dialogs, sound, [this] { ++handedBack; }};
};

} // namespace quelmar::test

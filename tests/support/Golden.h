#pragma once

#include "config/ConfigStream.h"
#include "platform/Services.h"
#include "tests/support/Fakes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quelmar::test {

// Bytes of a file, or an empty array when it cannot be read.
QByteArray readBytes(const QString& path);

// Bytes of tests/data/<name>.
QByteArray goldenBytes(const QString& name);

// Lines joined the way the script stores them: CR LF after each one.
QByteArray crlfLines(const QStringList& lines);

// Compares bytes with the golden file and, on a difference, reports the first
// differing line of both sides (with CR and LF made visible). Use through
// QUELMAR_COMPARE_GOLDEN so that the failure names the test's own line.
bool matchesGolden(const QByteArray& actual, const QString& name, QString* report);

#define QUELMAR_COMPARE_GOLDEN(actual, name)                                                       \
    do {                                                                                           \
        QString goldenReport_;                                                                     \
        if (!quelmar::test::matchesGolden((actual), (name), &goldenReport_))                       \
            QFAIL(qPrintable(goldenReport_));                                                      \
    } while (false)

// A config stream on a fresh file in a temporary folder, with fake dialogs,
// sound and menu around it: everything a page needs to be opened in a test.
class PageHarness {
  public:
    PageHarness();

    // Everything written so far.
    QByteArray written() const;

    QTemporaryDir dir;
    ConfigStream config;
    ScriptedDialogs dialogs;
    RecordingSoundCue sound;
    FakeMenuLink menu;
    Services services{config, dialogs, sound, menu};
};

} // namespace quelmar::test

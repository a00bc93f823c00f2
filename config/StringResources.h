#pragma once

#include <QString>
#include <QStringList>

namespace quelmar {

// The program's fixed texts, stored as resources under their old numbers
// (strings/<id>.txt), exactly as stored; they are plain ASCII.
enum class StringResource {
    Preamble = 101, // the alias preamble that opens every script (CR LF each line)
    BuyTail = 102,  // reset"  the tail of every buy bind
    Quote = 103,    // "       the quote around every value
};

QString stringResource(StringResource id);

// The one-character quote, kept at hand for line builders.
const QString& quote();

// The resource files of the texts above that the program lacks; empty when
// all are there. Without them every script would come out wrong (no quote
// around any value), so the program refuses to start.
QStringList missingStringResources();

} // namespace quelmar

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelmar {

// One line of a console script as stored. The text maps every byte to the
// character of the same number (Latin-1), so an index into it is a byte
// offset into the file: the key-name fixer edits the bytes in place and
// leaves whatever code page the file is in untouched. Console syntax is
// plain ASCII, so this mapping finds the same commands Windows-1251 would.
struct ScriptLine {
    int number = 0;       // counted from 1
    qsizetype offset = 0; // of the line's first byte in the file
    QString text;         // without its CR LF or LF
};

// Splits a script at LF; a CR before the LF belongs to the line end. A last
// line without a line end still counts; a file ending in a line end has no
// extra empty line after it.
QList<ScriptLine> splitScriptLines(const QByteArray& script);

// Text of the line (or of a part of it) as the player reads it, decoded
// from Windows-1251, for messages.
QString readableText(const QString& latin1Text);

} // namespace quelmar

#pragma once

#include <QString>

namespace quelmar {

// One thing the check found in a script, on one line.
struct Finding {
    enum class Severity { Error, Warning };

    int line = 0;
    Severity severity = Severity::Error;
    QString text;

    // "FILE:LINE: error: TEXT", the form compilers and editors understand.
    QString format(const QString& file) const {
        return QStringLiteral("%1:%2: %3: %4")
            .arg(file)
            .arg(line)
            .arg(severity == Severity::Error ? u"error" : u"warning", text);
    }
};

} // namespace quelmar

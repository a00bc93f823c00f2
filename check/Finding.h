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
        // One pass, so that a '%' in the name or the text stays as it is.
        return QStringLiteral("%1:%2: %3: %4")
            .arg(file, QString::number(line),
                 severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning"),
                 text);
    }
};

} // namespace quelmar

#include "config/TempConfigFile.h"

#include "config/ConfigStream.h"
#include "config/StringResources.h"

#include <QDir>

namespace quelmar {

QString TempConfigFile::path() {
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        // QDir gives nothing for a TMPDIR that does not exist; keep the named
        // folder anyway, so that creating the file fails and says where,
        // instead of landing in whatever the working folder happens to be.
        folder = qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp"));
    }
    return QDir(folder).filePath(QStringLiteral("cfg.cfg"));
}

bool TempConfigFile::create(ConfigStream& stream, QString* error) {
    const QString file = path();
    if (!stream.open(file)) {
        if (error)
            *error = stream.errorString();
        return false;
    }
    stream.writeLine(stringResource(101));
    return true;
}

} // namespace quelmar

#include "config/ConfigStream.h"

#include "config/Cp1251.h"

namespace quelmar {

namespace {
const QByteArray kLineEnd("\r\n");
}

bool ConfigStream::open(const QString& path) {
    if (file_.isOpen())
        file_.close();
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ConfigStream::writeLine(const QString& text) {
    put(toWindows1251(text) + kLineEnd);
}

void ConfigStream::writeEmptyLine() {
    put(kLineEnd);
}

void ConfigStream::beginSection(Section section) {
    writeEmptyLine();
    writeLine(sectionHeader(section));
}

void ConfigStream::writeLines(const QStringList& lines) {
    for (const QString& line : lines)
        writeLine(line);
}

void ConfigStream::put(const QByteArray& bytes) {
    if (!file_.isOpen())
        return;
    file_.write(bytes);
    file_.flush();
}

} // namespace quelmar

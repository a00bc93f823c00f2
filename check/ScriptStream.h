#pragma once

#include "check/ScriptText.h"
#include "config/ConsoleReader.h"

#include <QByteArray>

namespace quelmar {

// Where a script's bytes come from, front to back.
class ScriptSource {
  public:
    virtual ~ScriptSource() = default;
    // Up to size bytes into data: how many, 0 at the end, -1 when reading failed.
    virtual qint64 read(char* data, qint64 size) = 0;
    // Back to the first byte, for another reading; false when that failed.
    virtual bool rewind() = 0;
};

// Bytes in memory.
class MemorySource final : public ScriptSource {
  public:
    explicit MemorySource(QByteArrayView bytes) : bytes_(bytes) {}
    qint64 read(char* data, qint64 size) override;
    bool rewind() override {
        at_ = 0;
        return true;
    }

  private:
    QByteArrayView bytes_;
    qint64 at_ = 0;
};

// Reads a script from a source command by command, as ConsoleReader reads
// text in memory, holding only a window of it around the command being
// read: memory stays the same however long the script. Like the console,
// it reads nothing past the first NUL.
class CommandStream {
  public:
    explicit CommandStream(ScriptSource& source) : source_(source) {}
    CommandStream(const CommandStream&) = delete;
    CommandStream& operator=(const CommandStream&) = delete;

    // The next command, its offsets into reader().text(); false at the end
    // of what the console reads, or when the source failed.
    bool next(ConsoleCommand& command);
    const ConsoleReader& reader() const { return reader_; }
    // The line of an offset into reader().text(), from the current command on.
    int lineAt(qsizetype offset) { return lines_.lineAt(offset); }
    // Whether an offset into reader().text() is the script's first byte.
    bool isStart(qsizetype offset) const { return base_ + offset == 0; }
    bool failed() const { return failed_; }

    // After the end: a NUL ended the reading and something but blanks
    // follows it (reads on to the end to find out).
    bool textAfterNul();

  private:
    bool refill();
    // Appends up to size bytes of the source; false once no more is to be
    // read (its end, a NUL, a failure).
    bool append(qint64 size);

    ScriptSource& source_;
    QByteArray window_;
    qint64 base_ = 0; // where the window starts in the script
    bool ended_ = false;
    bool failed_ = false;
    bool nul_ = false;      // the reading ended at a NUL
    bool afterNul_ = false; // and something but blanks followed it
    ConsoleReader reader_{{}, true};
    LineCounter lines_{{}};
};

} // namespace quelmar

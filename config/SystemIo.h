#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <sys/types.h>

namespace quelmar {

// The write system call, as the script's writers use it. Tests put a call of
// their own here to make a file fail part-way, the way a full disk does.
using WriteCall = std::function<ssize_t(int fd, const void* data, size_t size)>;
WriteCall systemWrite();

// Writes all of bytes at the descriptor's offset, going on after a short
// write or an interrupted call. Returns 0 or the error number that stopped it.
int writeAll(int fd, QByteArrayView bytes, const WriteCall& write);

// Reads the whole file from its start, whatever the descriptor's offset.
// Returns 0 or the error number that stopped it.
int readWhole(int fd, QByteArray* bytes);

// The system's own words for an error number, for the messages we show.
QString systemReason(int error);

} // namespace quelmar

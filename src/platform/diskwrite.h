#pragma once

// Writing a save's bytes to an open file, and telling a full disk from other
// failures. A nearly full disk takes part of a write and refuses the rest;
// Qt's devices then report "Unknown error", so the game writes the bytes
// itself and keeps the system's reason.

#include <QString>
#include <functional>
#include <sys/types.h>

namespace platform {

// Writes all the bytes, going on after a short write. Returns 0, or the
// system's error number (ENOSPC when the disk takes no more).
int writeAll(int handle, const char* data, qint64 size);

// Whether the failure with this error number, while `needed` bytes were to
// be written in the folder, comes from the disk being full.
bool diskIsFull(int error, const QString& folder, qint64 needed);
// The game's words for it.
QString diskFullWords();

// The system's write(); tests install one that stops part-way, as a nearly
// full disk does. An empty one restores write(). Returns the previous one.
using RawWrite = std::function<ssize_t(int handle, const void* data, size_t size)>;
RawWrite setRawWrite(RawWrite write);

} // namespace platform

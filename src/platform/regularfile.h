#pragma once

// Reading the player's files without ever waiting on one. Only a regular
// file is opened: a FIFO, a device or a socket in a save's place would make
// open() or read() wait for good (a FIFO waits for a writer), and the game
// would freeze. The name is checked first, and the file is then opened
// without blocking and checked again through the open handle, so that a
// file swapped in between is refused too.

#include <QByteArray>
#include <QString>

namespace platform {

struct FileReading {
    enum class Outcome {
        Read,       // `bytes` holds the file, or its first bytes when asked
        Missing,    // there is no file of that name
        Folder,     // the name is a folder's
        NotRegular, // a device, a FIFO or a socket
        TooLarge,   // larger than the reader takes; `size` says how large
        Unreadable, // `error` says why, in the system's words
    };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    qint64 size = 0;
    QString error;
};

// Reads the whole file, when it is a regular file of at most `largest` bytes.
FileReading readRegularFile(const QString& name, qint64 largest);
// Reads at most the first `count` bytes of a regular file of any size.
FileReading readFileStart(const QString& name, qint64 count);

// What the outcome means for the player, after "the file ...": "is missing",
// "is not a file the game can read (a device, a pipe or a socket)".
QString describeFailure(const FileReading& reading);

} // namespace platform

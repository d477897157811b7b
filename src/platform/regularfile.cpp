#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qint64 Chunk = 64 << 10;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Reads up to `limit` bytes from the open handle; false on a read error.
bool readUpTo(int handle, qint64 limit, QByteArray& bytes, int& error)
{
    bytes.clear();
    while (bytes.size() < limit) {
        const qint64 want = std::min(Chunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + want);
        const ssize_t got = ::read(handle, bytes.data() + at, static_cast<size_t>(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        if (got < 0) {
            error = errno;
            bytes.resize(at);
            return false;
        }
        bytes.resize(at + got);
        if (got == 0)
            break;
    }
    return true;
}

FileReading readRegular(const QString& name, qint64 limit, bool whole)
{
    FileReading reading;
    const QFileInfo info(name);
    if (!info.exists()) {
        reading.outcome = FileReading::Outcome::Missing;
        return reading;
    }
    if (info.isDir()) {
        reading.outcome = FileReading::Outcome::Folder;
        return reading;
    }
    if (!info.isFile()) {
        reading.outcome = FileReading::Outcome::NotRegular;
        return reading;
    }
    // Without O_NONBLOCK a FIFO put here since the check would wait for a
    // writer in open(); a regular file reads the same either way.
    const int handle =
        ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0) {
        reading.outcome =
            errno == ENOENT ? FileReading::Outcome::Missing : FileReading::Outcome::Unreadable;
        reading.error = systemError(errno);
        return reading;
    }
    struct stat opened {};
    if (::fstat(handle, &opened) != 0) {
        reading.outcome = FileReading::Outcome::Unreadable;
        reading.error = systemError(errno);
    } else if (S_ISDIR(opened.st_mode)) {
        reading.outcome = FileReading::Outcome::Folder;
    } else if (!S_ISREG(opened.st_mode)) {
        reading.outcome = FileReading::Outcome::NotRegular;
    } else if (whole && opened.st_size > limit) {
        reading.outcome = FileReading::Outcome::TooLarge;
        reading.size = opened.st_size;
    } else {
        int error = 0;
        // A whole read takes one byte more than the limit: a file that grew
        // since it was measured is still refused without being read whole.
        if (!readUpTo(handle, whole ? limit + 1 : limit, reading.bytes, error)) {
            reading.outcome = FileReading::Outcome::Unreadable;
            reading.error = systemError(error);
        } else if (whole && reading.bytes.size() > limit) {
            reading.outcome = FileReading::Outcome::TooLarge;
            reading.size = reading.bytes.size();
            reading.bytes.clear();
        } else {
            reading.outcome = FileReading::Outcome::Read;
        }
    }
    ::close(handle);
    if (reading.outcome != FileReading::Outcome::Read)
        reading.bytes.clear();
    return reading;
}

} // namespace

FileReading readRegularFile(const QString& name, qint64 largest)
{
    return readRegular(name, largest, true);
}

FileReading readFileStart(const QString& name, qint64 count)
{
    return readRegular(name, count, false);
}

QString describeFailure(const FileReading& reading)
{
    switch (reading.outcome) {
    case FileReading::Outcome::Read:
        return {};
    case FileReading::Outcome::Missing:
        return QCoreApplication::translate("Saves", "is missing");
    case FileReading::Outcome::Folder:
        return QCoreApplication::translate("Saves", "is a folder, not a file");
    case FileReading::Outcome::NotRegular:
        return QCoreApplication::translate(
            "Saves", "is not a file the game can read (a device, a pipe or a socket)");
    case FileReading::Outcome::TooLarge:
        return QCoreApplication::translate("Saves", "holds %1 bytes, far more than it can")
            .arg(reading.size);
    case FileReading::Outcome::Unreadable:
        return QCoreApplication::translate("Saves", "cannot be read (%1)").arg(reading.error);
    }
    return {};
}

} // namespace platform

#include "diskwrite.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

RawWrite& installedWrite()
{
    static RawWrite write;
    return write;
}

ssize_t rawWrite(int handle, const void* data, size_t size)
{
    if (installedWrite())
        return installedWrite()(handle, data, size);
    return ::write(handle, data, size);
}

} // namespace

int writeAll(int handle, const char* data, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const ssize_t put = rawWrite(handle, data + written, static_cast<size_t>(size - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0) // a regular file that takes nothing more is full
            return ENOSPC;
        written += put;
    }
    return 0;
}

bool diskIsFull(int error, const QString& folder, qint64 needed)
{
    if (error == ENOSPC || error == EDQUOT)
        return true;
    struct statvfs disk {};
    if (statvfs(QFile::encodeName(folder).constData(), &disk) != 0)
        return false;
    return static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize) < needed;
}

QString diskFullWords()
{
    return QCoreApplication::translate("Saves", "there is not enough room left on the disk");
}

RawWrite setRawWrite(RawWrite write)
{
    return std::exchange(installedWrite(), std::move(write));
}

} // namespace platform

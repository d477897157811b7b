#pragma once

// Runs a call that may block for good (a reader opening a FIFO waits for a
// writer that never comes) on a thread of its own, so that a test can fail
// instead of hanging. Nothing waits on a game timer: a call that returns
// ends the wait at once; only one that blocks lets the bound pass.

#include <QString>
#include <QTest>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Makes a FIFO of that name.
inline bool makeFifo(const QString& name)
{
    return ::mkfifo(QFile::encodeName(name).constData(), 0600) == 0;
}

inline bool isFifo(const QString& name)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(name).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// Whether `call` returned within the bound. When it did not, the FIFOs named
// are opened for writing and closed again, which lets a reader blocked on
// one of them go on, and the thread is joined.
inline bool returnsWithoutBlocking(const std::function<void()>& call, const QStringList& fifos)
{
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::thread runner([&] {
        call();
        done.set_value();
    });
    const bool returned = finished.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    while (finished.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        for (const QString& fifo : fifos) {
            const int writer =
                ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0)
                ::close(writer);
        }
    }
    runner.join();
    return returned;
}

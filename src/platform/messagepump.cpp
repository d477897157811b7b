#include "messagepump.h"

#include <QCoreApplication>
#include <QThread>

#include <utility>

namespace platform {

void pumpMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

namespace {

PauseHook& installedPause()
{
    static PauseHook hook;
    return hook;
}

} // namespace

void pauseGame(int ms)
{
    if (installedPause())
        installedPause()(ms);
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

PauseHook setPauseHook(PauseHook hook)
{
    return std::exchange(installedPause(), std::move(hook));
}

long pumpUntil(const std::function<bool()>& done)
{
    long rounds = 0;
    while (!done() && !QCoreApplication::closingDown()) {
        // Wait for events rather than spin, so a waiting screen costs no CPU.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        ++rounds;
    }
    return rounds;
}

} // namespace platform

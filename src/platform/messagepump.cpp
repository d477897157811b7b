#include "messagepump.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
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

RoundHook& installedRoundHook()
{
    static RoundHook hook;
    return hook;
}

// One round of a wait: the test's step, or a sleep until something happens.
void pumpRound(bool sleep)
{
    if (RoundHook hook = installedRoundHook()) {
        hook();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else if (sleep) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
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

long pumpUntil(const std::function<bool()>& done, int wakeEveryMs)
{
    // A timer with nothing connected still wakes the sleeping loop.
    QTimer waker;
    if (wakeEveryMs > 0)
        waker.start(wakeEveryMs);
    long rounds = 0;
    while (!done() && !QCoreApplication::closingDown()) {
        // Sleep until events come rather than spin, so a waiting screen costs
        // no CPU.
        pumpRound(true);
        ++rounds;
    }
    return rounds;
}

long spinUntil(const std::function<bool()>& done, long maxRounds)
{
    long rounds = 0;
    while (rounds < maxRounds && !done() && !QCoreApplication::closingDown()) {
        pumpRound(false);
        ++rounds;
    }
    return rounds;
}

RoundHook setRoundHook(RoundHook hook)
{
    return std::exchange(installedRoundHook(), std::move(hook));
}

} // namespace platform

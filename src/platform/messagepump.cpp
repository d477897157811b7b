#include "messagepump.h"

#include <QCoreApplication>

namespace platform {

void pumpMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
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

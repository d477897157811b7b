#pragma once

// Timers that tick only when a test calls their handlers: while this lives,
// the real timeouts of the given timers are swallowed, so a test that runs
// the event loop for a while (or runs slowly, under a sanitizer) never sees
// a tick it did not ask for. The timers still start, stop and report
// isActive() as the game set them.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class HandTickedTimers : public QObject {
public:
    explicit HandTickedTimers(std::vector<QTimer*> timers)
    {
        for (QTimer* timer : timers) {
            timer->installEventFilter(this);
            timers_.emplace_back(timer);
        }
    }
    ~HandTickedTimers() override
    {
        for (const QPointer<QTimer>& timer : timers_) {
            if (timer)
                timer->removeEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<QPointer<QTimer>> timers_;
};

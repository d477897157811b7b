#pragma once

// Plays the player's part in the modal windows that the code under test
// opens: each modal window that appears is handed to the next queued answer.
// A modal window nobody expected is closed and counted, so a test never
// hangs on one. Everything happens on zero-length timers: no test waits.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>

class QTimer;
class QWidget;

class ModalScript : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget*)>;

    ModalScript();
    ~ModalScript() override;

    // The next modal window gets this answer.
    void then(Answer answer);
    // Clicks the named button of the next modal window.
    void thenClick(const QString& buttonName);

    int answered() const { return answered_; }
    int unexpected() const { return unexpected_; }
    bool allAnswered() const { return answers_.empty(); }
    // Object names of the modal windows seen, in order.
    QStringList seen;

protected:
    // A window that hides has had its turn: shown again, it is a new one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    QTimer* timer_;
    std::deque<Answer> answers_;
    QPointer<QWidget> lastHandled_;
    int answered_ = 0;
    int unexpected_ = 0;
};

#include "gamepause.h"

#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/fonts.h"
#include "platform/translatedtext.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// The darkened screen: it lets the scene show through, says how to go on,
// and takes every click.
class PauseShade : public QWidget {
public:
    explicit PauseShade(QWidget* screen) : QWidget(screen)
    {
        setObjectName(QStringLiteral("PauseShade"));
        setAccessibleName(GamePause::pausedText());
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
        setGeometry(screen->rect());
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 170));
        painter.setPen(QColor(255, 236, 160));
        painter.setFont(platform::sansFont(std::max(24, height() / 20), true));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, GamePause::pausedText());
    }
};

bool isPauseKey(const QKeyEvent* key)
{
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return key->key() == Qt::Key_Pause ||
           (key->key() == Qt::Key_P &&
            (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier));
}

} // namespace

GamePause& GamePause::instance()
{
    static GamePause pause;
    return pause;
}

QString GamePause::pausedText()
{
    return QCoreApplication::translate("Pause", "Paused \u2014 press P to go on");
}

void GamePause::pause(QWidget* screen)
{
    if (paused_ || !screen)
        return;
    paused_ = true;
    screen_ = screen->window();
    holdClips();
    holdTimers();
    shade_ = new PauseShade(screen_);
    shade_->show();
    screen_->installEventFilter(this);
    qApp->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GamePause::drop, Qt::UniqueConnection);
    platform::announce(shade_, QStringLiteral("Paused"));
    emit changed(true);
}

void GamePause::holdClips()
{
    clips_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (media::MediaPlayer* clip : window->findChildren<media::MediaPlayer*>()) {
            if (clip->isPlaying()) {
                clip->Hold();
                clips_.emplace_back(clip);
            }
        }
    }
}

void GamePause::holdTimers()
{
    // The game's own timers all have names; Qt's inner ones are left alone.
    timers_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QTimer* timer : window->findChildren<QTimer*>()) {
            if (!timer->isActive() || timer->objectName().isEmpty())
                continue;
            // (The remaining time may read a little over the interval.)
            const int remaining = std::clamp(timer->remainingTime(), 0, timer->interval());
            timers_.push_back({timer, remaining, timer->interval()});
            timer->stop();
        }
    }
}

void GamePause::resume()
{
    if (!paused_)
        return;
    drop();
    for (const HeldTimer& held : timers_) {
        QTimer* timer = held.timer.data();
        if (!timer)
            continue;
        // The rest of the wait first, then the timer's own interval again.
        const int interval = held.interval;
        timer->start(held.remaining);
        connect(
            timer, &QTimer::timeout, timer, [timer, interval] { timer->setInterval(interval); },
            Qt::SingleShotConnection);
    }
    timers_.clear();
    for (const QPointer<media::MediaPlayer>& held : clips_) {
        if (media::MediaPlayer* clip = held.data())
            clip->Resume();
    }
    clips_.clear();
    emit changed(false);
}

void GamePause::drop()
{
    if (!paused_)
        return;
    paused_ = false;
    qApp->removeEventFilter(this);
    if (screen_)
        screen_->removeEventFilter(this);
    delete shade_;
    screen_.clear();
}

void GamePause::toggle(QWidget* screen)
{
    if (paused_)
        resume();
    else
        pause(screen);
}

bool GamePause::eventFilter(QObject* watched, QEvent* event)
{
    if (!paused_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (QWidget* shade = shade_.data(); shade && watched == screen_.data())
            shade->setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    case QEvent::ShortcutOverride:
        // No shortcut runs while paused: the keys come here as key presses.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (isPauseKey(static_cast<QKeyEvent*>(event)) &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            resume();
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The teacher goes on first; then the window may close as ever.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            event->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void addPauseItem(QMenu* menu, QWidget* screen)
{
    QAction* item = platform::addItem(menu, "PauseItem", QT_TRANSLATE_NOOP("Menu", "&Pause"));
    item->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    item->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(item, &QAction::triggered, screen,
                     [screen] { GamePause::instance().pause(screen); });
}

void addPauseKeys(QWidget* screen)
{
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)}) {
        auto* key = new QShortcut(keys, screen);
        key->setObjectName(QStringLiteral("PauseKey"));
        key->setContext(Qt::WindowShortcut);
        QObject::connect(key, &QShortcut::activated, screen,
                         [screen] { GamePause::instance().pause(screen); });
    }
}

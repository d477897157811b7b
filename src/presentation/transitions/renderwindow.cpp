#include "renderwindow.h"

#include "platform/stopwatch.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace {

// How long the window system may take to put a window on the screen before
// the frames go ahead regardless.
constexpr double ShowTimeoutMs = 1000;
// How long the render window waits for the window under it to appear.
constexpr int CoverTimeoutMs = 3000;

} // namespace

TTERenderWindow::TTERenderWindow(const QRect& area)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("TransitionRenderWindow"));
    setAccessibleName(QStringLiteral("Screen transition"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(area);
}

TTERenderWindow::~TTERenderWindow()
{
    if (targetWindow_)
        targetWindow_->removeEventFilter(this);
    if (target_)
        target_->removeEventFilter(this);
}

void TTERenderWindow::hold(const QImage& picture)
{
    held_ = picture;
    live_ = nullptr;
}

void TTERenderWindow::showFrame(const QImage& picture, const QRect& area)
{
    live_ = &picture;
    repaint(area);
}

void TTERenderWindow::paintEvent(QPaintEvent* event)
{
    const QImage& picture = live_ ? *live_ : held_;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect area = event->rect();
    if (picture.isNull())
        painter.fillRect(area, Qt::black);
    else
        painter.drawImage(area.topLeft(), picture, area);
}

void TTERenderWindow::showOverArea()
{
    // Bypassing the window manager, it is placed exactly and stacked on top.
    show();
    // The window reaches the screen through the window system's events;
    // until then frames painted to it are lost.
    QWindow* window = windowHandle();
    const double since = platform::monotonicMs();
    while (window && !window->isExposed() && platform::monotonicMs() - since < ShowTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    repaint();
}

void TTERenderWindow::removeWhenCovered(QWidget* target)
{
    QWindow* window = target ? target->window()->windowHandle() : nullptr;
    if (!window || window->isExposed() || !target->isVisible()) {
        removeNow();
        return;
    }
    target_ = target;
    targetWindow_ = window;
    window->installEventFilter(this);
    target->installEventFilter(this);
    QTimer::singleShot(CoverTimeoutMs, this, &TTERenderWindow::removeNow);
}

bool TTERenderWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == targetWindow_ && event->type() == QEvent::Expose && targetWindow_->isExposed()) {
        // The target paints itself while this event is handled; the render
        // window goes once that picture is on the screen.
        QTimer::singleShot(0, this, &TTERenderWindow::removeNow);
    } else if (watched == target_ && event->type() == QEvent::Hide) {
        removeNow();
    }
    return false;
}

void TTERenderWindow::removeNow()
{
    if (removing_)
        return;
    removing_ = true;
    if (targetWindow_)
        targetWindow_->removeEventFilter(this);
    if (target_)
        target_->removeEventFilter(this);
    hide();
    deleteLater();
}

#include "renderlayer.h"

#include "platform/stopwatch.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {

// How long the window system may take to put a window on the screen before
// the frames go ahead regardless.
constexpr double ShowTimeoutMs = 1000;

} // namespace

TTERenderLayer::TTERenderLayer(QWidget* target, const QRect& area) : QWidget(target->window())
{
    setObjectName(QStringLiteral("TransitionRenderLayer"));
    setAccessibleName(QCoreApplication::translate("Transitions", "Screen transition"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(QRect(target->mapTo(target->window(), area.topLeft()), area.size()));
    raise();
    show();
}

void TTERenderLayer::hold(const QImage& picture)
{
    held_ = picture;
    live_ = nullptr;
    update();
}

void TTERenderLayer::showFrame(const QImage& picture, const QRect& area)
{
    live_ = &picture;
    repaint(area);
}

void TTERenderLayer::paintEvent(QPaintEvent* event)
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

void TTERenderLayer::waitForScreen()
{
    // The window reaches the screen through the window system's events;
    // until then frames painted into it are lost.
    QWindow* window = this->window()->windowHandle();
    const double since = platform::monotonicMs();
    while (window && !window->isExposed() && platform::monotonicMs() - since < ShowTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
}

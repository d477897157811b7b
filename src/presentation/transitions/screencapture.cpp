#include "screencapture.h"

#include "presentation/transitions/transitiondata.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

QImage blackPicture(const QSize& size)
{
    QImage picture(size, TransitionPixelFormat);
    picture.fill(Qt::black);
    return picture;
}

// A bitmap in the transitions' format at the size asked for; a screen with
// more device pixels than logical ones gives a larger copy.
QImage fitted(const QPixmap& pixmap, const QSize& size)
{
    QImage image = pixmap.toImage().convertToFormat(TransitionPixelFormat);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

QImage captureScreenArea(const QRect& area)
{
    QImage picture = blackPicture(area.size());
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return picture;
    QPainter painter(&picture);
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect part = area & screen->geometry();
        if (part.isEmpty())
            continue;
        const QPoint onScreen = part.topLeft() - screen->geometry().topLeft();
        const QPixmap copy =
            screen->grabWindow(0, onScreen.x(), onScreen.y(), part.width(), part.height());
        if (!copy.isNull())
            painter.drawImage(part.topLeft() - area.topLeft(), fitted(copy, part.size()));
    }
    return picture;
}

QImage renderWidgetArea(QWidget* widget, const QRect& area)
{
    return fitted(widget->grab(area), area.size());
}

bool onAnyScreen(const QRect& area)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry().intersects(area); });
}

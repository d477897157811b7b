#include "transitionpictures.h"

#include "platform/form.h"
#include "presentation/transitions/transitiondata.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

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

QImage pictureBehind(const QWidget* target, const QRect& area)
{
    QImage picture(area.size(), TransitionPixelFormat);
    picture.fill(Qt::black);
    const QWidget* targetWindow = target ? target->window() : nullptr;
    QPainter painter(&picture);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* screen = qobject_cast<platform::Form*>(widget);
        if (!screen || screen == targetWindow || !screen->isMainScreen() || !screen->isVisible())
            continue;
        const QRect part = area & screen->geometry();
        if (part.isEmpty())
            continue;
        const QRect own(part.topLeft() - screen->geometry().topLeft(), part.size());
        painter.drawImage(part.topLeft() - area.topLeft(), renderWidgetArea(screen, own));
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

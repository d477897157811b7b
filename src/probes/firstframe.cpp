#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace probes {

namespace {

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && isIntroPicture(watched)) {
            qApp->removeEventFilter(this);
            // Queued, so the line goes out after the painted frame has been
            // flushed to the window system.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::fputs("first intro frame painted\n", stdout);
                    std::fflush(stdout);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool isIntroPicture(QObject* object)
    {
        auto* widget = qobject_cast<QWidget*>(object);
        return widget && widget->objectName() == QLatin1String("Image1") &&
               widget->window()->objectName() == QLatin1String("Intro");
    }
};

} // namespace

void watchFirstIntroFrame()
{
    if (qEnvironmentVariableIsSet("KELVARIN_REPORT_FIRST_FRAME"))
        qApp->installEventFilter(new FirstFrameProbe(qApp));
}

} // namespace probes

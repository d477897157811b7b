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
        if (event->type() != QEvent::Paint)
            return false;
        if (!introPainted_ && isIntroPicture(watched)) {
            introPainted_ = true;
            // Without a transition the picture reaches the screen when the
            // window is flushed, after this paint: report from the event loop.
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        } else if (introPainted_ && isTransitionLayer(watched)) {
            // The intro dissolves in: its picture was painted into the
            // transition's copy, and this is the dissolve's first frame
            // going to the screen (the event loop does not run again until
            // the dissolve is over).
            report();
        }
        return false;
    }

private:
    void report()
    {
        if (reported_)
            return;
        reported_ = true;
        qApp->removeEventFilter(this);
        std::fputs("first intro frame painted\n", stdout);
        std::fflush(stdout);
        deleteLater();
    }

    static bool isIntroPicture(QObject* object)
    {
        auto* widget = qobject_cast<QWidget*>(object);
        return widget && widget->objectName() == QLatin1String("Image1") &&
               widget->window()->objectName() == QLatin1String("Intro");
    }

    static bool isTransitionLayer(QObject* object)
    {
        return object->isWidgetType() &&
               object->objectName() == QLatin1String("TransitionRenderLayer");
    }

    bool introPainted_ = false;
    bool reported_ = false;
};

} // namespace

void watchFirstIntroFrame()
{
    if (qEnvironmentVariableIsSet("KELVARIN_REPORT_FIRST_FRAME"))
        qApp->installEventFilter(new FirstFrameProbe(qApp));
}

} // namespace probes

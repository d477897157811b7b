#include "blackscreen.h"

#include "platform/background.h"
#include "platform/screenarea.h"
#include "platform/windowmode.h"

#include <QGuiApplication>

TBlackScreen::TBlackScreen(QWidget* parent)
    : Form(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                       Qt::WindowDoesNotAcceptFocus),
      Panel1(new QWidget(this))
{
    setObjectName(QStringLiteral("BlackScreen"));
    setWindowTitle(QStringLiteral("Kelvarin"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    platform::fillBackground(this, Qt::black);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    platform::fillBackground(Panel1, Qt::black);
    setCursor(Qt::WaitCursor);
    setEnabled(false);
    setGeometry(platform::fullScreenRect());
    Panel1->setGeometry(rect());
    connect(&platform::WindowMode::instance(), &platform::WindowMode::changed, this,
            &TBlackScreen::followWindowMode);
}

void TBlackScreen::showAndPaint()
{
    // Behind a window the desktop shows, as it does for every program.
    if (!platform::WindowMode::instance().fullScreen())
        return;
    setGeometry(platform::fullScreenRect());
    Panel1->setGeometry(rect());
    // A Wayland compositor places no window itself: the backdrop asks for
    // the full screen. (Under X it is placed, and stays below the others.)
    if (!platform::screenSizeForced() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    repaint();
}

void TBlackScreen::followWindowMode()
{
    if (platform::WindowMode::instance().fullScreen())
        showAndPaint();
    else
        hide();
}

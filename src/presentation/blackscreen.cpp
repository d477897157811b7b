#include "blackscreen.h"

#include "platform/background.h"
#include "platform/screenarea.h"

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
}

void TBlackScreen::showAndPaint()
{
    setGeometry(platform::fullScreenRect());
    Panel1->setGeometry(rect());
    show();
    repaint();
}

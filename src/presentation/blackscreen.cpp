#include "blackscreen.h"

#include "platform/screenarea.h"

TBlackScreen::TBlackScreen(QWidget* parent)
    : Form(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                       Qt::WindowDoesNotAcceptFocus),
      Panel1(new QWidget(this))
{
    setObjectName(QStringLiteral("BlackScreen"));
    setWindowTitle(QStringLiteral("Kelvarin"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(black);
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

#include "intro.h"

#include "platform/background.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"

#include <QKeyEvent>
#include <QLabel>

TIntro::TIntro(QWidget* parent)
    : Form(parent, Qt::Window | Qt::FramelessWindowHint), Label1(new QLabel(this)),
      Hint(new QLabel(this))
{
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Introduction"));
    platform::fillBackground(this, Qt::black);
    placeFullScreen();

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setFont(platform::sansFont(19));
    Label1->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    Label1->setText(QStringLiteral(
        "Near a roadside market, a few friends have made camp for the night.  Sedora, a wise "
        "woman of the Verunai people, sits by their fire and tells the stories of her people "
        "and of the day they were forced from their homes."));
    const float wf = width() / 1024.0f;
    const float hf = height() / 768.0f;
    Label1->setGeometry(static_cast<int>(312 * wf), static_cast<int>(200 * hf),
                        static_cast<int>(460 * wf), static_cast<int>(200 * hf));

    Hint->setObjectName(QStringLiteral("Hint"));
    Hint->setFont(platform::sansFont(13));
    Hint->setStyleSheet(QStringLiteral("color: #b0a080; background: transparent;"));
    Hint->setText(QStringLiteral("Click to go on."));
    Hint->adjustSize();
    Hint->move((width() - Hint->width()) / 2, height() - 3 * Hint->height());
}

void TIntro::FormClick()
{
    close();
}

void TIntro::mousePressEvent(QMouseEvent* event)
{
    Form::mousePressEvent(event);
    platform::guarded([this] { FormClick(); });
}

void TIntro::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        platform::guarded([this] { FormClick(); });
        return;
    }
    Form::keyPressEvent(event);
}

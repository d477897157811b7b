#include "form.h"

#include "errorreport.h"
#include "screenarea.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace platform {

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void Form::ShowModal()
{
    ++modalRuns_;
    exec();
    --modalRuns_;
}

void Form::endModalRun()
{
    closingWithoutQuery_ = true;
    if (isVisible())
        reject();
    closingWithoutQuery_ = false;
}

void Form::placeFullScreen()
{
    setWindowFlag(Qt::FramelessWindowHint);
    setGeometry(gameScreenRect());
}

void Form::placeCentred()
{
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(gameScreenRect().center());
    move(frame.topLeft());
}

void Form::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        guarded([this] { FormShow(); });
        emit aboutToAppear();
    }
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!closingWithoutQuery_) {
        bool allowed = false;
        guarded([&] { allowed = FormCloseQuery(); });
        if (!allowed) {
            event->ignore();
            return;
        }
        guarded([this] { FormClose(); });
    }
    QDialog::closeEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // No window of the game has a cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Form::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return handled;
}

} // namespace platform

#include "form.h"

#include "errorreport.h"
#include "screenarea.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace platform {

namespace {

// Set when the game stops being the active application (the player switched
// to another program); the next activation of a window reads and clears it.
bool& playerLeftTheGame()
{
    static bool left = false;
    return left;
}

void watchForOtherPrograms()
{
    static bool watching = false;
    if (watching || !qGuiApp)
        return;
    watching = true;
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, qGuiApp,
                     [](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             playerLeftTheGame() = true;
                     });
}

} // namespace

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    watchForOtherPrograms();
}

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
        shownSinceActivation_ = true;
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
    if (event->type() == QEvent::WindowActivate) {
        // A window that has just appeared was activated by the game itself,
        // whatever happened on the desktop in between.
        fromAnotherProgram_ = playerLeftTheGame() && !shownSinceActivation_;
        playerLeftTheGame() = false;
        shownSinceActivation_ = false;
        guarded([this] { FormActivate(); });
        fromAnotherProgram_ = false;
    }
    return handled;
}

} // namespace platform

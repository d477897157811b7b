#include "dialoginsidescreen.h"

#include "form.h"
#include "screenunderwindow.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>

namespace platform {

// Keeps the dialog centred over its screen and its frame round its edge as
// its size settles (a message box sizes itself as it is shown).
class DialogInsideScreen::Centring : public QObject {
public:
    Centring(QDialog* dialog, QWidget* screen) : QObject(dialog), dialog_(dialog), screen_(screen)
    {
        frame_ = new QFrame(dialog);
        frame_->setObjectName(QStringLiteral("DialogFrame"));
        frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame_->setLineWidth(2);
        frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame_->lower();
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == dialog_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            place();
        return false;
    }

private:
    void place()
    {
        const QWidget* screen = screen_.data();
        if (!screen)
            return;
        QRect area(QPoint(0, 0), dialog_->size());
        area.moveCenter(screen->rect().center());
        area.moveTopLeft(QPoint(std::max(0, area.left()), std::max(0, area.top())));
        dialog_->move(area.topLeft());
        frame_->setGeometry(dialog_->rect());
        frame_->lower();
        dialog_->raise();
    }

    QDialog* dialog_;
    QPointer<QWidget> screen_;
    QFrame* frame_;
};

DialogInsideScreen::DialogInsideScreen(QDialog& dialog) : dialog_(&dialog)
{
    Form* screen = Form::mainScreenInView();
    if (!Form::smallWindowsInsideScreen() || !screen || !dialog.isWindow() || dialog.isVisible())
        return;
    inside_ = true;
    ownParent_ = dialog.parentWidget();
    ownFlags_ = dialog.windowFlags();
    dialog.setParent(screen, Qt::Widget);
    // Qt places a dialog over its parent window in global coordinates: this
    // one is placed by the game.
    dialog.setAttribute(Qt::WA_Moved);
    dialog.setAutoFillBackground(true);
    // Screen readers name it as they named the window.
    namedByTitle_ = dialog.accessibleName().isEmpty();
    if (namedByTitle_)
        dialog.setAccessibleName(dialog.windowTitle());
    new Centring(&dialog, screen);
    new ScreenUnderWindow(&dialog, screen);
}

DialogInsideScreen::~DialogInsideScreen()
{
    QDialog* dialog = dialog_.data();
    if (!inside_ || !dialog)
        return;
    dialog->hide();
    const QObjectList helpers = dialog->children();
    for (QObject* helper : helpers)
        if (dynamic_cast<Centring*>(helper) || dynamic_cast<ScreenUnderWindow*>(helper))
            delete helper;
    delete dialog->findChild<QFrame*>(QStringLiteral("DialogFrame"), Qt::FindDirectChildrenOnly);
    if (namedByTitle_)
        dialog->setAccessibleName(QString());
    dialog->setParent(ownParent_.data(), ownFlags_);
}

} // namespace platform

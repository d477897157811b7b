#include "keyboardbutton.h"

#include "platform/focusmark.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace platform {

namespace {

// Whether the button's focus mark shows, kept on the button.
constexpr const char* Marked = "kelvarinFocusMarked";

class KeyboardButtons : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Not a button any more while it is being destroyed.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return pressed(button, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            button->setProperty(Marked, focusMarkWanted(reason, button->property(Marked).toBool()));
            return false;
        }
        case QEvent::Paint:
            return painted(button, event);
        default:
            return false;
        }
    }

private:
    static bool pressed(QAbstractButton* button, const QKeyEvent* key)
    {
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A key held down presses once.
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }

    // The button paints itself, then the mark goes on top, within the same
    // paint event.
    bool painted(QAbstractButton* button, QEvent* event)
    {
        if (painting_ || !button->hasFocus() || !button->property(Marked).toBool())
            return false;
        painting_ = true;
        QCoreApplication::sendEvent(button, event);
        painting_ = false;
        QPainter painter(button);
        drawFocusMark(painter, button->rect());
        return true;
    }

    bool painting_ = false;
};

} // namespace

void keyboardButton(QAbstractButton* button)
{
    static KeyboardButtons filter;
    button->installEventFilter(&filter);
}

} // namespace platform

#include "enterpress.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace platform {

namespace {

class EnterPresses : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        // A key held down presses once.
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QAbstractButton* button)
{
    static EnterPresses presses;
    button->installEventFilter(&presses);
}

} // namespace platform

#include "modalscript.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

ModalScript::ModalScript() : timer_(new QTimer(this))
{
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &ModalScript::poll);
    timer_->start();
}

ModalScript::~ModalScript() = default;

void ModalScript::then(Answer answer)
{
    answers_.push_back(std::move(answer));
}

void ModalScript::thenClick(const QString& buttonName)
{
    then([buttonName](QWidget* window) {
        if (auto* button = window->findChild<QPushButton*>(buttonName))
            button->click();
        else
            window->close();
    });
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == lastHandled_) {
        watched->removeEventFilter(this);
        lastHandled_ = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

void ModalScript::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == lastHandled_ || !modal->isVisible())
        return;
    lastHandled_ = modal;
    modal->installEventFilter(this);
    seen << modal->objectName();
    if (answers_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    ++answered_;
    answer(modal);
}

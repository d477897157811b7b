#include "updown.h"

#include "platform/accessiblefactory.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace platform {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    installAccessibleInterfaces();
    setFocusPolicy(Qt::TabFocus);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("More"));
    down_->setAccessibleName(QStringLiteral("Fewer"));
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::setAssociate(QLineEdit* edit)
{
    associate_ = edit;
}

void UpDown::setPosition(int position)
{
    const int before = position_;
    position_ = std::clamp(position, minimum_, maximum_);
    if (associate_)
        associate_->setText(QString::number(position_));
    if (position_ != before) {
        QAccessibleValueChangeEvent changed(this, position_);
        QAccessible::updateAccessibility(&changed);
    }
}

void UpDown::moveTo(int position)
{
    setPosition(position);
    emit clicked();
}

void UpDown::stepUp()
{
    step(1);
}

void UpDown::stepDown()
{
    step(-1);
}

void UpDown::step(int delta)
{
    if (associate_) {
        bool isNumber = false;
        const int typed = associate_->text().trimmed().toInt(&isNumber);
        if (isNumber)
            position_ = std::clamp(typed, minimum_, maximum_);
    }
    setPosition(position_ + delta);
    emit clicked();
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        stepUp();
    else if (event->key() == Qt::Key_Down)
        stepDown();
    else
        QWidget::keyPressEvent(event);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace platform

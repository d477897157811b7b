#include "background.h"

#include <QPalette>
#include <QWidget>

namespace platform {

void fillBackground(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

} // namespace platform

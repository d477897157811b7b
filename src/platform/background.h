#pragma once

#include <QColor>

class QWidget;

namespace platform {

// Gives the widget a plain background of this colour. Only the widget's own
// background changes: its text colours stay as they were.
void fillBackground(QWidget* widget, const QColor& color);

} // namespace platform

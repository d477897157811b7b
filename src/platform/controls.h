#pragma once

// Making the standard controls of the game's windows the way they are drawn
// everywhere: absolute places, the game's fonts, transparent labels.

#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QPushButton;
class QWidget;

namespace platform {

// A label with a transparent background in the given font and text colour.
QLabel* newLabel(QWidget* parent, const char* name, const QFont& font, const QColor& color,
                 bool wordWrap = false);

// A push button at a place; it never becomes a dialog's default by itself.
QPushButton* newButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry);

// A navy title strip with centred white bold text across the top of a panel.
QLabel* newTitleStrip(QWidget* panel, const char* name, const QString& title);

// Text and background colours of a label (background none: transparent).
void setLabelColors(QLabel* label, const QColor& text, const QColor& background = QColor());

} // namespace platform

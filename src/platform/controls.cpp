#include "controls.h"

#include "platform/fonts.h"

#include <QLabel>
#include <QPushButton>

namespace platform {

void setLabelColors(QLabel* label, const QColor& text, const QColor& background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
    } else {
        label->setAutoFillBackground(false);
    }
    label->setPalette(palette);
}

QLabel* newLabel(QWidget* parent, const char* name, const QFont& font, const QColor& color,
                 bool wordWrap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setWordWrap(wordWrap);
    setLabelColors(label, color);
    return label;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel* newTitleStrip(QWidget* panel, const char* name, const QString& title)
{
    QLabel* strip = newLabel(panel, name, sansFont(13, true), Qt::white);
    setLabelColors(strip, Qt::white, QColor(0, 0, 128));
    strip->setAlignment(Qt::AlignCenter);
    strip->setText(title);
    strip->setGeometry(0, 0, panel->width(), 16);
    return strip;
}

} // namespace platform

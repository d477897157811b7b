#pragma once

// Hears what a window says to the player's screen reader, for as long as it
// lives: the texts announced through the window, in order. Only a window on
// the screen speaks.

#include <QObject>
#include <QStringList>

class QWidget;

class AnnouncementSpy : public QObject {
    Q_OBJECT

public:
    explicit AnnouncementSpy(QWidget* window);

    QStringList texts;
};

#pragma once

// Saying something to the player's screen reader as it appears on the screen:
// a new instruction, a caption, a shopkeeper's words, a message. Screen
// readers on this desktop speak a notification when it starts showing, so each
// window of the game keeps one small notification object of its own, out of
// sight, that shows itself anew with every text. Without a screen reader this
// costs next to nothing.

#include <QWidget>

namespace platform {

// Says the text through the window that holds `where`, if that window is on
// the screen. An empty text says nothing.
void announce(QWidget* where, const QString& text);

// The notification object of a window: no pixels of its own, no clicks,
// never the focus. Screen readers see a notification named by its text.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // Shows the text anew, so that it is spoken even when it is the same as
    // the last one.
    void say(const QString& text);
    QString lastText() const { return accessibleName(); }

    // The window's announcer, made on first use.
    static Announcer* of(QWidget* window);

signals:
    // After each text said.
    void said(const QString& text);
};

} // namespace platform

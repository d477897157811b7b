#pragma once

// The black backdrop: shown before the intro and kept behind every other
// window for the whole run, so that between two screens the player sees black
// with the hourglass rather than the desktop. It takes no input.

#include "platform/form.h"

class TBlackScreen : public platform::Form {
    Q_OBJECT

public:
    explicit TBlackScreen(QWidget* parent = nullptr);

    QWidget* Panel1;

    // Shows the backdrop and paints it at once; the game in a window has none.
    void showAndPaint();

private:
    void followWindowMode();
};

#pragma once

// The intro: the storyteller by the campfire. For now it shows the opening
// words on black and goes on when the player clicks or presses a key.

#include "platform/form.h"

class QLabel;

class TIntro : public platform::Form {
    Q_OBJECT

public:
    explicit TIntro(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Hint;

    void FormClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

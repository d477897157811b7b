#pragma once

// The about box, which also asks the two yes/no questions of the game. The
// caller sets Tag to choose: 0 about box, 1 quit question, 2 restart
// question. Afterwards Tag is 0 when the player answered "&Okay"/"&Yes" and
// unchanged otherwise (closing the box in any other way counts as no).

#include "platform/form.h"

class QLabel;
class QPushButton;
namespace platform {
class BevelPanel;
}

class TAbout1 : public platform::Form {
    Q_OBJECT

public:
    enum Question { AboutBox = 0, QuitQuestion = 1, RestartQuestion = 2 };

    explicit TAbout1(QWidget* parent = nullptr);

    // Creates the box with the given Tag, shows it modally, frees it and
    // returns its Tag afterwards: 0 means the player said yes.
    static int Ask(int tag);

    static QString creditLine();

    platform::BevelPanel* Panel1;
    QLabel* Label1;
    QPushButton* Okay1;
    QPushButton* No1;

    void FormActivate() override;
    void Okay1Click();
    void No1Click();

protected:
    void FormShow() override;
    void showEvent(QShowEvent* event) override;
    void languageChanged() override;

private:
    // The box's words for its question (Tag), in the language in view.
    void putTexts();
};

#pragma once

// The flea market, where the party spends its $50 before the trail. For now
// it greets the party and sets out when the player presses "&Okay"; its
// "Exit Program" asks before it quits.

#include "platform/form.h"

class QAction;
namespace media {
class MediaPlayer;
}
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

class TFleaMarket : public platform::Form {
    Q_OBJECT

public:
    explicit TFleaMarket(QWidget* parent = nullptr);

    QMenuBar* MainMenu1;
    QMenu* Options1;
    QAction* SaveGame1;
    QAction* Exit;
    QMenu* Sound1;
    QAction* M_On;
    QAction* M_Off;
    QAction* Volume1;
    QMenu* Help1;
    QAction* Contents1;
    QAction* About;

    QWidget* Client;
    QLabel* ILabel;
    QPushButton* IButton;
    // The shopkeeper's voice.
    media::MediaPlayer* MPTalk;

    // "Exit Program": set while the exit command's close request runs.
    int ExitTag = 0;

    void ExitClick();
    bool FormCloseQuery() override;
    void IButtonClick();
    void AboutClick();
    void M_OnClick();
    void M_OffClick();
    void Volume1Click();
    void Contents1Click();
    // The shopkeeper speaks: 0 the greeting, 1 the thanks.
    void Speaks(int line);
    void FormActivate() override;
    // The walk-around is over: on to the trail.
    void SetOut();

private:
    void createMenu();
};

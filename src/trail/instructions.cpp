// The instruction panel that guides the player on the trail: which text it
// shows is decided by a step number, and the IP timer sets the pace.

#include "game.h"

#include "media/mediaplayer.h"
#include "platform/picturebox.h"
#include "shell/durations.h"
#include "shell/gamestate.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

bool secondSpirit()
{
    return gameState().Encounter >= 2;
}

} // namespace

void TGame::Shows(int step)
{
    GameState& s = gameState();
    if (step != 0)
        s.InstructionStep = step;
    s.InstructionShown = 1;
    IP->setInterval(Durations::InstructionStep);

    switch (s.InstructionStep) {
    case 1:
        IL1->show();
        IL2->show();
        Continue->setEnabled(true);
        break;
    case 2:
        if (secondSpirit()) {
            IL1->setText(QStringLiteral("Now click the \"Look Around\" button to see a young "
                                        "trapper who lived in this area long ago."));
            IL2->setText(QStringLiteral(
                "Then click on the screen, and the trapper will speak to you."));
        } else {
            IL1->setText(QStringLiteral("Now click the \"Look Around\" button to see a Verunai "
                                        "girl who walked this Trail nearly two hundred years ago."));
            IL2->setText(QStringLiteral(
                "Then click on the screen, and the Verunai girl will speak to you."));
        }
        Look->setEnabled(true);
        s.InstructionStep += 1;
        break;
    case 3:
        if (s.SnakeVictim == GameState::TradeCompleted)
            return;
        IL1->setText(secondSpirit()
                         ? QStringLiteral("Click on the screen again to try to trade with the "
                                          "trapper.  If you purchased the right items at the flea "
                                          "market, he will offer to give you some BEAR OIL.")
                         : QStringLiteral("Click on the screen again to try to trade with the "
                                          "Verunai girl.  If you purchased the right items at the "
                                          "flea market, she will offer to give you some SNAKEROOT."));
        break;
    case 4:
        if (s.SnakeVictim == GameState::TradeCompleted)
            return;
        IP->setInterval(Durations::AfterGoodTrade);
        if (secondSpirit()) {
            IL1->setText(QStringLiteral("You'll need the bear oil as an ointment if anyone in your "
                                        "party catches pneumonia, so it was a very good trade!"));
        } else {
            s.HasSnakeroot = 1;
            IL1->setText(QStringLiteral("Snakeroot will be very useful to your party if someone "
                                        "is bitten by a snake, so it was a very good trade!"));
        }
        IP->start();
        break;
    case 5:
        IOff();
        IP->stop();
        return;
    case 7:
        if (secondSpirit()) {
            if (s.TrapperSuppliesTold)
                return;
            IL1->setText(QStringLiteral("You need supplies for your party, as well as medicine.  "
                                        "If you are finished trading, click the \"Visit the "
                                        "Trading Post\" button."));
            s.TrapperSuppliesTold = 1;
        } else {
            if (s.GirlSuppliesTold)
                return;
            IL1->setText(QStringLiteral("You need to get food for your party, as well as "
                                        "medicine.  If you are finished trading, click the \"Go "
                                        "Fishing\" button."));
            s.GirlSuppliesTold = 1;
        }
        break;
    case 8:
        IL1->setText(QStringLiteral("Now click on the screen to enter the trading post."));
        IL2->setText(QStringLiteral("Since this is a ghostly establishment, the proprietors may "
                                    "not have seen any customers in a while..."));
        setSceneClickable(true);
        IPic->show();
        IL1->show();
        IL2->show();
        return;
    case 9:
        IL1->setText(QStringLiteral("It looks like they're ready to help you.  Click on the "
                                    "screen to purchase your supplies."));
        IPic->show();
        IL1->show();
        return;
    default: // 0, 6 and 10 on: the panel as it is
        break;
    }

    IPic->show();
    IL1->show();
    if (s.InstructionStep == 0)
        IL2->show();
    setSceneClickable(false);
}

void TGame::IPTimer()
{
    GameState& s = gameState();
    if (journeyEnded_)
        return; // a tick that comes after the journey's end shows nothing
    s.ClicksArmed = 1;
    // Nothing is shown over a spirit that is appearing or speaking.
    if (MPghost->isPlaying() || MPchar->isPlaying()) {
        IP->stop();
        return;
    }
    s.InstructionStep += 1;
    Shows(0);
    // A tick shows one step and stops the timer; after step 5, which
    // stopped it, one more tick follows.
    if (IP->isActive())
        IP->stop();
    else
        IP->start();
}

void TGame::IOff()
{
    GameState& s = gameState();
    if (s.InstructionShown != 1)
        return;
    s.InstructionShown = 0;
    s.InstructionStep += 1;
    IPic->hide();
    IL1->hide();
    IL2->hide();
    setSceneClickable(true);
}

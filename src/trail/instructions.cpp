// The instruction panel that guides the player on the trail: which text it
// shows is decided by a step number, and the IP timer sets the pace.

#include "activities/tradelist.h"
#include "game.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "shell/durations.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

// How many of the spirits' remedies the party has received.
int remediesReceived()
{
    int count = 0;
    for (int town = FirstSpiritTown; town <= TownCount; ++town)
        if (goodIsARemedy(town) &&
            goods::possessions().TradeDone.at(static_cast<std::size_t>(town - 2)) != 0)
            ++count;
    return count;
}

QString heOrShe(const TownContent& spirit)
{
    return spirit.female ? TGame::tr("she") : TGame::tr("he");
}

} // namespace

void TGame::Shows(int step)
{
    GameState& s = gameState();
    if (step != 0)
        s.InstructionStep = step;
    s.InstructionShown = 1;
    IP->setInterval(Durations::InstructionStep);
    // The spirit this town's prompts speak of.
    const int here = s.Town;
    const bool goodObtained =
        s.Town >= 2 && goods::possessions().TradeDone.at(static_cast<std::size_t>(s.Town - 2)) != 0;
    placeInstructionPanel();

    switch (s.InstructionStep) {
    case 1:
        // The welcome, whatever the panel said before (a journey may have
        // been opened over a later town).
        platform::setLiveText(IL1, &TGame::welcomeFirstLine);
        platform::setLiveText(IL2, &TGame::welcomeSecondLine);
        IL1->show();
        IL2->show();
        Continue->setEnabled(true);
        showNamingInvitation(true);
        break;
    case 2:
        platform::setLiveText(IL1, [here] {
            return tr("Now click the \"Look Around\" button to see %1.")
                .arg(townContent(here).spiritWho);
        });
        platform::setLiveText(IL2, [here] {
            return tr("Then click on the screen, and %1 will speak to you.")
                .arg(townContent(here).spiritCalled);
        });
        Look->setEnabled(true);
        s.InstructionStep += 1;
        break;
    case 3:
        // Once this spirit's good is the party's, the trade prompt is not
        // given again for this spirit.
        if (goodObtained)
            return;
        platform::setLiveText(IL1, [here] {
            const TownContent spirit = townContent(here);
            // Every translation keeps the three markers, %2 the spirit's "he" or "she".
            return tr("Click on the screen again to try to trade with %1.  If you purchased the "
                      "right items at the flea market, %2 will offer to give you %3.")
                .arg(spirit.spiritCalled, heOrShe(spirit), spirit.goodInCapitals);
        });
        break;
    case 4: {
        // The praise of the good just traded for, and what it is for.
        const int line = s.TradeOffer;
        if (line < 0 || line >= FirstTrifleLine)
            return;
        IP->setInterval(Durations::AfterGoodTrade);
        if (line == SnakerootLine)
            s.HasSnakeroot = 1;
        platform::setLiveText(IL1, [line] { return townContent(line + 2).goodPraise; });
        // With the party's first remedy comes the word that these are
        // remedies of long ago, not for anyone to try.
        if (goodIsARemedy(line + 2) && remediesReceived() == 1) {
            platform::setLiveText(IL2, &story::remediesOfLongAgo);
            IL2->show();
            IP->setInterval(Durations::AfterFirstRemedy);
        }
        IP->start();
        break;
    }
    case 5:
        IOff();
        IP->stop();
        return;
    case 7:
        if (!GameState::inTownSet(s.SuppliesTold, s.Town)) {
            platform::setLiveText(IL1, [fishing = s.FishingMode != 0] {
                return fishing ? tr("You need to get food for your party, as well as medicine.  "
                                    "If you are finished trading, click the \"Go Fishing\" "
                                    "button.")
                               : tr("You need supplies for your party, as well as medicine.  If "
                                    "you are finished trading, click the \"Visit the Trading "
                                    "Post\" button.");
            });
            GameState::addToTownSet(s.SuppliesTold, s.Town);
            (s.FishingMode ? s.GirlSuppliesTold : s.TrapperSuppliesTold) = 1;
            // The way on is told with it, once.
            if (!GameState::inTownSet(s.TravelOnTold, s.Town)) {
                GameState::addToTownSet(s.TravelOnTold, s.Town);
                platform::setLiveText(IL2, [this] { return travelOnHint(); });
                IL2->show();
            }
        } else if (!GameState::inTownSet(s.TravelOnTold, s.Town)) {
            GameState::addToTownSet(s.TravelOnTold, s.Town);
            platform::setLiveText(IL1, [this] { return travelOnHint(); });
        } else {
            return;
        }
        break;
    case 8:
        platform::setLiveText(
            IL1, [] { return tr("Now click on the screen to enter the trading post."); });
        platform::setLiveText(IL2, [] {
            return tr("Since this is a ghostly establishment, the proprietors may not have seen "
                      "any customers in a while...");
        });
        setSceneClickable(true);
        IPic->show();
        IL1->show();
        IL2->show();
        stackSecondLine();
        tellInstruction(Image1);
        return;
    case 9:
        platform::setLiveText(IL1, [] {
            return tr("It looks like they're ready to help you.  Click on the screen to purchase "
                      "your supplies.");
        });
        IPic->show();
        IL1->show();
        tellInstruction(Image1);
        return;
    default: // 0, 6 and 10 on: the panel as it is
        break;
    }

    IPic->show();
    IL1->show();
    if (s.InstructionStep == 0)
        IL2->show();
    stackSecondLine();
    setSceneClickable(false);
    // What the instruction asks for takes the keyboard's focus.
    QWidget* asked = nullptr;
    switch (s.InstructionStep) {
    case 1:
        asked = Continue;
        break;
    case 3: // the look prompt (step 2 moves on to 3 as it shows)
        asked = Look;
        break;
    case 7:
        asked = Visit;
        break;
    default:
        break;
    }
    tellInstruction(asked);
}

void TGame::tellInstruction(QWidget* asked)
{
    QString words = IL1->text().trimmed();
    if (IL2->isVisibleTo(this))
        words += QStringLiteral("  ") + IL2->text();
    platform::announce(this, words);
    if (asked && asked->isEnabled() && asked->isVisibleTo(this))
        asked->setFocus(Qt::OtherFocusReason);
}

QString TGame::welcomeFirstLine()
{
    return tr("You and your friends find yourselves in a covered wagon on the Trail.          ");
}

QString TGame::welcomeSecondLine()
{
    return tr("Click the \"Go to next Town\" button to see how you can travel to the next town.");
}

QString TGame::travelOnHint() const
{
    return gameState().FishingMode
               ? tr("To travel on, go fishing, then click \"Look Around\" once more: \"Go To "
                    "Next Town\" will be ready.")
               : tr("To travel on, visit the trading post, then click \"Look Around\" once more: "
                    "\"Go To Next Town\" will be ready.");
}

void TGame::placeInstructionPanel()
{
    // While a spirit stands in the scene the panel stands on the left of the
    // picture, so that it never hides the spirit it speaks of; otherwise it
    // has its own place.
    const GameState& s = gameState();
    const bool spiritInSight = s.Stage == 2 && s.SceneId[0] == 'x';
    const bool keepersInSight = s.Stage == GameState::StageAtCounter && !keepersWaking_;
    QPoint panel(s.IPicLeft, s.IPicTop);
    if (spiritInSight)
        panel.setX(s.PicLeft + 4);
    else if (keepersInSight) // to the left of the counter where they stand
        panel.setX(std::max(0, MPskel->DisplayRect().left() - IPic->width() - 4));
    IPic->move(panel);
    IL1->move(panel + QPoint(20, 40));
    stackSecondLine();
}

void TGame::stackSecondLine()
{
    // The second line has its place below the first; a first line that
    // wraps further grows to show all of its lines and pushes the second
    // down, so that neither is cut off or written over the other.
    const int firstHeight = IL1->heightForWidth(IL1->width());
    IL1->resize(IL1->width(), std::max(FirstLineHeight, firstHeight));
    IL2->move(IL1->x(), std::max(IPic->y() + 110, IL1->y() + firstHeight + 6));
    IL2->resize(IL2->width(), std::max(SecondLineHeight, IL2->heightForWidth(IL2->width())));
}

void TGame::IPTimer()
{
    GameState& s = gameState();
    if (journeyEnded_)
        return; // a tick that comes after the journey's end shows nothing
    s.ClicksArmed = 1;
    // Nothing is shown over a spirit that is appearing or telling its story
    // for the first time; a story heard again lets the instructions go on.
    if (MPghost->isPlaying() || (MPchar->isPlaying() && telling_ != Telling::Again)) {
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

// The flea market's instruction steps, its scenes and the clicks that move
// the party through it.
//
// T1Tag is the step. The Okay button and each tick of T1 add one and show
// the step; a tick then flips T1 (a running timer stops, a stopped one
// starts), so as a rule each tick shows one step. The walk: arrival, Okay
// (1, panel away), tick (2, the door), the door (scene 22), tick (3, the
// store), store visits, South (back to scene 2), tick (4: nothing bought,
// Okay goes back to 2; or 5: goodbye), Okay (6), tick (7, the last words,
// four seconds), tick (8, on to the trail).

#include "fleamarket.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/bitbtn.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "shell/application.h"
#include "shell/durations.h"
#include "shell/screens.h"
#include "shops/fleascenes.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void TFleaMarket::IButtonClick()
{
    T1Tag += 1;
    IShow();
}

void TFleaMarket::T1Timer()
{
    T1Tag += 1;
    IShow();
    if (T1->isActive())
        T1->stop();
    else
        T1->start();
}

void TFleaMarket::IShow()
{
    Image1->setEnabled(false);
    ScreenArmed = false;
    InfoShown = true;
    describeScene();
    switch (T1Tag) {
    case 1:
        IPic->hide();
        ILabel->hide();
        IButton->hide();
        T1->start();
        return;
    case 2:
        platform::setLiveText(ILabel, [] {
            return tr("Click on Door #4 to visit one of the shops now, and be sure to buy some "
                      "items.");
        });
        IButton->hide();
        Door2->show();
        describeScene();
        showPanel(FleaPanelPlace::BesideDoor);
        offerFocus(Door2);
        return;
    case 3:
        platform::setLiveText(ILabel, [] {
            return tr("Click on the screen to bring up the STORE MENU, and select the items you "
                      "want to buy.  Then click the PURCHASE button.");
        });
        Image1->setEnabled(true);
        ScreenArmed = true;
        describeScene();
        showPanel(FleaPanelPlace::Middle);
        offerFocus(Image1);
        return;
    case 4:
        platform::setLiveText(ILabel, [] {
            return tr("You haven't purchased anything from the store!  You won't be able to "
                      "trade.");
        });
        T1Tag = 1; // Okay leads back to the door
        IButton->show();
        showPanel(FleaPanelPlace::Middle);
        offerFocus(IButton);
        return;
    case 5:
        platform::setLiveText(ILabel, [] {
            return tr("After visiting all the shops, and making your purchases, Sedora tells you "
                      "how to start a very strange journey!");
        });
        IButton->show();
        showPanel(FleaPanelPlace::Middle);
        offerFocus(IButton);
        return;
    case 6:
        IfOff();
        T1->start();
        return;
    case 7:
        platform::setLiveText(ILabel, &story::fleaMarketFarewell);
        T1->setInterval(Durations::FleaSetOut);
        // Stopped here, so that the tick's flip starts it again.
        T1->stop();
        break;
    case 8:
        SetOut();
        return;
    default:
        break;
    }
    showPanel(FleaPanelPlace::Middle);
}

void TFleaMarket::placeInstructions(FleaPanelPlace place)
{
    panelPlace_ = place;
    fitInstructions();
}

void TFleaMarket::showPanel(FleaPanelPlace place)
{
    placeInstructions(place);
    IPic->show();
    platform::pumpMessages();
    ILabel->show();
    platform::announce(ILabel, ILabel->text());
}

void TFleaMarket::IfOff()
{
    if (!InfoShown)
        return;
    InfoShown = false;
    IPic->hide();
    ILabel->hide();
    IButton->hide();
}

void TFleaMarket::SetOut()
{
    IPic->hide();
    ILabel->hide();
    App().StartCode = StartCodes::GoOn;
    close();
}

void TFleaMarket::GetGrid()
{
    if (const std::optional<FleaScene> scene = fleaScene(GridPos))
        CanGo(QString::fromLatin1(scene->picture), scene->GridPos, scene->southShown);
}

void TFleaMarket::CanGo(const QString& picture, int gridPos, bool southShown)
{
    clearBottomLine();
    GridPos = gridPos;
    South->setVisible(southShown);
    Door1->setVisible(gridPos == 2); // door #3 is in the lane only
    ScreenPos();
    LoadPics(Image1, picture);
    describeScene();
}

void TFleaMarket::ScreenPos()
{
    Image1->move(fleaScenePosition(GridPos, stageRect().height(), Image1->pos()));
}

void TFleaMarket::Door1Click()
{
    setBottomLine([] { return tr("This shop is closed today.  Door #4 is open."); });
}

void TFleaMarket::Door2Click()
{
    IfOff();
    InfoShown = true;
    Door2->hide();
    GridPos = GridPos * 10 + 2;
    GetGrid();
    T1->start();
    Image1->setEnabled(false);
    ScreenArmed = false;
    describeScene();
}

void TFleaMarket::ScreenClick()
{
    if (!ScreenArmed)
        return;
    IfOff();
    if (GridPos != 22)
        return;
    Speaks(0);
    const int before = Store->money();
    Store->Tag = GridPos;
    Store->ShowModal();
    if (Store->money() < before)
        Speaks(1);
    else // the greeting's moment is over
        clearBottomLine();
}

QString TFleaMarket::shopkeeperWords(int line)
{
    return line == 0 ? tr("Hello there!  May I help you?") : tr("Thank you kindly!");
}

void TFleaMarket::Speaks(int line)
{
    const MediaStretch stretch = line == 0 ? ShopkeeperLines::Greeting : ShopkeeperLines::Thanks;
    setBottomLine([line] { return shopkeeperWords(line); });
    MPTalk->setStartPos(stretch.start);
    MPTalk->setEndPos(stretch.end);
    MPTalk->Play();
    // The theme falls silent while the shopkeeper talks.
    if (Game)
        Game->MusicOn(3);
}

void TFleaMarket::SouthClick()
{
    // The step-3 panel must be cleared first, by a click on the scene.
    if (InfoShown)
        return;
    // Any money spent counts as a purchase; a purchase of $0 does not.
    if (Store->ym1->text() != QLatin1String("50"))
        T1Tag = 4;
    if (Game)
        Game->MusicOn(2);
    CanGo(QStringLiteral("fm02"), 2, false);
    T1->start();
}

void TFleaMarket::eagClick()
{
    eagLabelTag += 1;
    if (eagLabelTag > 5)
        eagLabelTag = 0;
    setBottomLine([tag = eagLabelTag, place = GridPos] { return eagleHint(tag, place); });
}

void TFleaMarket::eagLabelClick()
{
    clearBottomLine();
}

void TFleaMarket::InvFMClick()
{
    // The inventory is brought up to date only when something was bought
    // since it was last shown.
    if (Store->Purchase->Tag != 0)
        Inventory->ReadData();
    Inventory->ShowModal();
    Store->Purchase->Tag = 0;
}

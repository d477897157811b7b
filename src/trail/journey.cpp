// The journey: leaving a town, arriving in the next with its route drawn on
// the map, looking around for the town's spirit, and the trading post.

#include "activities/fishingouting.h"
#include "game.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/captionsize.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "trail/routetable.h"
#include "trail/scenegeometry.h"
#include "trail/towncontent.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using media::MediaMode;

void TGame::ContinueClick()
{
    quietInstructions_ = false;
    Init();
    IOff();
    IP->stop();
    Continues();
}

void TGame::leaveTown()
{
    GameState& s = gameState();
    ++departures_;
    hideTownName();
    showNamingInvitation(false);
    fishing->leave();
    leavePost();
    TradePanel->hide();
    setSceneClickable(false);
    Visit->setEnabled(false);
    s.Activity = 1;
    leaveSpiritsStory();
    s.TradeRound = 0;
    s.Stage = 0;
    if (MPghost->isPlaying())
        MPghost->Stop();
}

void TGame::leavePost()
{
    keepersWaking_ = false;
    if (MPskel->isPlaying())
        MPskel->Stop();
}

void TGame::Continues()
{
    GameState& s = gameState();
    if (holdPartyInTown() || holdAtChapterEnd())
        return;
    leaveTown();

    // Leaving the first spirit's town brings the snakebite; the journey goes
    // on by itself once the player has chosen a treatment.
    if (s.Encounter == 1) {
        Snake();
        s.Encounter = 2;
        return;
    }

    if (!journeyGoesOn()) {
        JourneysEnd();
        return;
    }
    if (meetAilmentOnTheRoad())
        return;
    GetNewScene();
    arriveWell();
    PlayM1();
    s.Stage = 2;
    CharactersAlt();

    s.FishingMode = townContent(s.Town).fishing ? 1 : 0;
    if (s.FishingMode)
        s.FishCount = 0;
    setUpTownActivities();
    autosaveJourney();
}

void TGame::setUpTownActivities()
{
    GameState& s = gameState();
    if (s.FishingMode) {
        platform::setTranslatedText(Visit, "TGame", QT_TRANSLATE_NOOP("TGame", "Go Fishing"));
    } else {
        platform::setTranslatedText(Visit, "TGame",
                                    QT_TRANSLATE_NOOP("TGame", "Visit the Trading Post"));
        Skeleton();
    }
    const int line = 2 * (s.Town - 1) + s.Stage - 1;
    platform::setLiveText(Caption, [line] { return story::storyLine(line); });
    Caption->adjustSize();
    platform::fitCaption(Caption);
}

void TGame::languageChanged()
{
    // The journey map's title is painted in it.
    if (!totmap->picture().isNull())
        LoadBMP(totmap, QStringLiteral("map"));
    // The fixed words, the instructions, the offer and the caption in view
    // are put anew by now; the rest is made here from the journey's state.
    ctchar.clear();
    for (int line = 0; line < story::StoryLineCount; ++line)
        ctchar << story::storyLine(line);
    describeScene(describedPicture_);
    for (int i = 0; i < 7; ++i)
        N[i]->setAccessibleName(tr("Name of traveller %1").arg(i + 1));
    // The travellers' conditions, once the party is chosen, and the party
    // button's name.
    if (gameState().PartyConfirmed)
        PartyHealth();
    else
        markParty();
    stackSecondLine();
    if (!Caption->text().isEmpty()) {
        Caption->adjustSize();
        platform::fitCaption(Caption);
    }
}

void TGame::GetNewScene()
{
    GameState& s = gameState();
    s.Town += 1;
    journal.arrived(s.Town);
    UpdateMap();
    s.setSceneId('s', s.Town, 0);
    LoadPic(s.sceneId());
    showTownName();

    if (!beginRoute())
        return; // the first town: the journey starts here
    Look->setEnabled(false);
    Continue->setEnabled(false);
    Go->start();
}

bool TGame::beginRoute()
{
    GameState& s = gameState();
    s.RouteEastward = 0;
    const auto segment = routeSegment(s.Town);
    if (!segment)
        return false;
    s.RouteSlope = segment->slope;
    s.RouteX = segment->startX;
    s.RouteEndX = segment->endX;
    s.RouteY = segment->startY;
    s.RouteEastward = segment->eastward ? 1 : 0;
    return true;
}

void TGame::GoTimer()
{
    GameState& s = gameState();
    // The route is drawn into the scene picture itself, dash by dash.
    const RouteTick tick =
        advanceRoute(s.RouteSlope, s.RouteEastward, s.RouteEndX, s.RouteX, s.RouteY);
    QPainter painter;
    if (!Image1->picture().isNull())
        painter.begin(&Image1->picture());
    const QColor red(255, 0, 0);
    if (painter.isActive()) {
        painter.setPen(QPen(red, 3));
        painter.drawLine(tick.dashFrom, tick.dashTo);
        if (tick.complete) {
            painter.setBrush(red);
            painter.drawEllipse(
                QRect(QPoint(s.RouteX - 5, s.RouteY - 5), QPoint(s.RouteX + 5, s.RouteY + 5)));
        }
        painter.end();
        Image1->changed();
    }
    if (!tick.complete)
        return;

    Go->stop();
    if (s.RouteEastward) {
        // No instruction follows an eastward route: the trading post is the
        // way on, and the keys go there (not to "Exit", where they would fall
        // when "Go To Next Town" was disabled).
        Visit->setEnabled(true);
        Visit->setFocus(Qt::OtherFocusReason);
    } else {
        s.InstructionStep = 1;
        IP->start();
    }
}

void TGame::CharactersAlt()
{
    GameState& s = gameState();
    const TownContent content = townContent(s.Town);
    s.SpiritNo = static_cast<std::int8_t>(content.spiritNo);
    if (content.encounterOnArrival >= 0)
        s.Encounter = static_cast<std::int8_t>(content.encounterOnArrival);
    placeSpiritClips();
}

void TGame::placeSpiritClips()
{
    const TownContent content = townContent(gameState().Town);
    const QRect charRect = pictureRectOnScreen(content.charRect);
    const QRect ghostRect = pictureRectOnScreen(content.ghostRect);
    for (auto [player, file, rect] : {std::tuple{MPchar, content.charClip, charRect},
                                      std::tuple{MPghost, content.ghostClip, ghostRect}}) {
        if (player->Mode() == MediaMode::Open)
            player->Close();
        // A town without a spirit of its own keeps the clips it had.
        if (!file.isEmpty())
            player->FileName = file;
        if (player->FileName.isEmpty())
            continue;
        player->Open();
        player->setDisplayRect(rect);
    }
}

void TGame::LookClick()
{
    gameState().InstructionStep += 1;
    IOff();
    Looks();
}

void TGame::Looks()
{
    GameState& s = gameState();
    Init();
    Go->stop();
    s.Activity = 3;
    Dlabel->hide();
    Look->setEnabled(false);
    s.Stage = static_cast<std::uint8_t>(s.LookStage);
    hideTownName();
    fishing->leave();
    leavePost();
    TradePanel->hide();
    s.setSceneId('s', s.Town, s.Stage);
    leaveSpiritsStory(); // a story heard again, and its words
    // The spirit's scene is silent apart from its clips.
    if (MPmus->isPlaying())
        MPmus->Stop();
    if (MPmus2->isPlaying())
        MPmus2->Stop();
    LoadPic(s.sceneId());
    // The picture is painted before the clip starts over it. The party may
    // have moved on, or another journey been opened, meanwhile.
    const int departures = departures_;
    platform::pumpMessages();
    if (departures != departures_)
        return;
    Visit->setEnabled(false);
    MPghost->Rewind();
    MPghost->Play();
}

void TGame::MPghostNotify()
{
    GameState& s = gameState();
    if (s.Activity != 3)
        return;
    s.SceneId[0] = 'x';
    LoadPic(s.sceneId());
    Hints->hide();
    FishPanel->hide();
    s.TradeRound = 1;
    if (!GameState::inTownSet(s.SpiritsHeard, s.Town)) {
        // The first time the town's spirit shows up it tells its story.
        GameState::addToTownSet(s.SpiritsHeard, s.Town);
        journal.metSpirit(s.Town);
        setSceneClickable(false);
        telling_ = Telling::First;
        MPchar->Play();
        Caption->show();
        platform::announce(this, Caption->text());
        // The girl's story brings the snakebite on leaving her town; the
        // trapper's closes that chapter. Later spirits leave it as it is.
        if ((s.Encounter == 0 && s.Town == FirstSpiritTown) ||
            (s.Encounter == 2 && s.Town == SecondSpiritTown))
            s.Encounter += 1;
        Continue->setEnabled(false);
        Visit->setEnabled(false);
    } else {
        // Looking again is the way back to "Go To Next Town".
        setSceneClickable(true);
        Continue->setEnabled(true);
        Visit->setEnabled(true);
    }
    offerStoryAgain();
}

void TGame::MPcharNotify()
{
    if (journeyEnded_) {
        Caption->hide(); // a story heard again at the journey's end is over
        return;
    }
    // Only the end of the first telling brings the trade prompt: a story
    // heard again ends with nothing new, and a telling cut short by leaving
    // the spirit's scene ends after the party has gone.
    if (telling_ != Telling::First || gameState().Activity != 3)
        return;
    telling_ = Telling::None;
    Shows(3);
    setSceneClickable(true);
    Visit->setEnabled(true);
    // The trade prompt asks for a click on the scene: the keys go there.
    Image1->setFocus(Qt::OtherFocusReason);
    // The words stay to be read until the party moves on.
    offerStoryAgain();
}

void TGame::VisitClick()
{
    IP->stop();
    Init();
    IOff();
    if (MPchar->isPlaying()) {
        MPchar->Stop();
        MPchar->Rewind();
    }
    if (MPghost->isPlaying())
        MPghost->Stop();
    Look->setEnabled(false);
    Visits();
}

void TGame::Visits()
{
    GameState& s = gameState();
    s.Activity = 2;
    Dlabel->hide();
    leaveSpiritsStory();
    TradePanel->hide();
    hideTownName();
    if (s.FishingMode) {
        setSceneClickable(true);
        fishing->Fish();
        return;
    }
    s.Stage = 3;
    LoadPic(QStringLiteral("p03"));
    const int departures = departures_;
    platform::pumpMessages();
    if (departures != departures_)
        return; // the party is no longer at this door
    PlayM2(Jingles::TradingPost.start, Jingles::TradingPost.end);
    if (s.PostState == 0) {
        s.InstructionStep = 7;
        IP->start();
    }
    Visit->setEnabled(false);
    Look->setEnabled(true);
}

void TGame::Image1MouseDown(int x, int y)
{
    ClickScreen(x, y);
}

void TGame::IPicClick()
{
    if (gameState().ScreenClickable)
        ClickScreen(50, 50);
}

void TGame::ClickScreen(int x, int y)
{
    GameState& s = gameState();
    if (s.ClicksArmed == 0)
        return; // nothing is clickable before the first instruction
    IOff();
    if (s.InstructionStep > 6)
        IP->stop();

    switch (s.Stage) {
    case GameState::StageAtCounter:
        openPostStore();
        break;
    case GameState::StageInsidePost:
        Look->setEnabled(false);
        MPskel->Play();
        keepersWaking_ = true;
        s.Stage = GameState::StageAtCounter;
        break;
    case 3: // at the door
        LoadPic(QStringLiteral("x03"));
        s.Stage = GameState::StageInsidePost;
        if (s.PostState == 0)
            s.PostState = 1;
        // Nobody is to be seen yet: until the party has shopped, a word
        // says that a click may wake someone.
        if (s.PostState < 3)
            showPrompt([] {
                return tr("The trading post seems empty.  Click on the screen again to see if "
                          "anyone is here.");
            });
        break;
    case 4:
        fishing->castElsewhere(x, y);
        break;
    default:
        if (s.TradeRound != 0)
            MakeTrade();
        else
            TradePanel->hide();
        break;
    }
}

void TGame::MPskelNotify()
{
    if (!keepersWaking_)
        return; // the end of a clip stopped when the party left the post
    keepersWaking_ = false;
    GameState& s = gameState();
    // The keepers stand at the counter until the party leaves the post.
    LoadPic(QStringLiteral("z03"));
    Look->setEnabled(true);
    if (s.PostState < 2) {
        s.InstructionStep = 8;
        IP->start();
    }
}

void TGame::OkayFishClick()
{
    FishPanel->hide();
}

void TGame::HintsClick()
{
    Hints->hide();
}

void TGame::BtnInvClick()
{
    Init();
    Inventory->ReadData();
    Inventory->ShowModal();
}

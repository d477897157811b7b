// Saving the journey on the trail and going on with it later: "File > Save
// Journey...", "File > Open Journey...", the automatic save on arrival in
// each town, and putting the party back in its town when a journey opens.
//
// A journey can be saved whenever the party is between events. It is saved
// with the moment it will open to (reopening.h), and opening it shows
// exactly that.

#include "activities/fishingouting.h"
#include "game.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/errorreport.h"
#include "platform/filenames.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"
#include "shell/journeykeeping.h"
#include "shell/journeysave.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "trail/reopening.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The file dialogs' filter, in the language in view.
QString journeyFilter()
{
    return TGame::tr("Journeys (*.kvj)");
}

} // namespace

QString TGame::whyJourneyCannotBeSavedNow() const
{
    const GameState& s = gameState();
    if (s.Town < 1 || journeyEnded_)
        return tr("There is no journey on the trail to save.");
    const bool busy = Go->isActive() || MPghost->isPlaying() || MPchar->isPlaying() ||
                      MPskel->isPlaying() || s.DilemmaUp || EndTime->isActive();
    if (busy)
        return tr("The journey can be saved when the party is not travelling, "
                  "listening to a spirit or treating a snakebite.  Please try again "
                  "in a moment.");
    return {};
}

journey::JourneyState TGame::captureJourney() const
{
    journey::JourneyState state = journey::JourneyState::fromGame(Store ? Store->money() : 0);
    state.setCatchList(FishList);
    QStringList names;
    for (const QLineEdit* name : N)
        names << name->text();
    state.setPartyNames(names);
    state.setTexts(journey::field::Journal, journal.toLines());
    if (const QString party = journey::currentParty(); !party.isEmpty())
        state.setText(journey::field::PartyName, party);
    setReopenedFlow(state);
    return state;
}

void TGame::SaveJourneyClick()
{
    const QString why = whyJourneyCannotBeSavedNow();
    if (!why.isEmpty())
        platform::raise(why);
    const journey::JourneyState state = captureJourney();
    platform::FileDialog dialog{platform::FileDialog::Kind::Save,
                                journeyFilter(),
                                QString(journey::FileExtension),
                                {},
                                true};
    const QString chosen = ExecuteDialog(dialog, this);
    if (chosen.isEmpty())
        return;
    // A journey's file ends in ".kvj", whatever was typed.
    const QString fileName = platform::withExtension(chosen, journey::FileExtension);
    // A flea market save (or any other file) is never made a journey.
    const QFileInfo existing(fileName);
    if ((existing.exists() || existing.isSymLink()) && existing.size() > 0 &&
        !journey::beginsAsAJourney(fileName))
        platform::raise(tr("The journey could not be saved: \"%1\" is not a saved "
                           "journey (it may be a game saved at the flea market), so "
                           "it is not replaced.  Please choose another name.")
                            .arg(platform::shownName(fileName)));
    const QString problem = journey::write(fileName, state);
    if (!problem.isEmpty())
        platform::raise(problem);
}

void TGame::OpenJourneyClick()
{
    platform::FileDialog dialog{
        platform::FileDialog::Kind::Open, journeyFilter(), QString(journey::FileExtension), {}};
    const QString fileName = ExecuteDialog(dialog, this);
    if (fileName.isEmpty())
        return;
    const journey::Reading reading = journey::read(fileName);
    if (!reading.problem.isEmpty())
        platform::raise(reading.problem);
    const QString problem = resumeJourney(reading.state);
    if (!problem.isEmpty())
        platform::raise(tr("The journey \"%1\" cannot be opened: %2.  Nothing in the "
                           "game was changed.")
                            .arg(platform::shownName(fileName), problem));
}

void TGame::autosaveJourney()
{
    // The first town holds nothing to lose yet.
    if (gameState().Town < 2)
        return;
    // A journey in the slot that cannot be opened is kept, never written
    // over; the player is told where, once.
    if (const journey::SlotCheck slot = journey::checkAutosave();
        slot.state == journey::SlotState::Damaged) {
        const QString kept = journey::keepDamagedAutosave(slot.problem);
        if (journey::checkAutosave().state == journey::SlotState::Damaged) {
            if (!autosaveFailureTold_) {
                autosaveFailureTold_ = true;
                platform::reportError(kept);
            }
            return;
        }
        platform::reportError(kept);
    }
    const QString problem = journey::writeAutosave(captureJourney());
    if (!problem.isEmpty() && !autosaveFailureTold_) {
        // Told once: the game goes on, and saving by hand still works.
        autosaveFailureTold_ = true;
        platform::reportError(problem);
    }
}

void TGame::prepareJourney(const journey::JourneyState& state)
{
    pendingJourney_ = state;
}

QString TGame::resumeJourney(const journey::JourneyState& state)
{
    // Everything is checked before anything of the game changes: the values,
    // the journal, and the pictures the town will show.
    if (const QString why = state.check(); !why.isEmpty())
        return why;
    const JournalReading diary = Journal::fromLines(state.texts(journey::field::Journal));
    if (!diary.problem.isEmpty())
        return tr("its journal cannot be read (%1)").arg(diary.why);
    const ReopenedFlow flow = reopenedFlow(state);
    for (const QString& picture : picturesToReopen(flow)) {
        if (!media::hasJpegPicture(picture))
            return tr("the picture \"%1\" it needs is missing from the game").arg(picture);
    }

    leaveEverything();
    // The journey goes on being saved in its party's own slot.
    journey::setCurrentParty(state.text(journey::field::PartyName));
    GameState& s = gameState();
    const qint64 money = state.applyToGame();
    if (Store) {
        Store->setMoney(static_cast<int>(money));
        Store->WriteTradeData();
    }
    FishList = state.catchList();
    const QStringList names = state.partyNames();
    for (int member = 0; member < 7; ++member)
        N[member]->setText(names.value(member));
    journal = diary.journal;
    showPartyAsConfirmed(s.PartyConfirmed == 1);
    if (Inventory)
        Inventory->ReadData();

    // The journey map shows the way up to the town again.
    LoadBMP(totmap, QStringLiteral("map"));
    UpdateMap();
    enterRestoredTown(flow);
    return {};
}

void TGame::leaveEverything()
{
    // Whatever is on the screen goes: the scene, the snakebite, the end.
    leaveTown();
    // The end's stories were raised over the scene: the story goes back under the panels.
    Caption->stackUnder(IPic);
    Go->stop();
    IP->stop();
    EndTime->stop();
    IOff();
    IPic->hide();
    IL1->hide();
    IL2->hide();
    Dlabel->hide();
    Dchoice->hide();
    forgetTheRoad();
    gameState().DilemmaUp = 0;
    BPanel->show();
    journeyEnded_ = false;
    endStoryTown_ = 0;
    MPend->Tag = 0;
    for (media::MediaPlayer* player : {MPend, MPwords}) {
        if (player->isPlaying())
            player->Stop();
    }
    for (QWidget* end : std::initializer_list<QWidget*>{EndLabel, EndLabel2, TravelledMap,
                                                        TravelAgain, QuitGame, Yes1, No1})
        end->hide();
    Image1->show();
}

void TGame::showPartyAsConfirmed(bool confirmed)
{
    for (int i = 0; i < 7; ++i) {
        N[i]->setVisible(!confirmed);
        P[i]->setVisible(confirmed);
    }
    platform::setTranslatedText(Label2, "TGame",
                                confirmed ? QT_TRANSLATE_NOOP("TGame", "Your Party")
                                          : QT_TRANSLATE_NOOP("TGame", "Choose Your Party"));
    PartyHealth();
}

void TGame::enterRestoredTown(const ReopenedFlow& flow)
{
    // The journey's values put the party at the moment it was saved with
    // (captureJourney): the scene-flow values are that moment's already.
    GameState& s = gameState();
    s.FishingActive = 0;
    placeSpiritClips();
    setUpTownActivities();
    Look->setEnabled(false);
    Continue->setEnabled(false);
    Visit->setEnabled(false);
    setSceneClickable(false);
    quietInstructions_ = false;
    LoadPic(flow.sceneId);

    switch (flow.way) {
    case ReopenWay::SpiritStanding:
        setSceneClickable(true);
        Continue->setEnabled(true);
        Visit->setEnabled(true);
        quietInstructions_ = true; // no instruction is due until the party moves on
        // The story of the spirit standing there, to read or to hear again.
        Caption->show();
        offerStoryAgain();
        Continue->setFocus(Qt::OtherFocusReason);
        return;
    case ReopenWay::Welcome:
        showTownName();
        Continue->setEnabled(true);
        IP->start();
        Continue->setFocus(Qt::OtherFocusReason);
        return;
    case ReopenWay::LookPromptNext:
    case ReopenWay::TradingPostNext:
        break;
    }

    // The route, drawn whole, and then what its end brings: the look-around
    // prompt, or the trading post.
    showTownName();
    beginRoute();
    for (int dash = 0; dash < 200 && !routeDrawnToItsEnd(); ++dash)
        GoTimer();
    Go->stop();
    // The trading post is the way on: no instruction is due.
    quietInstructions_ = flow.way == ReopenWay::TradingPostNext;
    // The route's end set the step its prompt follows; the values are the
    // moment's again.
    s.InstructionStep = flow.instructionStep;
    s.ClicksArmed = flow.clicksArmed;
}

bool TGame::routeDrawnToItsEnd() const
{
    return !Go->isActive() && (IP->isActive() || Visit->isEnabled());
}

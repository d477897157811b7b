#pragma once

// The trail screen: a borderless full-screen window with the scene picture,
// the bottom button bar, the menu and the panels that open over the scene.
// The whole trail journey runs inside its modal run. Its behaviour is split
// by subject over several files:
//   game.cpp          the window and its controls
//   gamelayout.cpp    placing the controls for the screen (FormCreate)
//   gameshow.cpp      what the screen loads when it is shown and activated
//   gamemenu.cpp      the menu
//   gamequit.cpp      quitting, restarting, the about box
//   gamemusic.cpp     pictures, music, volume and help
//   instructions.cpp  the instruction panel and its steps
//   journey.cpp       travelling from town to town and the scenes of a town
//   journeymap.cpp    the journey map
//   journeyend.cpp    the end of the journey
//   party.cpp         the party panel
//   hazards.cpp       the snakebite and the trading post's keepers
// Fishing at the lake is an outing of its own (activities/fishingouting.h).
//   trading.cpp       trading with spirits and at the trading post
//   storyagain.cpp    hearing the spirit's story again
//   savednames.cpp    the saved-game dialogs, the catch list and the names

#include "activities/wellbeing.h"
#include "journal/journal.h"
#include "platform/filedialogs.h"
#include "platform/form.h"
#include "shell/journeystate.h"
#include "trail/scenegeometry.h"
#include "trail/towncontent.h"
#include "trail/traillayout.h"

#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class TFormTransitions;
class TFuseTransition;
class TRadialTransition;
class TTransitionEffect;
class TTransitionList;
class FishingOuting;
struct ReopenedFlow;
namespace media {
class MediaPlayer;
}
namespace platform {
class BevelPanel;
class PictureBox;
} // namespace platform
namespace savedgame {
struct SavedGame;
}

class TGame : public platform::Form {
    Q_OBJECT

public:
    explicit TGame(QWidget* parent = nullptr);
    ~TGame() override;

    // The menu.
    QMenuBar* MainMenu = nullptr;
    QMenu* File1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* JournalItem = nullptr;  // File > "&Journal of the Journey..."
    QAction* OpenJourney1 = nullptr; // File > "&Open Journey..."
    QAction* SaveJourney1 = nullptr; // File > "&Save Journey..."
    QAction* ExitProgram1 = nullptr;
    QMenu* Sound = nullptr;
    QAction* Volume = nullptr;
    QAction* M_On = nullptr;
    QAction* M_Off = nullptr;
    QAction* HearAgain1 = nullptr; // Sound > "Hear the Story Again" (F5)
    QMenu* View1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About = nullptr;

    // The window's area below the menu; every control sits on it.
    QWidget* Client = nullptr;
    platform::PictureBox* Image1 = nullptr; // the scene

    // The bottom bar.
    QWidget* BPanel = nullptr;
    platform::PictureBox* ImageBot = nullptr;
    QPushButton* Visit = nullptr;
    QPushButton* Look = nullptr;
    QPushButton* Continue = nullptr;
    QPushButton* Exit1 = nullptr;
    QToolButton* BtnMap = nullptr;
    QToolButton* BtnParty = nullptr;
    QToolButton* BtnInv = nullptr;
    QLabel* PartyMark = nullptr; // on the party button while a traveller ails

    // The instruction panel.
    platform::PictureBox* IPic = nullptr;
    QLabel* IL1 = nullptr;
    QLabel* IL2 = nullptr;

    // The spirit's story, the hazard headline and the treatment choice.
    QLabel* Caption = nullptr;
    QLabel* Dlabel = nullptr;
    QGroupBox* Dchoice = nullptr;
    QLabel* DchoiceTitle = nullptr; // "What will you do?"
    QRadioButton* DC1 = nullptr;
    QRadioButton* DC2 = nullptr;
    QRadioButton* DC3 = nullptr;
    QPushButton* DOK1 = nullptr;

    // The journey map.
    platform::BevelPanel* Map = nullptr;
    QLabel* Label3 = nullptr;
    platform::PictureBox* totmap = nullptr;
    QPushButton* Close1 = nullptr;

    // The party panel.
    platform::BevelPanel* PartyPanel = nullptr;
    platform::PictureBox* Image2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* N[7] = {};
    QLabel* P[7] = {};
    QPushButton* Okay1 = nullptr;

    // The trade panel.
    platform::BevelPanel* TradePanel = nullptr;
    QLabel* TradeLabel = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Received = nullptr; // what a trade of a trifle brought
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* HearAgain = nullptr; // "Hear the story again"

    // Fishing.
    platform::PictureBox* Rod = nullptr;
    platform::PictureBox* Bobber = nullptr;
    platform::PictureBox* hotspot = nullptr;
    platform::PictureBox* LakePic = nullptr;
    platform::PictureBox* fishies = nullptr;
    platform::PictureBox* FishCaught = nullptr;
    QLabel* Hints = nullptr;
    platform::BevelPanel* FishPanel = nullptr;
    QLabel* FishLabel = nullptr;
    platform::PictureBox* FishPic = nullptr;
    QLabel* wtLabel = nullptr;
    QPushButton* OkayFish = nullptr;

    // The journey's end and the town's name.
    QLabel* EndLabel = nullptr;
    QLabel* EndLabel2 = nullptr;
    QPushButton* Yes1 = nullptr;
    QPushButton* No1 = nullptr;
    platform::PictureBox* TravelledMap = nullptr; // the whole way, on the last screen
    QPushButton* TravelAgain = nullptr;
    QPushButton* QuitGame = nullptr;
    QLabel* town = nullptr;
    QLabel* NameHint = nullptr; // "Name your travellers here", above the party button

    // Timers.
    QTimer* Go = nullptr;
    QTimer* IP = nullptr;
    QTimer* EndTime = nullptr;
    QTimer* TownNameTime = nullptr; // how long the town's name shows

    // Media players: the theme, the jingles, the spirits' clips, the lake
    // clips, the reel and the trading post's keepers.
    media::MediaPlayer* MPmus = nullptr;
    media::MediaPlayer* MPmus2 = nullptr;
    media::MediaPlayer* MPchar = nullptr;
    media::MediaPlayer* MPghost = nullptr;
    media::MediaPlayer* MPfish = nullptr;
    media::MediaPlayer* MPfish2 = nullptr;
    media::MediaPlayer* MPreel = nullptr;
    media::MediaPlayer* MPskel = nullptr;
    // The journey's end: Sedora's fire, and her closing words.
    media::MediaPlayer* MPend = nullptr;
    media::MediaPlayer* MPwords = nullptr;

    // The screen appears through a dissolve (Transition1); the flea market
    // appears through the clock wipe (Transition2).
    TTransitionList* TransitionList1 = nullptr;
    TFuseTransition* Transition1 = nullptr;
    TRadialTransition* Transition2 = nullptr;
    TFormTransitions* Trans1 = nullptr;

    // Hidden lists that other screens read: the spirits' story lines, the
    // things spirits give in trades (one line per trade), and the fish
    // caught, one line each ("2 lb 5 oz bluegill"), oldest first.
    QStringList ctchar;
    // The picture the scene's description was last made for.
    QString describedPicture_;
    QStringList TradeList;
    QStringList FishList;
    // The journal of the journey, written as the party travels.
    Journal journal;

    TrailLayout layout;

    // Quitting and restarting.
    void Exit1Click();
    bool FormCloseQuery() override;
    void FormClose() override;
    void NewGame1Click();
    void EndTimeTimer();
    void AboutClick();
    // Opens the journal of the journey, to read, print or save as a PDF.
    void JournalClick();

    // Journeys saved on the trail (journeysaves.cpp).
    void SaveJourneyClick();
    void OpenJourneyClick();
    // Why the journey cannot be saved at this moment; empty when it can.
    QString whyJourneyCannotBeSavedNow() const;
    journey::JourneyState captureJourney() const;
    // Saves the journey in the automatic slot (on arrival in a town).
    void autosaveJourney();
    // Puts the party back on the trail as the journey was; returns why it
    // cannot, and then nothing of the game has changed.
    QString resumeJourney(const journey::JourneyState& state);
    // A journey chosen at the flea market: the trail starts with it.
    void prepareJourney(const journey::JourneyState& state);
    // Marks the trail as entered.
    void Init();

    // Showing the screen.
    void FormShow() override;
    void FormActivate() override;
    void Transition1EndTransition(TTransitionEffect* sender);
    void Transition1AbortQuery(TTransitionEffect* sender, TTransitionEffect* transition,
                               bool& abort);

    // Pictures.
    void LoadPic(const QString& name);
    void LoadBMP(platform::PictureBox* target, const QString& name);

    // Music and sound.
    void PlayM1();
    void PlayM2(int startMs, int endMs);
    void MusicOn(int mode);
    void TestMusic();
    void M_OnClick();
    void M_OffClick();
    void VolumeClick();
    void Contents1Click();

    // The instruction panel.
    void Shows(int step);
    // The panel's words are announced, and what it asks for takes the focus.
    void tellInstruction(QWidget* asked);
    // Where the panel stands: beside a spirit in the scene, or in its place.
    void placeInstructionPanel();
    // The instruction panel's first line is this high, or higher for more lines.
    static constexpr int FirstLineHeight = 110;
    static constexpr int SecondLineHeight = 70;
    // Puts IL2 below all the lines of IL1.
    void stackSecondLine();
    // The welcome of the first town, on the panel's two lines.
    static QString welcomeFirstLine();
    static QString welcomeSecondLine();
    // How to travel on once a spirit has spoken.
    QString travelOnHint() const;
    // The invitation, beside the party button, to name the travellers.
    void showNamingInvitation(bool shown);
    // The town's name over the picture for a few seconds after arrival.
    void showTownName();
    void hideTownName();
    // What the scene picture shows, for screen readers.
    void describeScene(const QString& picture);
    // A short prompt on the instruction panel that leaves the steps as they are.
    // A second line, where given, goes below all the lines of the first.
    // Words made in the language in view, and made again if it changes.
    void showPrompt(std::function<QString()> text, std::function<QString()> secondLine = {});
    void IPTimer();
    void IOff();

    // The journey.
    void ContinueClick();
    void Continues();
    // Everything of the town the party leaves ends with it: the lake, the
    // trading post, the trade offer and the spirit's clips.
    void leaveTown();
    void leavePost();
    void GetNewScene();
    void GoTimer();
    void CharactersAlt();
    // The town's two spirit clips, opened and placed.
    void placeSpiritClips();
    // The "Go Fishing" or "Visit the Trading Post" button, the keepers' clip
    // and the story caption of the town the party has reached.
    void setUpTownActivities();
    // The route values of the town's segment; false for the first town.
    bool beginRoute();
    void LookClick();
    void Looks();
    void MPghostNotify();
    void MPcharNotify();
    // The spirit of this town tells its story again, from the start, with
    // its caption; only beside the spirit, once it has spoken.
    void hearStoryAgain();
    bool canHearStoryAgain() const;
    void VisitClick();
    void Visits();
    void Image1MouseDown(int x, int y);
    void IPicClick();
    void ClickScreen(int x, int y);
    void MPskelNotify();
    void BtnInvClick();
    void HintsClick();
    // The journey ends where the trail's towns end: after the last town, or
    // before a town whose scenes the game does not hold.
    bool journeyGoesOn() const;
    void JourneysEnd();
    // At the journey's end: "Next Story" plays the story of the next spirit
    // the party met; "Please go on." leads to the score and the way on.
    void No1Click();
    void Yes1Click();
    void MPendNotify();

    // The journey map.
    void BtnMapClick();
    void Close1Click();
    void UpdateMap();
    void drawChapterMarks(QPainter& painter) const;

    // The party.
    void BtnPartyClick();
    void PartyPanelClick();
    void Okay1Click();
    // The name of party member 1..7; empty for any other number.
    QString Name(int member) const;
    void PartyHealth();
    void CheckHealth(QLineEdit* name, QLabel* label, int value);

    // Fishing: the outing at the lake, with its timers and its bite.
    FishingOuting* fishing = nullptr;
    void OkayFishClick();

    // Trading with spirits.
    void MakeTrade();
    void TradeItems();
    void TradeAnyItem();
    void TradeItemOne();
    void TradeItemTwo();
    void UHave(int firstCandidate, int secondCandidate);
    void tradeSpecialOffer(const TownContent::SpecialOffer& offer);
    void Button1Click();
    // The offer is announced; the panel's first button takes the focus.
    void tellOffer();
    void Button2Click();
    void Button3Click();

    // The snakebite and the trading post's keepers.
    void Snake();
    void DC1Click();
    void DC2Click();
    void DOK1Click();
    void Skeleton();

    // Whether the travellers' fare is played: meals, ailments on the road,
    // rest days and hunting. Always in the game; tests of other subjects
    // walk the trail without it, so that their towns follow one another
    // whatever the draws.
    bool travellersFare = true;
    // Whether the trail stops at the end of each of its parts (chapterend.cpp).
    // Always in the game; tests of other subjects walk on without it.
    bool partsOfTheTrail = true;
    // Before leaving the last town of a part: the word that the part has
    // ended and the journey is saved, once; true when the party stays.
    bool holdAtChapterEnd();
    // How the travellers fare (wellbeingtrail.cpp). Before leaving a town:
    // a day of rest, the word that the food has run out, or the hunt; true
    // when the party stays in the town for it.
    bool holdPartyInTown();
    void offerHunt();
    // On the road to the next town: an ailment may come, with its choice;
    // true while the choice is up.
    bool meetAilmentOnTheRoad();
    // DOK1 for the hunt and for an ailment.
    void roadChoiceMade();
    // On arriving: the meal, and the ailing heal or the hungry weaken.
    void arriveWell();
    // The party button's mark and name say whether a traveller ails.
    void markParty();

    // The store at the trading post's counter.
    void openPostStore();

    // Enables or disables clicks on the scene; ScreenClickable follows.
    void setSceneClickable(bool clickable);

    // Saved games: the dialogs that choose the file, and the catch list and
    // party names that a saved game keeps in its two text files.
    platform::FileDialog OpenDialog{platform::FileDialog::Kind::Open,
                                    QStringLiteral("The Saved Files (*.sav *.kvj)"),
                                    QStringLiteral("sav"),
                                    {}};
    platform::FileDialog SaveDialog{platform::FileDialog::Kind::Save,
                                    QStringLiteral("Saved Files (*.sav)"),
                                    QStringLiteral("sav"),
                                    {}};
    // Runs the dialog from the player's own folder; the chosen file, or an
    // empty text when the player cancelled.
    QString ExecuteDialog(platform::FileDialog& dialog, QWidget* parent);
    void SaveNames(savedgame::SavedGame& game) const;
    void GetNames(const savedgame::SavedGame& game);

protected:
    // Clicks on the labels that lie on the instruction panel and the hint.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void layOut() override;
    void languageChanged() override;

private:
    // How often the party has left a town: a handler that let other events
    // run compares it to know whether the party is still where it was.
    int departures_ = 0;
    // The keepers' clip plays for this visit of the post.
    bool keepersWaking_ = false;
    // The journey has ended: nothing of the trail shows over the end screen.
    bool journeyEnded_ = false;
    // The town whose story "Next Story" played last.
    int endStoryTown_ = 0;
    // A journey to start the trail with, chosen at the flea market.
    std::optional<journey::JourneyState> pendingJourney_;
    bool autosaveFailureTold_ = false;
    // A journey opened where the spirit has spoken: no instruction is due
    // until the party moves on.
    bool quietInstructions_ = false;
    // Which telling of the spirit's story MPchar plays: its end after the
    // first one brings the trade prompt, after another one nothing.
    enum class Telling { None, First, Again };
    Telling telling_ = Telling::None;
    // The party leaves the spirit's scene: the voice stops and the caption goes.
    void leaveSpiritsStory();
    // A story told again falls silent (the party trades or moves on).
    void silenceRetelling();
    // "Hear the story again" is offered while it can be heard again.
    void offerStoryAgain();
    void leaveEverything();
    void showPartyAsConfirmed(bool confirmed);
    void enterRestoredTown(const ReopenedFlow& flow);
    // The restored route is drawn and its end has brought what comes next.
    bool routeDrawnToItsEnd() const;
    void showEndCaption(std::function<QString()> text);
    // The choice panel (Dchoice) serves the snakebite, an ailment and the hunt.
    enum class RoadChoice { None, Ailment, Hunt };
    RoadChoice roadChoice_ = RoadChoice::None;
    std::optional<wellbeing::NewAilment> ailing_;
    std::vector<wellbeing::Remedy> ailmentChoices_;
    // Visit, Look, Continue and the scene as they were before the hunt's
    // question, which comes while the party is still in its town.
    std::array<bool, 4> enabledBeforeChoice_{};
    int roadDrawnFor_ = 0; // the town the road's ailment was drawn for
    int huntOfferedIn_ = 0;
    void showRoadChoice(const QString& headline, int choices);
    void closeRoadChoice();
    // Back to no choice, no draw, no hunt offered (a journey opened, a new one).
    void forgetTheRoad();

    void FormCreate();
    void SetMyPath();
    void createMenu();
    void createBottomBar();
    void createScene();
    void createInstructionPanel();
    void createStoryAndHazard();
    void createMapPanel();
    void createPartyPanel();
    void createTradePanel();
    void createStoryAgain();
    void createFishing();
    void createEnding();
    void createTimers();
    void createPlayers();
    void createTransitions();
    void stackControls();
    void loadArtwork();
    void applyLayout();
    void keepSceneInPlace(const SceneFrame& from, const SceneFrame& to);
    void makeButtonsKeyboardFriendly();
};

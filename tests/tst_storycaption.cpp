// The spirit's story stays on the screen to be read at a child's pace: its
// caption outlasts the voice and goes only when the party moves on, by any
// way there is. Beside the spirit who has spoken, the story can be heard
// again (the trade panel's button, the Sound menu and F5): from its start,
// with its caption, without the party meeting the spirit a second time, and
// a retelling cut short ends quietly.

#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "platform/shell.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "activities/tradelist.h"
#include "presentation/storytexts.h"
#include "shell/gamestate.h"
#include "shell/journeyfields.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "announcementspy.h"
#include "trailfixture.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

enum class MovingOn {
    Fishing,
    TradingPost,
    LookingAgain,
    TheSnakebite,
    NextTown,
    AnotherJourney,
    NewGame,
    JourneysEnd,
};

} // namespace

Q_DECLARE_METATYPE(MovingOn)

class StoryCaptionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    journey::JourneyState onArrival;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }
    static void deliverPostedEvents() { QCoreApplication::processEvents(); }

    void freshGame()
    {
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    // The trail from its first town on to `town`, past the snakebite's
    // chapter when the town lies beyond the trapper's.
    void arriveIn(int town, bool onTheScreen = false)
    {
        if (onTheScreen) {
            // Only a window on the screen speaks to a screen reader; showing
            // it starts the trail.
            game->Trans1->Enabled = false;
            game->show();
            QVERIFY(QTest::qWaitForWindowExposed(game));
            game->FormActivate();
            game->Transition1EndTransition(game->Transition1);
            game->IPTimer();
        } else {
            trail->startTheTrail();
        }
        if (town > FirstSpiritTown) {
            s().Town = static_cast<std::uint8_t>(town - 1);
            s().Encounter = town > SecondSpiritTown ? 3 : 2;
        }
        game->ContinueClick();
        trail->drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
        QCOMPARE(int(s().Town), town);
        onArrival = game->captureJourney();
    }

    void hearTheStory() { QVERIFY(trail->lookAround()); }

    // After fishing or the trading post, the party looks around again: the
    // spirit who has spoken stands there, and the way on is open.
    void standBesideTheSpirit()
    {
        game->VisitClick();
        QVERIFY(!trail->lookAround());
        QVERIFY(game->Continue->isEnabled());
    }

    QString theStory() const { return story::storyLine(2 * gameState().Town - 1); }

    bool storyShows() const
    {
        return game->Caption->isVisibleTo(game) && game->Caption->text() == theStory();
    }

    bool offered() const
    {
        return game->HearAgain1->isEnabled() && game->HearAgain->isEnabled();
    }

    void moveOn(MovingOn way)
    {
        switch (way) {
        case MovingOn::Fishing:
        case MovingOn::TradingPost:
            game->Visit->click();
            break;
        case MovingOn::LookingAgain:
            game->LookClick();
            break;
        case MovingOn::TheSnakebite:
        case MovingOn::NextTown:
        case MovingOn::JourneysEnd:
            game->Continue->click();
            break;
        case MovingOn::AnotherJourney: // the one saved on arrival
            QCOMPARE(game->resumeJourney(onArrival), QString());
            break;
        case MovingOn::NewGame: {
            platform::setProgramLauncher([](const QString&) { return true; });
            ModalScript script;
            script.thenClick(QStringLiteral("Okay1"));
            game->NewGame1Click();
            platform::setProgramLauncher({});
            QCOMPARE(gameState().RestartConfirmed, 1);
            break;
        }
        }
    }

private slots:
    void init() { freshGame(); }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void theStoryStaysAfterTheVoiceEndsAndLetsTheSceneBeClicked()
    {
        arriveIn(FirstSpiritTown);
        hearTheStory();
        QVERIFY(!game->MPchar->isPlaying());
        QVERIFY(storyShows());
        // The trade prompt comes with it, and the click it asks for reaches
        // the scene through the words.
        QVERIFY(game->IL1->text().startsWith("Click on the screen again to try to trade"));
        const QPoint onTheWords = game->Caption->geometry().center();
        QCOMPARE(game->Client->childAt(onTheWords), game->Image1);
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QVERIFY(storyShows());
    }

    void theStoryStaysClearOfWhatThePlayerPresses_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("town");
        QTest::newRow("the girl at 1024x768") << "1024x768" << 2;
        QTest::newRow("a long story at 1024x768") << "1024x768" << 21;
        QTest::newRow("the trapper at 1280x1024") << "1280x1024" << 3;
        QTest::newRow("a long story at 1280x1024") << "1280x1024" << 21;
    }

    void theStoryStaysClearOfWhatThePlayerPresses()
    {
        QFETCH(QString, screen);
        QFETCH(int, town);
        qputenv("KELVARIN_SCREEN", screen.toLatin1());
        freshGame();
        qputenv("KELVARIN_SCREEN", "1024x768");
        goods::possessions().ItemCount[170] = 2; // the trade panel's buttons all show
        arriveIn(town);
        hearTheStory();
        QVERIFY(storyShows());
        const QRect words = game->Caption->geometry();
        QVERIFY2(!words.intersects(game->IL1->geometry()),
                 qPrintable(QStringLiteral("story down to %1, prompt from %2")
                                .arg(words.bottom())
                                .arg(game->IL1->y())));
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        // The panel lies over the story's last lines if they reach it, never under them.
        for (QPushButton* button : {game->Button1, game->Button2, game->Button3, game->HearAgain}) {
            const QPoint middle = button->mapTo(game->Client, button->rect().center());
            QCOMPARE(game->Client->childAt(middle), button);
        }
        QVERIFY(game->TradePanel->geometry().bottom() < game->BPanel->y());
    }

    void everyWayOfMovingOnTakesTheStoryAway_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<bool>("standing"); // looked around again and heard it again
        QTest::addColumn<MovingOn>("way");
        QTest::newRow("going fishing") << 2 << false << MovingOn::Fishing;
        QTest::newRow("visiting the trading post") << 3 << false << MovingOn::TradingPost;
        QTest::newRow("looking around again") << 3 << true << MovingOn::LookingAgain;
        QTest::newRow("the snakebite") << 2 << true << MovingOn::TheSnakebite;
        QTest::newRow("the next town") << 3 << true << MovingOn::NextTown;
        QTest::newRow("another journey opened") << 3 << false << MovingOn::AnotherJourney;
        QTest::newRow("a new game") << 3 << false << MovingOn::NewGame;
        QTest::newRow("the journey's end") << TownCount << true << MovingOn::JourneysEnd;
    }

    void everyWayOfMovingOnTakesTheStoryAway()
    {
        QFETCH(int, town);
        QFETCH(bool, standing);
        QFETCH(MovingOn, way);
        arriveIn(town);
        hearTheStory();
        if (standing) {
            standBesideTheSpirit();
            game->hearStoryAgain();
            QVERIFY(game->MPchar->isPlaying());
        }
        QVERIFY(storyShows());
        moveOn(way);
        // At the journey's end the words are Sedora's.
        const auto storyGone = [&] {
            return way == MovingOn::JourneysEnd
                       ? game->Caption->text() == story::closingWords()
                       : !game->Caption->isVisibleTo(game);
        };
        QVERIFY(storyGone());
        QVERIFY(!game->MPchar->isPlaying());
        QVERIFY(!offered());
        deliverPostedEvents(); // the end of a voice cut short
        QVERIFY(storyGone());
        if (way == MovingOn::TheSnakebite) {
            game->DC1->click();
            game->DOK1->click();
            QVERIFY(!game->Caption->isVisibleTo(game));
        }
    }

    void theStoryIsHeardAgainFromItsStartWithoutMeetingTheSpiritTwice()
    {
        goods::possessions().ItemCount[170] = 2; // the trade panel's buttons all show
        arriveIn(FirstSpiritTown, true);
        hearTheStory();
        standBesideTheSpirit();
        QVERIFY(!game->Caption->isVisibleTo(game)); // looking around again took it away
        QVERIFY(offered());
        const std::uint32_t heard = s().SpiritsHeard;
        const int encounter = s().Encounter;
        const QStringList journal = game->journal.toLines();
        FakeMediaPlayer* voice = fake(game->MPchar);
        const int plays = voice->plays;
        AnnouncementSpy spoken(game);
        voice->calls.clear();

        QTest::keyClick(game, Qt::Key_F5);
        QCOMPARE(voice->calls, (QStringList{"Rewind", "Play"}));
        QCOMPARE(voice->plays, plays + 1);
        QVERIFY(storyShows());
        QVERIFY(spoken.texts.contains(theStory()));
        // The way on stays open while the spirit speaks; the panel's button
        // tells it once more, from the start.
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(game->Visit->isEnabled());
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        voice->calls.clear();
        game->HearAgain->click();
        QCOMPARE(voice->calls, (QStringList{"Rewind", "Play"}));
        voice->calls.clear();
        game->HearAgain1->trigger(); // Sound > Hear the Story Again
        QCOMPARE(voice->calls, (QStringList{"Rewind", "Play"}));

        voice->finishPlay();
        deliverPostedEvents();
        QVERIFY(storyShows()); // the words stay when the voice ends
        // and nothing new comes: no trade prompt, the keys stay on the panel
        QVERIFY(!game->IPic->isVisibleTo(game));
        QVERIFY(game->TradePanel->isAncestorOf(game->focusWidget()));
        QCOMPARE(s().SpiritsHeard, heard);
        QCOMPARE(int(s().Encounter), encounter);
        QCOMPARE(game->journal.toLines(), journal);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QVERIFY(offered());
        QCOMPARE(game->HearAgain->accessibleName(), QStringLiteral("Hear the story again"));
        QVERIFY(game->Sound->actions().contains(game->HearAgain1));
    }

    void theKeysPageTellsTheKey()
    {
        QFile page(QStringLiteral(KELVARIN_DATA_DIR "/help/keys.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString keys = QString::fromUtf8(page.readAll());
        QVERIFY(keys.contains(QStringLiteral("<b>The spirit's story</b>: ") +
                              game->HearAgain1->shortcut().toString()));
    }

    void hearingAgainIsOfferedOnlyBesideTheSpiritWhoHasSpoken()
    {
        trail->startTheTrail();
        QVERIFY(!offered()); // the first town has no spirit
        game->ContinueClick();
        trail->drawRoute();
        game->IPTimer();
        QVERIFY(!offered()); // the girl has not been met yet
        game->LookClick();
        QVERIFY(!offered()); // she appears
        fake(game->MPghost)->finishPlay();
        deliverPostedEvents();
        QVERIFY(game->MPchar->isPlaying());
        QVERIFY(!offered()); // she tells her story for the first time
        game->hearStoryAgain();
        QCOMPARE(fake(game->MPchar)->plays, 1);
        fake(game->MPchar)->finishPlay();
        deliverPostedEvents();
        QVERIFY(offered());

        game->VisitClick();
        QVERIFY(!offered()); // at the lake
        const int plays = fake(game->MPchar)->plays;
        game->hearStoryAgain(); // a key pressed at the lake does nothing
        QCOMPARE(fake(game->MPchar)->plays, plays);
        QVERIFY(!game->Caption->isVisibleTo(game));
        game->LookClick();
        QVERIFY(!offered()); // she appears again
        fake(game->MPghost)->finishPlay();
        deliverPostedEvents();
        QVERIFY(offered());

        game->ContinueClick(); // the snakebite
        QVERIFY(!offered());
        game->DC1->click();
        game->DOK1->click();
        game->EndTimeTimer();
        trail->drawRoute();
        QCOMPARE(int(s().Town), SecondSpiritTown);
        QVERIFY(!offered()); // the girl's story stays in her own town
    }

    void aRetellingCutShortEndsQuietly_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<MovingOn>("way");
        // Going fishing lets no events run: the voice's end comes as the
        // party looks around again.
        QTest::newRow("fishing, then looking around again") << 2 << MovingOn::LookingAgain;
        QTest::newRow("the post, then looking around again") << 3 << MovingOn::LookingAgain;
        QTest::newRow("the post, then travelling on") << 3 << MovingOn::NextTown;
    }

    void aRetellingCutShortEndsQuietly()
    {
        QFETCH(int, town);
        QFETCH(MovingOn, way);
        arriveIn(town);
        hearTheStory();
        standBesideTheSpirit();
        game->hearStoryAgain();
        game->Visit->click(); // the voice stops
        QVERIFY(!game->MPchar->isPlaying());
        if (way == MovingOn::LookingAgain) {
            // Looking around lets the voice's late end through while the
            // spirit appears: no trade prompt, no way on over her.
            game->LookClick();
            deliverPostedEvents();
            QVERIFY(game->MPghost->isPlaying());
            QVERIFY(!game->IPic->isVisibleTo(game));
            QVERIFY(!game->Visit->isEnabled());
        } else {
            game->LookClick();
            fake(game->MPghost)->finishPlay();
            deliverPostedEvents();
            game->hearStoryAgain();
            game->Continue->click();
            deliverPostedEvents();
            QCOMPARE(int(s().Town), town + 1);
            QVERIFY(!game->IPic->isVisibleTo(game));
            QVERIFY(!game->Visit->isEnabled());
        }
        QVERIFY(!game->Caption->isVisibleTo(game));
    }

    void aTradeStopsTheRetellingAndLeavesTheStoryToRead()
    {
        arriveIn(SecondSpiritTown);
        hearTheStory();
        standBesideTheSpirit();
        game->hearStoryAgain();
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        game->Button2->click(); // another offer: the spirit goes on speaking
        QVERIFY(game->MPchar->isPlaying());
        s().TradeOffer = FirstTrifleLine; // a trifle
        game->Button1->click();
        QVERIFY(!game->MPchar->isPlaying());
        deliverPostedEvents(); // the voice's end, cut short
        QVERIFY(storyShows());
        QVERIFY(!game->IPic->isVisibleTo(game));
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QVERIFY(offered());
    }

    void theInstructionsGoOnWhileTheStoryIsHeardAgain()
    {
        arriveIn(SecondSpiritTown);
        hearTheStory();
        standBesideTheSpirit();
        game->hearStoryAgain();
        game->ClickScreen(300, 200);
        game->Button3->click(); // "No deals."
        QVERIFY(game->IP->isActive());
        const int step = s().InstructionStep;
        game->IPTimer();
        QVERIFY(s().InstructionStep > step); // the step is taken, not dropped
        QVERIFY(game->IP->isActive());
        QVERIFY(game->MPchar->isPlaying()); // the spirit goes on speaking
        QVERIFY(storyShows());
    }

    void aJourneyOpensWithTheStoryOfTheSpiritStandingThere_data()
    {
        QTest::addColumn<bool>("heard");
        QTest::newRow("the spirit has spoken") << true;
        QTest::newRow("the spirit is still to come") << false;
    }

    void aJourneyOpensWithTheStoryOfTheSpiritStandingThere()
    {
        QFETCH(bool, heard);
        arriveIn(SecondSpiritTown);
        if (heard)
            hearTheStory();
        goods::possessions().ItemCount[170] = 2;
        const journey::JourneyState saved = game->captureJourney();

        // Opened in a fresh game and over a story that shows.
        for (bool overAStory : {false, true}) {
            freshGame();
            if (overAStory) {
                arriveIn(FirstSpiritTown);
                hearTheStory();
                QVERIFY(game->Caption->isVisibleTo(game));
            } else {
                trail->startTheTrail();
            }
            QCOMPARE(game->resumeJourney(saved), QString());
            QCOMPARE(game->captureJourney(), saved);
            QCOMPARE(storyShows(), heard);
            QCOMPARE(offered(), heard);
            QVERIFY(!game->MPchar->isPlaying());
            deliverPostedEvents();
            QCOMPARE(storyShows(), heard);
            if (!heard)
                continue;
            // Below the panels, as on the trail.
            game->ClickScreen(300, 200);
            const QPoint onTheButton =
                game->Button1->mapTo(game->Client, game->Button1->rect().center());
            QCOMPARE(game->Client->childAt(onTheButton), game->Button1);
            game->hearStoryAgain();
            QVERIFY(game->MPchar->isPlaying());
            QCOMPARE(s().SpiritsHeard, saved.number(journey::field::SpiritsHeard));
        }
    }
};

QTEST_MAIN(StoryCaptionTest)
#include "tst_storycaption.moc"

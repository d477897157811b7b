// A town visit from start to end on fake media players, with timer ticks
// called directly: the welcome in town 1, the route to town 2, the girl's
// appearance and story, the snakebite, the trapper's town and its trading
// post, and the journey map along the way.

#include "modalscript.h"
#include "trailfixture.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "presentation/storytexts.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "presentation/transitions/fusetransition.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "media/pictures.h"
#include "trail/towncontent.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using media::MediaMode;

namespace {

bool isRed(const QImage& image, QPoint at)
{
    const QColor c = image.pixelColor(at);
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

} // namespace

class JourneyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    // What the entry sequence and the opening transition do before the
    // player's first click: town 1, welcome on the first IP tick.
    void startTheTrail()
    {
        game->FormShow();
        game->FormActivate();
        game->Transition1EndTransition(game->Transition1);
        game->IPTimer();
    }

    // Ticks the route animation until it stops; returns the number of ticks.
    int drawRoute()
    {
        int ticks = 0;
        while (game->Go->isActive() && ticks < 100) {
            game->GoTimer();
            ++ticks;
        }
        return ticks;
    }

    void arriveInTown2()
    {
        startTheTrail();
        game->ContinueClick();
        drawRoute();
        game->IPTimer();
    }

    // The appearance clip ends, then (the first time) the speaking clip.
    void watchTheSpirit()
    {
        game->LookClick();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        if (game->MPchar->isPlaying()) {
            fake(game->MPchar)->finishPlay();
            QCoreApplication::processEvents();
        }
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void townOneWelcomesThePartyAndOnlyLetsItTravel()
    {
        startTheTrail();
        QCOMPARE(s().Town, 1);
        QCOMPARE(s().sceneId(), QStringLiteral("s010"));
        QCOMPARE(s().Stage, 2);
        QCOMPARE(s().Encounter, 0);
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(!game->Look->isEnabled());
        QVERIFY(!game->Visit->isEnabled());
        QVERIFY(!game->Go->isActive());
        QVERIFY(fake(game->MPmus)->isPlaying());
    }

    void travellingToTownTwoDrawsTheRouteDashByDash()
    {
        startTheTrail();
        game->ContinueClick();
        QCOMPARE(s().Town, 2);
        QCOMPARE(s().sceneId(), QStringLiteral("s020"));
        QVERIFY(game->Go->isActive());
        QVERIFY(!game->Continue->isEnabled());
        QVERIFY(!game->Look->isEnabled());
        QCOMPARE(game->Visit->text(), QStringLiteral("Go Fishing"));
        QVERIFY(!game->Visit->isEnabled());
        QCOMPARE(s().FishingMode, 1);
        QCOMPARE(game->Caption->text(), story::storyLine(3));
        QVERIFY(game->Caption->text().size() > 40);

        QCOMPARE(drawRoute(), 9);
        QCOMPARE(s().RouteX, 322);
        const QImage& picture = game->Image1->picture();
        QVERIFY(isRed(picture, QPoint(s().RouteX, s().RouteY))); // the red dot
        QVERIFY(isRed(picture, QPoint(497, 126)));             // inside the first dash
        QCOMPARE(s().InstructionStep, 1);
        QVERIFY(game->IP->isActive());

        game->IPTimer();
        QVERIFY(game->IL1->text().contains("a Verunai girl"));
        QVERIFY(game->Look->isEnabled());
    }

    void theSpiritsClipsArePlacedOnTheScene()
    {
        arriveInTown2();
        QCOMPARE(game->MPghost->FileName, QStringLiteral("anim/mox222.avi"));
        QCOMPARE(game->MPchar->FileName, QStringLiteral("anim/mov222.avi"));
        QCOMPARE(game->MPghost->DisplayRect(), townContent(2).ghostRect.translated(212, 90));
        QCOMPARE(game->MPchar->DisplayRect(), townContent(2).charRect.translated(212, 90));
        QCOMPARE(game->MPghost->Mode(), MediaMode::Stopped);
        QCOMPARE(s().SpiritNo, 2);
    }

    void theGirlAppearsTellsHerStoryAndOffersATrade()
    {
        arriveInTown2();
        game->LookClick();
        QCOMPARE(s().sceneId(), QStringLiteral("s022"));
        QVERIFY(game->MPghost->isPlaying());
        QVERIFY(!game->MPmus->isPlaying());
        QVERIFY(!game->Visit->isEnabled());
        QVERIFY(!game->Look->isEnabled());

        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        QCOMPARE(s().sceneId(), QStringLiteral("x022"));
        QVERIFY(game->MPchar->isPlaying());
        QVERIFY(game->Caption->isVisibleTo(game));
        QCOMPARE(s().Encounter, 1);
        QCOMPARE(s().TradeRound, 1);
        QVERIFY(!game->Continue->isEnabled());
        QVERIFY(!game->Visit->isEnabled());
        QCOMPARE(s().ScreenClickable, 0);

        fake(game->MPchar)->finishPlay();
        QCoreApplication::processEvents();
        QCOMPARE(s().InstructionStep, 3);
        QVERIFY(game->IL1->text().contains("trade with the Verunai girl"));
        QCOMPARE(s().ScreenClickable, 1);
        QVERIFY(game->Visit->isEnabled());
        QVERIFY(game->Caption->isVisibleTo(game)); // her words stay to be read
        QVERIFY(!game->Continue->isEnabled());

        // Looking again brings her back without a word, and the way on.
        game->LookClick();
        QVERIFY(!game->Caption->isVisibleTo(game));
        QVERIFY(!game->Continue->isEnabled());
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(!game->MPchar->isPlaying());
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(game->Visit->isEnabled());
        QCOMPARE(s().Encounter, 1);
    }

    void leavingTheGirlsTownBringsTheSnakebiteThenTheJourneyGoesOn()
    {
        arriveInTown2();
        watchTheSpirit();
        game->LookClick();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();

        game->ContinueClick();
        QCOMPARE(s().Town, 2); // no travelling yet
        QCOMPARE(s().Encounter, 2);
        QVERIFY(s().SnakeVictim >= 1 && s().SnakeVictim <= 7);
        QCOMPARE(game->Dlabel->text(), game->Name(s().SnakeVictim) + " was bitten by a snake!");
        QVERIFY(game->Dchoice->isVisibleTo(game));
        QVERIFY(!game->BPanel->isVisibleTo(game));
        QVERIFY(!game->DC2->isEnabled()); // no snakeroot was traded for
        QVERIFY(!game->DC3->isEnabled());
        QVERIFY(!game->DOK1->isEnabled());
        QCOMPARE(s().sceneId(), QStringLiteral("x022"));
        QCOMPARE(fake(game->MPmus2)->calls.last(), QStringLiteral("Play 26400-46000"));

        game->DC1->click();
        QVERIFY(game->DOK1->isEnabled());
        game->DOK1->click();
        QCOMPARE(s().Score, 0);
        QVERIFY(game->BPanel->isVisibleTo(game));
        QVERIFY(game->EndTime->isActive());
        game->EndTimeTimer();
        QCOMPARE(s().Town, 3);
        QVERIFY(!game->EndTime->isActive());
    }

    void snakerootTeaEarnsFivePoints()
    {
        arriveInTown2();
        watchTheSpirit();
        s().HasSnakeroot = 1;
        game->LookClick();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        game->ContinueClick();
        QVERIFY(game->DC2->isEnabled());
        game->DC2->click();
        game->DOK1->click();
        QCOMPARE(s().Score, 5);
    }

    void townThreeIsTheTrappersEvenWhenTheGirlWasPassedBy()
    {
        arriveInTown2();
        game->ContinueClick(); // before looking around: no story, no snakebite
        QCOMPARE(s().Town, 3);
        QCOMPARE(s().Encounter, 2);
        QCOMPARE(s().SpiritNo, 1);
        QCOMPARE(game->Visit->text(), QStringLiteral("Visit the Trading Post"));
        QCOMPARE(game->MPghost->FileName, QStringLiteral("anim/mox151.avi"));
        QCOMPARE(game->MPskel->DisplayRect(), QRect(212 + 244, 90 + 206, 150, 133));
        QCOMPARE(game->Caption->text(), story::storyLine(5));
        QVERIFY(game->Caption->text().size() > 40);
        QCOMPARE(drawRoute(), 24);
        game->IPTimer();
        QVERIFY(game->IL1->text().contains("a young trapper"));
        watchTheSpirit();
        QCOMPARE(s().Encounter, 3);
        QVERIFY(game->IL1->text().contains("BEAR OIL"));
    }

    void theTradingPostFromTheDoorToTheCounter()
    {
        arriveInTown2();
        game->ContinueClick();
        drawRoute();
        game->IPTimer();

        game->VisitClick();
        QCOMPARE(s().Stage, 3);
        QCOMPARE(fake(game->MPmus2)->calls.last(), QStringLiteral("Play 3500-18500"));
        QVERIFY(game->Look->isEnabled());
        QVERIFY(!game->Visit->isEnabled());
        game->IPTimer();
        QCOMPARE(game->IL1->text(), QStringLiteral("Now click on the screen to enter the trading post."));

        game->ClickScreen(300, 200); // the door opens
        QCOMPARE(s().Stage, GameState::StageInsidePost);
        QCOMPARE(s().PostState, 1);
        game->ClickScreen(300, 200); // the keepers stir
        QVERIFY(game->MPskel->isPlaying());
        QCOMPARE(s().Stage, GameState::StageAtCounter);
        QVERIFY(!game->Look->isEnabled());
        fake(game->MPskel)->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(game->Look->isEnabled());
        game->IPTimer();
        QVERIFY(game->IL1->text().startsWith("It looks like they're ready to help you."));

        // At the counter: the store in trading-post mode; nothing bought, no jingle.
        ModalScript script;
        int storeTag = -1;
        script.then([&](QWidget* window) {
            storeTag = static_cast<TStore*>(window)->Tag;
            window->close();
        });
        const int jingles = fake(game->MPmus2)->plays;
        game->ClickScreen(300, 200);
        QCOMPARE(storeTag, 50);
        QCOMPARE(fake(game->MPmus2)->plays, jingles);
        QCOMPARE(s().PostState, 3);

        // A purchase leaves less money and plays the jingle.
        script.then([&](QWidget* window) {
            static_cast<TStore*>(window)->setMoney(s().MoneyBefore - 7);
            window->close();
        });
        game->ClickScreen(300, 200);
        QCOMPARE(s().MoneyAfter, s().MoneyBefore - 7);
        QCOMPARE(fake(game->MPmus2)->calls.last(), QStringLiteral("Play 46800-51000"));
    }

    void theJourneyEndsWhereTheTrailsTownsEnd_data()
    {
        QTest::addColumn<bool>("tea");
        QTest::addColumn<int>("fishLb");
        QTest::addColumn<QString>("words");
        // How many travellers end in good condition (the others fair), and
        // the points for remedies given on the way.
        QTest::addColumn<int>("wellTravellers");
        QTest::addColumn<int>("remedies");
        QTest::newRow("fish and care")
            << true << 23
            << "Your final score is 14 points: 5 for treating the snakebite with snakeroot tea, "
               "2 for the 23 lb of fish in storage and 7 for the 7 travellers in good condition."
            << 7 << 0;
        QTest::newRow("a single point")
            << false << 14
            << "Your final score is 2 points: 1 for the 14 lb of fish in storage and 1 for the 1 "
               "traveller in good condition."
            << 1 << 0;
        QTest::newRow("nothing at all") << false << 0
                                        << "Your final score is 0 points: 0 for the 0 lb" << 0 << 0;
        QTest::newRow("remedies given")
            << false << 0
            << "Your final score is 13 points: 0 for the 0 lb of fish in storage, 6 for the 2 "
               "remedies you gave and 7 for the 7 travellers in good condition."
            << 7 << 2;
    }

    void theJourneyEndsWhereTheTrailsTownsEnd()
    {
        QFETCH(bool, tea);
        QFETCH(int, fishLb);
        QFETCH(QString, words);
        QFETCH(int, wellTravellers);
        QFETCH(int, remedies);
        arriveInTown2();
        if (tea) {
            // The girl's story, then the snakebite on leaving her town,
            // treated with the snakeroot she gave.
            s().HasSnakeroot = 1;
            watchTheSpirit();
            game->ContinueClick();
            QVERIFY(game->DC2->isEnabled());
            game->DC2->click();
            game->DOK1->click();
            game->EndTimeTimer();
            QCOMPARE(s().CarePoints, 5);
        } else {
            game->ContinueClick(); // town 3
        }
        QCOMPARE(int(s().Town), 3);
        drawRoute();
        game->IPTimer();
        watchTheSpirit(); // the trapper tells his story
        // On to the last town of the trail.
        s().Town = TownCount - 1;
        game->ContinueClick();
        drawRoute();
        game->IPTimer();
        QCOMPARE(s().Town, TownCount);
        watchTheSpirit();  // the last spirit tells its story
        game->LookClick(); // and stands in the scene again: the way on opens
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(game->Continue->isEnabled());
        s().FishLb = fishLb;
        game->Continue->click();
        QCOMPARE(s().Town, TownCount);

        // Sedora's fire again, her closing words spoken and shown.
        QVERIFY(game->Image1->isVisibleTo(game));
        QCOMPARE(game->Image1->picture(), media::jpegPicture(QStringLiteral("i0")));
        QCOMPARE(game->MPend->FileName, QStringLiteral("intro/intro2.avi"));
        QVERIFY(game->MPend->isPlaying());
        QCOMPARE(game->MPwords->FileName, QStringLiteral("intro/closing.mp3"));
        QVERIFY(game->MPwords->isPlaying());
        QCOMPARE(game->Caption->text(), story::closingWords());
        QVERIFY(game->Caption->isVisibleTo(game));
        fake(game->MPend)->finishPlay(); // the fire loops
        QCoreApplication::processEvents();
        QVERIFY(game->MPend->isPlaying());
        QVERIFY(!game->Continue->isEnabled());
        QVERIFY(!game->Look->isEnabled());
        QVERIFY(!game->Visit->isEnabled());
        QVERIFY(game->Exit1->isEnabled());
        QVERIFY(!game->MPghost->isPlaying());
        QVERIFY(!game->IP->isActive());
        QVERIFY(!game->TradePanel->isVisibleTo(game));

        // "Next Story": the spirits met, one after another, and round again.
        const QList<int> storiesInTurn =
            tea ? QList<int>{2, 3, TownCount, 2} : QList<int>{3, TownCount, 3};
        for (int town : storiesInTurn) {
            game->No1->click();
            QCOMPARE(game->MPchar->FileName, townContent(town).charClip);
            QVERIFY(game->MPchar->isPlaying());
            QCOMPARE(game->Caption->text(), story::storyLine(2 * town - 1));
            QVERIFY(!game->MPend->isPlaying());
            fake(game->MPchar)->finishPlay();
            QCoreApplication::processEvents();
            QVERIFY(!game->Caption->isVisibleTo(game));
        }

        // "Please go on.": the score, the way travelled, and the way on.
        for (int k = 0; k < 7; ++k)
            s().Health[std::size_t(k)] = k < wellTravellers ? 0 : 1;
        s().RemediesGiven = remedies;
        s().RemedyPoints = 3 * remedies;
        game->Yes1->click();
        QVERIFY(!game->EndLabel->isHidden());
        QVERIFY(!game->EndLabel2->isHidden());
        QVERIFY2(game->EndLabel2->text().startsWith(words), qPrintable(game->EndLabel2->text()));
        QVERIFY(game->Image1->isHidden());
        QVERIFY(game->TravelledMap->isVisibleTo(game));
        QVERIFY(game->TravelAgain->isVisibleTo(game));
        QVERIFY(game->QuitGame->isVisibleTo(game));
        QVERIFY(!game->Yes1->isVisibleTo(game));
        QVERIFY(game->TravelAgain->geometry().bottom() < game->BPanel->y());
    }

    void theMapShowsThePathUpToTheTownReached()
    {
        game->FormShow();
        const QImage before = game->totmap->picture();
        QVERIFY(!isRed(before, QPoint(580, 240)));
        game->ContinueClick();
        const QImage inTown2 = game->totmap->picture();
        QVERIFY(isRed(inTown2, QPoint(580, 240))); // between town 1 and town 2
        QVERIFY(!isRed(inTown2, QPoint(532, 257)));
        game->ContinueClick();
        QVERIFY(isRed(game->totmap->picture(), QPoint(532, 257))); // on to town 3
    }
};

QTEST_MAIN(JourneyTest)
#include "tst_journey.moc"

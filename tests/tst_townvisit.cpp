// What a town visit shows the player, town by town: its name on arrival,
// each spirit speaking once and spoken of by its own name and pronoun, the
// instruction panel standing beside the spirit rather than over it, what a
// trade of a trifle brought, the word inside the empty trading post and the
// keepers standing at their counter, and the invitation to name the party.

#include "media/pictures.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "trailfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TownVisitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    void drawRoute() { trail->drawRoute(); }

    void startTheTrail() { trail->startTheTrail(); }

    // Travels on to `town` (the party is in the town before it).
    void travelTo(int town)
    {
        s().Town = static_cast<std::uint8_t>(town - 1);
        if (town > SecondSpiritTown)
            s().Encounter = 3; // the snakebite and the trapper are behind the party
        game->ContinueClick();
        drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
        QCOMPARE(int(s().Town), town);
    }

    bool lookAround() { return trail->lookAround(); }

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

    void theTownsNameShowsOnArrivalForAWhile()
    {
        startTheTrail();
        QCOMPARE(game->town->text(), QStringLiteral("Tessaly Ford"));
        game->ContinueClick();
        QVERIFY(game->town->isVisibleTo(game));
        QCOMPARE(game->town->text(), townContent(2).townName);
        QVERIFY(game->TownNameTime->isActive());
        game->hideTownName(); // the timer's tick
        QVERIFY(!game->town->isVisibleTo(game));
    }

    void everySpiritSpeaksOnceInItsOwnTown()
    {
        startTheTrail();
        travelTo(7);
        QVERIFY(lookAround()); // the boy tells his story
        QCOMPARE(game->Caption->text(), story::storyLine(2 * 7 - 1));
        QVERIFY(!lookAround()); // and then only stands there
        QVERIFY(game->Continue->isEnabled());
        travelTo(8);
        QVERIFY(lookAround()); // the next town's spirit has a story of its own
        QVERIFY(!lookAround());
    }

    void offersAskByTheSpiritsOwnPronoun_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<QString>("asks");
        QTest::newRow("the girl") << 2 << "Will you give her ";
        QTest::newRow("the trapper") << 3 << "Will you give him ";
        QTest::newRow("a settler woman") << 4 << "Will you give her ";
        QTest::newRow("the ferry keeper") << 5 << "Will you give him ";
        QTest::newRow("the last spirit") << TownCount << "Will you give her ";
    }

    void offersAskByTheSpiritsOwnPronoun()
    {
        QFETCH(int, town);
        QFETCH(QString, asks);
        goods::possessions().ItemCount[170] = 2; // dog paintings
        s().Town = static_cast<std::uint8_t>(town);
        s().Stage = 2;
        s().TradeRound = 1;
        s().ClicksArmed = 1;
        game->MakeTrade();
        QVERIFY2(game->Label5->text().startsWith(asks), qPrintable(game->Label5->text()));
    }

    void thePanelStandsBesideTheSpiritItSpeaksOf_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("town");
        QTest::newRow("the girl at 1024x768") << "1024x768" << 2;
        QTest::newRow("the trapper at 1024x768") << "1024x768" << 3;
        QTest::newRow("a later spirit at 1024x768") << "1024x768" << 12;
        QTest::newRow("the girl at 1280x1024") << "1280x1024" << 2;
        QTest::newRow("a later spirit at 800x600") << "800x600" << 20;
    }

    void thePanelStandsBesideTheSpiritItSpeaksOf()
    {
        QFETCH(QString, screen);
        QFETCH(int, town);
        qputenv("KELVARIN_SCREEN", screen.toLatin1());
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        qputenv("KELVARIN_SCREEN", "1024x768");
        startTheTrail();
        if (town > 2)
            travelTo(3);
        if (town > 3)
            travelTo(town);
        else if (town == 2) {
            s().Town = 1;
            game->ContinueClick();
            drawRoute();
            game->IPTimer();
        }
        QVERIFY(lookAround());
        // The trade prompt, over the spirit's scene.
        QVERIFY(game->IPic->isVisibleTo(game));
        QVERIFY(game->IL1->text().startsWith("Click on the screen again to try to trade with"));
        const QRect spirit = game->MPghost->DisplayRect();
        QVERIFY2(!game->IPic->geometry().intersects(spirit),
                 qPrintable(QStringLiteral("panel at %1,%2, spirit from x %3")
                                .arg(game->IPic->x())
                                .arg(game->IPic->y())
                                .arg(spirit.x())));
        QVERIFY(game->Image1->geometry().contains(game->IPic->geometry().topLeft()));
        // The trade panel leaves the spirit in sight too.
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QVERIFY(!game->TradePanel->geometry().intersects(spirit));
    }

    void aTrifleTradeSaysWhatThePartyReceived()
    {
        goods::possessions().ItemCount[170] = 2;
        goods::possessions().ItemCount[171] = 1;
        s().Town = 3;
        s().Stage = 2;
        s().TradeRound = 1;
        s().ClicksArmed = 1;
        s().TradeOffer = 30; // some beads
        s().TradeItem = 170;
        game->MakeTrade();
        QVERIFY(!game->Received->isVisibleTo(game));
        s().TradeOffer = 30;
        s().TradeItem = 170;
        game->Button1Click();
        QVERIFY(game->Received->isVisibleTo(game));
        QCOMPARE(game->Received->text(), QStringLiteral("You received some beads."));
        QVERIFY(game->Label5->text().startsWith("Will you give him 1 cat painting")); // the next offer
        game->Button2Click(); // another offer: the line has said its piece
        QVERIFY(!game->Received->isVisibleTo(game));
    }

    void theEmptyPostAsksForAClickAndTheKeepersStayAtTheCounter()
    {
        startTheTrail();
        travelTo(3);
        game->VisitClick();
        game->IPTimer(); // "Now click on the screen to enter the trading post."
        game->ClickScreen(300, 200);
        QVERIFY(game->IPic->isVisibleTo(game));
        QCOMPARE(game->IL1->text(), QStringLiteral("The trading post seems empty.  Click on the "
                                                   "screen again to see if anyone is here."));
        QVERIFY(game->Image1->isEnabled()); // the click it asks for is taken
        game->ClickScreen(300, 200);        // the keepers stir
        QVERIFY(!game->IPic->isVisibleTo(game));
        fake(game->MPskel)->finishPlay();
        QCoreApplication::processEvents();
        QCOMPARE(game->Image1->picture(), media::jpegPicture(QStringLiteral("z03")));
        QVERIFY(game->Image1->accessibleDescription().contains("keepers"));
        game->IPTimer(); // "It looks like they're ready to help you."
        QCOMPARE(game->Image1->picture(), media::jpegPicture(QStringLiteral("z03")));
        QVERIFY(game->IPic->isVisibleTo(game));
        QVERIFY(!game->IPic->geometry().intersects(game->MPskel->DisplayRect()));
    }

    void theSnakebitesQuestionStandsClearOfItsEdge()
    {
        QVERIFY(game->Dchoice->title().isEmpty());
        QCOMPARE(game->DchoiceTitle->text(), QStringLiteral("What will you do?"));
        QVERIFY(game->DchoiceTitle->x() >= 8);
        QCOMPARE(game->Dchoice->accessibleName(), QStringLiteral("What will you do?"));
    }

    void theWelcomeInvitesThePlayerToNameTheTravellers()
    {
        startTheTrail();
        QVERIFY(game->NameHint->isVisibleTo(game));
        QVERIFY(game->NameHint->geometry().bottom() < game->BtnParty->geometry().top());
        QVERIFY(!game->NameHint->geometry().intersects(game->BtnMap->geometry()));
        game->BtnPartyClick(); // found: the invitation has done its work
        QVERIFY(!game->NameHint->isVisibleTo(game));
        game->Okay1->click();
        game->Okay1->click();
        game->ContinueClick();
        QVERIFY(!game->NameHint->isVisibleTo(game));
    }
};

QTEST_MAIN(TownVisitTest)
#include "tst_townvisit.moc"

// Every moment at which a journey can be saved opens again to a screen that
// shows what the journey says, with a way on: the scene takes no clicks
// before its prompt, the next prompt enables its button, and a trade or a
// treatment still waiting when another journey is opened leaves that
// journey as it was saved.

#include "activities/tradelist.h"
#include "platform/bevelpanel.h"
#include "platform/filedialogs.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "presentation/transitions/fusetransition.h"
#include "pumpscript.h"
#include "seededsecond.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/towncontent.h"
#include "trailfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

enum class Moment {
    Welcome,        // town 1, the welcome on the panel
    LookPrompt,     // town 2, "Now click the "Look Around" button ..."
    AfterTheStory,  // town 2, the girl has spoken: the trade prompt
    PostDoor,       // town 3, "Now click on the screen to enter the trading post."
    AtTheCounter,   // town 3, the keepers ready to help
    FromTheEast,    // town 4, the route drawn, the trading post the way on
    LateTownPrompt, // town 20, the look-around prompt
};

} // namespace

Q_DECLARE_METATYPE(Moment)

class ReopeningTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    QTemporaryDir folder;
    std::int64_t now = 0;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    void freshGame()
    {
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    void tickPending()
    {
        trail->drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
    }

    // Only what a player could press: a button on the screen and enabled.
    void press(QAbstractButton* button)
    {
        QVERIFY2(button->isVisibleTo(game) && button->isEnabled(), qPrintable(button->text()));
        button->click();
    }

    void travelOn()
    {
        press(game->Continue);
        if (game->Dchoice->isVisibleTo(game)) { // the snakebite
            press(game->DC1);
            press(game->DOK1);
            game->EndTimeTimer();
        }
        tickPending();
    }

    // Looking around once more: after fishing or a visit to the post, as a
    // player does.
    void lookAgain()
    {
        if (!game->Look->isEnabled())
            press(game->Visit);
        press(game->Look);
    }

    void hearTheSpirit()
    {
        if (!game->Look->isEnabled())
            press(game->Visit); // a town reached from the east: the post first
        QVERIFY(trail->lookAround());
        lookAgain(); // seen again: the way on opens
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(game->Continue->isEnabled());
    }

    void reach(Moment moment)
    {
        trail->startTheTrail();
        goods::possessions().ItemCount[184] = 1;
        game->N[0]->setText(QStringLiteral("Ilsa"));
        if (moment == Moment::Welcome)
            return;
        travelOn(); // town 2
        if (moment == Moment::LookPrompt)
            return;
        QVERIFY(trail->lookAround()); // the girl's story, then the trade prompt
        if (moment == Moment::AfterTheStory)
            return;
        lookAgain();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        travelOn(); // town 3, through the snakebite
        if (moment == Moment::PostDoor || moment == Moment::AtTheCounter) {
            hearTheSpirit();
            press(game->Visit);
            game->IPTimer(); // "Now click on the screen to enter the trading post."
            QVERIFY(game->IL1->text().contains("enter the trading post"));
            if (moment == Moment::PostDoor)
                return;
            game->Image1MouseDown(300, 200); // in at the door
            game->Image1MouseDown(300, 200); // the keepers wake
            fake(game->MPskel)->finishPlay();
            QCoreApplication::processEvents();
            game->IPTimer();
            QVERIFY(game->IL1->text().contains("ready to help you"));
            return;
        }
        hearTheSpirit();
        travelOn(); // town 4, reached from the east
        if (moment == Moment::FromTheEast)
            return;
        hearTheSpirit();
        s().Town = 19;
        travelOn();
    }

    QString saveToFile(const QString& name)
    {
        const QString file = folder.filePath(name);
        platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
        game->SaveJourneyClick();
        platform::setFileChooser({});
        return file;
    }

    void openOnTheTrail(const QString& file)
    {
        platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
        game->OpenJourneyClick();
        platform::setFileChooser({});
    }

    // A player presses what takes presses: the scene, or the panel on it.
    void pressTheScene()
    {
        if (game->Image1->isEnabled())
            game->Image1MouseDown(300, 200);
        if (game->IPic->isVisibleTo(game))
            game->IPicClick();
        QWidget* focused = QApplication::focusWidget();
        if (focused == game->Image1)
            QTest::keyClick(focused, Qt::Key_Space);
    }

    QString screenSays() const
    {
        const GameState& state = gameState();
        return QStringLiteral("town %1 scene %2 step %3 shown %4 armed %5 clickable %6 | panel %7 "
                              "\"%8\" | look %9 visit %10 go %11 | IP %12")
            .arg(state.Town)
            .arg(state.sceneId())
            .arg(state.InstructionStep)
            .arg(state.InstructionShown)
            .arg(state.ClicksArmed)
            .arg(game->Image1->isEnabled())
            .arg(game->IPic->isVisibleTo(game))
            .arg(game->IL1->text())
            .arg(game->Look->isEnabled())
            .arg(game->Visit->isEnabled())
            .arg(game->Continue->isEnabled())
            .arg(game->IP->isActive());
    }

private slots:
    void init()
    {
        freshGame();
        platform::gameRandom().setClock([this] { return now; });
    }

    void cleanup()
    {
        platform::gameRandom().setClock({});
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void everySaveableMomentOpensToAWayOn_data()
    {
        QTest::addColumn<Moment>("moment");
        QTest::addColumn<bool>("fromTheMarket");
        QTest::addColumn<int>("town");
        const struct {
            const char* name;
            Moment moment;
            int town;
        } moments[] = {
            {"the welcome", Moment::Welcome, 1},
            {"the look-around prompt", Moment::LookPrompt, 2},
            {"after the story", Moment::AfterTheStory, 2},
            {"the post's door prompt", Moment::PostDoor, 3},
            {"at the counter", Moment::AtTheCounter, 3},
            {"arrived from the east", Moment::FromTheEast, 4},
            {"a late town's look-around prompt", Moment::LateTownPrompt, 20},
        };
        for (const auto& m : moments) {
            QTest::addRow("%s, opened on the trail", m.name) << m.moment << false << m.town;
            QTest::addRow("%s, opened at the market", m.name) << m.moment << true << m.town;
        }
    }

    void everySaveableMomentOpensToAWayOn()
    {
        QFETCH(Moment, moment);
        QFETCH(bool, fromTheMarket);
        QFETCH(int, town);
        reach(moment);
        QCOMPARE(int(s().Town), town);
        const QString file = saveToFile("moment.kvj");
        const journey::Reading saved = journey::read(file);
        QCOMPARE(saved.problem, QString());

        freshGame();
        if (fromTheMarket) {
            game->prepareJourney(saved.state);
            game->FormShow();
            game->FormActivate();
            game->Transition1EndTransition(game->Transition1);
        } else {
            trail->startTheTrail(); // the welcome is on the panel as the journey opens
            openOnTheTrail(file);
        }
        QCOMPARE(int(s().Town), town);

        // The screen shows what the opened journey says, and the journey is
        // the one saved.
        QCOMPARE(game->captureJourney(), saved.state);
        QVERIFY2(bool(s().InstructionShown) == game->IPic->isVisibleTo(game), qPrintable(screenSays()));
        QVERIFY2(bool(s().ScreenClickable) == game->Image1->isEnabled(), qPrintable(screenSays()));
        if (moment != Moment::AfterTheStory && moment != Moment::PostDoor &&
            moment != Moment::AtTheCounter)
            QVERIFY2(!game->Image1->isEnabled(), qPrintable(screenSays())); // nothing before its prompt

        // Pressed at once, then time passes: a prompt comes that enables its
        // button, or the way on is open.
        pressTheScene();
        for (int tick = 0; tick < 3; ++tick)
            tickPending();
        QVERIFY2(game->Look->isEnabled() || game->Continue->isEnabled() || game->Visit->isEnabled(),
                 qPrintable(screenSays()));
        switch (moment) {
        case Moment::Welcome:
            QVERIFY2(game->Continue->isEnabled(), qPrintable(screenSays()));
            QVERIFY(!game->IL1->text().contains("Look Around"));
            break;
        case Moment::LookPrompt:
        case Moment::LateTownPrompt:
            QVERIFY2(game->Look->isEnabled(), qPrintable(screenSays()));
            QVERIFY(game->IL1->text().contains(townContent(town).spiritWho));
            QVERIFY(game->IPic->isVisibleTo(game));
            break;
        case Moment::FromTheEast:
            QVERIFY2(game->Visit->isEnabled(), qPrintable(screenSays()));
            QCOMPARE(game->focusWidget(), game->Visit);
            break;
        default: // the spirit has spoken: it stands there, and the way on is open
            QCOMPARE(s().sceneId(), QStringLiteral("x%1").arg(town, 2, 10, QLatin1Char('0')) + '2');
            QVERIFY2(game->Continue->isEnabled(), qPrintable(screenSays()));
            break;
        }
        QCOMPARE(trail->errors.messages, QStringList());
    }

    void aTradeWaitingForItsClipsLeavesAJourneyOpenedMeanwhileAsItWasSaved()
    {
        // The girl has spoken; the party holds what her offer one asks for.
        reach(Moment::AfterTheStory);
        lookAgain();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        const QString file = saveToFile("before-the-trade.kvj");
        const journey::JourneyState saved = journey::read(file).state;
        QCOMPARE(saved.number(journey::field::Score), 0);

        // She appears again; the trade of her good waits for the clip.
        lookAgain();
        QVERIFY(game->MPghost->isPlaying());
        s().SpecialOfferToggle = 1; // the next special offer is offer one
        now = secondWhere([](int x) { return x % 1000 >= 800; });
        game->Image1MouseDown(300, 200);
        QVERIFY2(game->Label5->text().contains("snakeroot"), qPrintable(game->Label5->text()));
        PumpScript pumps([this] { fake(game->MPghost)->finishPlay(); });
        pumps.then([&] { openOnTheTrail(file); });
        press(game->Button1);

        QCOMPARE(game->captureJourney(), saved);
        QCOMPARE(s().Score, 0);
        QCOMPARE(s().TradePoints, 0);
        QCOMPARE(goods::possessions().TradeDone.at(SnakerootLine), 0);
        QVERIFY(!game->IL1->text().startsWith("Snakeroot will be very useful"));
    }

    void aTreatmentChosenAsAnotherJourneyOpensDoesNotMoveThatJourneyOn()
    {
        reach(Moment::FromTheEast);
        const QString file = saveToFile("town4.kvj");
        freshGame();
        reach(Moment::AfterTheStory);
        lookAgain();
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        press(game->Continue); // the snakebite
        press(game->DC1);
        // The treatment lets pending events run: the journey opens then.
        QMetaObject::invokeMethod(
            game, [&] { openOnTheTrail(file); }, Qt::QueuedConnection);
        press(game->DOK1);
        QCOMPARE(int(s().Town), 4);
        QVERIFY(!game->EndTime->isActive()); // nothing moves the opened journey on
        QVERIFY(game->Visit->isEnabled());
    }
};

QTEST_MAIN(ReopeningTest)
#include "tst_reopening.moc"

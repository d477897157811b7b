// The whole journey, played on fake media from the first town to the end:
// 28 arrivals, every spirit telling its story once, special trades with the
// right good and the spirit's own pronoun, the snakebite once after the
// girl's town, and the end screen with the score the journey earned. Two
// parties walk it with the travellers' fare: one that bought well (goods to
// trade, food and remedies) and one that bought nothing; neither is stuck.

#include "activities/tradelist.h"
#include "activities/wellbeing.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/fusetransition.h"
#include "seededsecond.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "trailfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class WholeJourneyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    std::int64_t now = 0;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    void deliver() { QCoreApplication::processEvents(); }

    void drawRoute() { trail->drawRoute(); }

    bool lookAround() { return trail->lookAround(); }

    // Only what a player could press: a button on the screen and enabled.
    void press(QAbstractButton* button)
    {
        QVERIFY2(button->isVisibleTo(game) && button->isEnabled(), qPrintable(button->text()));
        button->click();
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        platform::gameRandom().setClock([this] { return now; });
    }

    void cleanup()
    {
        platform::gameRandom().setClock({});
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void theWholeTrailFromTheFirstTownToTheEnd_data()
    {
        QTest::addColumn<bool>("buysWell");
        QTest::newRow("a party that bought well") << true;
        QTest::newRow("a party that bought nothing") << false;
    }

    void theWholeTrailFromTheFirstTownToTheEnd()
    {
        QFETCH(bool, buysWell);
        game->travellersFare = true;
        platform::gameRandom().seed(buysWell ? 11 : 12);
        if (buysWell) {
            // One of everything the flea market's shop sells, and at the
            // trading post food for the whole way, honey and tea.
            for (int item = 168; item <= 191; ++item)
                goods::possessions().ItemCount[static_cast<std::size_t>(item)] = 1;
            goods::possessions().ItemCount[goods::FirstProvision] = 60;
            goods::possessions().ItemCount[std::size_t(wellbeing::provisionItem("jar of honey"))] = 3;
            goods::possessions().ItemCount[std::size_t(wellbeing::provisionItem("lb of tea"))] = 3;
        }
        const std::int64_t specialSecond = secondWhere([](int x) { return x % 1000 >= 800; });
        int ailments = 0, holds = 0, hunts = 0;

        game->FormShow();
        game->FormActivate();
        game->Transition1EndTransition(game->Transition1);
        game->IPTimer();
        QCOMPARE(int(s().Town), 1);
        int arrivals = 1, stories = 0, usefulTrades = 0, snakebites = 0;
        QSet<QString> pronounsSeen;

        while (!game->Yes1->isVisibleTo(game)) {
            QVERIFY(game->Continue->isEnabled());
            const int from = s().Town;
            press(game->Continue);
            // What may hold the party before it arrives: the snakebite, an
            // ailment on the road, a day of rest, the food run out, a hunt.
            for (int step = 0; step < 8 && s().Town == from && !game->Yes1->isVisibleTo(game);
                 ++step) {
                if (game->Dchoice->isVisibleTo(game)) {
                    QVERIFY(game->DC1->isEnabled()); // a choice always there
                    if (game->DC1->text() == "Clean the wound thoroughly.") {
                        ++snakebites;
                        QCOMPARE(from, FirstSpiritTown);
                        QCOMPARE(game->DC2->isEnabled(), buysWell); // the girl's snakeroot
                        press(buysWell ? game->DC2 : game->DC1);
                        press(game->DOK1);
                        game->EndTimeTimer();
                    } else if (game->DC3->text() == "Walk on without hunting.") {
                        ++hunts;
                        press(game->DC1);
                        press(game->DOK1);
                        QVERIFY(game->Continue->isEnabled());
                        press(game->Continue);
                    } else {
                        // An ailment: the first choice, a remedy when there is one.
                        ++ailments;
                        QVERIFY(game->DOK1->isVisibleTo(game));
                        press(game->DC1);
                        press(game->DOK1);
                        QVERIFY(game->EndTime->isActive());
                        game->EndTimeTimer();
                    }
                    continue;
                }
                // Held in the town: a rest day, or the word that the food ran out.
                QVERIFY(game->IL1->isVisibleTo(game));
                ++holds;
                press(game->Continue);
            }
            if (game->Yes1->isVisibleTo(game))
                break; // the journey's end
            ++arrivals;
            const int town = s().Town;
            QCOMPARE(town, from + 1);
            QCOMPARE(game->town->text(), townContent(town).townName);
            drawRoute();
            if (game->IP->isActive())
                game->IPTimer(); // "Now click the "Look Around" button ..."
            if (!game->Look->isEnabled()) {
                // Arrived from the west: the post first, then a look around.
                press(game->Visit);
            }
            QVERIFY2(lookAround(), qPrintable(QStringLiteral("town %1 told no story").arg(town)));
            ++stories;
            QCOMPARE(game->Caption->text(), story::storyLine(2 * town - 1));

            if (!buysWell) {
                // Nothing to trade: "No deals.", then the spirit is seen again
                // after the lake or the post, and the way on opens.
                QVERIFY(game->Image1->isEnabled());
                game->Image1MouseDown(300, 200);
                if (game->TradePanel->isVisibleTo(game))
                    press(game->Button3);
                QVERIFY(!game->Continue->isEnabled());
                press(game->Visit);
                press(game->Look);
                fake(game->MPghost)->finishPlay();
                deliver();
                QVERIFY(game->Continue->isEnabled());
                now += 7;
                continue;
            }
            // A special offer: the town's own good, asked by the spirit's pronoun.
            now = specialSecond;
            QVERIFY(game->Image1->isEnabled()); // the trade prompt asks for a click
            game->Image1MouseDown(300, 200);
            QVERIFY(game->TradePanel->isVisibleTo(game));
            const TownContent spirit = townContent(town);
            const QString good = game->TradeList.value(town - 2);
            const QString offer = game->Label5->text();
            QVERIFY2(offer.startsWith(spirit.female ? "Will you give her " : "Will you give him "),
                     qPrintable(offer));
            if (offer.endsWith(QStringLiteral(" in exchange for %1?").arg(good))) {
                pronounsSeen << offer.section(' ', 3, 3);
                const int before = s().Score;
                press(game->Button1);
                QCOMPARE(s().Score, before + 5);
                QCOMPARE(goods::possessions().TradeDone.at(static_cast<std::size_t>(town - 2)), 1);
                ++usefulTrades;
            }
            if (game->TradePanel->isVisibleTo(game))
                press(game->Button3); // "No deals."
            QVERIFY(!game->TradePanel->isVisibleTo(game));

            // The way on opens once the spirit has been seen again, after
            // fishing or the trading post; it tells its story only once.
            QVERIFY(!game->Continue->isEnabled());
            press(game->Visit);
            press(game->Look);
            fake(game->MPghost)->finishPlay();
            deliver();
            QVERIFY(!game->MPchar->isPlaying());
            QVERIFY(game->Continue->isEnabled());
            now += 7; // another second, another draw
        }

        QCOMPARE(arrivals, TownCount);
        QCOMPARE(stories, TownCount - 1); // every spirit of towns 2 to 28, each once
        QCOMPARE(snakebites, 1);
        QVERIFY2(ailments >= (buysWell ? 4 : 1), qPrintable(QString::number(ailments)));
        QCOMPARE(s().AilmentsMet, ailments);
        game->Yes1->click();
        if (!buysWell) {
            // Hungry from the fourth town on: told once, and rest days came,
            // but the party walked to the end.
            QCOMPARE(s().HungryTowns, TownCount - 3);
            QVERIFY(s().RestDays > 0);
            QVERIFY(holds > s().RestDays); // the rest days and the word on the food
            QCOMPARE(s().RemediesGiven, 0);
            QCOMPARE(s().finalScore(), s().conditionPoints());
            QVERIFY(game->EndLabel2->text().startsWith("Your final score is"));
            return;
        }
        QVERIFY2(usefulTrades >= 10, qPrintable(QString::number(usefulTrades)));
        QCOMPARE(pronounsSeen, (QSet<QString>{"her", "him"}));
        QCOMPARE(s().HungryTowns, 0);
        QCOMPARE(s().RestDays, 0);
        QVERIFY(s().RemediesGiven > 0);
        Q_UNUSED(hunts);
        const int expected = 5 * usefulTrades + 5 + s().FishLb / 10 + 3 * s().RemediesGiven +
                             s().conditionPoints();
        QCOMPARE(s().finalScore(), expected);
        QVERIFY2(game->EndLabel2->text().startsWith(
                     QStringLiteral("Your final score is %1 points: %2 for the %3 useful goods")
                         .arg(expected)
                         .arg(5 * usefulTrades)
                         .arg(usefulTrades)),
                 qPrintable(game->EndLabel2->text()));
    }
};

QTEST_MAIN(WholeJourneyTest)
#include "tst_wholejourney.moc"

// Going on with a saved journey: a journey saved on the trail opens in a
// fresh game with the same state and the same screen; the automatic save
// follows the party from town to town; a journey that cannot be taken
// changes nothing.

#include "activities/fishingouting.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/picturebox.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "trailfixture.h"
#include "modalscript.h"
#include "presentation/transitions/formtransitions.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

struct Screen {
    QString scene;
    bool look, visit, go;
    bool operator==(const Screen&) const = default;
};

} // namespace

namespace QTest {
template <> char* toString(const Screen& s)
{
    return qstrdup(QStringLiteral("%1 look %2 visit %3 go %4")
                       .arg(s.scene)
                       .arg(s.look)
                       .arg(s.visit)
                       .arg(s.go)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class JourneyResumeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    QTemporaryDir folder;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    Screen screen() const
    {
        return {gameState().sceneId(), game->Look->isEnabled(), game->Visit->isEnabled(),
                game->Continue->isEnabled()};
    }

    void freshGame()
    {
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    void drawRoute() { trail->drawRoute(); }

    void startTheTrail() { trail->startTheTrail(); }

    // Plays to `town`: the party arrives and, when asked, hears its spirit.
    void playTo(int town, bool hearTheSpirit)
    {
        startTheTrail();
        goods::possessions().ItemCount[170] = 3;
        goods::possessions().ItemCount[184] = 1;
        game->N[2]->setText(QStringLiteral("Ilsa"));
        game->FishList << QStringLiteral("2 lb 3 oz bluegill");
        if (town > 2) {
            // The snakebite is behind the party, and beyond the trapper's
            // town his chapter too.
            s().Town = static_cast<std::uint8_t>(town - 1);
            s().Encounter = town > SecondSpiritTown ? 3 : 2;
        }
        game->ContinueClick();
        drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
        QCOMPARE(int(s().Town), town);
        if (!hearTheSpirit)
            return;
        for (int look = 0; look < 2; ++look) {
            // Looking around again comes after fishing or the trading post.
            if (!game->Look->isEnabled())
                game->Visit->click();
            QVERIFY(game->Look->isEnabled());
            game->Look->click();
            fake(game->MPghost)->finishPlay();
            QCoreApplication::processEvents();
            if (game->MPchar->isPlaying()) {
                fake(game->MPchar)->finishPlay();
                QCoreApplication::processEvents();
            }
        }
        QVERIFY(game->Continue->isEnabled());
    }

    QString saveToFile(const QString& name)
    {
        const QString file = folder.filePath(name);
        platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
        game->SaveJourneyClick();
        platform::setFileChooser({});
        return file;
    }

private slots:
    void init() { freshGame(); }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void aSavedJourneyOpensAsItWas_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<bool>("heard");
        QTest::addColumn<Screen>("expected");
        QTest::newRow("town 2, the girl not yet met")
            << 2 << false << Screen{"s020", true, false, false};
        QTest::newRow("town 2, the girl has spoken") << 2 << true << Screen{"x022", false, true, true};
        QTest::newRow("town 3, the trapper has spoken")
            << 3 << true << Screen{"x032", false, true, true};
        QTest::newRow("town 4, arrived from the west")
            << 4 << false << Screen{"s040", false, true, false};
        QTest::newRow("a late town") << 20 << true << Screen{"x202", false, true, true};
    }

    void aSavedJourneyOpensAsItWas()
    {
        QFETCH(int, town);
        QFETCH(bool, heard);
        QFETCH(Screen, expected);
        playTo(town, heard);
        const journey::JourneyState before = game->captureJourney();
        const QString file = saveToFile("trip.kvj");
        QVERIFY(QFileInfo::exists(file));
        const QStringList lines = game->journal.toLines();

        freshGame();
        startTheTrail(); // a new game, in town 1
        platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
        game->OpenJourneyClick();
        platform::setFileChooser({});

        // Every field, the scene's flow among them: the journey was saved
        // with the moment it opens to.
        QCOMPARE(game->captureJourney(), before);
        QCOMPARE(bool(s().InstructionShown), game->IPic->isVisibleTo(game));
        QCOMPARE(bool(s().ScreenClickable), game->Image1->isEnabled());
        QCOMPARE(game->journal.toLines(), lines);
        QCOMPARE(game->N[2]->text(), QStringLiteral("Ilsa"));
        QCOMPARE(Store->money(), before.money());
        if (game->IP->isActive())
            game->IPTimer(); // the prompt the town's state calls for
        QCOMPARE(screen(), expected);
        if (!heard && town != 4)
            QVERIFY(game->IL1->text().contains(townContent(town).spiritWho));
        if (heard) {
            QVERIFY(!game->IPic->isVisibleTo(game)); // no prompt is due
            game->Transition1EndTransition(game->Transition1);
            QVERIFY(!game->IP->isActive());
        }
        // The journey map shows the way up to the town.
        QCOMPARE(game->Visit->text(), town == 2 ? QStringLiteral("Go Fishing")
                                                : QStringLiteral("Visit the Trading Post"));
    }

    void theMarketsJourneyStartsTheTrailInItsTown()
    {
        playTo(7, true);
        const journey::JourneyState saved = game->captureJourney();
        freshGame();
        game->prepareJourney(saved);
        game->FormShow();
        QCOMPARE(int(s().Town), 7);
        QCOMPARE(s().sceneId(), QStringLiteral("x072"));
        QVERIFY(game->Continue->isEnabled());
    }

    void theMarketOffersToGoOnWithTheJourneySavedAutomatically_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("town");
        QTest::newRow("going on") << "GoOn" << 9;
        QTest::newRow("starting anew") << "StartAnew" << 1;
    }

    void theMarketOffersToGoOnWithTheJourneySavedAutomatically()
    {
        QFETCH(QString, answer);
        QFETCH(int, town);
        playTo(9, false);
        QCOMPARE(journey::readAutosave().state.number(journey::field::Town), 9);
        freshGame();
        TFleaMarket market;
        market.FT1->Enabled = false;
        ModalScript script;
        QString question;
        script.then([&](QWidget* box) {
            // The market lists the journey with its town.
            const auto* list = box->findChild<QListWidget*>(QStringLiteral("Journeys"));
            question = list && list->count() == 1 ? list->item(0)->text() : QString();
            box->findChild<QPushButton*>(answer)->click();
        });
        if (answer == "StartAnew") { // the saved journey goes only when the player is sure
            script.thenClick(QStringLiteral("StartJourney"));
            script.thenClick(QStringLiteral("ReplaceSaved"));
        }
        market.offerSavedJourney();
        QVERIFY(question.contains(townContent(9).townName));
        game->FormShow();
        QCOMPARE(int(s().Town), town);
    }

    void aJourneyOpensFromTheMarketsOpenItem()
    {
        playTo(6, true);
        const QString file = saveToFile("later.kvj");
        freshGame();
        TFleaMarket market;
        market.FT1->Enabled = false;
        platform::setFileChooser([file](const platform::FileDialog&, QWidget*) { return file; });
        market.OpenGame();
        platform::setFileChooser({});
        QCOMPARE(App().StartCode, StartCodes::GoOn);
        game->FormShow();
        QCOMPARE(int(s().Town), 6);
        QCOMPARE(s().sceneId(), QStringLiteral("x062"));
    }

    void theAutomaticSaveFollowsTheParty()
    {
        QFile::remove(journey::autosaveFile());
        startTheTrail();
        QCOMPARE(journey::checkAutosave().state, journey::SlotState::Empty); // not town 1
        game->ContinueClick();
        journey::Reading slot = journey::readAutosave();
        QCOMPARE(slot.problem, QString());
        QCOMPARE(slot.state.number(journey::field::Town), 2);
        drawRoute();
        s().Town = 5; // on past the trapper's town
        s().Encounter = 3;
        game->ContinueClick();
        slot = journey::readAutosave();
        QCOMPARE(slot.state.number(journey::field::Town), 6);
    }

    void aJourneyIsNotSavedInTheMiddleOfSomething()
    {
        startTheTrail();
        game->ContinueClick(); // the route is being drawn
        QVERIFY(!game->whyJourneyCannotBeSavedNow().isEmpty());
        bool asked = false;
        platform::setFileChooser([&](const platform::FileDialog&, QWidget*) {
            asked = true;
            return QString();
        });
        QVERIFY(!platform::guarded([&] { game->SaveJourneyClick(); }));
        platform::setFileChooser({});
        QVERIFY(!asked);
        QCOMPARE(trail->errors.messages.size(), 1);
        QVERIFY(trail->errors.messages.first().startsWith("The journey can be saved when"));
        trail->errors.messages.clear();
        drawRoute();
        QVERIFY(game->whyJourneyCannotBeSavedNow().isEmpty());
    }

    void aJourneyWithADamagedJournalChangesNothing()
    {
        playTo(3, true);
        journey::JourneyState damaged = game->captureJourney();
        damaged.setTexts(journey::field::Journal, {QStringLiteral("Kelvarin journal 1"),
                                                   QStringLiteral("nonsense\tline")});
        freshGame();
        startTheTrail();
        const journey::JourneyState before = game->captureJourney();
        const QString problem = game->resumeJourney(damaged);
        QVERIFY(problem.contains("journal"));
        QCOMPARE(game->captureJourney(), before);
        QCOMPARE(int(s().Town), 1);
    }

    void openingAJourneyAtTheEndTakesTheEndAway()
    {
        playTo(5, true);
        const journey::JourneyState saved = game->captureJourney();
        s().Town = TownCount;
        game->ContinueClick(); // the journey's end
        QVERIFY(game->Yes1->isVisibleTo(game));
        QCOMPARE(game->resumeJourney(saved), QString());
        QVERIFY(!game->Yes1->isVisibleTo(game));
        QVERIFY(!game->MPend->isPlaying());
        QVERIFY(!game->MPwords->isPlaying());
        QVERIFY(game->Image1->isVisibleTo(game));
        QCOMPARE(int(s().Town), 5);
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(!game->IP->isActive()); // no instruction is due in a town whose spirit has spoken
        // The trail goes on from there: the next town's route and prompt.
        game->Continue->click();
        drawRoute();
        QVERIFY(game->IP->isActive());
        game->IPTimer();
        QCOMPARE(int(s().Town), 6);
        QVERIFY(game->Look->isEnabled());
        QVERIFY(game->IL1->text().contains(townContent(6).spiritWho));
        QVERIFY(!game->Yes1->isVisibleTo(game));
    }
};

QTEST_MAIN(JourneyResumeTest)
#include "tst_journeyresume.moc"

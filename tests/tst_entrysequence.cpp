// The entry sequence: which screens run modally, in which order, which exist
// at each point, and what the start-up code makes of the flea market's end.

#include "errorcapture.h"
#include "fakemedia.h"
#include "presentation/blackscreen.h"
#include "shell/application.h"
#include "app/entrysequence.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "trail/game.h"

#include <QTest>

#include <functional>
#include <map>

namespace {

// Each screen's modal run is played by a scripted function instead of a
// player.
class ScriptedSequence : public EntrySequence {
public:
    std::map<QString, std::function<void(platform::Form&)>> play;
    QStringList ran;
    bool loopEntered = false;
    bool blackScreenUpDuringIntro = false;
    bool introFreedBeforeMarket = false;
    bool storeAndInventoryBeforeMarket = false;

protected:
    void runModal(platform::Form& form) override
    {
        ran << form.objectName();
        if (form.objectName() == QLatin1String("Intro"))
            blackScreenUpDuringIntro = BlackScreen && BlackScreen->isVisible();
        if (form.objectName() == QLatin1String("FleaMarket")) {
            introFreedBeforeMarket = Intro == nullptr;
            storeAndInventoryBeforeMarket = Store && Inventory && Game;
        }
        if (auto it = play.find(form.objectName()); it != play.end())
            it->second(form);
    }

    void enterMessageLoop() override { loopEntered = true; }
};

} // namespace

class EntrySequenceTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    // Whatever the screens would report in a message box; a sequence that
    // plays through reports nothing.
    ErrorCapture errors;

private slots:
    void init()
    {
        resetApplication();
        resetGameState();
        errors.messages.clear();
    }

    void cleanup()
    {
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }

    void screensRunInOrderAndTheTrailEndsTheProgram()
    {
        ScriptedSequence sequence;
        sequence.play["FleaMarket"] = [](platform::Form& market) {
            static_cast<TFleaMarket&>(market).SetOut();
        };
        sequence.play["Game"] = [](platform::Form& game) {
            // The player quits on the trail: FormClose asks the program to end.
            gameState().RestartConfirmed = 1;
            game.close();
        };
        QCOMPARE(sequence.run(), 0);
        QCOMPARE(sequence.ran, (QStringList{"Intro", "FleaMarket", "Game"}));
        QVERIFY(sequence.blackScreenUpDuringIntro);
        QVERIFY(sequence.introFreedBeforeMarket);
        QVERIFY(sequence.storeAndInventoryBeforeMarket);
        QVERIFY(App().Terminated);
        QVERIFY(!sequence.loopEntered); // termination was already requested
        QVERIFY(!Game && !Store && !Inventory && !BlackScreen);
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Kelvarin"));
    }

    void quittingAtTheFleaMarketNeverShowsTheTrail()
    {
        ScriptedSequence sequence;
        bool gameShown = false;
        sequence.play["FleaMarket"] = [](platform::Form& market) {
            App().StartCode = StartCodes::Quit;
            market.close();
        };
        sequence.play["Game"] = [&](platform::Form&) { gameShown = true; };
        QCOMPARE(sequence.run(), 0);
        QCOMPARE(sequence.ran, (QStringList{"Intro", "FleaMarket"}));
        QVERIFY(!gameShown);
        QCOMPARE(gameState().Town, 0); // no scene was ever set up
        QVERIFY(App().Terminated);
        QVERIFY(!sequence.loopEntered);
    }

    void aSlowMachineStillGoesOnToTheTrail()
    {
        ScriptedSequence sequence;
        sequence.play["Intro"] = [](platform::Form& intro) {
            App().StartCode = StartCodes::SlowMachine;
            intro.close();
        };
        sequence.play["Game"] = [](platform::Form&) { App().Terminate(); };
        sequence.run();
        QCOMPARE(sequence.ran.last(), QStringLiteral("Game"));
    }
};

QTEST_MAIN(EntrySequenceTest)
#include "tst_entrysequence.moc"

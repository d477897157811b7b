// Quitting the trail screen and restarting the game: every way of closing
// asks first, a "no" leaves the game as it was, and a confirmed restart starts
// a new copy and ends this one on the next EndTime tick without asking again.

#include "errorcapture.h"
#include "fakemedia.h"
#include "modalscript.h"
#include "platform/shell.h"
#include "presentation/about.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "trail/game.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TrailQuitTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    // Showing the screen loads its pictures; none of their messages may
    // stop a test.
    ErrorCapture quiet;

    QStringList launched;
    bool launchSucceeds = true;

    void requestClose(TGame& game, const QString& source)
    {
        if (source == QLatin1String("exit button"))
            game.Exit1->click();
        else if (source == QLatin1String("menu"))
            game.ExitProgram1->trigger();
        else
            game.close(); // the window system's close command
    }

private slots:
    void init()
    {
        resetGameState();
        resetApplication();
        launched.clear();
        launchSucceeds = true;
        platform::setProgramLauncher([this](const QString& program) {
            launched << program;
            return launchSucceeds;
        });
    }

    void cleanup() { platform::setProgramLauncher({}); }

    void everyCloseRequestAsksTheQuitQuestion_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("ends");
        for (const char* source : {"exit button", "menu", "window close"}) {
            QTest::addRow("%s, yes", source) << source << "Okay1" << true;
            QTest::addRow("%s, no", source) << source << "No1" << false;
        }
    }

    void everyCloseRequestAsksTheQuitQuestion()
    {
        QFETCH(QString, source);
        QFETCH(QString, button);
        QFETCH(bool, ends);

        TGame game;
        game.show();
        game.Continue->setEnabled(true);

        QString question;
        ModalScript script;
        script.then([&](QWidget* box) {
            question = box->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            box->findChild<QPushButton*>(button)->click();
        });
        requestClose(game, source);

        QCOMPARE(script.answered(), 1);
        QCOMPARE(question, QStringLiteral("Are you sure you want to Quit?"));
        QCOMPARE(App().Terminated, ends);
        QCOMPARE(game.isVisible(), !ends);
        if (!ends) {
            // A "no" leaves the game exactly as it was.
            QVERIFY(game.Continue->isEnabled());
            QCOMPARE(gameState().RestartConfirmed, 0);
        }
    }

    void confirmedRestartStartsANewCopyAndEndsOnTheNextTick()
    {
        TGame game;
        game.show();
        ModalScript script;
        QString question;
        script.then([&](QWidget* box) {
            question = box->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            box->findChild<QPushButton*>(QStringLiteral("Okay1"))->click();
        });
        game.NewGame1->trigger();

        QCOMPARE(question, QStringLiteral("Are you sure you want to restart the game?"));
        QCOMPARE(launched, QStringList{platform::ownProgramPath()});
        QCOMPARE(gameState().RestartConfirmed, 1);
        QVERIFY(game.EndTime->isActive());
        QCOMPARE(game.EndTime->interval(), 100);
        QVERIFY(!App().Terminated);

        game.EndTimeTimer(); // the tick 100 ms later
        QVERIFY(App().Terminated);

        // Closing now asks no second question.
        game.close();
        QCOMPARE(script.answered(), 1);
        QCOMPARE(script.unexpected(), 0);
    }

    void declinedRestartChangesNothing()
    {
        TGame game;
        ModalScript script;
        script.thenClick(QStringLiteral("No1"));
        game.NewGame1Click();
        QVERIFY(launched.isEmpty());
        QCOMPARE(gameState().RestartConfirmed, 0);
        QVERIFY(!game.EndTime->isActive());
        QVERIFY(!App().Terminated);
    }

    void restartThatCannotStartSaysSoAndKeepsTheGame()
    {
        launchSucceeds = false;
        TGame game;
        game.show();
        ErrorCapture errors;
        ModalScript script;
        script.thenClick(QStringLiteral("Okay1"));
        game.NewGame1Click();

        QCOMPARE(launched.size(), 1);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains(QStringLiteral("this game goes on")));
        QVERIFY(!game.EndTime->isActive());
        QCOMPARE(gameState().RestartConfirmed, 0);
        QVERIFY(!App().Terminated);

        // Since no restart is under way, quitting asks again.
        script.thenClick(QStringLiteral("No1"));
        game.close();
        QCOMPARE(script.answered(), 2);
        QVERIFY(game.isVisible());
    }

    void endTimeWithoutARestartCarriesTheJourneyOn()
    {
        TGame game;
        gameState().EndTimerMode = 0;
        game.EndTime->start();
        platform::guarded([&] { game.EndTimeTimer(); });
        QCOMPARE(gameState().Town, 1); // on to the next town
        QVERIFY(!game.EndTime->isActive());
        QVERIFY(game.Continue->isEnabled());
        QVERIFY(!App().Terminated);
    }

    void initMarksTheTrailEnteredOnce_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("go on") << 0 << 2;
        QTest::newRow("slow machine") << 1 << 2;
        QTest::newRow("already entered") << 2 << 2;
    }

    void initMarksTheTrailEnteredOnce()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        TGame game;
        App().StartCode = before;
        game.Init();
        QCOMPARE(App().StartCode, after);
        game.Init();
        QCOMPARE(App().StartCode, after);
    }

    void aboutItemShowsTheAboutBox()
    {
        TGame game;
        ModalScript script;
        QString okayCaption;
        script.then([&](QWidget* box) {
            okayCaption = box->findChild<QPushButton*>(QStringLiteral("Okay1"))->text();
            box->findChild<QPushButton*>(QStringLiteral("Okay1"))->click();
        });
        game.About->trigger();
        QCOMPARE(okayCaption, QStringLiteral("&Okay"));
        QVERIFY(!App().Terminated);
    }

    void menuHasTheGamesCaptions()
    {
        TGame game;
        QStringList top;
        for (QAction* action : game.MainMenu->actions())
            top << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(top, (QStringList{"&File", "-", "&Sound", "-", "&View", "-", "&Help"}));
        QStringList file;
        for (QAction* action : game.File1->actions())
            file << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(file, (QStringList{"&New Game", "&Open Journey...", "&Save Journey...",
                                    "&Journal of the Journey...", "-", "Exit Program"}));
        QStringList sound;
        for (QAction* action : game.Sound->actions())
            sound << action->text();
        QCOMPARE(sound, (QStringList{"&Volume", "Music On", "Music Off", "Hear the Story &Again"}));
        QVERIFY(game.M_On->isChecked());
        QVERIFY(!game.M_Off->isChecked());
        QCOMPARE(game.Exit1->text(), QStringLiteral("&Exit"));
    }
};

QTEST_MAIN(TrailQuitTest)
#include "tst_trailquit.moc"

// The trail for players on the keyboard and with a screen reader: a town is
// played with Enter and Space alone, the focus going where each instruction
// asks; instructions, offers and what happens are announced; every control a
// player can use has a name; the story's words read on their black band.

#include "announcementspy.h"
#include "platform/bevelpanel.h"
#include "platform/contrast.h"
#include "platform/picturebox.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class TrailAccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    // Enter on whatever has the keyboard's focus now.
    void enter()
    {
        QWidget* focused = game->focusWidget();
        QVERIFY2(focused, "nothing has the focus");
        QTest::keyClick(focused, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        game->Trans1->Enabled = false;
        game->show(); // only a window on the screen speaks
        QVERIFY(QTest::qWaitForWindowExposed(game));
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void aTownIsPlayedWithEnterAloneAndEveryStepIsSpoken()
    {
        goods::possessions().ItemCount[170] = 2;
        AnnouncementSpy spy(game);
        game->FormActivate();
        game->Transition1EndTransition(game->Transition1);
        game->IPTimer();
        QVERIFY(spy.texts.last().startsWith("You and your friends find yourselves"));
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Continue));
        enter(); // Go To Next Town
        QVERIFY(spy.texts.contains(QStringLiteral("Arriving in Marrow Lake.")));
        for (int tick = 0; game->Go->isActive() && tick < 50; ++tick)
            game->GoTimer();
        game->IPTimer();
        QVERIFY(spy.texts.last().startsWith("Now click the \"Look Around\" button"));
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Look));
        enter(); // Look Around
        fake(game->MPghost)->finishPlay();
        QCoreApplication::processEvents();
        fake(game->MPchar)->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(spy.texts.last().startsWith("Click on the screen again to try to trade"));
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Image1));
        QVERIFY(game->Image1->accessibleDescription().contains("Press to trade"));
        enter(); // the scene: the trade panel
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QVERIFY(spy.texts.last().startsWith("Will you give her 2 dog paintings"));
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Button1));
        QTest::keyClick(game->Button3, Qt::Key_Return); // No deals.
        QVERIFY(!game->TradePanel->isVisibleTo(game));
    }

    void arrivingFromTheWestTheKeysGoToTheTradingPost()
    {
        // The route into town 4 runs eastward: no instruction follows it,
        // only the trading post's button, and the keys must find it there
        // rather than on "Exit".
        trail->startTheTrail();
        s().Town = 3;
        s().Encounter = 3;
        game->Continue->setFocus();
        enter(); // Go To Next Town
        trail->drawRoute();
        QCOMPARE(int(s().Town), 4);
        QVERIFY(!game->IP->isActive());
        QVERIFY(game->Visit->isEnabled());
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Visit));
    }

    void theSnakebitesChoiceIsReachedByKeys()
    {
        AnnouncementSpy spy(game);
        game->FormShow();
        s().Encounter = 1; // the girl has told her story
        game->ContinueClick();
        QVERIFY(spy.texts.last().endsWith("was bitten by a snake!  What will you do?"));
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->DC1));
        QTest::keyClick(game->DC1, Qt::Key_Space);
        QVERIFY(game->DC1->isChecked());
        QTest::keyClick(game->DOK1, Qt::Key_Return);
        QVERIFY(!game->Dchoice->isVisibleTo(game));
    }

    void everyControlAPlayerUsesHasAName()
    {
        const QList<QWidget*> controls = game->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            const bool usable = control->focusPolicy() != Qt::NoFocus &&
                                (qobject_cast<QAbstractButton*>(control) ||
                                 qobject_cast<platform::PictureBox*>(control));
            if (!usable)
                continue;
            const QString name = control->accessibleName().isEmpty()
                                     ? qobject_cast<QAbstractButton*>(control)
                                           ? qobject_cast<QAbstractButton*>(control)->text()
                                           : QString()
                                     : control->accessibleName();
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
        }
        // The hidden good spot is not given away by its name, nor is it a button.
        QVERIFY(!game->hotspot->accessibleName().contains("spot", Qt::CaseInsensitive));
        QCOMPARE(game->hotspot->focusPolicy(), Qt::NoFocus);
    }

    void theStoryReadsOnItsBlackBand()
    {
        const QPalette palette = game->Caption->palette();
        QVERIFY(platform::contrastRatio(palette.color(QPalette::WindowText), Qt::black) >=
                platform::ReadableContrast);
    }
};

QTEST_MAIN(TrailAccessTest)
#include "tst_trailaccess.moc"

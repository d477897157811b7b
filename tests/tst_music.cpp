// The music rules of the trail screen and the flea market, played on fake
// players: what music off silences, what music on brings back, how a jingle
// and the theme take turns, and what happens when the theme cannot play.

#include "fakemedia.h"
#include "media/mediafiles.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "trail/game.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

using media::MediaMode;

class MusicTest : public QObject {
    Q_OBJECT

    FakeMedia* media = nullptr;
    TGame* game = nullptr;

    FakeMediaPlayer* theme() const { return media->player("MPmus"); }
    FakeMediaPlayer* jingles() const { return media->player("MPmus2"); }

private slots:
    void init()
    {
        resetGameState();
        resetApplication();
        media = new FakeMedia;
        game = new TGame;
        Game = game;
    }

    void cleanup()
    {
        Game = nullptr;
        delete game;
        delete media;
    }

    void theTrailScreenOpensItsMusicWhenCreated()
    {
        QCOMPARE(theme()->FileName, QStringLiteral("music/Theme.flac"));
        QCOMPARE(jingles()->FileName, QStringLiteral("music/m03.mp3"));
        QCOMPARE(theme()->calls, QStringList{"Open"});
        QCOMPARE(jingles()->calls, QStringList{"Open"});
        QCOMPARE(media->player("MPreel")->calls, QStringList{"Open"});
        QCOMPARE(media->player("MPreel")->DisplayRect(), QRect(812 + 52, 240 + 231, 23, 34));
    }

    void aJingleStopsTheThemeAndPlaysOnlyItsStretch()
    {
        game->PlayM1();
        QVERIFY(theme()->isPlaying());
        game->PlayM2(Jingles::TradingPost.start, Jingles::TradingPost.end);
        QCOMPARE(theme()->mode, MediaMode::Stopped);
        QCOMPARE(jingles()->calls.last(), QStringLiteral("Play 3500-18500"));
        // The theme comes back only through PlayM1, which ends the jingle.
        game->PlayM1();
        QVERIFY(theme()->isPlaying());
        QCOMPARE(jingles()->mode, MediaMode::Stopped);
    }

    void aJingleCutsOffASpeakingSpirit()
    {
        game->MPchar->FileName = "anim/mov222.avi";
        game->MPchar->Open();
        game->MPchar->Play();
        game->PlayM2(Jingles::Snakebite.start, Jingles::Snakebite.end);
        QCOMPARE(game->MPchar->Mode(), MediaMode::Stopped);
    }

    void musicOffSilencesEveryJingleAndTheTheme()
    {
        game->PlayM1();
        game->PlayM2(Jingles::FishingBegins.start, Jingles::FishingBegins.end);
        game->M_Off->trigger();
        QCOMPARE(gameState().MusicEnabled, 0);
        QVERIFY(game->M_Off->isChecked());
        QVERIFY(!game->M_On->isChecked());
        QVERIFY(!jingles()->isPlaying());
        const int themePlays = theme()->plays;
        const int jinglePlays = jingles()->plays;
        for (MediaStretch stretch : {Jingles::TradingPost, Jingles::FishingBegins, Jingles::Ripple,
                                     Jingles::Snakebite, Jingles::PurchaseAtPost})
            game->PlayM2(stretch.start, stretch.end);
        game->PlayM1();
        game->MusicOn(2);
        QCOMPARE(jingles()->plays, jinglePlays);
        QCOMPARE(theme()->plays, themePlays);
    }

    void musicOnRestartsOnlyTheTheme()
    {
        game->M_Off->trigger();
        game->M_On->trigger();
        QVERIFY(game->M_On->isChecked());
        QVERIFY(!game->M_Off->isChecked());
        QVERIFY(theme()->isPlaying());
        QCOMPARE(jingles()->plays, 0);
    }

    void musicOnModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<bool>("playingBefore");
        QTest::addColumn<bool>("enabledAfter");
        QTest::addColumn<bool>("playingAfter");
        QTest::newRow("off stops the theme") << 0 << true << true << false << false;
        QTest::newRow("on plays a stopped theme") << 1 << false << false << true << true;
        QTest::newRow("resume plays when enabled") << 2 << true << false << true << true;
        QTest::newRow("resume stays quiet when off") << 2 << false << false << false << false;
        QTest::newRow("hush stops, keeps the setting") << 3 << true << true << true << false;
    }

    void musicOnModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, enabledBefore);
        QFETCH(bool, playingBefore);
        QFETCH(bool, enabledAfter);
        QFETCH(bool, playingAfter);
        if (playingBefore)
            game->PlayM1();
        gameState().MusicEnabled = enabledBefore;
        game->MusicOn(mode);
        QCOMPARE(bool(gameState().MusicEnabled), enabledAfter);
        QCOMPARE(theme()->isPlaying(), playingAfter);
        if (mode <= 1) {
            QCOMPARE(game->M_On->isChecked(), enabledAfter);
            QCOMPARE(game->M_Off->isChecked(), !enabledAfter);
        }
    }

    void bothSoundMenusAlwaysAgree()
    {
        TFleaMarket market;
        market.M_Off->trigger();
        QVERIFY(game->M_Off->isChecked() && !game->M_On->isChecked());
        QVERIFY(market.M_Off->isChecked() && !market.M_On->isChecked());
        QCOMPARE(gameState().MusicEnabled, 0);
        market.M_On->trigger();
        QVERIFY(game->M_On->isChecked() && !game->M_Off->isChecked());
        QVERIFY(market.M_On->isChecked() && !market.M_Off->isChecked());
        QVERIFY(theme()->isPlaying());
    }

    void testMusicReopensThemeAndPlaysItFromTheStart()
    {
        theme()->calls.clear();
        game->TestMusic();
        QCOMPARE(theme()->calls, (QStringList{"Close", "Open", "Play"}));
        QCOMPARE(theme()->position, 0);
        QVERIFY(game->Sound->isEnabled());
    }

    void testMusicKeepsThePlayersChoiceOfMusicOff()
    {
        game->M_OffClick();
        theme()->calls.clear();
        game->TestMusic();
        QCOMPARE(theme()->calls, (QStringList{"Close", "Open"}));
        QVERIFY(!theme()->isPlaying());
        QVERIFY(game->M_Off->isChecked());
    }

    void switchingBackFromAnotherProgramLeavesTheMusicAlone()
    {
        TFleaMarket market;
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&market, &activate); // the market appears
        QCOMPARE(theme()->calls.mid(1), (QStringList{"Close", "Open", "Play"}));

        market.M_Off->trigger();
        theme()->calls.clear();
        // The player switches to another program and back.
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QCoreApplication::sendEvent(&market, &activate);
        QVERIFY(theme()->calls.isEmpty());
        QVERIFY(market.M_Off->isChecked());

        // Back from the game's own store the theme is opened afresh, and
        // stays silent while the music is off.
        market.M_On->trigger();
        theme()->calls.clear();
        QCoreApplication::sendEvent(&market, &activate);
        QCOMPARE(theme()->calls, (QStringList{"Close", "Open", "Play"}));
    }

    void aThemeThatCannotPlaySwitchesBothSoundMenusOff()
    {
        TFleaMarket market;
        media->missingFiles.insert(QString::fromLatin1(MediaFiles::Theme));
        market.FormActivate(); // runs the trail screen's TestMusic
        QVERIFY(!game->Sound->isEnabled());
        QVERIFY(!market.Sound1->isEnabled());
        QCOMPARE(gameState().MusicEnabled, 0);
        QVERIFY(!theme()->isPlaying());

        // A flea market made afterwards starts with its menu off too.
        TFleaMarket later;
        QVERIFY(!later.Sound1->isEnabled());
    }

    void theShopkeeperSpeaksOnlyHisLineAndHushesTheTheme()
    {
        TFleaMarket market;
        FakeMediaPlayer* voice = media->player("MPTalk");
        QCOMPARE(voice->FileName, QStringLiteral("fleamart/mayi-short.mp3"));
        game->PlayM1();
        market.Speaks(0);
        QCOMPARE(voice->calls.last(), QStringLiteral("Play 100-2800"));
        QVERIFY(!theme()->isPlaying());
        market.Speaks(1);
        QCOMPARE(voice->calls.last(), QStringLiteral("Play 2900-4400"));
        game->MusicOn(2); // walking south
        QVERIFY(theme()->isPlaying());
    }
};

QTEST_MAIN(MusicTest)
#include "tst_music.moc"

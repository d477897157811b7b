// The player's choices last from one start to the next: the music on or
// off, the volume and the caption size are read at start and every change is
// written; what is missing or makes no sense leaves the game's defaults.

#include "media/audiovolume.h"
#include "platform/captionsize.h"
#include "platform/windowmode.h"
#include "shell/gamestate.h"
#include "shell/keptsettings.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class KeptSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString file() const { return folder.filePath(QStringLiteral("kelvarin.conf")); }
    std::unique_ptr<QSettings> settings() const
    {
        return std::make_unique<QSettings>(file(), QSettings::IniFormat);
    }
    // As the program ends and starts again.
    void startAgain()
    {
        kept::stopKeeping();
        resetGameState();
        media::AudioVolume::instance().setPercent(80);
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        platform::WindowMode::instance().setFullScreen(true);
        platform::WindowMode::instance().setWindowSize(platform::WindowMode::defaultWindowSize());
        kept::startKeeping(settings());
    }

private slots:
    void init()
    {
        QFile::remove(file());
        startAgain();
    }

    void cleanup()
    {
        kept::stopKeeping();
        platform::WindowMode::instance().setFullScreen(true);
    }

    void nothingKeptLeavesTheDefaults()
    {
        QCOMPARE(int(gameState().MusicEnabled), 1);
        QCOMPARE(media::AudioVolume::instance().percent(), 80);
        QCOMPARE(platform::CaptionSize::instance().size(), platform::CaptionSize::Normal);
        QVERIFY(platform::WindowMode::instance().fullScreen());
        QCOMPARE(platform::WindowMode::instance().windowSize(), QSize(1024, 768));
    }

    void whatMakesNoSenseIsLeftOut()
    {
        {
            QSettings edited(file(), QSettings::IniFormat);
            edited.setValue(QStringLiteral("sound/music"), QStringLiteral("maybe"));
            edited.setValue(QStringLiteral("sound/volume"), QStringLiteral("150"));
            edited.setValue(QStringLiteral("captions/size"), QStringLiteral("huge"));
            edited.setValue(QStringLiteral("display/fullScreen"), QStringLiteral("12"));
            edited.setValue(QStringLiteral("display/windowSize"), QStringLiteral("wide"));
            edited.setValue(QStringLiteral("display/language"), QStringLiteral("tlh"));
        }
        QSettings edited(file(), QSettings::IniFormat);
        const kept::Choices choices = kept::read(edited);
        QVERIFY(!choices.music && !choices.volume && !choices.captionSize && !choices.fullScreen &&
                !choices.windowSize && !choices.language);
        // A window too small for the game's texts is not kept.
        edited.setValue(QStringLiteral("display/windowSize"), QStringLiteral("400x300"));
        QVERIFY(!kept::read(edited).windowSize);
        edited.setValue(QStringLiteral("sound/volume"), QStringLiteral("loud"));
        QVERIFY(!kept::read(edited).volume);
        edited.setValue(QStringLiteral("sound/volume"), QStringLiteral(" 0 "));
        QCOMPARE(kept::read(edited).volume, std::optional<int>(0));
    }

    void theChoicesAreThereAtTheNextStart()
    {
        media::AudioVolume::instance().setPercent(35);
        platform::CaptionSize::instance().larger();
        platform::CaptionSize::instance().larger();
        kept::keepMusic(false);
        platform::WindowMode::instance().setFullScreen(false);
        platform::WindowMode::instance().setWindowSize(QSize(1100, 800));
        kept::keepLanguage(QStringLiteral("en"));

        startAgain();
        QCOMPARE(int(gameState().MusicEnabled), 0);
        QCOMPARE(media::AudioVolume::instance().percent(), 35);
        QCOMPARE(platform::CaptionSize::instance().size(), platform::CaptionSize::Larger);
        QVERIFY(!platform::WindowMode::instance().fullScreen());
        QCOMPARE(platform::WindowMode::instance().windowSize(), QSize(1100, 800));
        QSettings written(file(), QSettings::IniFormat);
        QCOMPARE(kept::read(written).language, std::optional<QString>(QStringLiteral("en")));

        // Changed back, and kept again.
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        kept::keepMusic(true);
        startAgain();
        QCOMPARE(platform::CaptionSize::instance().size(), platform::CaptionSize::Normal);
        QCOMPARE(int(gameState().MusicEnabled), 1);
    }

    void nothingIsWrittenOnceKeepingHasStopped()
    {
        kept::stopKeeping();
        media::AudioVolume::instance().setPercent(12);
        kept::keepMusic(false);
        QSettings written(file(), QSettings::IniFormat);
        QVERIFY(!kept::read(written).volume);
        QVERIFY(!kept::read(written).music);
    }

    void theTrailsMusicSwitchIsKeptAndShownAtTheNextStart()
    {
        const auto started = [this] { startAgain(); };
        {
            TrailFixture trail(started);
            QVERIFY(trail.game->M_On->isChecked());
            trail.game->M_OffClick();
        }
        TrailFixture again(started);
        QCOMPARE(int(gameState().MusicEnabled), 0);
        QVERIFY(again.game->M_Off->isChecked());
        QVERIFY(!again.game->M_On->isChecked());
        again.game->M_OnClick();
        startAgain();
        QCOMPARE(int(gameState().MusicEnabled), 1);
    }
};

QTEST_MAIN(KeptSettingsTest)
#include "tst_keptsettings.moc"

// The real media player, headless, on small files the test writes itself:
// opening and refusing files, stretches that stop on time, positions, modes,
// and exactly one notification for every play however it ends. These tests
// play real audio and video, so they wait for the media (never for a timer).

#include "errorcapture.h"
#include "media/qtmediaplayer.h"
#include "mediafixtures.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using media::MediaMode;
using media::QtMediaPlayer;

namespace {

constexpr int MediaTimeout = 10000;

} // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString previousFolder;

    // Opens a file, failing the test with the message if it cannot.
    bool open(QtMediaPlayer& player, const QString& file)
    {
        player.FileName = file;
        ErrorCapture errors;
        const bool opened = platform::guarded([&] { player.Open(); });
        if (!opened)
            qWarning() << errors.messages;
        return opened;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(writeToneWav("tone.wav", 3000));
        QVERIFY(writeColourAvi("clip.avi", 160, 120, 10, 12));
        QFile junk("junk.mp3");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, '\x5a'));
    }

    void cleanupTestCase() { QDir::setCurrent(previousFolder); }

    void aMissingFileIsRefusedWithItsName()
    {
        QtMediaPlayer player;
        player.FileName = "music/none.mp3";
        ErrorCapture errors;
        QVERIFY(!platform::guarded([&] { player.Open(); }));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("music/none.mp3"));
        QCOMPARE(player.Error, media::FileNotFound);
        QCOMPARE(player.Mode(), MediaMode::NotReady);
    }

    void aFileThatIsNotMediaIsRefusedAndTheNextOpenIsUnharmed()
    {
        QtMediaPlayer player;
        player.FileName = "junk.mp3";
        ErrorCapture errors;
        QVERIFY(!platform::guarded([&] { player.Open(); }));
        QCOMPARE(player.Error, media::CannotDecode);
        QVERIFY(errors.messages.first().contains("junk.mp3"));
        QCOMPARE(player.Mode(), MediaMode::NotReady);

        QVERIFY(open(player, "tone.wav"));
        QCOMPARE(player.Error, media::NoMediaError);
        QCOMPARE(player.Mode(), MediaMode::Stopped);
    }

    void aStretchPlaysExactlyThatStretchAndNotifiesOnce()
    {
        QtMediaPlayer player;
        QVERIFY(open(player, "tone.wav"));
        QSignalSpy notified(&player, &QtMediaPlayer::Notify);
        player.setStartPos(500);
        player.setEndPos(1100);
        player.Play();
        QCOMPARE(player.Mode(), MediaMode::Playing);
        QVERIFY(notified.wait(MediaTimeout));
        const qint64 stoppedAt = player.Position();
        qInfo("stretch 500..1100 stopped at %lld ms (%lld ms past its end)", stoppedAt,
              stoppedAt - 1100);
        QVERIFY2(stoppedAt >= 1050 && stoppedAt < 1150, qPrintable(QString::number(stoppedAt)));
        QCOMPARE(player.Mode(), MediaMode::Stopped);
        QCoreApplication::processEvents();
        QCOMPARE(notified.count(), 1);

        // The stretch was forgotten: the next Play goes on from here.
        player.Play();
        QTRY_VERIFY_WITH_TIMEOUT(player.Position() > stoppedAt + 100, MediaTimeout);
        player.Stop();
    }

    void stopKeepsThePositionAndEndsThePlay()
    {
        QtMediaPlayer player;
        QVERIFY(open(player, "tone.wav"));
        QSignalSpy notified(&player, &QtMediaPlayer::Notify);
        player.Play();
        QTRY_VERIFY_WITH_TIMEOUT(player.Position() >= 400, MediaTimeout);
        player.Stop();
        const qint64 stoppedAt = player.Position();
        QCOMPARE(player.Mode(), MediaMode::Stopped);
        QTRY_COMPARE_WITH_TIMEOUT(notified.count(), 1, MediaTimeout);
        QVERIFY(qAbs(player.Position() - stoppedAt) < 60);
        QVERIFY(stoppedAt >= 400);

        player.Rewind();
        QCOMPARE(player.Position(), 0);
        QCOMPARE(notified.count(), 1); // nothing was playing
    }

    void anotherPlayCutsTheFirstShortWithItsOwnNotification()
    {
        QtMediaPlayer player;
        QVERIFY(open(player, "tone.wav"));
        QSignalSpy notified(&player, &QtMediaPlayer::Notify);
        player.Play();
        player.setStartPos(2000);
        player.setEndPos(2300);
        player.Play();
        QTRY_COMPARE_WITH_TIMEOUT(notified.count(), 2, MediaTimeout);
        QCOMPARE(player.Mode(), MediaMode::Stopped);
        QVERIFY(player.Position() >= 2250);
    }

    void aPlayAtTheEndStartsOverAndCloseEndsAPlay()
    {
        QtMediaPlayer player;
        QVERIFY(open(player, "tone.wav"));
        QSignalSpy notified(&player, &QtMediaPlayer::Notify);
        player.setStartPos(2700);
        player.Play();
        QVERIFY(notified.wait(MediaTimeout)); // the end of the file
        QVERIFY(player.Position() >= 2900);

        player.Play();
        QTRY_VERIFY_WITH_TIMEOUT(player.Position() > 0 && player.Position() < 1500, MediaTimeout);
        player.Close();
        QCOMPARE(player.Mode(), MediaMode::NotReady);
        QTRY_COMPARE_WITH_TIMEOUT(notified.count(), 2, MediaTimeout);

        ErrorCapture errors;
        QVERIFY(!platform::guarded([&] { player.Play(); }));
        QVERIFY(errors.messages.first().contains("tone.wav"));
    }

    void aClipIsDrawnInItsRectangleAboveTheSceneWhilePlaying()
    {
        QWidget window;
        window.resize(640, 480);
        auto* scene = new platform::PictureBox(&window);
        scene->setGeometry(0, 0, 640, 480);
        QtMediaPlayer player;
        player.setDisplay(&window);
        player.setDisplayRect(QRect(40, 30, 160, 120));
        QVERIFY(open(player, "clip.avi"));
        window.show();
        QSignalSpy notified(&player, &QtMediaPlayer::Notify);

        player.Play();
        media::VideoSurface* surface = player.surface();
        QVERIFY(surface);
        // No black box before the first frame: the clip appears with it.
        QCOMPARE(surface->isVisible(), !surface->lastFrame().isNull());
        QTRY_VERIFY_WITH_TIMEOUT(surface->isVisible(), MediaTimeout);
        QVERIFY(!surface->lastFrame().isNull());
        QCOMPARE(surface->lastFrame().size(), QSize(160, 120));
        QCOMPARE(surface->geometry(), QRect(40, 30, 160, 120));
        QCOMPARE(window.children().last(), surface); // stacked above the scene

        QVERIFY(notified.wait(MediaTimeout));
        QVERIFY(!surface->isVisible()); // the scene shows again once the clip is over
        QCOMPARE(notified.count(), 1);
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "tst_mediaplayer.moc"

// The intro: where it puts its picture, captions and clips, the captions
// paced by the narration or by the step timer, the fire's loop, the two ways
// it ends, the waits that can never hang, the slow-machine mark, and the
// intro for the keyboard, screen readers and larger captions.
//
// The waits of the story are driven by a PumpScript: each round of a wait
// runs the next step of the test, so no test waits for a timer.

#include "announcementspy.h"
#include "errorcapture.h"
#include "fakemedia.h"
#include "media/mediafiles.h"
#include "platform/captionsize.h"
#include "platform/picturebox.h"
#include "presentation/intro.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "pumpscript.h"
#include "shell/application.h"

#include <QLabel>
#include <QShortcut>
#include <QTest>
#include <QTimer>

namespace {

FakeMediaPlayer* fake(media::MediaPlayer* player)
{
    return static_cast<FakeMediaPlayer*>(player);
}

// What the player sees of the intro at one moment.
struct Scene {
    QString caption; // Label1's text
    bool captionShown = false;
    bool caption3Shown = false;
    bool pictureShown = false;
    bool faceTalking = false;
    bool fireBurning = false;

    bool operator==(const Scene&) const = default;
};

Scene sceneOf(const TIntro& intro)
{
    return {intro.Label1->text(),      !intro.Label1->isHidden(),
            !intro.Label2->isHidden(), !intro.Image1->isHidden(),
            intro.MPFace->isPlaying(), intro.MPlay1->isPlaying() && intro.MPlay1->Tag == 1};
}

Scene captionOnPicture(int caption)
{
    return {story::introCaption(caption), true, false, true, false, true};
}

// Caption 3 stands beside the face on black; Label1 keeps caption 2, hidden.
Scene faceWithCaption3()
{
    return {story::introCaption(2), false, true, false, true, false};
}

int countOf(const FakeMediaPlayer* player, const QString& call)
{
    return static_cast<int>(player->calls.count(call));
}

void pumpEvents()
{
    QCoreApplication::processEvents();
}

} // namespace

namespace QTest {
template <> char* toString(const Scene& s)
{
    return qstrdup(QStringLiteral("caption \"%1\" shown %2, caption 3 %3, picture %4, face %5, "
                                  "fire %6")
                       .arg(s.caption.left(30))
                       .arg(s.captionShown)
                       .arg(s.caption3Shown)
                       .arg(s.pictureShown)
                       .arg(s.faceTalking)
                       .arg(s.fireBurning)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class IntroTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    ErrorCapture errors;

private slots:
    void init()
    {
        resetApplication();
        media.missingFiles.clear();
        errors.messages.clear();
    }

    void cleanup()
    {
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        qputenv("KELVARIN_SCREEN", "1024x768");
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }

    void layoutFollowsTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("face");
        QTest::addColumn<QRect>("fire");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("caption");
        QTest::addColumn<int>("captionWidth");
        QTest::addColumn<QPoint>("caption3");
        QTest::newRow("design screen")
            << QSize(1024, 768) << QRect(180, 105, 300, 330) << QRect(422, 367, 214, 387)
            << QSize(1024, 768) << QPoint(312, 200) << 460 << QPoint(500, 220);
        QTest::newRow("800x600") << QSize(800, 600) << QRect(140, 82, 234, 257)
                                 << QRect(329, 286, 167, 302) << QSize(800, 600) << QPoint(243, 156)
                                 << 359 << QPoint(390, 171);
        // Under 600 high the captions start at 110 whatever the scale says.
        QTest::newRow("under 600 high")
            << QSize(640, 480) << QRect(112, 65, 187, 206) << QRect(263, 229, 133, 241)
            << QSize(640, 480) << QPoint(110, 125) << 287 << QPoint(312, 137);
        // 105 x 1024 / 768 is exactly 140: no rounding loses a pixel.
        QTest::newRow("1280x1024")
            << QSize(1280, 1024) << QRect(225, 140, 375, 440) << QRect(527, 489, 267, 516)
            << QSize(1280, 1024) << QPoint(390, 266) << 575 << QPoint(625, 293);
    }

    void layoutFollowsTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, face);
        QFETCH(QRect, fire);
        QFETCH(QSize, picture);
        QFETCH(QPoint, caption);
        QFETCH(int, captionWidth);
        QFETCH(QPoint, caption3);
        const IntroLayout l = computeIntroLayout(screen.width(), screen.height());
        QCOMPARE(l.face, face);
        QCOMPARE(l.fire, fire);
        QCOMPARE(l.image, picture);
        QCOMPARE(l.label1, caption);
        QCOMPARE(l.label1Width, captionWidth);
        QCOMPARE(l.label2, caption3);
    }

    void theWindowPutsItsControlsWhereTheLayoutSays()
    {
        qputenv("KELVARIN_SCREEN", "800x600");
        TIntro intro;
        QCOMPARE(intro.size(), QSize(800, 600));
        QCOMPARE(intro.Image1->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(intro.Label1->pos(), QPoint(243, 156));
        QCOMPARE(intro.Label1->minimumWidth(), 359);
        QCOMPARE(intro.Label1->maximumWidth(), 359);
        QCOMPARE(intro.Label1->text(), story::introCaption(1));
        QVERIFY(intro.Label1->height() > intro.Label1->fontMetrics().height()); // wraps
        QCOMPARE(intro.Label2->pos(), QPoint(390, 171));
        QVERIFY(intro.Label2->isHidden());
        QCOMPARE(intro.MPFace->DisplayRect(), QRect(140, 82, 234, 257));
        QCOMPARE(intro.MPFace->Display(), &intro);
        QCOMPARE(intro.MPlay1->Display(), &intro);
    }

    void showingDecodesThePictureAndOpensTheFireInItsRectangle()
    {
        TIntro intro;
        FakeMediaPlayer* fire = fake(intro.MPlay1);
        fire->calls.clear();
        intro.FormShow();
        QCOMPARE(intro.Image1->picture().size(), QSize(1024, 768));
        QCOMPARE(countOf(fire, "Open"), 1);
        QCOMPARE(fire->DisplayRect(), QRect(422, 367, 214, 387));
        QVERIFY(!fire->isPlaying()); // it burns from the first tick
        // The black screen dissolves into the picture in 400 ms.
        QCOMPARE(intro.FormTransitions1->ShowTransition.data(), intro.Transition1);
        QCOMPARE(intro.Transition1->Milliseconds, 400);
    }

    void aMissingFileEndsTheCreationWithItsName_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("face") << QString::fromLatin1(MediaFiles::IntroFace);
        QTest::newRow("fire") << QString::fromLatin1(MediaFiles::IntroFire);
        QTest::newRow("narration") << QString::fromLatin1(MediaFiles::IntroNarration);
    }

    void aMissingFileEndsTheCreationWithItsName()
    {
        QFETCH(QString, file);
        media.missingFiles << file;
        QString message;
        try {
            TIntro intro;
        } catch (const std::exception& e) {
            message = QString::fromUtf8(e.what());
        }
        QVERIFY2(message.contains(file), qPrintable(message));
    }

    void captionsFollowTheNarration()
    {
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        QList<Scene> seen;
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            QVERIFY(intro.Time1->isActive());
            QCOMPARE(intro.Time1->interval(), 500);
            intro.Time1->stop();
            intro.Time1Timer();
        });
        script.then([&] { narration->position = IntroCues::Caption2 - 1; });
        script.then([&] {
            seen << sceneOf(intro);
            narration->position = IntroCues::Caption2;
        });
        script.then([&] {
            seen << sceneOf(intro);
            narration->position = IntroCues::Caption3;
        });
        script.then([&] {
            seen << sceneOf(intro);
            narration->position = IntroCues::Caption4;
        });
        script.then([&] {
            seen << sceneOf(intro);
            narration->position = IntroCues::Caption5;
        });
        intro.FormActivate();
        seen << sceneOf(intro);

        QVERIFY(script.allRun());
        QVERIFY(!script.ranOut());
        QCOMPARE(narration->calls, (QStringList{"Open", "Close", "Open", "Play"}));
        QCOMPARE(narration->Tag, 1);
        QCOMPARE(seen, (QList<Scene>{captionOnPicture(1), captionOnPicture(2), faceWithCaption3(),
                                     captionOnPicture(4), captionOnPicture(5)}));
        QCOMPARE(intro.Label2->text(), story::introCaption(3));
        QVERIFY(!intro.Time1->isActive()); // the narration paces the rest
        QVERIFY(!intro.ended());

        // Activated again (after a message box, say), the story does not
        // start over.
        const long rounds = script.rounds();
        intro.FormActivate();
        QCOMPARE(script.rounds(), rounds);
        QVERIFY(!intro.Time1->isActive());
    }

    void aClickBeforeTheFirstTickDoesNothing()
    {
        TIntro intro;
        intro.FormClick();
        QTest::mouseClick(intro.Image1, Qt::LeftButton);
        QCOMPARE(intro.IntroSkipped, 0);
        QVERIFY(!intro.Ends->isActive());
        QCOMPARE(sceneOf(intro).caption, story::introCaption(1));
        QVERIFY(!intro.Label1->isHidden() && !intro.Image1->isHidden());
        QCOMPARE(fake(intro.MPC1)->calls, QStringList{"Open"});
    }

    void aClickAnywhereOnTheIntroEndsIt_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("doubleClick");
        for (const char* target : {"Intro", "Image1", "Label1", "Label2"}) {
            QTest::addRow("click on %s", target) << QString::fromLatin1(target) << false;
            QTest::addRow("double click on %s", target) << QString::fromLatin1(target) << true;
        }
    }

    void aClickAnywhereOnTheIntroEndsIt()
    {
        QFETCH(QString, target);
        QFETCH(bool, doubleClick);
        TIntro intro;
        intro.Time1Timer();
        QWidget* widget = target == intro.objectName() ? static_cast<QWidget*>(&intro)
                                                       : intro.findChild<QWidget*>(target);
        QVERIFY(widget);
        if (doubleClick)
            QTest::mouseDClick(widget, Qt::LeftButton);
        else
            QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(intro.IntroSkipped, 1);
        QVERIFY(intro.Ends->isActive());
        QVERIFY(intro.Label1->isHidden());
    }

    void aClickDuringTheCaptionsBlacksOutAndClosesASecondLater_data()
    {
        QTest::addColumn<int>("reached"); // the last caption shown before the click
        QTest::newRow("caption 2") << 2;
        QTest::newRow("the face speaking caption 3") << 3;
        QTest::newRow("caption 4") << 4;
    }

    void aClickDuringTheCaptionsBlacksOutAndClosesASecondLater()
    {
        QFETCH(int, reached);
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        const int cues[] = {IntroCues::Caption2, IntroCues::Caption3, IntroCues::Caption4};
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        for (int caption = 2; caption <= reached; ++caption) {
            script.then([&, caption] { narration->position = cues[caption - 2]; });
        }
        Scene beforeClick;
        script.then([&] {
            beforeClick = sceneOf(intro);
            intro.FormClick();
        });
        intro.FormActivate();
        QVERIFY(!script.ranOut());
        QVERIFY(beforeClick.captionShown || beforeClick.caption3Shown);
        QCOMPARE(beforeClick.faceTalking, reached == 3);

        // Black at once: nothing shown, nothing playing.
        const Scene black{beforeClick.caption, false, false, false, false, false};
        QCOMPARE(sceneOf(intro), black);
        QCOMPARE(intro.IntroSkipped, 1);
        QCOMPARE(narration->mode, media::MediaMode::NotReady);
        QCOMPARE(narration->Tag, 0);
        QCOMPARE(intro.MPlay1->Tag, 0);
        QVERIFY(!intro.Time1->isActive());
        QCOMPARE(intro.cursor().shape(), Qt::WaitCursor);
        QVERIFY(intro.Ends->isActive());
        QCOMPARE(intro.Ends->interval(), 1000);

        // The narration's close reports the end of its play, and its words
        // would go on: neither ends the intro early nor shows a caption.
        narration->position = IntroCues::Caption5;
        pumpEvents();
        QVERIFY(!intro.ended());
        QCOMPARE(sceneOf(intro), black);

        intro.EndsTimer();
        QVERIFY(intro.ended());
        QVERIFY(!intro.Ends->isActive());
    }

    void aClickWhileTheFireGoesOutKeepsTheFaceSilent()
    {
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        script.then([&] {
            // The click is handled while caption 3's step lets events run.
            connect(intro.MPlay1, &media::MediaPlayer::Notify, &intro, [&] { intro.FormClick(); });
            narration->position = IntroCues::Caption3;
        });
        intro.FormActivate();
        QVERIFY(!script.ranOut());
        QCOMPARE(intro.IntroSkipped, 1);
        QCOMPARE(fake(intro.MPFace)->plays, 0);
        QVERIFY(intro.Label2->isHidden());
        QCOMPARE(intro.Label2->text(), QString());
    }

    void theEndOfTheNarrationClosesTheIntro()
    {
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        for (int cue : {IntroCues::Caption2, IntroCues::Caption3, IntroCues::Caption4,
                        IntroCues::Caption5})
            script.then([&, cue] { narration->position = cue; });
        intro.FormActivate();
        QCOMPARE(sceneOf(intro), captionOnPicture(5));
        narration->finishPlay(); // the narration has told the story to its end
        pumpEvents();

        QVERIFY(!script.ranOut());
        QVERIFY(intro.ended());
        QCOMPARE(narration->Tag, 0);
        QCOMPARE(sceneOf(intro),
                 (Scene{story::introCaption(5), false, false, false, false, false}));
        QCOMPARE(intro.cursor().shape(), Qt::WaitCursor);
    }

    void aNarrationThatBreaksOffHandsTheStoryToTheTimer_data()
    {
        QTest::addColumn<int>("captionsShown");
        QTest::newRow("before the second caption") << 1;
        QTest::newRow("during the third caption") << 3;
    }

    void aNarrationThatBreaksOffHandsTheStoryToTheTimer()
    {
        // A sound device that fails under load ends the narration's play
        // long before its end: the intro must go on, not end by itself.
        QFETCH(int, captionsShown);
        const int cues[] = {IntroCues::Caption2, IntroCues::Caption3, IntroCues::Caption4};
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        for (int caption = 2; caption <= captionsShown; ++caption)
            script.then([&, caption] { narration->position = cues[caption - 2]; });
        script.then([&] {
            narration->position += 700;
            narration->finishPlay();
        });
        intro.FormActivate();
        pumpEvents();

        QVERIFY(!script.ranOut());
        QVERIFY(!intro.ended());
        QVERIFY(intro.Time1->isActive());
        // The next caption comes when the narration would have reached it.
        const int brokeAt = (captionsShown == 1 ? 0 : cues[captionsShown - 2]) + 700;
        QCOMPARE(intro.Time1->interval(), cues[captionsShown - 1] - brokeAt);
        intro.Time1Timer();
        pumpEvents();
        QCOMPARE(sceneOf(intro), captionsShown == 1 ? captionOnPicture(2) : captionOnPicture(4));
        QVERIFY(intro.Time1->isActive()); // the rest follows on the timer

        // Only a click ends it then, as when the narration cannot play at all.
        QVERIFY(!intro.ended());
        intro.FormClick();
        intro.EndsTimer();
        QVERIFY(intro.ended());
    }

    void theFireLoopsWhileItsTagIsOne()
    {
        TIntro intro;
        FakeMediaPlayer* fire = fake(intro.MPlay1);
        intro.Fire(true);
        QCOMPARE(fire->Tag, 1);
        for (int loop = 1; loop <= 3; ++loop) {
            QCOMPARE(fire->plays, loop);
            fire->finishPlay();
            pumpEvents();
        }
        QVERIFY(fire->isPlaying());
        intro.Fire(false);
        QCOMPARE(fire->Tag, 0);
        QCOMPARE(fire->calls.mid(fire->calls.size() - 2), (QStringList{"Stop", "Close"}));
        pumpEvents();
        QCOMPARE(fire->plays, 4);
        QCOMPARE(fire->mode, media::MediaMode::NotReady);
    }

    void withoutTheNarrationTheTimerTellsTheStoryOnce()
    {
        TIntro intro;
        media.missingFiles << QString::fromLatin1(MediaFiles::IntroNarration);
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        // Nothing to wait for: the activation returns after the first tick.
        intro.FormActivate();
        QVERIFY(!script.ranOut());
        QVERIFY(errors.messages.isEmpty()); // told in silence, not reported
        QCOMPARE(intro.MPC1->Tag, 0);
        QCOMPARE(sceneOf(intro), captionOnPicture(1));
        QVERIFY(intro.Time1->isActive());
        QCOMPARE(intro.Time1->interval(), 5000);

        // 5.5 s, 13.5 s, 20 s and 30.5 s after the start. The face's clip
        // lasts 9 s: caption 4 silences it.
        const struct {
            int nextInterval;
            Scene scene;
        } ticks[] = {{8000, captionOnPicture(2)},
                     {6500, faceWithCaption3()},
                     {10500, captionOnPicture(4)},
                     {10000, captionOnPicture(5)}};
        for (const auto& tick : ticks) {
            intro.Time1Timer();
            pumpEvents();
            QCOMPARE(intro.Time1->interval(), tick.nextInterval);
            QVERIFY(intro.Time1->isActive());
            QCOMPARE(sceneOf(intro), tick.scene);
        }
        intro.Time1Timer();
        QVERIFY(!intro.Time1->isActive()); // the sixth tick is the last

        // A late wait on the narration neither hangs nor shows a step again.
        QVERIFY(!intro.TakeAction(IntroCues::Caption2, 2));
        intro.Action(4);
        QCOMPARE(sceneOf(intro), captionOnPicture(5));
        QCOMPARE(fake(intro.MPFace)->plays, 1);
        QCOMPARE(countOf(fake(intro.MPlay1), "Open"), 2); // at creation and for caption 4

        // Only a click ends it.
        QVERIFY(!intro.ended());
        intro.FormClick();
        intro.EndsTimer();
        QVERIFY(intro.ended());
    }

    void aSlowPumpMarksTheMachineSlow_data()
    {
        QTest::addColumn<long>("tickRound"); // the round of the first wait the tick comes in
        QTest::addColumn<int>("startCode");
        QTest::newRow("at once") << 2L << 1;
        QTest::newRow("one round short of the mark") << TIntro::SlowMachineRounds - 1 << 1;
        QTest::newRow("at the mark") << TIntro::SlowMachineRounds << 0;
        QTest::newRow("well after the mark") << TIntro::SlowMachineRounds + 2000 << 0;
    }

    void aSlowPumpMarksTheMachineSlow()
    {
        QFETCH(long, tickRound);
        QFETCH(int, startCode);
        TIntro intro;
        PumpScript script([&] { intro.close(); });
        script.then([&] { intro.Time1->stop(); });
        script.idle(tickRound - 2);
        script.then([&] { intro.Time1Timer(); });
        intro.FormActivate();
        QCOMPARE(App().StartCode, startCode);
        QVERIFY(script.allRun());
    }

    void closingBeforeTheFirstTickLeavesNoMark()
    {
        TIntro intro;
        PumpScript script([&] { intro.close(); });
        script.then([&] {
            intro.Time1->stop();
            intro.close();
        });
        intro.FormActivate();
        QCOMPARE(script.rounds(), 1L);
        QCOMPARE(App().StartCode, 0);
        QCOMPARE(intro.Tag, 0);
    }

    void theWaitsEndWhenTheIntroOrTheProgramEnds_data()
    {
        QTest::addColumn<bool>("programEnds");
        QTest::newRow("the intro closes") << false;
        QTest::newRow("the program ends") << true;
    }

    void theWaitsEndWhenTheIntroOrTheProgramEnds()
    {
        QFETCH(bool, programEnds);
        TIntro intro;
        FakeMediaPlayer* narration = fake(intro.MPC1);
        PumpScript script([&] {
            intro.close();
            App().Terminated = true;
        });
        script.then([&] {
            intro.Time1->stop();
            intro.Time1Timer();
        });
        script.then([&] {
            if (programEnds)
                App().Terminated = true;
            else
                intro.close();
            narration->position = IntroCues::Caption2;
        });
        intro.FormActivate();
        QVERIFY(!script.ranOut());
        QCOMPARE(sceneOf(intro).caption, story::introCaption(1));
    }

    void keysEndTheIntroAsAClickDoes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << false;
    }

    void keysEndTheIntroAsAClickDoes()
    {
        QFETCH(int, key);
        QFETCH(bool, ends);
        TIntro intro;
        QTest::keyClick(&intro, Qt::Key(key)); // before the first tick: nothing
        QCOMPARE(intro.IntroSkipped, 0);
        intro.Time1Timer();
        QTest::keyClick(&intro, Qt::Key(key));
        QCOMPARE(intro.IntroSkipped, ends ? 1 : 0);
        QCOMPARE(intro.Ends->isActive(), ends);
        QCOMPARE(intro.Label1->isHidden(), ends);
    }

    void theCaptionsFollowTheCaptionSizeInsideTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        for (QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(800, 600), QSize(640, 480)})
            QTest::addRow("%dx%d", screen.width(), screen.height()) << screen;
    }

    void theCaptionsFollowTheCaptionSizeInsideTheScreen()
    {
        QFETCH(QSize, screen);
        qputenv("KELVARIN_SCREEN",
                QByteArray::number(screen.width()) + 'x' + QByteArray::number(screen.height()));
        TIntro intro;
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Larger);
        QCOMPARE(intro.Label1->font().pixelSize(), 29);
        QCOMPARE(intro.Label2->font().pixelSize(), 32);
        for (int caption = 2; caption <= 5; ++caption) {
            intro.Action(caption);
            for (QLabel* label : {intro.Label1, intro.Label2}) {
                if (label->isHidden())
                    continue;
                QCOMPARE(label->height(), label->heightForWidth(label->width()));
                QVERIFY2(intro.rect().contains(label->geometry()),
                         qPrintable(QStringLiteral("caption %1").arg(caption)));
            }
        }
    }

    void captionsToldInSilenceAreSaidToTheReader()
    {
        TIntro intro;
        media.missingFiles << QString::fromLatin1(MediaFiles::IntroNarration);
        intro.show();
        AnnouncementSpy spy(&intro);
        intro.Time1Timer(); // the narration cannot open: told in silence
        intro.Time1Timer();
        intro.Time1Timer();
        QCOMPARE(spy.texts, (QStringList{story::introCaption(2), story::introCaption(3)}));
        intro.close();
    }

    void narratedCaptionsAreLeftToTheNarration()
    {
        TIntro intro;
        intro.show();
        AnnouncementSpy spy(&intro);
        intro.Time1Timer();
        QVERIFY(intro.MPC1->isPlaying());
        intro.Action(2);
        QVERIFY(spy.texts.isEmpty());
        intro.close();
    }

    void theZoomKeysReachTheIntro()
    {
        // The intro has no menu: the keys are the way to larger captions.
        TIntro intro;
        QList<QKeySequence> keys;
        for (const QShortcut* shortcut : intro.findChildren<QShortcut*>())
            keys << shortcut->key();
        QVERIFY(keys.contains(QKeySequence(QKeySequence::ZoomIn)));
        QVERIFY(keys.contains(QKeySequence(QKeySequence::ZoomOut)));
    }
};

QTEST_MAIN(IntroTest)
#include "tst_intro.moc"

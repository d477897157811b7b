// The in-game stand-ins for the desktop's volume control and help viewer,
// and sound effects that are fired and forgotten.

#include "errorcapture.h"
#include "media/audiovolume.h"
#include "media/helpwindow.h"
#include "media/soundeffects.h"
#include "media/volumedialog.h"
#include "modalscript.h"
#include "platform/errorreport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

class HelpVolumeTest : public QObject {
    Q_OBJECT

private slots:
    void theVolumeSliderSetsTheVolumeForTheRestOfTheRun()
    {
        media::AudioVolume::instance().setPercent(80);
        ModalScript script;
        int startedAt = -1;
        script.then([&](QWidget* window) {
            auto* slider = window->findChild<QSlider*>("VolumeSlider");
            startedAt = slider->value();
            slider->setValue(35);
            window->close();
        });
        media::showVolumeControl();
        QCOMPARE(startedAt, 80);
        QCOMPARE(media::AudioVolume::instance().percent(), 35);
        QCOMPARE(media::AudioVolume::instance().linear(), 0.35f);

        // Opening it again shows the volume as it was left.
        script.then([&](QWidget* window) {
            startedAt = window->findChild<QSlider*>("VolumeSlider")->value();
            window->close();
        });
        media::showVolumeControl();
        QCOMPARE(startedAt, 35);
    }

    void volumeStaysWithinItsRange()
    {
        media::AudioVolume::instance().setPercent(140);
        QCOMPARE(media::AudioVolume::instance().percent(), 100);
        media::AudioVolume::instance().setPercent(-5);
        QCOMPARE(media::AudioVolume::instance().percent(), 0);
    }

    void helpOpensAtItsContentsPage()
    {
        QTemporaryDir dir;
        QFile page(dir.filePath("index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Kelvarin Help</title></head><body><h1>How to play</h1>"
                   "<a href='trail.html'>On the trail</a></body></html>");
        page.close();

        ModalScript script;
        QString shown;
        script.then([&](QWidget* window) {
            shown = window->findChild<QTextBrowser*>("HelpBrowser")->toPlainText();
            window->close();
        });
        media::showHelpContents(page.fileName());
        QVERIFY(shown.contains("How to play"));
    }

    void everyHelpPageLinksOnlyToPagesThatExist()
    {
        const QDir help(QStringLiteral(KELVARIN_DATA_DIR "/help"));
        QVERIFY(help.exists("index.html"));
        const QStringList pages = help.entryList({"*.html"});
        QVERIFY(pages.size() > 5);
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        QSet<QString> reached{"index.html"};
        for (const QString& page : pages) {
            QFile file(help.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const QString target = match.next().captured(1);
                QVERIFY2(help.exists(target), qPrintable(page + " links to " + target));
                reached.insert(target);
            }
        }
        for (const QString& page : pages)
            QVERIFY2(reached.contains(page), qPrintable(page + " cannot be reached"));
    }

    void missingHelpIsReportedAndTheGameGoesOn()
    {
        ErrorCapture errors;
        ModalScript script;
        QVERIFY(!platform::guarded([] { media::showHelpContents("help/none.html"); }));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("help"));
        QCOMPARE(script.unexpected(), 0);
    }

    void aMissingSoundFileIsQuietAndStillCutsOffTheLastEffect()
    {
        ErrorCapture errors;
        const QString cast = QStringLiteral(KELVARIN_DATA_DIR "/fish/cast.wav");
        QVERIFY(platform::guarded([&] { media::playSound(cast); }));
        auto* effect = qApp->findChild<QSoundEffect*>();
        QVERIFY(effect); // the application owns the effect player
        QCOMPARE(effect->source(), QUrl::fromLocalFile(cast));
        QVERIFY(effect->isPlaying());

        QVERIFY(platform::guarded([] { media::playSound("fish/none.wav"); }));
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(!effect->isPlaying());                       // cut off all the same
        QCOMPARE(effect->source(), QUrl::fromLocalFile(cast)); // nothing else was tried
    }

    void escapeClosesTheHelpAndTheKeyboardReachesItsPage()
    {
        QTemporaryDir dir;
        QFile page(dir.filePath("index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>How to play</h1></body></html>");
        page.close();
        ModalScript script;
        bool pageFocused = false;
        bool closed = false;
        script.then([&](QWidget* window) {
            pageFocused = window->focusWidget() == window->findChild<QTextBrowser*>("HelpBrowser");
            QTest::keyClick(window, Qt::Key_Escape);
            closed = !window->isVisible();
            window->close();
        });
        media::showHelpContents(page.fileName());
        QVERIFY(pageFocused);
        QVERIFY(closed);
    }

    void theVolumeSliderIsNamedByItsTitleAndHasTheFocus()
    {
        ModalScript script;
        QString buddyOf;
        bool sliderFocused = false;
        script.then([&](QWidget* window) {
            auto* slider = window->findChild<QSlider*>("VolumeSlider");
            sliderFocused = window->focusWidget() == slider;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->buddy() == slider)
                    buddyOf = label->text();
            }
            window->close();
        });
        media::showVolumeControl();
        QVERIFY(sliderFocused);
        QCOMPARE(buddyOf, QStringLiteral("&Volume of music, voices and sounds:"));
    }
};

QTEST_MAIN(HelpVolumeTest)
#include "tst_helpvolume.moc"

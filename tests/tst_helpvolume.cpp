// The in-game stand-ins for the desktop's volume control and help viewer,
// and sound effects that are fired and forgotten.

#include "errorcapture.h"
#include "media/audiovolume.h"
#include "media/helpwindow.h"
#include "media/soundeffects.h"
#include "media/volumedialog.h"
#include "modalscript.h"
#include "platform/errorreport.h"
#include "shell/language.h"

#include <QAudioOutput>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
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

    void helpOpensInTheLanguageInViewWhereThePageIsTranslated()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("es"));
        auto write = [&](const QString& name, const QByteArray& html) {
            QFile page(dir.filePath(name));
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write(html);
        };
        write("style.css", "h1 { color: #123456; }");
        write("index.html", "<html><body><h1>How to play</h1></body></html>");
        write("es/index.html", "<html><body><h1>C\xc3\xb3mo jugar</h1></body></html>");
        write("guide.html", "<html><body><p>For teachers</p></body></html>"); // not translated

        struct Seen {
            QString text, title, close, sheet;
        };
        auto open = [&](const QString& page) {
            Seen seen;
            ModalScript script;
            script.then([&](QWidget* window) {
                auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
                seen = {browser->toPlainText(), window->windowTitle(),
                        window->findChild<QPushButton*>("HelpClose")->text(),
                        browser->document()->defaultStyleSheet()};
                window->close();
            });
            if (page.isEmpty())
                media::showHelpContents(dir.filePath("index.html"));
            else
                media::showHelpPage(dir.filePath("index.html"), page);
            return seen;
        };

        QVERIFY(language::install("es"));
        Seen spanish = open({});
        QVERIFY2(spanish.text.contains(QString::fromUtf8("C\xc3\xb3mo jugar")),
                 qPrintable(spanish.text));
        QCOMPARE(spanish.title, QString::fromUtf8("Ayuda de Kelvarin"));
        QCOMPARE(spanish.close, QStringLiteral("Cerrar"));
        QVERIFY(spanish.sheet.contains("#123456")); // the English folder's sheet
        // A page not translated yet is shown in English rather than not at all.
        QVERIFY(open("guide.html").text.contains("For teachers"));

        QVERIFY(language::install("en"));
        const Seen english = open({});
        QVERIFY(english.text.contains("How to play"));
        QCOMPARE(english.title, QStringLiteral("Kelvarin Help"));
    }

    void everyHelpPageLinksOnlyToPagesThatExistInEveryLanguage()
    {
        const QDir help(QStringLiteral(KELVARIN_DATA_DIR "/help"));
        QVERIFY(help.exists("index.html"));
        const QStringList pages = help.entryList({"*.html"});
        QVERIFY(pages.size() > 5);
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        for (const QString& folder :
             {QStringLiteral("."), QStringLiteral("es"), QStringLiteral("fr")}) {
            const QDir shown(help.filePath(folder));
            // Every page is translated: a child never lands on an English page
            // from a Spanish one.
            QCOMPARE(shown.entryList({"*.html"}), pages);
            QSet<QString> reached{"index.html"};
            for (const QString& page : pages) {
                QFile file(shown.filePath(page));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString html = QString::fromUtf8(file.readAll());
                for (auto match = link.globalMatch(html); match.hasNext();) {
                    const QString target = match.next().captured(1);
                    QVERIFY2(shown.exists(target),
                             qPrintable(folder + "/" + page + " links to " + target));
                    reached.insert(target);
                }
            }
            for (const QString& page : pages)
                QVERIFY2(reached.contains(page),
                         qPrintable(folder + "/" + page + " cannot be reached"));
        }
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
        auto* effect = qApp->findChild<QMediaPlayer*>("SoundEffects");
        QVERIFY(effect); // the application owns the effect player
        QCOMPARE(effect->source(), QUrl::fromLocalFile(cast));
        QCOMPARE(effect->playbackState(), QMediaPlayer::PlayingState);
        QVERIFY(effect->audioOutput());
        QCOMPARE(qRound(effect->audioOutput()->volume() * 100),
                 media::AudioVolume::instance().percent());

        QVERIFY(platform::guarded([] { media::playSound("fish/none.wav"); }));
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(effect->playbackState(), QMediaPlayer::StoppedState); // cut off all the same
        QCOMPARE(effect->source(), QUrl::fromLocalFile(cast));         // nothing else was tried

        // The same effect again plays from its start, on the same player.
        QVERIFY(platform::guarded([&] { media::playSound(cast); }));
        QCOMPARE(qApp->findChildren<QMediaPlayer*>("SoundEffects").size(), 1);
        QCOMPARE(effect->playbackState(), QMediaPlayer::PlayingState);
        QCOMPARE(effect->position(), 0);

        // The effects follow the game's one volume, while one plays too.
        const int before = media::AudioVolume::instance().percent();
        media::AudioVolume::instance().setPercent(30);
        QCOMPARE(qRound(effect->audioOutput()->volume() * 100), 30);
        media::AudioVolume::instance().setPercent(before);
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

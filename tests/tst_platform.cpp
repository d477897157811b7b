// The platform stand-ins: the error guard, random numbers and their seeding
// rule, the stopwatch, the screen area, the data folder and the waits that
// pump events.

#include "errorcapture.h"
#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/messagepump.h"
#include "platform/randomsource.h"
#include "platform/screenarea.h"
#include "platform/shell.h"
#include "platform/stopwatch.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A screen whose click handler fails half-way.
class FailingScreen : public QObject {
public:
    int before = 0;
    int after = 0;
    bool fail = true;

    void ButtonClick()
    {
        ++before;
        if (fail)
            platform::raise(QStringLiteral("Resource s990 not found"));
        ++after;
    }
};

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void aFailingHandlerStopsThereIsReportedAndTheGameGoesOn()
    {
        ErrorCapture errors;
        FailingScreen screen;
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, &screen,
                         platform::guard(&screen, &FailingScreen::ButtonClick));

        button.click();
        QCOMPARE(errors.messages, QStringList{"Resource s990 not found"});
        QCOMPARE(screen.before, 1);
        QCOMPARE(screen.after, 0); // stopped at the point of failure

        screen.fail = false;
        button.click(); // the program goes on handling events
        QCOMPARE(screen.before, 2);
        QCOMPARE(screen.after, 1);
        QCOMPARE(errors.messages.size(), 1);
    }

    void guardedReportsWhetherTheHandlerFinished()
    {
        ErrorCapture errors;
        QVERIFY(platform::guarded([] {}));
        QVERIFY(!platform::guarded([] { throw std::runtime_error("broken clip"); }));
        QVERIFY(!platform::guarded([] { throw 42; }));
        QCOMPARE(errors.messages.size(), 2);
        QCOMPARE(errors.messages.first(), QStringLiteral("broken clip"));
    }

    void seededDrawsWithinOneSecondRepeat()
    {
        std::int64_t now = 1'700'000'000;
        platform::RandomSource first([&] { return now; });
        platform::RandomSource second([&] { return now; });
        first.seedFromClock();
        second.seedFromClock();
        QList<int> a, b;
        for (int i = 0; i < 5; ++i) {
            a << first.next();
            b << second.next();
        }
        QCOMPARE(a, b);

        now += 1; // the next second gives another sequence
        second.seedFromClock();
        QList<int> c;
        for (int i = 0; i < 5; ++i)
            c << second.next();
        QVERIFY(a != c);
    }

    void aboutOneSeededDrawInFiveIsASpecialOfferWhateverTheMinute()
    {
        // A spirit makes a special offer when the seeded draw's X mod 1000 is
        // 800 or more. Over an hour of consecutive seconds, every minute
        // should see about one in five, never none or nearly all of them;
        // and the good asked for (X mod 300 div 100 of three owned goods)
        // should not stay the same for long runs of seconds.
        std::int64_t now = 1'800'000'000;
        platform::RandomSource source([&] { return now; });
        QList<bool> special;
        int longestSameGood = 0, run = 0, lastGood = -1;
        for (int second = 0; second < 3600; ++second, ++now) {
            const int x = source.seededDraw();
            special << (x % 1000 >= 800);
            const int good = x % 300 / 100;
            run = good == lastGood ? run + 1 : 1;
            lastGood = good;
            longestSameGood = std::max(longestSameGood, run);
        }
        const auto total = special.count(true);
        QVERIFY2(total > 3600 * 17 / 100 && total < 3600 * 23 / 100, qPrintable(QString::number(total)));
        for (int start = 0; start + 60 <= special.size(); ++start) {
            const auto inMinute = special.mid(start, 60).count(true);
            QVERIFY2(inMinute >= 3 && inMinute <= 24,
                     qPrintable(QStringLiteral("%1 special offers in the minute from second %2")
                                    .arg(inMinute)
                                    .arg(start)));
        }
        QVERIFY2(longestSameGood < 14, qPrintable(QString::number(longestSameGood)));
    }

    void drawsAreNonNegativeAndReduceModN()
    {
        platform::RandomSource source([] { return std::int64_t(12345); });
        source.seedFromClock();
        QSet<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int x = source.next();
            QVERIFY(x >= 0 && x <= platform::RandomSource::Max);
            const int r = source.below(7);
            QVERIFY(r >= 0 && r < 7);
            seen.insert(r);
        }
        QCOMPARE(seen.size(), 7);
        QCOMPARE(source.below(0), 0);
    }

    void stopwatchMeasuresTheInjectedClock()
    {
        double now = 100.0;
        platform::Stopwatch watch([&] { return now; });
        watch.start();
        now = 107.8;
        QCOMPARE(watch.elapsedMs(), 7.8);
        watch.stop();
        now = 500.0;
        QCOMPARE(watch.elapsedMs(), 7.8); // frozen once stopped
        QVERIFY(!watch.running());
    }

    void spinningNeverSleepsAndStopsAtItsLimit()
    {
        // Nothing is pending: a wait that slept here would never return.
        QCOMPARE(platform::spinUntil([] { return false; }, 50), 50L);
        int checks = 0;
        QCOMPARE(platform::spinUntil([&] { return ++checks > 7; }, 50), 7L);
        QCOMPARE(platform::spinUntil([] { return true; }, 50), 0L);
    }

    void aRoundHookTakesThePlaceOfSleepingInEveryRound()
    {
        int hookRuns = 0;
        bool posted = false;
        platform::setRoundHook([&] {
            // What the hook posts is handled in the same round.
            if (++hookRuns == 3)
                QMetaObject::invokeMethod(
                    qApp, [&] { posted = true; }, Qt::QueuedConnection);
        });
        QCOMPARE(platform::pumpUntil([&] { return posted; }), 3L);
        QCOMPARE(hookRuns, 3);
        QCOMPARE(platform::spinUntil([&] { return hookRuns == 5; }, 100), 2L);
        platform::setRoundHook({});
    }

    void wideScreensUseTheirCentredFourByThreeArea_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("area");
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768);
        QTest::newRow("1280x1024 is taller, used whole")
            << QRect(0, 0, 1280, 1024) << QRect(0, 0, 1280, 1024);
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << QRect(240, 0, 1440, 1080);
        QTest::newRow("1366x768") << QRect(0, 0, 1366, 768) << QRect(171, 0, 1024, 768);
        QTest::newRow("second monitor")
            << QRect(1920, 0, 2560, 1440) << QRect(1920 + 320, 0, 1920, 1440);
    }

    void wideScreensUseTheirCentredFourByThreeArea()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, area);
        QCOMPARE(platform::fourByThreeArea(screen), area);
    }

    void screenSizeFromTheEnvironment()
    {
        QCOMPARE(platform::parseScreenSize("1024x768"), std::optional<QSize>(QSize(1024, 768)));
        QCOMPARE(platform::parseScreenSize(" 800X600 "), std::optional<QSize>(QSize(800, 600)));
        QVERIFY(!platform::parseScreenSize("big"));
        QVERIFY(!platform::parseScreenSize("10x10"));
        QVERIFY(!platform::parseScreenSize(""));
        // The suite runs with KELVARIN_SCREEN=1024x768.
        QCOMPARE(platform::gameScreenRect().size(), QSize(1024, 768));
    }

    void theDataFolderIsFoundBesideTheProgram()
    {
        const QStringList candidates = platform::dataFolderCandidates("/opt/kelvarin/bin");
        QVERIFY(candidates.contains("/opt/kelvarin/bin/data"));
        QVERIFY(candidates.contains("/opt/kelvarin/bin/../share/kelvarin"));
    }

    void theDataFolderNamedByTheEnvironmentIsEntered_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::newRow("an absolute path") << false;
        QTest::newRow("a path relative to where the game starts") << true;
    }

    void theDataFolderNamedByTheEnvironmentIsEntered()
    {
        QFETCH(bool, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("gamedata/music"));
        const QString folder = QDir(dir.path()).filePath("gamedata");
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        qputenv("KELVARIN_DATA", relative ? QByteArray("gamedata") : folder.toUtf8());
        const QString entered = platform::enterDataFolder();
        const QString current = QDir::currentPath();
        qunsetenv("KELVARIN_DATA");
        QDir::setCurrent(before);
        QCOMPARE(entered, QDir(folder).canonicalPath());
        QCOMPARE(current, QDir(folder).canonicalPath());
    }

    void aFreshCopyIsTheProgramItself()
    {
        QString started;
        platform::setProgramLauncher([&](const QString& program) {
            started = program;
            return false;
        });
        QVERIFY(!platform::startFreshCopy());
        QCOMPARE(started, QCoreApplication::applicationFilePath());
        platform::setProgramLauncher({});
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"

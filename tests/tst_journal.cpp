// The journal of the journey: what each event writes, repeats written once,
// the lines a saved journey carries and the damaged ones it refuses; the
// view's pages, keys and readability; the printed journal and its PDF.

#include "errorcapture.h"
#include "testfiles.h"
#include "modalscript.h"
#include "platform/bitbtn.h"
#include "platform/filedialogs.h"
#include "platform/playerfolders.h"
#include "presentation/storytexts.h"
#include "journal/journal.h"
#include "journal/journalprint.h"
#include "journal/journalview.h"
#include "trail/towncontent.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <optional>

namespace {

const QStringList Party{QStringLiteral("Aponi"),  QStringLiteral("Benjamin"),
                        QStringLiteral("Chenoa"), QStringLiteral("Daniel"),
                        QStringLiteral("Elsie"),  QStringLiteral("Farah"),
                        QStringLiteral("Gus")};
const QString Treatment = QStringLiteral("Clean wound, and give the patient snakeroot tea.");

// Towns 1 to 3 as the trail screen records them, to the journey's end.
Journal threeTowns()
{
    Journal journal;
    journal.arrived(1);
    journal.arrived(2);
    journal.metSpirit(2);
    journal.traded(2, QStringLiteral("3 wolf wall hangings"), QStringLiteral("some snakeroot"),
                   true);
    journal.traded(2, QStringLiteral("2 bags of onions"), QStringLiteral("some beads"), false);
    journal.caughtFish(QStringLiteral("2 lb 5 oz bluegill"));
    journal.caughtFish(QStringLiteral("1 lb 0 oz perch"));
    journal.snakebite(QStringLiteral("Chenoa"), Treatment);
    journal.arrived(3);
    journal.metSpirit(3);
    journal.traded(3, QStringLiteral("1 toy raccoon"), QStringLiteral("bear oil"), true);
    journal.ended(27);
    return journal;
}

// The whole trail with much done in every town: the most a page must hold.
Journal busyJourney()
{
    Journal journal;
    for (int town = 1; town <= 28; ++town) {
        journal.arrived(town);
        journal.metSpirit(town);
        journal.traded(town, QStringLiteral("12 copper deer decorations"),
                       QStringLiteral("some slippery elm bark"), true);
        for (int k = 0; k < 4; ++k)
            journal.traded(town, QStringLiteral("21 lbs of dried apples"),
                           QStringLiteral("some bits of string"), false);
        for (int k = 0; k < 23; ++k)
            journal.caughtFish(QStringLiteral("%1 lb 10 oz largemouth bass").arg(k % 11));
        journal.snakebite(QStringLiteral("Benjamin-Alexander"),
                          QStringLiteral("Clean the wound, and apply lobelia and agrimony."));
    }
    journal.ended(1234);
    return journal;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The text of a PDF as poppler reads it, blanks and line ends folded to one
// blank so that words wrapped onto two lines are still found.
QString pdfText(const QString& fileName)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QStringLiteral("(pdftotext is missing: tools/setup.sh installs poppler-utils)");
    QProcess process;
    process.start(tool, {fileName, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

using Event = std::function<bool(Journal&)>;
Q_DECLARE_METATYPE(Event)
Q_DECLARE_METATYPE(Journal)

class JournalTest : public QObject {
    Q_OBJECT

private slots:
    void aJourneyThroughThreeTownsIsWrittenTownByTown()
    {
        const std::vector<JournalPage> pages = threeTowns().pages();
        QCOMPARE(pages.size(), std::size_t(5)); // and the questions at the journey's end

        QCOMPARE(pages[0].title, QStringLiteral("Town 1: Tessaly Ford"));
        QCOMPARE(pages[0].paragraphs,
                 QStringList{QStringLiteral("Your party set out from Tessaly Ford.")});

        QCOMPARE(pages[1].title, QStringLiteral("Town 2: Marrow Lake"));
        QCOMPARE(pages[1].town, 2);
        const QStringList marrowLake{
            QStringLiteral("Your party reached Marrow Lake and saw a meadow above a river at "
                           "dusk, with pines on either side."),
            QStringLiteral("There your party met Aiyana, a Verunai girl who walked this Trail "
                           "nearly two hundred years ago.  She told her story:"),
            quoted(story::storyLine(3)),
            QStringLiteral("Your party gave Aiyana 3 wolf wall hangings and received some "
                           "snakeroot.  ") +
                townContent(2).goodPraise,
            QStringLiteral("Your party gave Aiyana 2 bags of onions and received some beads."),
            QStringLiteral("Fish caught: 2 lb 5 oz bluegill and 1 lb 0 oz perch."),
            QStringLiteral("On the road, Chenoa was bitten by a snake.  The treatment your party "
                           "chose: clean wound, and give the patient snakeroot tea."),
        };
        QCOMPARE(pages[1].paragraphs, marrowLake);

        QCOMPARE(pages[2].title, QStringLiteral("Town 3: Cedar Spring"));
        QCOMPARE(pages[2].paragraphs.at(1),
                 QStringLiteral("There your party met Thomas Reed, a young trapper who lived in "
                                "this area long ago.  He told his story:"));
        QCOMPARE(pages[2].paragraphs.at(2), quoted(story::storyLine(5)));
        QVERIFY(pages[2].paragraphs.at(3).endsWith(townContent(3).goodPraise));

        QCOMPARE(pages[3].title, QStringLiteral("The Journey's End"));
        QCOMPARE(pages[3].paragraphs,
                 QStringList{QStringLiteral("Your party came to the end of the trail at Cedar "
                                            "Spring with a final score of 27 points.")});
        QCOMPARE(pages[4].questionsOf, 4);
    }

    void aJourneyThroughThreeTownsIsKeptAsLines()
    {
        const QStringList expected{
            QStringLiteral("Kelvarin journal 2"),
            QStringLiteral("town\t1"),
            QStringLiteral("town\t2"),
            QStringLiteral("spirit\t2"),
            QStringLiteral("trade\t2\tuseful\t3 wolf wall hangings\tsome snakeroot"),
            QStringLiteral("trade\t2\ttrifle\t2 bags of onions\tsome beads"),
            QStringLiteral("fish\t2 lb 5 oz bluegill"),
            QStringLiteral("fish\t1 lb 0 oz perch"),
            QStringLiteral("snakebite\tChenoa\t") + Treatment,
            QStringLiteral("town\t3"),
            QStringLiteral("spirit\t3"),
            QStringLiteral("trade\t3\tuseful\t1 toy raccoon\tbear oil"),
            QStringLiteral("end\t27"),
        };
        QCOMPARE(threeTowns().toLines(), expected);
    }

    void sillyRepeatsAndEventsOffTheTrailAreNotWritten_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<bool>("written");

        const auto row = [](const char* name, Event event, bool written) {
            QTest::newRow(name) << event << written;
        };
        row(
            "a town reached again", [](Journal& j) { return j.arrived(2); }, false);
        row(
            "a spirit met again", [](Journal& j) { return j.metSpirit(2); }, false);
        row(
            "a second snakebite in the same town",
            [](Journal& j) { return j.snakebite(QStringLiteral("Gus"), Treatment); }, false);
        row(
            "town 0", [](Journal& j) { return j.arrived(0); }, false);
        row(
            "town 29", [](Journal& j) { return j.arrived(29); }, false);
        row(
            "the spirit of the town without one", [](Journal& j) { return j.metSpirit(1); }, false);
        row(
            "a fish without its line", [](Journal& j) { return j.caughtFish(QStringLiteral(" ")); },
            false);
        row(
            "a snakebite with nobody bitten",
            [](Journal& j) { return j.snakebite(QString(), Treatment); }, false);
        row(
            "a trade with nothing given",
            [](Journal& j) { return j.traded(2, QString(), QStringLiteral("some seeds"), false); },
            false);
        row(
            "a score below zero", [](Journal& j) { return j.ended(-1); }, false);
        row(
            "the same trifle traded again",
            [](Journal& j) {
                return j.traded(2, QStringLiteral("2 bags of onions"), QStringLiteral("some beads"),
                                false);
            },
            true);
        row(
            "another fish of the same weight",
            [](Journal& j) { return j.caughtFish(QStringLiteral("2 lb 5 oz bluegill")); }, true);
        row(
            "the next town", [](Journal& j) { return j.arrived(3); }, true);
    }

    void sillyRepeatsAndEventsOffTheTrailAreNotWritten()
    {
        QFETCH(Event, event);
        QFETCH(bool, written);

        Journal journal;
        journal.arrived(1);
        journal.arrived(2);
        journal.metSpirit(2);
        journal.traded(2, QStringLiteral("2 bags of onions"), QStringLiteral("some beads"), false);
        journal.caughtFish(QStringLiteral("2 lb 5 oz bluegill"));
        journal.snakebite(QStringLiteral("Chenoa"), Treatment);
        const QStringList before = journal.toLines();

        QCOMPARE(event(journal), written);
        QCOMPARE(journal.toLines().size(), before.size() + (written ? 1 : 0));
        QCOMPARE(journal.toLines().mid(0, before.size()), before);
    }

    void nothingIsWrittenAfterTheJourneysEnd()
    {
        Journal journal = threeTowns();
        const QStringList before = journal.toLines();
        QVERIFY(!journal.ended(40));
        QVERIFY(!journal.arrived(4));
        QVERIFY(!journal.caughtFish(QStringLiteral("1 lb 1 oz perch")));
        QCOMPARE(journal.toLines(), before);
        QCOMPARE(journal.finalScore(), 27);
    }

    void aSpiritMetBeforeItsTownWasWrittenStartsTheTownsPage()
    {
        Journal journal;
        QVERIFY(journal.metSpirit(4));
        QCOMPARE(journal.toLines(),
                 (QStringList{QStringLiteral("Kelvarin journal 2"), QStringLiteral("town\t4"),
                              QStringLiteral("spirit\t4")}));
        QCOMPARE(journal.pages().front().title, QStringLiteral("Town 4: Ambry Hollow"));

        // What happens before the first town still has a page.
        Journal early;
        QVERIFY(early.caughtFish(QStringLiteral("1 lb 1 oz perch")));
        QCOMPARE(early.pages().front().title, QStringLiteral("On the Trail"));

        // An event that is refused starts no page.
        Journal refused;
        QVERIFY(!refused.metSpirit(1));
        QVERIFY(!refused.traded(5, QString(), QStringLiteral("some seeds"), false));
        QVERIFY(refused.isEmpty());
    }

    void aLongCatchIsWrittenTenFishToAParagraph()
    {
        Journal journal;
        journal.arrived(2);
        for (int k = 0; k < 23; ++k)
            journal.caughtFish(QStringLiteral("%1 lb 1 oz perch").arg(k));
        const QStringList paragraphs = journal.pages().front().paragraphs;
        QCOMPARE(paragraphs.size(), 4);
        QVERIFY(paragraphs.at(1).startsWith(QStringLiteral("Fish caught: 0 lb 1 oz perch, ")));
        QVERIFY(paragraphs.at(1).endsWith(QStringLiteral(" and 9 lb 1 oz perch.")));
        QVERIFY(paragraphs.at(2).startsWith(QStringLiteral("More fish caught: 10 lb")));
        QCOMPARE(paragraphs.at(3),
                 QStringLiteral("More fish caught: 20 lb 1 oz perch, 21 lb 1 oz perch and 22 lb 1 "
                                "oz perch."));
    }

    void aTownTooLongForAPageGoesOnOverTheNext()
    {
        const Journal journal = busyJourney();
        const JournalPageSize size{50, 14};
        const std::vector<JournalPage> whole = journal.pages();
        const std::vector<JournalPage> split = journal.pages(size);
        QVERIFY(split.size() > whole.size());

        // Every paragraph is there, in order, under its own town's title.
        std::size_t next = 0;
        for (const JournalPage& page : whole) {
            QVERIFY(next < split.size());
            QCOMPARE(split[next].title, page.title);
            QStringList paragraphs = split[next++].paragraphs;
            while (next < split.size() &&
                   split[next].title == page.title + QStringLiteral(" (continued)"))
                paragraphs << split[next++].paragraphs;
            QCOMPARE(paragraphs, page.paragraphs);
        }
        QCOMPARE(next, split.size());

        // No page is fuller than the size allows, unless one paragraph alone
        // fills it. (A page of questions stays whole: the view shows it as
        // answer boxes.)
        for (const JournalPage& page : split) {
            if (page.questionsOf != 0)
                continue;
            int lines = -1;
            for (const QString& paragraph : page.paragraphs)
                lines += 1 + static_cast<int>((paragraph.size() + 49) / 50);
            QVERIFY2(lines <= size.lines || page.paragraphs.size() == 1, qPrintable(page.title));
        }
    }

    void linesComeBackAsTheSameJournal_data()
    {
        QTest::addColumn<Journal>("journal");
        QTest::newRow("three towns to the end") << threeTowns();
        QTest::newRow("the whole trail") << busyJourney();
        QTest::newRow("nothing yet") << Journal();
        Journal odd;
        odd.arrived(5);
        odd.snakebite(QStringLiteral("Mary\tAnn"), QStringLiteral("Clean the wound.\n"));
        odd.caughtFish(QStringLiteral("10 lb 0 oz catfish"));
        QTest::newRow("a tab and a line break in the texts") << odd;
    }

    void linesComeBackAsTheSameJournal()
    {
        QFETCH(Journal, journal);
        const JournalReading reading = Journal::fromLines(journal.toLines());
        QCOMPARE(reading.problem, QString());
        QVERIFY(reading.journal == journal);
        QCOMPARE(reading.journal.toLines(), journal.toLines());
    }

    void damagedLinesAreRefusedWithAMessage_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("reason");

        const QStringList good = threeTowns().toLines();
        const auto with = [&](int index, const QString& line) {
            QStringList lines = good;
            lines[index] = line;
            return lines;
        };
        QTest::newRow("no heading") << good.mid(1) << QStringLiteral("its first line is not");
        QTest::newRow("a newer journal") << with(0, QStringLiteral("Kelvarin journal 3"))
                                         << QStringLiteral("written by a newer Kelvarin");
        QTest::newRow("an unknown entry")
            << with(3, QStringLiteral("dragon\t2")) << QStringLiteral("line 4 is not an entry");
        QTest::newRow("an empty line") << with(5, QString()) << QStringLiteral("line 6 is not");
        QTest::newRow("a part missing") << with(4, QStringLiteral("trade\t2\tuseful\tsome beads"))
                                        << QStringLiteral("line 5 has 4 parts");
        QTest::newRow("town 40") << with(9, QStringLiteral("town\t40"))
                                 << QStringLiteral("line 10 names town 40");
        QTest::newRow("a town that is not a number")
            << with(9, QStringLiteral("town\t3x")) << QStringLiteral("\"3x\" where a number");
        QTest::newRow("a town with a plus sign")
            << with(9, QStringLiteral("town\t+3")) << QStringLiteral("\"+3\" where a number");
        QTest::newRow("neither useful nor a trifle")
            << with(4, QStringLiteral("trade\t2\tmaybe\ta\tb")) << QStringLiteral("\"maybe\"");
        QTest::newRow("a town reached twice")
            << with(9, QStringLiteral("town\t2")) << QStringLiteral("reaches town 2 a second");
        QTest::newRow("a spirit before its town")
            << with(3, QStringLiteral("spirit\t3")) << QStringLiteral("before the party reached");
        QTest::newRow("a spirit where there is none")
            << with(3, QStringLiteral("spirit\t1")) << QStringLiteral("town 1, which has none");
        QTest::newRow("a trade with nothing received")
            << with(5, QStringLiteral("trade\t2\ttrifle\tsome beads\t"))
            << QStringLiteral("leaves out what was traded");
        QTest::newRow("a second snakebite")
            << with(6, QStringLiteral("snakebite\tGus\tClean the wound."))
            << QStringLiteral("line 9 is a second snakebite");
        QTest::newRow("blanks around a name")
            << with(8, QStringLiteral("snakebite\t Chenoa\tClean the wound."))
            << QStringLiteral("line 9 has blanks or control characters");
        QStringList afterEnd = good;
        afterEnd << QStringLiteral("fish\t1 lb 1 oz perch");
        QTest::newRow("a line after the end")
            << afterEnd << QStringLiteral("line 14 comes after the journey's end");
        QTest::newRow("a score below zero")
            << with(12, QStringLiteral("end\t-5")) << QStringLiteral("below zero");
    }

    void damagedLinesAreRefusedWithAMessage()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, reason);
        const JournalReading reading = Journal::fromLines(lines);
        QVERIFY2(reading.problem.startsWith(QStringLiteral("The journal cannot be read: ")),
                 qPrintable(reading.problem));
        QVERIFY2(reading.problem.contains(reason), qPrintable(reading.problem));
        QVERIFY(reading.problem.endsWith(QStringLiteral("Nothing in the game was changed.")));
        QVERIFY(reading.journal.isEmpty());
    }

    void theViewTurnsItsPagesAndStopsAtTheEnds()
    {
        const Journal journal = threeTowns();
        TJournal view(journal, JournalCover{Party, 12, {}});
        const std::vector<JournalPage> pages = journal.pages(view.pageSize());
        QVERIFY(pages.size() >= 5); // three towns and the end, Marrow Lake perhaps on two
        QCOMPARE(view.pageCount(), static_cast<int>(pages.size()) + 1); // the names first

        QCOMPARE(view.PageTitle->text(), QStringLiteral("Our Journey on the Trail"));
        for (const QString& name : Party)
            QVERIFY(view.PageText->text().contains(name));
        QVERIFY(view.PageText->text().contains(QStringLiteral("Final score: 27 points")));
        QVERIFY(!view.Back->isEnabled());
        QVERIFY(view.Forward->isEnabled());
        QCOMPARE(view.focusWidget(), view.Forward);

        for (const JournalPage& page : pages) {
            view.Forward->click();
            QCOMPARE(view.PageTitle->text(), page.title);
            QCOMPARE(view.PageText->text(), page.paragraphs.join(QStringLiteral("\n\n")));
            QVERIFY(view.Back->isEnabled());
        }
        const int last = view.pageCount() - 1;
        QCOMPARE(view.PageNumber->text(), QStringLiteral("Page %1 of %1").arg(last + 1));
        QVERIFY(!view.Forward->isEnabled());
        view.Forward->click();
        QCOMPARE(view.page(), last);

        for (int k = 0; k < last; ++k)
            view.Back->click();
        QCOMPARE(view.page(), 0);
        QVERIFY(!view.Back->isEnabled());
        QVERIFY(view.Forward->isEnabled());
    }

    void anEmptyJournalShowsThePartyAndSaysNothingIsWrittenYet()
    {
        TJournal view(Journal(), JournalCover{Party, 0, {}});
        QCOMPARE(view.pageCount(), 1);
        QVERIFY(view.PageText->text().endsWith(QStringLiteral(
            "Score so far: 0 points\n\nNothing has been written in the journal yet.")));
        QVERIFY(!view.Back->isEnabled());
        QVERIFY(!view.Forward->isEnabled());
        QCOMPARE(view.focusWidget(), view.Close1);
    }

    void keysTurnThePagesAndEscapeCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("page"); // from page 1; -1: the view has closed
        QTest::newRow("right arrow") << int(Qt::Key_Right) << 2;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << 2;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << 0;
        QTest::newRow("end") << int(Qt::Key_End) << 99; // the last page
        QTest::newRow("home") << int(Qt::Key_Home) << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << -1;
    }

    void keysTurnThePagesAndEscapeCloses()
    {
        QFETCH(int, key);
        QFETCH(int, page);
        TJournal view(threeTowns(), JournalCover{Party, 12, {}});
        view.show();
        view.Forward->click();
        // The key reaches the button that has the focus first, as it would.
        view.Close1->setFocus();
        QTest::keyClick(view.Close1, static_cast<Qt::Key>(key));
        if (page < 0) {
            QVERIFY(!view.isVisible());
        } else {
            QVERIFY(view.isVisible());
            QCOMPARE(view.page(), std::min(page, view.pageCount() - 1));
        }
    }

    void showJournalOpensTheViewUntilThePlayerClosesIt()
    {
        ModalScript script;
        QString titleShown;
        script.then([&](QWidget* window) {
            auto* view = qobject_cast<TJournal*>(window);
            QVERIFY(view);
            view->Forward->click();
            titleShown = view->PageTitle->text();
            view->Close1->click();
        });
        Journal journal = threeTowns();
        TJournal::showJournal(journal, Party, 12, QImage(), nullptr);
        QCOMPARE(script.seen, QStringList{QStringLiteral("Journal")});
        QCOMPARE(titleShown, QStringLiteral("Town 1: Tessaly Ford"));
        QCOMPARE(script.unexpected(), 0);
    }

    void thePageIsReadableAndEveryControlIsNamed()
    {
        TJournal view(threeTowns(), JournalCover{Party, 12, {}});
        const QColor paper = view.Paper->palette().color(view.Paper->backgroundRole());
        const QColor ink = view.PageText->palette().color(QPalette::WindowText);
        QVERIFY2(contrast(ink, paper) >= 4.5, qPrintable(QString::number(contrast(ink, paper))));
        QCOMPARE(view.PageTitle->palette().color(QPalette::WindowText), ink);
        QVERIFY(view.PageText->font().pixelSize() >= 18);

        for (QAbstractButton* button : view.findChildren<QAbstractButton*>())
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));

        // A screen reader reads the page's own words.
        view.Forward->click();
        view.Forward->click();
        QAccessibleInterface* page = QAccessible::queryAccessibleInterface(view.PageText);
        QVERIFY(page);
        QCOMPARE(page->text(QAccessible::Name), view.PageText->text());
        QVERIFY(page->text(QAccessible::Name).contains(QStringLiteral("Aiyana")));
    }

    void everyPageOfALongJourneyFitsTheView()
    {
        TJournal view(busyJourney(), JournalCover{Party, 12, {}});
        QVERIFY(view.pageCount() > 29);
        for (int k = 0; k < view.pageCount(); ++k) {
            const int height = view.PageText->heightForWidth(view.PageScroll->width());
            QVERIFY2(
                height <= view.PageScroll->height(),
                qPrintable(QStringLiteral("%1: %2 px").arg(view.PageTitle->text()).arg(height)));
            QVERIFY2(view.PageTitle->fontMetrics().horizontalAdvance(view.PageTitle->text()) <=
                         view.PageTitle->width(),
                     qPrintable(view.PageTitle->text()));
            view.Forward->click();
        }
    }

    void saveAsPdfWritesTheJournalWhereThePlayerChose()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("journey.pdf"));
        platform::FileDialog asked;
        platform::setFileChooser([&](const platform::FileDialog& dialog, QWidget*) {
            asked = dialog;
            return file;
        });
        ErrorCapture errors;
        TJournal view(threeTowns(), JournalCover{Party, 12, QImage()});
        view.SavePdf->click();
        platform::setFileChooser({});

        QVERIFY(asked.kind == platform::FileDialog::Kind::Save);
        QCOMPARE(asked.initialDir, platform::savedGamesFolder());
        QCOMPARE(asked.defaultExtension, QStringLiteral("pdf"));
        QCOMPARE(errors.messages, QStringList());
        const QString text = pdfText(file);
        QVERIFY2(text.startsWith(QStringLiteral("Kelvarin")), qPrintable(text.left(200)));
        for (const QString& words :
             Party + QStringList{QStringLiteral("Tessaly Ford"), QStringLiteral("Marrow Lake"),
                                 QStringLiteral("Cedar Spring"), QStringLiteral("Aiyana"),
                                 QStringLiteral("Thomas Reed"),
                                 QStringLiteral("Final score: 27 points"),
                                 QStringLiteral("page 2 of")})
            QVERIFY2(text.contains(words), qPrintable(words));
    }

    void cancellingTheSaveWritesNothing()
    {
        QTemporaryDir folder;
        platform::setFileChooser([](const platform::FileDialog&, QWidget*) { return QString(); });
        ErrorCapture errors;
        TJournal view(threeTowns(), JournalCover{Party, 12, QImage()});
        view.SavePdf->click();
        platform::setFileChooser({});
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void theTitlePageShowsTheScoreSoFarAndTheMap()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("so-far.pdf"));
        Journal journal;
        journal.arrived(1);
        journal.arrived(2);
        QImage map(620, 345, QImage::Format_RGB32);
        map.fill(Qt::white);
        QPainter(&map).fillRect(100, 100, 420, 145, Qt::red);

        QCOMPARE(saveJournalPdf(file, journal, JournalCover{Party, 1, map}), QString());
        const QString text = pdfText(file);
        QVERIFY2(text.contains(QStringLiteral("Score so far: 1 point ")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Final score")));

        // The map is on the title page: a red area in the middle of it.
        const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        QVERIFY(!renderer.isEmpty());
        const QString prefix = folder.filePath(QStringLiteral("title"));
        QCOMPARE(QProcess::execute(renderer,
                                   {QStringLiteral("-png"), QStringLiteral("-r"),
                                    QStringLiteral("30"), QStringLiteral("-f"), QStringLiteral("1"),
                                    QStringLiteral("-l"), QStringLiteral("1"), file, prefix}),
                 0);
        const QImage title(prefix + QStringLiteral("-1.png"));
        QVERIFY(!title.isNull());
        // The red area is 420 of the map's 620 pixels wide, the map 0.9 of the
        // text's width: about half the page.
        int left = title.width();
        int right = -1;
        for (int y = 0; y < title.height(); ++y) {
            for (int x = 0; x < title.width(); ++x) {
                const QColor c = title.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        const double share = double(right - left + 1) / title.width();
        QVERIFY2(share > 0.4 && share < 0.6, qPrintable(QString::number(share)));
        QVERIFY(left > title.width() / 5);
    }

    void aPrinterGetsTheSamePages()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QVERIFY(printJournal(printer, threeTowns(), JournalCover{Party, 12, QImage()}));
        const QString text = pdfText(file);
        for (const QString& words : {QStringLiteral("Gus"), QStringLiteral("Cedar Spring"),
                                     QStringLiteral("Thomas Reed"), QStringLiteral("page 2 of")})
            QVERIFY2(text.contains(words), qPrintable(words + QStringLiteral(" in ") + text));
    }

    void thePrintButtonAsksWhichPrinterAndCancellingPrintsNothing()
    {
        ModalScript script;
        script.then([](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
        ErrorCapture errors;
        TJournal view(threeTowns(), JournalCover{Party, 12, QImage()});
        view.PrintButton->click();
        QCOMPARE(script.seen, QStringList{QStringLiteral("PrintDialog")});
        QCOMPARE(errors.messages, QStringList());
    }

    void aPdfThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("a folder that is not there")
            << QStringLiteral("missing/journey.pdf") << false;
        QTest::newRow("a full disk") << QStringLiteral("journey.pdf") << true;
    }

    void aPdfThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        QFile earlier(file);
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write("the earlier journal");
        earlier.close();

        QString problem;
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(2000);
            problem = saveJournalPdf(file, busyJourney(), JournalCover{Party, 12, QImage()});
        }
        QVERIFY2(
            problem.startsWith(QStringLiteral("The journal cannot be saved as \"%1\": ").arg(file)),
            qPrintable(problem));
        if (diskFull) {
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("the earlier journal"));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 diskFull ? QStringList{QStringLiteral("journey.pdf")} : QStringList());
    }
};

QTEST_MAIN(JournalTest)
#include "tst_journal.moc"

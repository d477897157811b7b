// The parts of the trail in the journal and the pupils' answers: where a
// part may end, the questions asked, the answers kept (line breaks and all)
// in the journal's lines and the damaged ones refused, the journals written
// before parts still read; the pages of questions, the view's answer boxes
// and their keys, and the answers on paper.

#include "errorcapture.h"
#include "journal/journal.h"
#include "journal/journalprint.h"
#include "journal/journalview.h"
#include "modalscript.h"
#include "platform/bitbtn.h"
#include "shell/chapters.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

const QStringList Party{QStringLiteral("Aponi"),  QStringLiteral("Benjamin"),
                        QStringLiteral("Chenoa"), QStringLiteral("Daniel"),
                        QStringLiteral("Elsie"),  QStringLiteral("Farah"),
                        QStringLiteral("Gus")};

// The party through towns 1 to `last`, each part ended as the trail ends it
// on leaving the part's last town.
Journal throughTown(int last)
{
    Journal journal;
    for (int town = 1; town <= last; ++town) {
        journal.arrived(town);
        if (endsChapter(town) && town < TownCount && town < last)
            journal.endedChapter(chapterOf(town).number);
    }
    return journal;
}

// The whole trail, every part ended, to the journey's end.
Journal wholeTrail()
{
    Journal journal = throughTown(TownCount);
    journal.ended(80);
    return journal;
}

// An answer with a line break, a tab, backslashes (one before an "n", as a
// pupil might type) and a letter from beyond ASCII.
const QString Awkward =
    QStringLiteral("José said it twice:\nthe spear went home.\tC:\\new\\ and \\\\ too.");

// The text of a PDF as poppler reads it, line by line.
QStringList pdfLines(const QString& fileName)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {QStringLiteral("(pdftotext is missing: tools/setup.sh installs poppler-utils)")};
    QProcess process;
    process.start(tool,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), fileName, QStringLiteral("-")});
    process.waitForFinished(60000);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        lines << line.simplified();
    return lines;
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

// Shows the view as the active window, so that its focus moves as a
// player's would.
bool showActive(TJournal& view)
{
    view.show();
    view.activateWindow();
    return QTest::qWaitForWindowActive(&view);
}

// Turns the view to the page of part `chapter`'s questions.
bool turnToQuestions(TJournal& view, int chapter)
{
    while (view.page() > 0)
        view.BackClick();
    for (int k = 0; k < view.pageCount(); ++k) {
        if (!view.answerBoxes().isEmpty() &&
            view.answerSheet()->objectName() == QStringLiteral("AnswerSheet%1").arg(chapter))
            return true;
        view.ForwardClick();
    }
    return false;
}

} // namespace

using Change = std::function<bool(Journal&)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Journal)

class JournalAnswersTest : public QObject {
    Q_OBJECT

private slots:
    void aPartEndsOnlyOnceItsLastTownIsReached_data()
    {
        QTest::addColumn<Journal>("journal");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<bool>("written");

        QTest::newRow("part 1 in town 7") << throughTown(7) << 1 << true;
        QTest::newRow("part 1 in town 6") << throughTown(6) << 1 << false;
        QTest::newRow("part 1 again") << throughTown(9) << 1 << false;
        QTest::newRow("part 2 in town 14") << throughTown(14) << 2 << true;
        QTest::newRow("part 3 in town 21") << throughTown(21) << 3 << true;
        QTest::newRow("part 3 in town 20") << throughTown(20) << 3 << false;
        QTest::newRow("part 4: it ends with the journey") << throughTown(28) << 4 << false;
        QTest::newRow("part 0") << throughTown(7) << 0 << false;
        QTest::newRow("part 5") << throughTown(28) << 5 << false;
        Journal ended = throughTown(14);
        ended.ended(20);
        QTest::newRow("after the journey's end") << ended << 2 << false;
        // A journey begun before the journal knew of parts ends its next
        // part without the earlier ones.
        Journal older;
        for (int town = 1; town <= 14; ++town)
            older.arrived(town);
        QTest::newRow("part 2 without part 1") << older << 2 << true;
    }

    void aPartEndsOnlyOnceItsLastTownIsReached()
    {
        QFETCH(Journal, journal);
        QFETCH(int, chapter);
        QFETCH(bool, written);
        const QStringList before = journal.toLines();
        const int ended = journal.chaptersEnded();

        QCOMPARE(journal.endedChapter(chapter), written);
        QCOMPARE(journal.chaptersEnded(), ended + (written ? 1 : 0));
        if (written) {
            QCOMPARE(journal.toLines(),
                     before + QStringList{QStringLiteral("chapter\t%1").arg(chapter)});
            QVERIFY(journal.chapterIsOver(chapter));
        } else {
            QCOMPARE(journal.toLines(), before);
        }
    }

    void theJourneysEndEndsTheLastPart()
    {
        Journal journal = throughTown(28);
        QCOMPARE(journal.chaptersEnded(), 3);
        QVERIFY(!journal.chapterIsOver(4));
        QVERIFY(journal.ended(55));
        QCOMPARE(journal.chaptersEnded(), 4);
        QVERIFY(journal.chapterIsOver(4));
        QVERIFY(!journal.chapterIsOver(0));
        QVERIFY(!journal.chapterIsOver(5));
    }

    void eachPartAsksQuestionsOfItsOwnInPlainWords()
    {
        QStringList all;
        for (int chapter = 1; chapter <= ChapterCount; ++chapter) {
            const QStringList asked = Journal::questions(chapter);
            QVERIFY2(asked.size() >= 2 && asked.size() <= 3, qPrintable(QString::number(chapter)));
            for (const QString& question : asked) {
                QVERIFY2(question.endsWith(QLatin1Char('?')), qPrintable(question));
                QVERIFY2(!all.contains(question), qPrintable(question));
                // Asked of the pupils themselves, never as someone else.
                for (const char* role :
                     {"imagine", "pretend", "if you were", "you are a", "how would you feel"})
                    QVERIFY2(!question.contains(QLatin1String(role), Qt::CaseInsensitive),
                             qPrintable(question));
                // Short sentences: no more than 20 words before a full stop.
                for (const QString& sentence :
                     question.split(QRegularExpression(QStringLiteral("[.?]\\s+"))))
                    QVERIFY2(sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 20,
                             qPrintable(sentence));
                all << question;
            }
        }
        // The journey's end speaks of the people as they live today.
        const QString last = Journal::questions(ChapterCount).join(QLatin1Char(' '));
        QVERIFY(last.contains(QStringLiteral("today")));
        QVERIFY(last.contains(QStringLiteral("nations")));
        QVERIFY(Journal::questions(0).isEmpty());
        QVERIFY(Journal::questions(ChapterCount + 1).isEmpty());
    }

    void answersAreKeptForAPartThatIsOver_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("kept"); // the answer after the change

        const auto row = [](const char* name, Change change, bool written, int chapter,
                            int question, const QString& kept) {
            QTest::newRow(name) << change << written << chapter << question << kept;
        };
        // The journal: parts 1 and 2 over, the party in town 16; part 1's
        // first question answered "Aiyana's song."
        const QString earlier = QStringLiteral("Aiyana's song.");
        row(
            "a part that is over",
            [](Journal& j) { return j.answered(2, 3, QStringLiteral("It was not fair.")); }, true,
            2, 3, QStringLiteral("It was not fair."));
        row(
            "a part not over yet",
            [](Journal& j) { return j.answered(3, 1, QStringLiteral("The boy's fire.")); }, false,
            3, 1, QString());
        row(
            "the last part before the journey's end",
            [](Journal& j) { return j.answered(4, 1, QStringLiteral("Food.")); }, false, 4, 1,
            QString());
        row(
            "part 0", [](Journal& j) { return j.answered(0, 1, QStringLiteral("Food.")); }, false,
            0, 1, QString());
        row(
            "question 0", [](Journal& j) { return j.answered(1, 0, QStringLiteral("Food.")); },
            false, 1, 0, QString());
        row(
            "a question beyond the last",
            [](Journal& j) {
                return j.answered(1, int(Journal::questions(1).size()) + 1,
                                  QStringLiteral("Food."));
            },
            false, 1, int(Journal::questions(1).size()) + 1, QString());
        row(
            "a later answer takes the earlier one's place",
            [](Journal& j) {
                return j.answered(1, 1, QStringLiteral("Tali's, carrying her sister."));
            },
            true, 1, 1, QStringLiteral("Tali's, carrying her sister."));
        row(
            "an empty answer takes it away", [](Journal& j) { return j.answered(1, 1, QString()); },
            true, 1, 1, QString());
        row(
            "blanks and line breaks alone take it away",
            [](Journal& j) { return j.answered(1, 1, QStringLiteral("  \n\t ")); }, true, 1, 1,
            QString());
        row(
            "the longest answer",
            [](Journal& j) { return j.answered(1, 2, QString(Journal::MaxAnswerLength, 'a')); },
            true, 1, 2, QString(Journal::MaxAnswerLength, 'a'));
        row(
            "one character too long",
            [](Journal& j) { return j.answered(1, 1, QString(Journal::MaxAnswerLength + 1, 'a')); },
            false, 1, 1, earlier);
        row(
            "blanks around it do not count, and go",
            [](Journal& j) {
                return j.answered(1, 2,
                                  QStringLiteral("  ") + QString(Journal::MaxAnswerLength, 'b') +
                                      QStringLiteral("\n\n"));
            },
            true, 1, 2, QString(Journal::MaxAnswerLength, 'b'));
        row(
            "line breaks of every kind are kept as line breaks",
            [](Journal& j) {
                return j.answered(1, 3,
                                  QStringLiteral("The ferry man.\r\nHis wife.\rThe farm woman.") +
                                      QChar(QChar::ParagraphSeparator) +
                                      QStringLiteral("Her aloe."));
            },
            true, 1, 3, QStringLiteral("The ferry man.\nHis wife.\nThe farm woman.\nHer aloe."));
        row(
            "other control characters become blanks",
            [](Journal& j) {
                return j.answered(1, 3,
                                  QStringLiteral("The\x01"
                                                 "ferry\x7f"
                                                 "man"));
            },
            true, 1, 3, QStringLiteral("The ferry man"));
    }

    void answersAreKeptForAPartThatIsOver()
    {
        QFETCH(Change, change);
        QFETCH(bool, written);
        QFETCH(int, chapter);
        QFETCH(int, question);
        QFETCH(QString, kept);

        Journal journal = throughTown(16);
        QVERIFY(journal.answered(1, 1, QStringLiteral("Aiyana's song.")));
        const Journal before = journal;

        QCOMPARE(change(journal), written);
        QCOMPARE(journal.answer(chapter, question), kept);
        if (!written)
            QVERIFY(journal == before);
        // One answer for each question at most, whatever was written.
        int answers = 0;
        for (int c = 1; c <= ChapterCount; ++c) {
            for (int q = 1; q <= Journal::questions(c).size(); ++q)
                answers += journal.answer(c, q).isEmpty() ? 0 : 1;
        }
        QCOMPARE(journal.answersWritten(), answers);
    }

    void answersAreWrittenAfterTheJourneysEndToo()
    {
        Journal journal = wholeTrail();
        QVERIFY(journal.answered(4, 3, QStringLiteral("Their schools.")));
        QVERIFY(journal.answered(1, 1, QStringLiteral("The carved deer.")));
        QCOMPARE(journal.answersWritten(), 2);
        // Events still are not.
        QVERIFY(!journal.arrived(3));
        QVERIFY(!journal.endedChapter(1));
    }

    void partsAndAnswersAreKeptAsLines()
    {
        Journal journal = throughTown(8);
        journal.caughtFish(QStringLiteral("1 lb 0 oz perch"));
        QVERIFY(journal.answered(1, 2, QStringLiteral("People wanted their land.\nA law.")));
        QVERIFY(journal.answered(1, 1, QStringLiteral("Tali\\s")));
        QStringList expected{QStringLiteral("Kelvarin journal 2")};
        for (int town = 1; town <= 7; ++town)
            expected << QStringLiteral("town\t%1").arg(town);
        expected << QStringLiteral("chapter\t1") << QStringLiteral("town\t8")
                 << QStringLiteral("fish\t1 lb 0 oz perch")
                 << QStringLiteral("answer\t1\t1\tTali\\\\s")
                 << QStringLiteral("answer\t1\t2\tPeople wanted their land.\\nA law.");
        QCOMPARE(journal.toLines(), expected);
    }

    void partsAndAnswersComeBackFromTheirLines_data()
    {
        QTest::addColumn<Journal>("journal");
        Journal middle = throughTown(15);
        middle.answered(2, 2, Awkward);
        middle.answered(1, 3, QStringLiteral("\\"));
        middle.answered(1, 1, QStringLiteral("\\n is not a line break; this is:\nthere."));
        QTest::newRow("in part 3, with awkward answers") << middle;
        Journal all = wholeTrail();
        for (int chapter = 1; chapter <= ChapterCount; ++chapter) {
            for (int question = 1; question <= Journal::questions(chapter).size(); ++question)
                all.answered(chapter, question, QString(Journal::MaxAnswerLength, QChar(0x00e9)));
        }
        QTest::newRow("every question answered at length") << all;
        QTest::newRow("parts ended, nothing answered") << throughTown(22);
    }

    void partsAndAnswersComeBackFromTheirLines()
    {
        QFETCH(Journal, journal);
        const QStringList lines = journal.toLines();
        for (const QString& line : lines) {
            QVERIFY2(!line.contains(QLatin1Char('\n')), qPrintable(line));
            if (line.startsWith(QStringLiteral("answer\t")))
                QCOMPARE(line.count(QLatin1Char('\t')), 3);
        }
        const JournalReading reading = Journal::fromLines(lines);
        QCOMPARE(reading.problem, QString());
        QVERIFY(reading.journal == journal);
        QCOMPARE(reading.journal.toLines(), lines);
        QCOMPARE(reading.journal.answersWritten(), journal.answersWritten());
        QCOMPARE(reading.journal.chaptersEnded(), journal.chaptersEnded());
        if (journal.chaptersEnded() > 1)
            QCOMPARE(reading.journal.answer(2, 2), journal.answer(2, 2));
    }

    void aJournalOfTheFirstVersionStillReads()
    {
        const QStringList lines{
            QStringLiteral("Kelvarin journal 1"),
            QStringLiteral("town\t1"),
            QStringLiteral("town\t2"),
            QStringLiteral("spirit\t2"),
            QStringLiteral("fish\t2 lb 5 oz bluegill"),
            QStringLiteral("note\tAvrel caught a chill on the road."),
            QStringLiteral("end\t12"),
        };
        const JournalReading reading = Journal::fromLines(lines);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.journal.finalScore(), 12);
        QCOMPARE(reading.journal.chaptersEnded(), 1); // the journey's end
        QCOMPARE(reading.journal.answersWritten(), 0);
        // Written again, it is a journal of this version, event for event.
        QCOMPARE(reading.journal.toLines(),
                 QStringList{QStringLiteral("Kelvarin journal 2")} + lines.mid(1));
        // Its last part's questions can be answered now.
        Journal going = reading.journal;
        QVERIFY(going.answered(4, 1, QStringLiteral("Warm clothes.")));
    }

    void damagedPartsAndAnswersAreRefusedWithAMessage_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("reason");

        Journal journal = throughTown(15);
        journal.answered(1, 1, QStringLiteral("The deer."));
        journal.answered(2, 3, QStringLiteral("Unfair."));
        const QStringList good = journal.toLines();
        // Lines 2 to 8 are towns 1 to 7, line 9 ends part 1, line 17 part 2;
        // the answers are lines 19 and 20.
        QCOMPARE(good.at(8), QStringLiteral("chapter\t1"));
        QCOMPARE(good.at(16), QStringLiteral("chapter\t2"));
        QCOMPARE(good.size(), 20);
        const auto with = [&](int index, const QString& line) {
            QStringList lines = good;
            lines[index] = line;
            return lines;
        };
        const auto plus = [&](const QString& line) { return good + QStringList{line}; };

        QTest::newRow("a journal newer than this game")
            << with(0, QStringLiteral("Kelvarin journal 3"))
            << QStringLiteral("written by a newer Kelvarin (journal version 3)");
        QTest::newRow("version 0") << with(0, QStringLiteral("Kelvarin journal 0"))
                                   << QStringLiteral("its version 0 is not one the game knows");
        QTest::newRow("a part's end in a journal of version 1")
            << with(0, QStringLiteral("Kelvarin journal 1"))
            << QStringLiteral("line 9 holds \"chapter\", which a journal of version 1 does not");
        QTest::newRow("an answer in a journal of version 1")
            << QStringList{QStringLiteral("Kelvarin journal 1"), QStringLiteral("town\t1"),
                           QStringLiteral("answer\t1\t1\tyes")}
            << QStringLiteral("line 3 holds \"answer\", which a journal of version 1 does not");
        QTest::newRow("a part that is not a number") << with(8, QStringLiteral("chapter\tone"))
                                                     << QStringLiteral("line 9 has \"one\" where");
        QTest::newRow("a part with a part missing")
            << with(8, QStringLiteral("chapter")) << QStringLiteral("line 9 has 1 parts");
        QTest::newRow("part 0") << with(8, QStringLiteral("chapter\t0"))
                                << QStringLiteral("line 9 ends part 0, where only parts 1 to 3");
        QTest::newRow("part 4 ends with the journey")
            << with(8, QStringLiteral("chapter\t4"))
            << QStringLiteral("line 9 ends part 4, where only parts 1 to 3 end before the "
                              "journey's end");
        QTest::newRow("a part ended before its last town")
            << with(7, QStringLiteral("chapter\t1"))
            << QStringLiteral("line 8 ends part 1 before the party reached town 7");
        QTest::newRow("a part ended twice") << with(16, QStringLiteral("chapter\t1"))
                                            << QStringLiteral("line 17 ends part 1 a second");
        QTest::newRow("a part ended after the journey's end")
            << QStringList{good.mid(0, 17) +
                           QStringList{QStringLiteral("end\t3"), QStringLiteral("chapter\t3")}}
            << QStringLiteral("line 19 comes after the journey's end");
        QTest::newRow("an answer's part not a number")
            << with(18, QStringLiteral("answer\tx\t1\tThe deer."))
            << QStringLiteral("line 19 has \"x\" where a number");
        QTest::newRow("an answer's question not a number")
            << with(18, QStringLiteral("answer\t1\t+1\tThe deer."))
            << QStringLiteral("line 19 has \"+1\" where a number");
        QTest::newRow("an answer with its text missing")
            << with(18, QStringLiteral("answer\t1\t1")) << QStringLiteral("line 19 has 3 parts");
        QTest::newRow("an answer with a raw tab")
            << with(18, QStringLiteral("answer\t1\t1\tThe\tdeer."))
            << QStringLiteral("line 19 has 5 parts");
        QTest::newRow("an answer for a part not over")
            << with(18, QStringLiteral("answer\t3\t1\tThe deer."))
            << QStringLiteral("line 19 answers for part 3 before it ended");
        QTest::newRow("an answer for part 4 before the end")
            << with(18, QStringLiteral("answer\t4\t1\tThe deer."))
            << QStringLiteral("line 19 answers for part 4 before it ended");
        QTest::newRow("an answer for part 9")
            << with(18, QStringLiteral("answer\t9\t1\tThe deer."))
            << QStringLiteral("line 19 answers for part 9, which the trail does not have");
        QTest::newRow("an answer to a question not asked")
            << with(18, QStringLiteral("answer\t1\t4\tThe deer."))
            << QStringLiteral("line 19 answers question 4 of part 1, which it does not ask");
        QTest::newRow("an answer to question 0")
            << with(18, QStringLiteral("answer\t1\t0\tThe deer."))
            << QStringLiteral("line 19 answers question 0 of part 1");
        QTest::newRow("a question answered twice")
            << plus(QStringLiteral("answer\t1\t1\tThe spear."))
            << QStringLiteral("line 21 answers question 1 of part 1 a second time");
        QTest::newRow("an empty answer") << with(18, QStringLiteral("answer\t1\t1\t"))
                                         << QStringLiteral("line 19 has an answer that is empty");
        QTest::newRow("blanks around an answer")
            << with(18, QStringLiteral("answer\t1\t1\t The deer."))
            << QStringLiteral("line 19 has an answer that is empty or has blanks");
        QTest::newRow("a line break at an answer's end")
            << with(18, QStringLiteral("answer\t1\t1\tThe deer.\\n"))
            << QStringLiteral("line 19 has an answer that is empty or has blanks");
        QTest::newRow("a control character in an answer")
            << with(18, QStringLiteral("answer\t1\t1\tThe\x01"
                                       "deer."))
            << QStringLiteral("line 19 has an answer with a backslash or a control character");
        QTest::newRow("a carriage return in an answer")
            << with(18, QStringLiteral("answer\t1\t1\tThe\rdeer."))
            << QStringLiteral("line 19 has an answer with a backslash or a control character");
        QTest::newRow("an escape the journal does not write")
            << with(18, QStringLiteral("answer\t1\t1\tThe \\x deer."))
            << QStringLiteral("line 19 has an answer with a backslash");
        QTest::newRow("a backslash at an answer's end")
            << with(18, QStringLiteral("answer\t1\t1\tThe deer.\\"))
            << QStringLiteral("line 19 has an answer with a backslash");
        QTest::newRow("an answer too long")
            << with(18, QStringLiteral("answer\t1\t1\t") +
                            QString(Journal::MaxAnswerLength + 1, QLatin1Char('a')))
            << QStringLiteral("line 19 holds an answer longer than 2000 characters");
        QTest::newRow("an event after the answers")
            << plus(QStringLiteral("town\t16"))
            << QStringLiteral("line 21 comes after the answers");
    }

    void damagedPartsAndAnswersAreRefusedWithAMessage()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, reason);
        const JournalReading reading = Journal::fromLines(lines);
        QVERIFY2(reading.problem.startsWith(QStringLiteral("The journal cannot be read: ")),
                 qPrintable(reading.problem));
        QVERIFY2(reading.problem.contains(reason), qPrintable(reading.problem));
        QVERIFY(reading.journal.isEmpty());
        QCOMPARE(reading.journal.answersWritten(), 0);
    }

    void eachPartIsHeadedAndFollowedByItsQuestions()
    {
        Journal journal = throughTown(7);
        journal.endedChapter(1);
        // Caught on the way out of town 7, before town 8.
        journal.caughtFish(QStringLiteral("1 lb 2 oz perch"));
        journal.arrived(8);
        journal.answered(1, 2, QStringLiteral("Others wanted their land.\nA law sent them west."));

        const std::vector<JournalPage> pages = journal.pages();
        QCOMPARE(pages.size(), std::size_t(9));
        QCOMPARE(pages[0].heading, QStringLiteral("Part One: The Autumn Hills"));
        for (int k = 1; k < 7; ++k)
            QCOMPARE(pages[std::size_t(k)].heading, QString());
        QCOMPARE(pages[6].town, 7);
        QCOMPARE(pages[6].paragraphs.last(), QStringLiteral("Fish caught: 1 lb 2 oz perch."));

        const JournalPage& thinking = pages[7];
        QCOMPARE(thinking.title, QStringLiteral("Thinking It Over"));
        QCOMPARE(thinking.heading, QStringLiteral("The End of Part One"));
        QCOMPARE(thinking.questionsOf, 1);
        const QStringList asked = Journal::questions(1);
        QCOMPARE(thinking.paragraphs,
                 (QStringList{asked.at(0), QStringLiteral("(not answered yet)"), asked.at(1),
                              QStringLiteral("Others wanted their land.\nA law sent them west."),
                              asked.at(2), QStringLiteral("(not answered yet)")}));
        QVERIFY(
            thinking.text().startsWith(QStringLiteral("The End of Part One\n\nThinking It Over")));

        QCOMPARE(pages[8].town, 8);
        QCOMPARE(pages[8].heading, QStringLiteral("Part Two: The First Snow"));
        QCOMPARE(pages[8].questionsOf, 0);
    }

    void theJourneysEndIsFollowedByTheLastQuestions()
    {
        const std::vector<JournalPage> pages = wholeTrail().pages();
        // 28 towns, 3 parts' questions, the end and its questions.
        QCOMPARE(pages.size(), std::size_t(28 + 3 + 2));
        QStringList headings;
        QList<int> questionPages;
        for (std::size_t k = 0; k < pages.size(); ++k) {
            if (!pages[k].heading.isEmpty())
                headings << pages[k].heading;
            if (pages[k].questionsOf != 0)
                questionPages << int(k);
        }
        QCOMPARE(headings, (QStringList{QStringLiteral("Part One: The Autumn Hills"),
                                        QStringLiteral("The End of Part One"),
                                        QStringLiteral("Part Two: The First Snow"),
                                        QStringLiteral("The End of Part Two"),
                                        QStringLiteral("Part Three: The Frozen Rivers"),
                                        QStringLiteral("The End of Part Three"),
                                        QStringLiteral("Part Four: The Thaw"),
                                        QStringLiteral("The End of the Journey")}));
        // After towns 7, 14 and 21, and after the end.
        QCOMPARE(questionPages, (QList<int>{7, 15, 23, 32}));
        QCOMPARE(pages[31].title, QStringLiteral("The Journey's End"));
        QCOMPARE(pages[32].questionsOf, 4);
    }

    void aPageOfQuestionsIsNeverSplit()
    {
        Journal journal = wholeTrail();
        for (int question = 1; question <= 3; ++question)
            journal.answered(1, question, QString(Journal::MaxAnswerLength, QLatin1Char('w')));
        const std::vector<JournalPage> split = journal.pages({50, 14});
        const auto thinking = std::find_if(split.begin(), split.end(),
                                           [](const JournalPage& p) { return p.questionsOf == 1; });
        QVERIFY(thinking != split.end());
        QCOMPARE(thinking->paragraphs, journal.questionsPage(1).paragraphs);
        QVERIFY(std::next(thinking) != split.end());
        QVERIFY(!std::next(thinking)->title.contains(QStringLiteral("continued")));
        for (const JournalPage& page : split) {
            if (page.title.endsWith(QStringLiteral("(continued)")))
                QCOMPARE(page.heading, QString());
        }
    }

    void theViewKeepsWhatThePupilsType()
    {
        TJournal view(throughTown(9), JournalCover{Party, 12, {}});
        QSignalSpy reported(&view, &TJournal::answersChanged);
        QVERIFY(showActive(view));
        QVERIFY(turnToQuestions(view, 1));
        QCOMPARE(view.PageTitle->text(), QStringLiteral("Thinking It Over"));
        QCOMPARE(view.PageHeading->text(), QStringLiteral("The End of Part One"));
        QVERIFY(view.PageHeading->isVisible());
        QVERIFY(!view.PageScroll->isVisible());
        const QList<QPlainTextEdit*> boxes = view.answerBoxes();
        QCOMPARE(boxes.size(), Journal::questions(1).size());
        for (int k = 0; k < boxes.size(); ++k) {
            QCOMPARE(boxes[k]->accessibleName(), Journal::questions(1).at(k));
            QCOMPARE(view.questionLabels().at(k)->text(), Journal::questions(1).at(k));
            QVERIFY(boxes[k]->isVisible());
        }
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(boxes[1]);
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), Journal::questions(1).at(1));

        boxes[1]->setFocus();
        QTest::keyClicks(boxes[1], QStringLiteral("Gold was found"));
        QTest::keyClick(boxes[1], Qt::Key_Return);
        QTest::keyClicks(boxes[1], QStringLiteral("in their hills."));
        QCOMPARE(view.journal().answer(1, 2), QStringLiteral("Gold was found\nin their hills."));
        QCOMPARE(reported.count(), 0); // still writing

        // Tab goes on to the next answer, and the view reports the answer.
        QTest::keyClick(boxes[1], Qt::Key_Tab);
        QCOMPARE(view.focusWidget(), boxes[2]);
        QCOMPARE(reported.count(), 1);
        QTest::keyClick(boxes[2], Qt::Key_Tab);
        QCOMPARE(reported.count(), 1); // nothing new written
        QCOMPARE(view.focusWidget(), static_cast<QWidget*>(view.Back));

        // Taken away again: the box emptied takes the answer from the journal.
        boxes[1]->setFocus();
        boxes[1]->selectAll();
        QTest::keyClick(boxes[1], Qt::Key_Delete);
        QCOMPARE(view.journal().answer(1, 2), QString());
        QCOMPARE(view.journal().answersWritten(), 0);
        view.ForwardClick();
        QCOMPARE(reported.count(), 2);

        // The page, shown again, has the answers as they are.
        view.BackClick();
        QCOMPARE(view.answerBoxes().at(1)->toPlainText(), QString());
        QVERIFY(!view.PageText->text().contains(QStringLiteral("Gold")));
    }

    void theAnswersOpenAsTheyWereWritten()
    {
        Journal journal = throughTown(9);
        journal.answered(1, 3, QStringLiteral("The ferry man\nand his wife."));
        TJournal view(journal, JournalCover{Party, 12, {}});
        QVERIFY(turnToQuestions(view, 1));
        QCOMPARE(view.answerBoxes().at(2)->toPlainText(),
                 QStringLiteral("The ferry man\nand his wife."));
        QCOMPARE(view.answerBoxes().at(0)->toPlainText(), QString());
        // The page's words (read when printed) hold the answer too.
        QVERIFY(view.PageText->text().contains(QStringLiteral("The ferry man\nand his wife.")));
    }

    void closingTheViewReportsWhatWasWritten()
    {
        TJournal view(wholeTrail(), JournalCover{Party, 12, {}});
        QSignalSpy reported(&view, &TJournal::answersChanged);
        QVERIFY(showActive(view));
        QVERIFY(turnToQuestions(view, 4));
        QPlainTextEdit* last = view.answerBoxes().at(2);
        last->setFocus();
        QTest::keyClicks(last, QStringLiteral("Their language."));
        QTest::keyClick(last, Qt::Key_Escape); // closes from the answer box too
        QVERIFY(!view.isVisible());
        QCOMPARE(reported.count(), 1);
        QCOMPARE(view.journal().answer(4, 3), QStringLiteral("Their language."));
    }

    void theKeysOfAnAnswerStayInIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("left arrow") << int(Qt::Key_Left);
        QTest::newRow("right arrow") << int(Qt::Key_Right);
        QTest::newRow("up arrow") << int(Qt::Key_Up);
        QTest::newRow("down arrow") << int(Qt::Key_Down);
        QTest::newRow("page up") << int(Qt::Key_PageUp);
        QTest::newRow("page down") << int(Qt::Key_PageDown);
        QTest::newRow("home") << int(Qt::Key_Home);
        QTest::newRow("end") << int(Qt::Key_End);
    }

    void theKeysOfAnAnswerStayInIt()
    {
        QFETCH(int, key);
        TJournal view(throughTown(16), JournalCover{Party, 12, {}});
        QVERIFY(showActive(view));
        QVERIFY(turnToQuestions(view, 2));
        const int page = view.page();
        QPlainTextEdit* box = view.answerBoxes().at(0);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Blankets."));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("The doctor."));
        QTest::keyClick(box, static_cast<Qt::Key>(key));
        QCOMPARE(view.page(), page);
        QCOMPARE(view.focusWidget(), static_cast<QWidget*>(box));
        QCOMPARE(box->toPlainText(), QStringLiteral("Blankets.\nThe doctor."));

        // From the buttons, the same keys turn the pages as before.
        view.Close1->setFocus();
        if (key == Qt::Key_Right || key == Qt::Key_PageDown) {
            QTest::keyClick(view.Close1, static_cast<Qt::Key>(key));
            QCOMPARE(view.page(), page + 1);
        } else if (key == Qt::Key_Left || key == Qt::Key_PageUp) {
            QTest::keyClick(view.Close1, static_cast<Qt::Key>(key));
            QCOMPARE(view.page(), page - 1);
        }
    }

    void tabGoesThroughTheAnswersAndTheButtons()
    {
        TJournal view(throughTown(9), JournalCover{Party, 12, {}});
        QVERIFY(showActive(view));
        QVERIFY(turnToQuestions(view, 1));
        view.Forward->setFocus();
        const QList<QPlainTextEdit*> boxes = view.answerBoxes();
        const QList<QWidget*> order{boxes.at(0), boxes.at(1),      boxes.at(2),
                                    view.Back,   view.PrintButton, view.SavePdf,
                                    view.Close1, view.Forward,     boxes.at(0)};
        for (QWidget* next : order) {
            QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
            QCOMPARE(view.focusWidget(), next);
        }
        QTest::keyClick(view.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(view.focusWidget(), static_cast<QWidget*>(view.Forward));

        // On a town's page Tab goes through the buttons alone.
        view.ForwardClick();
        QVERIFY(view.answerBoxes().isEmpty());
        view.Close1->setFocus();
        QTest::keyClick(view.Close1, Qt::Key_Tab);
        QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
        QCOMPARE(view.focusWidget(), static_cast<QWidget*>(view.Back));
    }

    void anAnswerStopsAtTheLongestTheJournalKeeps()
    {
        TJournal view(throughTown(9), JournalCover{Party, 12, {}});
        QVERIFY(showActive(view));
        QVERIFY(turnToQuestions(view, 1));
        QPlainTextEdit* box = view.answerBoxes().at(0);
        box->setFocus();
        box->setPlainText(QString(Journal::MaxAnswerLength - 2, QLatin1Char('a')));
        box->moveCursor(QTextCursor::Start);
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QCOMPARE(box->toPlainText(),
                 QStringLiteral("xy") + QString(Journal::MaxAnswerLength - 2, QLatin1Char('a')));
        QCOMPARE(view.journal().answer(1, 1), box->toPlainText());
    }

    void theAnswerBoxesAreReadableAndFitThePage()
    {
        TJournal view(wholeTrail(), JournalCover{Party, 12, {}});
        QVERIFY(showActive(view));
        for (int chapter = 1; chapter <= ChapterCount; ++chapter) {
            QVERIFY(turnToQuestions(view, chapter));
            QWidget* sheet = view.answerSheet();
            const QRect paper = view.Paper->rect();
            QVERIFY(paper.contains(sheet->geometry()));
            QVERIFY(sheet->geometry().bottom() < view.PageNumber->geometry().top());
            QVERIFY(sheet->geometry().top() > view.PageTitle->geometry().bottom());
            for (QLabel* question : view.questionLabels()) {
                // Every question whole, not cut off.
                QVERIFY2(question->heightForWidth(question->width()) <= question->height(),
                         qPrintable(question->text()));
                QVERIFY(question->font().pixelSize() >= 18);
            }
            for (QPlainTextEdit* box : view.answerBoxes()) {
                QVERIFY(sheet->rect().contains(box->geometry()));
                QVERIFY(box->font().pixelSize() >= 18);
                // Room for three lines before the box scrolls.
                const int lines = box->viewport()->height() / box->fontMetrics().lineSpacing();
                QVERIFY2(lines >= 3, qPrintable(QString::number(lines)));
                const QPalette colours = box->palette();
                QVERIFY(contrast(colours.color(QPalette::Text), colours.color(QPalette::Base)) >=
                        7.0);
                QVERIFY(contrast(colours.color(QPalette::PlaceholderText),
                                 colours.color(QPalette::Base)) >= 4.5);
            }
            // A picture to look over: an answer of four lines in the first
            // box, the box scrolling to its last line.
            if (chapter == 1) {
                view.answerBoxes().at(0)->setPlainText(
                    QStringLiteral("Tali's story, because she carried her little sister all "
                                   "the way to the big river.\nHer grandmother put pepper in "
                                   "their moccasins.\nThey kept going.\nThe end."));
                view.answerBoxes().at(0)->moveCursor(QTextCursor::End);
            }
            view.grab().save(QStringLiteral("%1/kelvarin-journal-questions-%2.png")
                                 .arg(QDir::tempPath())
                                 .arg(chapter));
        }
        // And a part's first page, its heading above the title.
        while (view.page() > 0)
            view.BackClick();
        view.ForwardClick();
        QCOMPARE(view.PageHeading->text(), QStringLiteral("Part One: The Autumn Hills"));
        QVERIFY(view.PageHeading->geometry().bottom() <= view.PageTitle->geometry().top() + 4);
        view.grab().save(QDir::tempPath() + QStringLiteral("/kelvarin-journal-part-one.png"));
    }

    void theJournalOpenedFromTheTrailGivesBackItsAnswers()
    {
        Journal journal = throughTown(9);
        int saves = 0;
        ModalScript script;
        script.then([](QWidget* window) {
            auto* view = qobject_cast<TJournal*>(window);
            QVERIFY(view);
            QVERIFY(turnToQuestions(*view, 1));
            QPlainTextEdit* box = view->answerBoxes().at(0);
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("Sedora's."));
            view->Close1->click();
        });
        TJournal::showJournal(journal, Party, 12, QImage(), nullptr, [&] { ++saves; });
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(journal.answer(1, 1), QStringLiteral("Sedora's."));
        QVERIFY(saves >= 1);
    }

    void thePdfHoldsThePartsAndTheAnswers()
    {
        Journal journal = throughTown(9);
        QVERIFY(journal.answered(1, 1, QStringLiteral("José's carved deer.")));
        QVERIFY(journal.answered(1, 2,
                                 QStringLiteral("Men found gold in the hills.\nThe state "
                                                "wanted the land.")));
        QVERIFY(journal.ended(30));
        QVERIFY(journal.answered(4, 3, QStringLiteral("Their schools today.")));

        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("answers.pdf"));
        QCOMPARE(saveJournalPdf(file, journal, JournalCover{Party, 30, {}}), QString());
        const QStringList lines = pdfLines(file);
        const QString text = lines.join(QLatin1Char(' ')).simplified();
        for (const QString& words :
             {QStringLiteral("Part One: The Autumn Hills"), QStringLiteral("The End of Part One"),
              QStringLiteral("Thinking It Over"), QStringLiteral("Part Two: The First Snow"),
              QStringLiteral("The End of the Journey"), QStringLiteral("José's carved deer."),
              QStringLiteral("Their schools today."), QStringLiteral("(not answered yet)"),
              Journal::questions(1).at(0), Journal::questions(4).at(2)})
            QVERIFY2(text.contains(words.simplified()),
                     qPrintable(words + QStringLiteral(" in ") + text));
        // The line break is kept: the answer's first line ends where the
        // pupils ended it.
        QVERIFY2(lines.contains(QStringLiteral("Men found gold in the hills.")),
                 qPrintable(lines.join(QLatin1Char('|'))));
        QVERIFY(lines.contains(QStringLiteral("The state wanted the land.")));
    }
};

QTEST_MAIN(JournalAnswersTest)
#include "tst_journalanswers.moc"

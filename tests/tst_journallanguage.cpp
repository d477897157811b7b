// The journal in the languages of the game: its record stays in English,
// the words of a saved journey, and its pages are written from that record
// in the language in view, every sentence of it; English comes back exactly.

#include "activities/wellbeing.h"
#include "journal/journal.h"
#include "journal/journalwords.h"
#include "shell/language.h"
#include "shops/goodsnames.h"

#include <QCoreApplication>
#include <QTest>

namespace {

constexpr int Onions = 17; // "bag of onions"

QString note(const char* form)
{
    return QString::fromLatin1(form);
}

// A journey of two parts' worth of events, every kind of note among them,
// written as the trail writes them.
Journal everyKindOfRecord()
{
    namespace n = journalwords::note;
    Journal journal;
    journal.arrived(1);
    journal.arrived(2);
    journal.metSpirit(2);
    journal.traded(2, goods::englishCountedItem(Onions, 3), QStringLiteral("some snakeroot"), true);
    journal.snakebite(QStringLiteral("Avrel"),
                      QStringLiteral("Clean the wound, and apply lobelia and agrimony."));
    journal.caughtFish(QStringLiteral("2 lb 5 oz bluegill"));
    journal.caughtFish(QStringLiteral("1 lb 1 oz white bass"));
    journal.arrived(3);
    // A name the player typed may hold blanks, or what looks like a
    // placeholder.
    journal.note(note(n::Caught).arg(QStringLiteral("Mary Ann"),
                                     QStringLiteral("has caught a chill in the freezing wind.")));
    journal.note(
        note(n::Remedied)
            .arg(QStringLiteral("Mary Ann"),
                 note(n::RemedyOfTown).arg(wellbeing::remedyOfTown(2), QStringLiteral("Aiyana"))));
    journal.note(note(n::Remedied).arg(QStringLiteral("%2"), QStringLiteral("ginger tea")));
    journal.note(note(n::Rested).arg(QStringLiteral("Tobin")));
    journal.note(note(n::TooWeak).arg(QStringLiteral("Tobin"), QStringLiteral("Cedar Spring")));
    wellbeing::Meal meal;
    meal.fishPounds = 3;
    meal.meatPounds = 2;
    meal.goodsEaten << goods::englishCountedItem(Onions, 2);
    meal.hungry = true;
    journal.note(note(n::Ate).arg(meal.summary()));
    journal.note(note(n::Ate).arg(wellbeing::Meal{}.summary()));
    journal.note(
        note(n::HuntFound).arg(QStringLiteral("along the creek"), QStringLiteral("a wild turkey")));
    journal.note(note(n::HuntFoundNothing).arg(QStringLiteral("deeper in the woods")));
    journal.note(note(n::WellAgainOne).arg(journalwords::joinedNames({QStringLiteral("Tobin")})));
    journal.note(
        note(n::WellAgainMany)
            .arg(journalwords::joinedNames(
                {QStringLiteral("Tobin"), QStringLiteral("Mary Ann"), QStringLiteral("Rowan")})));
    journal.note(note(n::Hungry));
    journal.ended(42);
    return journal;
}

QStringList pageTexts(const Journal& journal)
{
    QStringList texts;
    for (const JournalPage& page : journal.pages())
        texts << page.text();
    return texts;
}

void putInPlace(const QString& code)
{
    QVERIFY(language::install(code));
}

} // namespace

class JournalLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { putInPlace(QStringLiteral("en")); }

    void theEnglishPagesReadAsTheRecordWasWritten()
    {
        const Journal journal = everyKindOfRecord();
        const QString all = pageTexts(journal).join(QLatin1Char('\n'));
        for (const QString& line : journal.toLines()) {
            if (!line.startsWith(QLatin1String("note\t")))
                continue;
            const QString sentence = line.section(QLatin1Char('\t'), 1);
            QVERIFY2(all.contains(sentence), qPrintable(sentence));
        }
        QVERIFY(all.contains(QStringLiteral("Your party gave Aiyana 3 bags of onions and received "
                                            "some snakeroot.")));
        QVERIFY(all.contains(QStringLiteral("Fish caught: 2 lb 5 oz bluegill and 1 lb 1 oz white "
                                            "bass.")));
        QVERIFY(all.contains(QStringLiteral("with a final score of 42 points.")));
    }

    void everySentenceOfThePagesIsSaidInTheLanguageAndTheRecordStays_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Spanish") << QStringLiteral("es")
                                 << QStringList{
                                        QStringLiteral("Mary Ann"), QStringLiteral("cebollas"),
                                        QStringLiteral("serpentaria"), QStringLiteral("Aiyana")};
        QTest::newRow("French") << QStringLiteral("fr")
                                << QStringList{QStringLiteral("Mary Ann"),
                                               QStringLiteral("oignons"), QStringLiteral("Aiyana")};
    }

    void everySentenceOfThePagesIsSaidInTheLanguageAndTheRecordStays()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        const Journal journal = everyKindOfRecord();
        const QStringList lines = journal.toLines();
        const QStringList english = pageTexts(journal);

        putInPlace(code);
        const std::vector<JournalPage> pages = journal.pages();
        QStringList untranslated;
        for (const JournalPage& page : pages) {
            for (const QString& paragraph : QStringList{page.title} + page.paragraphs) {
                if (english.join(QLatin1Char('\n')).contains(paragraph))
                    untranslated << paragraph;
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        // Nothing of the English sentences is left inside the translated ones.
        const QString all = pageTexts(journal).join(QLatin1Char('\n'));
        for (const char* left : {"Your party", "On the road", "hunters", " and ", "the food",
                                 "rest by the fire", "well again", "bluegill", "onions",
                                 "wild turkey", "creek", "Fish caught", "Town "}) {
            QVERIFY2(!all.contains(QLatin1String(left)), left);
        }
        for (const QString& word : expected)
            QVERIFY2(all.contains(word), qPrintable(word));
        // The typed name that looks like a placeholder is shown as typed.
        QVERIFY(all.contains(QStringLiteral("%2")));
        QCOMPARE(journal.toLines(), lines);

        putInPlace(QStringLiteral("en"));
        QCOMPARE(pageTexts(journal), english);
    }

    void aSentenceTheJournalDoesNotKnowIsShownAsItWasKept()
    {
        putInPlace(QStringLiteral("es"));
        QCOMPARE(journalwords::shownNote(QStringLiteral("A later game wrote this.")),
                 QStringLiteral("A later game wrote this."));
        QCOMPARE(journalwords::shownGiven(QStringLiteral("3 things of no catalogue")),
                 QStringLiteral("3 things of no catalogue"));
        QCOMPARE(journalwords::shownTreatment(QStringLiteral("Sing to it.")),
                 QStringLiteral("Sing to it."));
    }

    void theQuestionsAndTheirPageSpeakTheLanguage()
    {
        Journal journal = everyKindOfRecord();
        const QStringList english = Journal::questions(4);
        QVERIFY(journal.answered(4, 1, QStringLiteral("Nos ayudaron.")));
        for (const QString& code : {QStringLiteral("es"), QStringLiteral("fr")}) {
            putInPlace(code);
            const QStringList asked = Journal::questions(4);
            QCOMPARE(asked.size(), english.size());
            for (int k = 0; k < asked.size(); ++k)
                QVERIFY2(asked.at(k) != english.at(k), qPrintable(asked.at(k)));
            const JournalPage page = journal.questionsPage(4);
            QCOMPARE(page.paragraphs.at(0), asked.at(0));
            QCOMPARE(page.paragraphs.at(1), QStringLiteral("Nos ayudaron.")); // as written
            QVERIFY(page.paragraphs.at(3) != QStringLiteral("(not answered yet)"));
            QVERIFY(page.heading != QStringLiteral("The End of the Journey"));
        }
    }
};

QTEST_MAIN(JournalLanguageTest)
#include "tst_journallanguage.moc"

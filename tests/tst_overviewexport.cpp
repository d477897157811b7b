// The teachers' overview of the journeys on this computer, without its
// window: the rows and their order, the spreadsheet file with its quoting,
// the printed list read back from its PDF, and files that cannot be written.

#include "journal/overviewcsv.h"
#include "journal/overviewprint.h"
#include "journal/overviewrows.h"
#include "journeylistings.h"
#include "platform/diskwrite.h"
#include "testfiles.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>
#include <cerrno>
#include <optional>
#include <unistd.h>

using journey::Listing;

namespace {

// RFC 4180 read back as a spreadsheet reads it: fields split on commas
// outside quotes, "" inside quotes one quote, records ended by CR LF. Fails
// the test on anything a spreadsheet would read otherwise.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (quoted) {
            if (c == QLatin1Char('"') && k + 1 < text.size() &&
                text.at(k + 1) == QLatin1Char('"')) {
                field += c;
                ++k;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            if (!field.isEmpty())
                qWarning("a quote in the middle of a field: %s", qPrintable(field));
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && k + 1 < text.size() &&
                   text.at(k + 1) == QLatin1Char('\n')) {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++k;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            qWarning("a bare line break outside quotes at %lld", static_cast<long long>(k));
            field += c;
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        qWarning("the text does not end with a whole record");
    return records;
}

const QStringList CsvHeadings{"Party",         "Town number",     "Town",  "Part",   "Score",
                              "Stories heard", "Answers written", "Saved", "Damaged"};

// The text of a PDF as poppler reads it, blanks and line ends folded to one
// blank so that words wrapped onto two lines are still found.
QString pdfText(const QString& fileName)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QStringLiteral("(pdftotext is missing: tools/setup.sh installs poppler-utils)");
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QStringList parties(const QList<Listing>& listings)
{
    QStringList names;
    for (const Listing& listing : listings)
        names << journey::partyShown(listing);
    return names;
}

} // namespace

class OverviewExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Dates as a British teacher's computer writes them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void theLastSavedComeFirstAndTheDamagedAfterThem()
    {
        QList<Listing> listings = aClassOfJourneys();
        // Saved at the same moment as José and Ana's: by name, numbers as numbers.
        listings << listing(QStringLiteral("Table 2"), 10, QStringLiteral("Callow Creek"), 2, 8,
                            savedAt(24, 15, 40))
                 << damagedListing(QStringLiteral("another group"), QStringLiteral("unreadable"));
        QCOMPARE(parties(journey::overviewOrder(listings)),
                 (QStringList{"José and Ana", "Table 2", "Room 12, table \"3\"", "Table 10",
                              "A journey without a name", "another group", "Zoë's group"}));
        QVERIFY(journey::overviewOrder({}).isEmpty());
    }

    void aRowShowsWhereTheJourneyIsAndWhatThePartyDid()
    {
        const QList<Listing> listings = aClassOfJourneys();
        QCOMPARE(journey::overviewCells(listings.at(0)),
                 (QStringList{"Room 12, table \"3\"", "Brennock Forge, town 23", "4", "52", "22",
                              "6", "24 Nov 2026, 14:05"}));
        // At the end of the trail the part says so.
        QCOMPARE(journey::overviewCells(listings.at(3)).mid(1, 2),
                 (QStringList{"Hopewater, town 28", "ended"}));
        QCOMPARE(journey::damagedShown(listings.at(1)),
                 QStringLiteral("damaged: the file ends before the journey does"));
    }

    void theTimeSavedIsToldToTheMinuteInThePlayersLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("British") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 << "24 Nov 2026, 14:05";
        QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates)
                                  << "24 Nov 2026, 2:05 PM";
        QTest::newRow("no language set") << QLocale::c() << "24 Nov 2026, 14:05";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                                << "24 Nov. 2026, 14:05";
    }

    void theTimeSavedIsToldToTheMinuteInThePlayersLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QLocale::setDefault(locale);
        const QString saved = journey::savedShown(savedAt(24, 14, 5).addSecs(38));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(saved, shown);
        QCOMPARE(journey::savedShown(QDateTime()), QString());
    }

    void aFieldIsQuotedWhereASpreadsheetWouldSplitIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Room 12"
                               << "Room 12";
        QTest::newRow("letters beyond ASCII") << "Zoë and José"
                                              << "Zoë and José";
        QTest::newRow("a comma") << "Room 12, table 3"
                                 << "\"Room 12, table 3\"";
        QTest::newRow("commas and quotes") << "Room 12, table \"3\""
                                           << "\"Room 12, table \"\"3\"\"\"";
        QTest::newRow("a quote alone") << "the \"owls\""
                                       << "\"the \"\"owls\"\"\"";
        QTest::newRow("a line break") << "Room 12\nTable 3"
                                      << "\"Room 12\nTable 3\"";
        QTest::newRow("a carriage return") << "Room 12\r\nTable 3"
                                           << "\"Room 12\r\nTable 3\"";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("a formula") << "=HYPERLINK(\"x\")"
                                   << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("a sum") << "+1+2"
                               << "'+1+2";
        QTest::newRow("a minus") << "-3"
                                 << "'-3";
        QTest::newRow("an at") << "@room"
                               << "'@room";
        QTest::newRow("a tab first") << "\t=1"
                                     << "'\t=1";
        QTest::newRow("signs later are text") << "Room 1=2+3-4@5"
                                              << "Room 1=2+3-4@5";
    }

    void aFieldIsQuotedWhereASpreadsheetWouldSplitIt()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QCOMPARE(journey::csvField(name), written);
    }

    void theCsvHasAHeadingAndARowForEachJourneyInOrder()
    {
        const QString csv = journey::overviewCsv(aClassOfJourneys());
        QVERIFY(csv.endsWith(QStringLiteral("\r\n")));
        const QList<QStringList> rows = readCsv(csv);
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows.at(0), CsvHeadings);
        for (const QStringList& row : rows)
            QCOMPARE(row.size(), CsvHeadings.size());
        QCOMPARE(rows.at(1), (QStringList{"José and Ana", "9", "Orrin Birches", "2", "31", "8", "2",
                                          "2026-11-24 15:40", ""}));
        QCOMPARE(rows.at(2), (QStringList{"Room 12, table \"3\"", "23", "Brennock Forge", "4", "52",
                                          "22", "6", "2026-11-24 14:05", ""}));
        QCOMPARE(rows.at(3).mid(0, 4), (QStringList{"Table 10", "28", "Hopewater", "ended"}));
        QCOMPARE(rows.at(4).at(0), QStringLiteral("A journey without a name"));
        // A damaged journey: its party and why, nothing else.
        QCOMPARE(rows.at(5), (QStringList{"Zoë's group", "", "", "", "", "", "", "",
                                          "damaged: the file ends before the journey does"}));
    }

    void aPartyNamedLikeAFormulaStaysText()
    {
        const QList<QStringList> rows = readCsv(
            journey::overviewCsv({listing(QStringLiteral("=1+2, said Table 4"), 5,
                                          QStringLiteral("Wendle Ferry"), 1, 3, savedAt(2, 9))}));
        QCOMPARE(rows.at(1).at(0), QStringLiteral("'=1+2, said Table 4"));
    }

    void withNoJourneyTheCsvIsItsHeadingAlone()
    {
        QCOMPARE(readCsv(journey::overviewCsv({})), QList<QStringList>{CsvHeadings});
    }

    void theCsvFileIsUtf8MarkedForSpreadsheets()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("class.csv"));
        QCOMPARE(journey::saveOverviewCsv(file, aClassOfJourneys()), QString());
        const QByteArray bytes = fileBytes(file);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)), journey::overviewCsv(aClassOfJourneys()));
        QVERIFY(bytes.contains("Zo\xC3\xAB's group"));
        // Nothing is left beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"class.csv"});
    }

    void aCsvThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder that is not there")
            << QStringLiteral("missing/class.csv") << false << QStringLiteral("No such file");
        QTest::newRow("a full disk")
            << QStringLiteral("class.csv") << true << platform::diskFullWords();
    }

    void aCsvThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QFETCH(QString, why);
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        QFile earlier(file);
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write("the earlier list");
        earlier.close();

        // The disk takes the first bytes and then no more.
        int writes = 0;
        const platform::RawWrite previous = platform::setRawWrite(
            [&writes, diskFull](int handle, const void* data, size_t size) -> ssize_t {
                if (!diskFull)
                    return ::write(handle, data, size);
                if (writes++ == 0)
                    return static_cast<ssize_t>(std::min<size_t>(size, 40));
                errno = ENOSPC;
                return -1;
            });
        const QString problem = journey::saveOverviewCsv(file, aClassOfJourneys());
        platform::setRawWrite(previous);
        QVERIFY2(problem.startsWith(
                     QStringLiteral("The list of journeys cannot be saved as \"%1\": ").arg(file)),
                 qPrintable(problem));
        QVERIFY2(problem.contains(why), qPrintable(problem));
        QVERIFY(problem.endsWith(QStringLiteral("A file that was there before is as it was.")));
        if (diskFull)
            QCOMPARE(fileBytes(file), QByteArray("the earlier list"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 diskFull ? QStringList{"class.csv"} : QStringList());
    }

    void thePrintedListIsATableOfTheJourneysWithTheDay()
    {
        QTextDocument document;
        document.setHtml(journey::overviewHtml(aClassOfJourneys(), savedAt(25, 8, 15)));
        const QString text = document.toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Journeys on this Computer")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Printed on Wednesday, 25 November 2026 at 08:15.")),
                 qPrintable(text));

        QTextTable* table = nullptr;
        for (QTextBlock block = document.begin(); block.isValid() && !table; block = block.next())
            table = QTextCursor(block).currentTable();
        QVERIFY(table);
        QCOMPARE(table->columns(), 7);
        QCOMPARE(table->rows(), 6);
        const auto cellText = [table](int row, int column) {
            const QTextTableCell cell = table->cellAt(row, column);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            return cursor.selectedText();
        };
        QStringList headings;
        QStringList firsts;
        for (int column = 0; column < 7; ++column)
            headings << cellText(0, column);
        for (int row = 1; row < 6; ++row)
            firsts << cellText(row, 0);
        QCOMPARE(headings, journey::overviewHeadings());
        QCOMPARE(firsts, parties(journey::overviewOrder(aClassOfJourneys())));
        QCOMPARE(cellText(2, 1), QStringLiteral("Brennock Forge, town 23"));
        QCOMPARE(cellText(2, 3), QStringLiteral("52"));
        // The damaged journey's row: why, across the rest of the table.
        QCOMPARE(table->cellAt(5, 1).columnSpan(), 6);
        QCOMPARE(cellText(5, 1), QStringLiteral("damaged: the file ends before the journey does"));
    }

    void aPartyNameIsPrintedAsTyped()
    {
        QTextDocument document;
        document.setHtml(
            journey::overviewHtml({listing(QStringLiteral("<b>Owls</b> & co"), 5,
                                           QStringLiteral("Wendle Ferry"), 1, 3, savedAt(2, 9))},
                                  savedAt(3, 9)));
        QVERIFY2(document.toPlainText().contains(QStringLiteral("<b>Owls</b> & co")),
                 qPrintable(document.toPlainText()));
    }

    void withNoJourneyThePrintedListSaysSo()
    {
        QTextDocument document;
        document.setHtml(journey::overviewHtml({}, savedAt(25, 8)));
        QVERIFY(document.toPlainText().contains(
            QStringLiteral("No journey is saved on this computer yet.")));
        QVERIFY(!document.toPlainText().contains(QStringLiteral("Stories heard")));
    }

    void thePdfHoldsTheTableAsText()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("class.pdf"));
        QCOMPARE(journey::saveOverviewPdf(file, aClassOfJourneys(), savedAt(25, 8, 15)), QString());
        const QString text = pdfText(file);
        for (const QString& words :
             {QStringLiteral("Journeys on this Computer"),
              QStringLiteral("Printed on Wednesday, 25 November 2026 at 08:15."),
              QStringLiteral("Room 12, table \"3\""), QStringLiteral("José and Ana"),
              QStringLiteral("Zoë's group"), QStringLiteral("Brennock Forge, town 23"),
              QStringLiteral("damaged: the file ends before the journey does"),
              QStringLiteral("Answers written"), QStringLiteral("Kelvarin - page 1 of 1")})
            QVERIFY2(text.contains(words), qPrintable(words + QStringLiteral(" in ") + text));
    }

    void aLongListGoesOnOverThePages()
    {
        QList<Listing> listings;
        for (int party = 1; party <= 120; ++party)
            listings << listing(QStringLiteral("Party %1").arg(party), 1 + party % 28,
                                QStringLiteral("Ambry Hollow"), 1, party,
                                savedAt(1, 8, party % 60));
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("many.pdf"));
        QCOMPARE(journey::saveOverviewPdf(file, listings, savedAt(25, 8)), QString());
        const QString text = pdfText(file);
        QVERIFY2(text.contains(QStringLiteral("page 2 of")), qPrintable(text.right(300)));
        for (int party : {1, 60, 120})
            QVERIFY2(text.contains(QStringLiteral("Party %1 ").arg(party)), qPrintable(text));
    }

    void aPdfThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("a folder that is not there") << QStringLiteral("missing/class.pdf") << false;
        QTest::newRow("a full disk") << QStringLiteral("class.pdf") << true;
    }

    void aPdfThatCannotBeWrittenSaysWhyAndKeepsTheEarlierFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        QFile earlier(file);
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write("the earlier list");
        earlier.close();

        QString problem;
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(2000);
            problem = journey::saveOverviewPdf(file, aClassOfJourneys(), savedAt(25, 8));
        }
        QVERIFY2(problem.startsWith(
                     QStringLiteral("The list of journeys cannot be saved as \"%1\": ").arg(file)),
                 qPrintable(problem));
        if (diskFull)
            QCOMPARE(fileBytes(file), QByteArray("the earlier list"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 diskFull ? QStringList{"class.pdf"} : QStringList());
    }
};

QTEST_MAIN(OverviewExportTest)
#include "tst_overviewexport.moc"

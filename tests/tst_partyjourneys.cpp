// A class shares one computer: every party keeps its own journey, the
// market lists them all (the journey saved before parties had names among
// them), a damaged one is shown as damaged and never opened, and one is
// removed only when the player is sure.

#include "journal/journeylist.h"
#include "modalscript.h"
#include "presentation/transitions/formtransitions.h"
#include "platform/errorreport.h"
#include "platform/playerfolders.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "shops/fleamarket.h"
#include "shops/journeychooser.h"
#include "testfiles.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

class PartyJourneysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;

    GameState& s() { return gameState(); }

    void freshGame()
    {
        trail.reset();
        trail = std::make_unique<TrailFixture>();
    }

    // A fresh journey of the party, on to `town`, saved there automatically.
    void journeyTo(const QString& party, int town)
    {
        freshGame();
        journey::setCurrentParty(party);
        trail->startTheTrail();
        if (town > 1) {
            // The snakebite is behind the party, and beyond the trapper's
            // town his part too.
            if (town > 2) {
                s().Town = static_cast<std::uint8_t>(town - 1);
                s().Encounter = town > SecondSpiritTown ? 3 : 2;
            }
            trail->game->ContinueClick();
            trail->drawRoute();
        }
        QCOMPARE(int(s().Town), town);
    }

    static const journey::Listing* find(const QList<journey::Listing>& list, const QString& party)
    {
        for (const journey::Listing& l : list)
            if (l.party == party)
                return &l;
        return nullptr;
    }

    static void removeEveryJourney()
    {
        const QString home = platform::gameDataHome();
        QFile::remove(QDir(home).filePath(QString(journey::AutosaveFileName)));
        QDir(QDir(home).filePath(QString(journey::PartySlotsFolder))).removeRecursively();
    }

private slots:
    void init()
    {
        removeEveryJourney();
        journey::setCurrentParty({});
        freshGame();
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
        journey::setCurrentParty({});
    }

    void aNameIsAPartysOwnSlot()
    {
        QVERIFY(journey::isPartyName("Room 12, table 3"));
        QVERIFY(journey::isPartyName(QString::fromUtf8("José and Aroha")));
        for (const QString& refused :
             {QString(), QStringLiteral(" Table 3"), QStringLiteral("Table 3 "),
              QStringLiteral("Table\t3"), QStringLiteral("Table\n3"), QString(41, QChar('a'))})
            QVERIFY2(!journey::isPartyName(refused), qPrintable(refused));

        const QString a = journey::partySlotFile("Table 3");
        QCOMPARE(journey::partySlotFile("Table 3"), a);
        QVERIFY(a.contains("/journeys/table-3-"));
        QVERIFY(a.endsWith(".kvj"));
        // Names that read alike never share a slot.
        QVERIFY(journey::partySlotFile("table 3") != a);
        QVERIFY(journey::partySlotFile("Table 3!") != a);
        // A name of letters the file name cannot spell still has a slot.
        const QString greek = journey::partySlotFile(QString::fromUtf8("Ομάδα"));
        QVERIFY(QFileInfo(greek).fileName().startsWith("party-"));
        // No name, or one the game does not take: the single slot.
        QCOMPARE(QFileInfo(journey::partySlotFile({})).fileName(),
                 QString(journey::AutosaveFileName));
        journey::setCurrentParty("Bad\tname");
        QCOMPARE(journey::currentParty(), QString());
    }

    void twoPartiesKeepTwoJourneys()
    {
        journeyTo("Room 12, table 3", 5);
        journeyTo(QString::fromUtf8("Aroha & José"), 2);
        const QList<journey::Listing> list = journey::journeysOnThisComputer();
        QCOMPARE(list.size(), 2);
        const journey::Listing* first = find(list, "Room 12, table 3");
        const journey::Listing* second = find(list, QString::fromUtf8("Aroha & José"));
        QVERIFY(first && second);
        QCOMPARE(first->town, 5);
        QCOMPARE(second->town, 2);
        QCOMPARE(first->chapter, 1);
        QVERIFY(!first->damaged && !second->damaged);
        QVERIFY(first->file != second->file);

        // Each opens with its own state, and goes on saving in its own slot.
        for (const journey::Listing* listing : {first, second}) {
            freshGame();
            const journey::Reading reading = journey::read(listing->file);
            QVERIFY2(reading.problem.isEmpty(), qPrintable(reading.problem));
            QCOMPARE(trail->game->resumeJourney(reading.state), QString());
            QCOMPARE(int(s().Town), listing->town);
            QCOMPARE(journey::currentParty(), listing->party);
            QCOMPARE(journey::autosaveFile(), listing->file);
        }
    }

    void theJourneyWithoutANameIsListed()
    {
        journeyTo({}, 3);
        journeyTo("Table 1", 2);
        const QList<journey::Listing> list = journey::journeysOnThisComputer();
        QCOMPARE(list.size(), 2);
        const journey::Listing* single = find(list, {});
        QVERIFY(single);
        QCOMPARE(QFileInfo(single->file).fileName(), QString(journey::AutosaveFileName));
        QCOMPARE(single->town, 3);
        QVERIFY2(journey::listingLine(*single).startsWith(
                     QString::fromUtf8("A journey without a name \u2014 Cedar Spring, town 3")),
                 qPrintable(journey::listingLine(*single)));
        // The last saved comes first.
        QCOMPARE(list.first().party, QString("Table 1"));
    }

    void aLineSaysWhenItWasSaved()
    {
        journey::Listing l;
        l.party = "Room 12, table 3";
        l.town = 23;
        l.townName = "Brennock Forge";
        const QDateTime now(QDate(2026, 12, 10), QTime(10, 0)); // a Thursday
        l.saved = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
        QCOMPARE(journey::listingLine(l, now),
                 QString::fromUtf8("Room 12, table 3 \u2014 Brennock Forge, town 23 \u2014 Tuesday"));
        l.saved = now.addSecs(-60);
        QVERIFY(journey::listingLine(l, now).endsWith("today"));
        l.saved = now.addDays(-1);
        QVERIFY(journey::listingLine(l, now).endsWith("yesterday"));
        l.saved = now.addDays(-30);
        QVERIFY(journey::listingLine(l, now).endsWith("10 November 2026"));
        l.damaged = true;
        QVERIFY(journey::listingLine(l, now).contains("damaged"));
        QVERIFY(!journey::listingLine(l, now).contains("Brennock"));
    }

    void aDamagedJourneyIsShownAndNeverOpened()
    {
        journeyTo("Table 2", 2);
        const QString file = journey::partySlotFile("Table 2");
        QByteArray bytes = fileBytes(file);
        bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
        writeBytes(file, bytes);
        const QList<journey::Listing> list = journey::journeysOnThisComputer();
        QCOMPARE(list.size(), 1);
        QVERIFY(list.first().damaged);
        QCOMPARE(list.first().party, QString("table 2"));
        QVERIFY(list.first().problem.contains("cannot be opened"));

        // "Go On" cannot take it, Escape starts anew rather than open it, and
        // the file stays as it was.
        ModalScript script;
        bool goOnEnabled = true;
        script.then([&](QWidget* box) {
            goOnEnabled = box->findChild<QPushButton*>("GoOn")->isEnabled();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        script.then([](QWidget* box) {
            box->findChild<QLineEdit*>("PartyName")->setText("Table 2");
            box->findChild<QPushButton*>("StartJourney")->click();
        });
        const JourneyChoice choice = chooseJourney(nullptr, list);
        QVERIFY(script.allAnswered());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(!goOnEnabled);
        QVERIFY(!choice.goOn);
        QCOMPARE(choice.party, QString("Table 2"));
        QCOMPARE(fileBytes(file), bytes);
    }

    void theMarketGoesOnWithTheJourneyChosen()
    {
        journeyTo("Table 1", 5);
        journeyTo("Table 2", 3);
        freshGame();
        journey::setCurrentParty({});
        TFleaMarket market;
        market.FT1->Enabled = false;
        ModalScript script;
        script.then([](QWidget* box) {
            auto* list = box->findChild<QListWidget*>("Journeys");
            const QList<QListWidgetItem*> rows = list->findItems("Table 1", Qt::MatchStartsWith);
            QCOMPARE(rows.size(), 1);
            list->setCurrentItem(rows.first());
            box->findChild<QPushButton*>("GoOn")->click();
        });
        platform::guarded([&] { market.offerSavedJourney(); });
        QVERIFY(script.allAnswered());
        trail->startTheTrail();
        QCOMPARE(int(s().Town), 5);
        QCOMPARE(journey::currentParty(), QString("Table 1"));
    }

    void aJourneyGoesFromTheListOnlyWhenThePlayerIsSure()
    {
        journeyTo("Table 1", 2);
        journeyTo("Table 2", 2);
        const QString kept = journey::partySlotFile("Table 1");
        const QString removed = journey::partySlotFile("Table 2");
        ModalScript script;
        // Table 2 was saved last and is chosen: asked, kept; asked, removed.
        script.thenClick("RemoveJourney");
        script.thenClick("KeepJourney");
        script.thenClick("RemoveJourney");
        script.then([&](QWidget* box) {
            QVERIFY(QFileInfo::exists(removed));
            box->findChild<QPushButton*>("RemoveSure")->click();
        });
        int rowsLeft = -1;
        script.then([&](QWidget* box) {
            rowsLeft = box->findChild<QListWidget*>("Journeys")->count();
            box->findChild<QPushButton*>("GoOn")->click();
        });
        const JourneyChoice choice = chooseJourney(nullptr, journey::journeysOnThisComputer());
        QVERIFY(script.allAnswered());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(rowsLeft, 1);
        QVERIFY(!QFileInfo::exists(removed));
        QVERIFY(QFileInfo::exists(kept));
        QVERIFY(choice.goOn);
        QCOMPARE(choice.file, kept);
    }

    void aNewJourneyUnderASavedNameAsksFirst()
    {
        journeyTo("Table 1", 4);
        const QByteArray saved = fileBytes(journey::partySlotFile("Table 1"));
        ModalScript script;
        const auto startAs = [&](const QString& name) {
            script.thenClick("StartAnew");
            script.then([name](QWidget* box) {
                box->findChild<QLineEdit*>("PartyName")->setText(name);
                box->findChild<QPushButton*>("StartJourney")->click();
            });
        };
        startAs("Table 1");
        script.thenClick("KeepSaved");
        startAs("  Table 1  "); // blanks around a name are not part of it
        script.thenClick("ReplaceSaved");
        const JourneyChoice choice = chooseJourney(nullptr, journey::journeysOnThisComputer());
        QVERIFY(script.allAnswered());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(!choice.goOn);
        QCOMPARE(choice.party, QString("Table 1"));
        // Until the new journey reaches its next town, the old one is there.
        QCOMPARE(fileBytes(journey::partySlotFile("Table 1")), saved);
    }

    void aSavedPartyNameIsCheckedLikeEveryField()
    {
        journeyTo("Table 1", 2);
        journey::Reading reading = journey::read(journey::partySlotFile("Table 1"));
        QCOMPARE(reading.state.text(journey::field::PartyName), QString("Table 1"));
        reading.state.setText(journey::field::PartyName, "Table\t1");
        QVERIFY(!reading.state.check().isEmpty());
        reading.state.setText(journey::field::PartyName, QString(41, QChar('x')));
        QVERIFY(!reading.state.check().isEmpty());
    }
};

QTEST_MAIN(PartyJourneysTest)
#include "tst_partyjourneys.moc"

// A journey saved automatically is never lost: the market's question lets it
// go only when the player is sure, and a journey in the slot that the game
// cannot open is kept beside the slot, the player told once where, before
// the next automatic save takes the slot.

#include "boundedcall.h"
#include "modalscript.h"
#include "platform/errorreport.h"
#include "presentation/transitions/formtransitions.h"
#include "shell/gamestate.h"
#include "shell/journeyformat.h"
#include "shell/journeysave.h"
#include "shops/fleamarket.h"
#include "testfiles.h"
#include "trail/game.h"
#include "trail/towncontent.h"
#include "trailfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray resealed(QByteArray bytes)
{
    const qsizetype checked = bytes.size() - journey::ChecksumSize;
    const quint32 crc = journey::crc32(QByteArrayView(bytes).first(checked));
    for (int k = 0; k < 4; ++k)
        bytes[checked + k] = static_cast<char>((crc >> (8 * k)) & 0xFF);
    return bytes;
}

QDir slotFolder()
{
    return QFileInfo(journey::autosaveFile()).dir();
}

// The journeys kept beside the slot because they could not be opened.
QStringList keptJourneys()
{
    return slotFolder().entryList({QStringLiteral("journey-autosave.damaged-*.kvj")},
                                  QDir::AllEntries | QDir::System | QDir::Hidden);
}

} // namespace

class JourneyKeepingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }

    void freshGame()
    {
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    // From a fresh trail to `town`, where the journey is saved automatically.
    void arriveIn(int town)
    {
        trail->startTheTrail();
        if (town > 2) {
            // The snakebite is behind the party, and beyond the trapper's
            // town his chapter too.
            s().Town = static_cast<std::uint8_t>(town - 1);
            s().Encounter = town > SecondSpiritTown ? 3 : 2;
        }
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), town);
    }

    // The market comes up in a fresh game and offers the journey saved
    // automatically; the answers are played in turn.
    void offerAtTheMarket(const QStringList& answers, ModalScript& script)
    {
        freshGame();
        TFleaMarket market;
        market.FT1->Enabled = false;
        for (const QString& answer : answers) {
            script.then([answer](QWidget* box) {
                if (answer == "Escape")
                    QTest::keyClick(box, Qt::Key_Escape);
                else if (auto* button = box->findChild<QPushButton*>(answer))
                    button->click();
                else
                    static_cast<QDialog*>(box)->reject();
            });
        }
        platform::guarded([&] { market.offerSavedJourney(); });
    }

private slots:
    void init()
    {
        QFile::remove(journey::autosaveFile());
        for (const QString& kept : keptJourneys())
            QFile::remove(slotFolder().filePath(kept));
        freshGame();
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void theSavedJourneyGoesOnlyWhenThePlayerIsSure_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("town");
        QTest::newRow("Escape once too often after the intro") << QStringList{"Escape"} << 9;
        QTest::newRow("the window closed") << QStringList{"close"} << 9;
        QTest::newRow("a new journey, then Escape at the second question, then going on")
            << QStringList{"StartAnew", "StartJourney", "Escape", "GoOn"} << 9;
        QTest::newRow("a new journey, then keeping the saved one, then going on")
            << QStringList{"StartAnew", "StartJourney", "KeepSaved", "GoOn"} << 9;
        QTest::newRow("a new journey, then back from its name, then going on")
            << QStringList{"StartAnew", "Back", "GoOn"} << 9;
        QTest::newRow("a new journey, and sure of it")
            << QStringList{"StartAnew", "StartJourney", "ReplaceSaved"} << 1;
    }

    void theSavedJourneyGoesOnlyWhenThePlayerIsSure()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, town);
        arriveIn(9);
        const QByteArray saved = fileBytes(journey::autosaveFile());
        ModalScript script;
        offerAtTheMarket(answers, script);
        QVERIFY2(script.allAnswered(), qPrintable(script.seen.join(", ")));
        QCOMPARE(script.unexpected(), 0);
        trail->startTheTrail();
        QCOMPARE(int(s().Town), town);
        // Until the party reaches the next town the saved journey is there.
        QCOMPARE(fileBytes(journey::autosaveFile()), saved);
    }

    void aJourneyTheGameCannotOpenIsKeptBesideTheSlot_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a byte flipped") << "flip";
        QTest::newRow("cut short") << "short";
        QTest::newRow("a later major version") << "major";
        QTest::newRow("a damaged journal line") << "journal line";
        QTest::newRow("a journal from a newer Kelvarin") << "journal version";
        QTest::newRow("a FIFO in the slot's place") << "fifo";
    }

    void aJourneyTheGameCannotOpenIsKeptBesideTheSlot()
    {
        QFETCH(QString, damage);
        arriveIn(3);
        const QString slot = journey::autosaveFile();
        journey::JourneyState state = journey::readAutosave().state;
        QByteArray bytes = fileBytes(slot);
        if (damage == "flip") {
            bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
        } else if (damage == "short") {
            bytes.chop(9);
        } else if (damage == "major") {
            bytes[journey::MarkSize] = 2;
            bytes = resealed(bytes);
        } else if (damage == "journal line") {
            state.setTexts(journey::field::Journal, {QStringLiteral("Kelvarin journal 1"),
                                                     QStringLiteral("nonsense\tline")});
            bytes = journey::journeyBytes(state);
        } else if (damage == "journal version") {
            state.setTexts(journey::field::Journal, {QStringLiteral("Kelvarin journal 9")});
            bytes = journey::journeyBytes(state);
        }
        QFile::remove(slot);
        if (damage == "fifo") {
            QVERIFY(makeFifo(slot));
            // The reader must not wait for a writer (that is another test's
            // fault); here it would hang the whole suite.
            QVERIFY(returnsWithoutBlocking([] { journey::checkAutosave(); }, {slot}));
        } else {
            writeBytes(slot, bytes);
        }

        ModalScript script;
        // Listed as damaged, it cannot be gone on with: the party starts anew,
        // and the damaged journey stays where it is until the new one is
        // first saved.
        offerAtTheMarket({"StartAnew", "StartJourney"}, script);
        QVERIFY2(script.allAnswered(), qPrintable(script.seen.join(", ")));
        QCOMPARE(script.unexpected(), 0);
        trail->startTheTrail();
        QCOMPARE(int(s().Town), 1);
        QVERIFY(keptJourneys().isEmpty());

        // The first save sets it aside, says where, and takes the slot.
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), 2);
        QCOMPARE(trail->errors.messages.size(), 1);
        const QString told = trail->errors.messages.takeFirst();
        const QStringList kept = keptJourneys();
        QCOMPARE(kept.size(), 1);
        QVERIFY2(told.contains(kept.first()), qPrintable(told));
        QVERIFY2(told.contains("cannot be opened"), qPrintable(told));
        const QString keptFile = slotFolder().filePath(kept.first());
        if (damage == "fifo")
            QVERIFY(isFifo(keptFile));
        else
            QCOMPARE(fileBytes(keptFile), bytes);
        QCOMPARE(journey::checkAutosave().state, journey::SlotState::Whole);
        QCOMPARE(journey::readAutosave().state.number(journey::field::Town), 2);

        // The next takes the slot afresh, without a word.
        s().Encounter = 2;
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), 3);
        QCOMPARE(keptJourneys(), kept);
    }

    void aSlotDamagedDuringPlayIsKeptAtTheNextArrival()
    {
        arriveIn(2);
        const QString slot = journey::autosaveFile();
        QByteArray bytes = fileBytes(slot);
        bytes[30] = static_cast<char>(bytes[30] ^ 0x01);
        writeBytes(slot, bytes);
        trail->drawRoute();
        s().Encounter = 2;
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), 3);
        QCOMPARE(trail->errors.messages.size(), 1);
        const QString told = trail->errors.messages.takeFirst();
        const QStringList kept = keptJourneys();
        QCOMPARE(kept.size(), 1);
        QVERIFY2(told.contains(kept.first()), qPrintable(told));
        QCOMPARE(fileBytes(slotFolder().filePath(kept.first())), bytes);
        QCOMPARE(journey::readAutosave().state.number(journey::field::Town), 3);
    }
};

QTEST_MAIN(JourneyKeepingTest)
#include "tst_journeykeeping.moc"

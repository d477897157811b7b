// The names saves are written under: a journey always in a ".kvj" file,
// never over a flea market save; every name the dialog is given gets an
// answer; and a long name is shortened in the middle in every message, so
// that the message box stays readable.

#include "modalscript.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "shell/journeysave.h"
#include "shell/savedgame.h"
#include "testfiles.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The longest run of characters without a space: what a message box cannot
// wrap.
qsizetype longestWord(const QString& text)
{
    qsizetype longest = 0;
    for (const QString& word : text.split(QLatin1Char(' ')))
        longest = std::max(longest, word.size());
    return longest;
}

savedgame::SavedGame marketSave()
{
    savedgame::SavedGame game;
    game.FishList = {QStringLiteral("2 lb 5 oz bluegill")};
    for (int member = 0; member < savedgame::PartySize; ++member)
        game.names << QStringLiteral("Traveller %1").arg(member + 1);
    return game;
}

} // namespace

class SaveNamesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    QString inFolder(const QString& name) const { return folder->filePath(name); }

    // The party in town 2, where a journey can be saved.
    void arriveInTownTwo()
    {
        trail->startTheTrail();
        game->ContinueClick();
        trail->drawRoute();
    }

    void saveJourneyAs(const QString& chosen)
    {
        platform::setFileChooser(
            [chosen](const platform::FileDialog&, QWidget*) { return chosen; });
        platform::guarded([&] { game->SaveJourneyClick(); });
        platform::setFileChooser({});
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        folder = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        platform::setFileChooser({});
        trail.reset();
        folder.reset();
    }

    void aJourneyIsSavedUnderItsOwnExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("a name without an extension") << "trip"
                                                     << "trip.kvj";
        QTest::newRow("a flea market save's name") << "trip.sav"
                                                   << "trip.sav.kvj";
        QTest::newRow("a journey's name, in capitals") << "TRIP.KVJ"
                                                       << "TRIP.KVJ";
    }

    void aJourneyIsSavedUnderItsOwnExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(savedgame::write(inFolder("trip.sav"), marketSave()), QString());
        const QStringList market{"trip.sav", "trip.sav~1", "trip.sav~12"};
        QList<QByteArray> marketBytes;
        for (const QString& file : market)
            marketBytes << fileBytes(inFolder(file));
        arriveInTownTwo();

        saveJourneyAs(inFolder(chosen));
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        QCOMPARE(journey::read(inFolder(written)).problem, QString());
        for (int k = 0; k < market.size(); ++k)
            QCOMPARE(fileBytes(inFolder(market[k])), marketBytes[k]);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    void aFleaMarketSaveIsNeverReplacedByAJourney()
    {
        // The market's dialog takes any name, ".kvj" too.
        QCOMPARE(savedgame::write(inFolder("trip.kvj"), marketSave()), QString());
        const QByteArray before = fileBytes(inFolder("trip.kvj"));
        arriveInTownTwo();
        saveJourneyAs(inFolder("trip.kvj"));
        QCOMPARE(trail->errors.messages.size(), 1);
        const QString told = trail->errors.messages.takeFirst();
        QVERIFY2(told.startsWith("The journey could not be saved: \"" + inFolder("trip.kvj") +
                                 "\" is not a saved journey"),
                 qPrintable(told));
        QCOMPARE(fileBytes(inFolder("trip.kvj")), before);
        QCOMPARE(savedgame::read(inFolder("trip.kvj")).problem, QString());
    }

    void theDialogAnswersEveryName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // empty when the dialog stays up
        QTest::addColumn<QString>("told");
        QTest::newRow("a name longer than the folder takes")
            << QString(300, 'n') + ".kvj" << QString() << "is too long for its folder";
        QTest::newRow("a name whose folders make it longer than the system takes")
            << QString("f/").repeated(2100) + "trip.kvj" << QString()
            << "with its folders is too long";
        QTest::newRow("a market save's name in the journey dialog") << "trip.sav"
                                                                    << "trip.sav.kvj" << QString();
    }

    void theDialogAnswersEveryName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, told);
        arriveInTownTwo();
        ModalScript script;
        bool stayedUp = false;
        script.then([&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            auto* name =
                dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name) {
                window->close();
                return;
            }
            name->setText(inFolder(typed));
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            stayedUp = dialog->isVisible();
            if (stayedUp)
                dialog->reject();
        });
        platform::guarded([&] { game->SaveJourneyClick(); });
        QCOMPARE(script.answered(), 1);
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(stayedUp, written.isEmpty());
        const QStringList files = QDir(folder->path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
        if (told.isEmpty()) {
            QVERIFY2(trail->errors.messages.isEmpty(),
                     qPrintable(trail->errors.messages.join('\n')));
            return;
        }
        QCOMPARE(trail->errors.messages.size(), 1);
        const QString message = trail->errors.messages.takeFirst();
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY2(longestWord(message) <= 104, qPrintable(message));
    }

    void longNamesAreShortenedInTheMiddleInMessages_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        const QString longName = QString(250, 'j') + ".kvj";
        QTest::newRow("saving a journey under a 254-byte name") << "save journey" << longName;
        QTest::newRow("saving a journey in folders longer than the system takes")
            << "save journey" << QString("folder/").repeated(700) + "trip.kvj";
        QTest::newRow("opening a journey that is not there")
            << "open journey" << QString(240, 'k') + ".kvj";
        QTest::newRow("saving a market game under a 254-byte name")
            << "save game" << QString(250, 'g') + ".sav";
        QTest::newRow("opening a market game that is not there")
            << "open game" << QString(240, 'g') + ".sav";
    }

    void longNamesAreShortenedInTheMiddleInMessages()
    {
        QFETCH(QString, what);
        QFETCH(QString, name);
        const QString file = inFolder(name);
        journey::JourneyState state;
        arriveInTownTwo();
        state = game->captureJourney();
        QString message;
        if (what == "save journey")
            message = journey::write(file, state);
        else if (what == "open journey")
            message = journey::read(file).problem;
        else if (what == "save game")
            message = savedgame::write(file, marketSave());
        else
            message = savedgame::read(file).problem;
        QVERIFY(!message.isEmpty());
        QVERIFY2(!message.contains(name), qPrintable(message));
        // Its end, the extension with it, and its beginning are shown.
        QVERIFY2(message.contains(name.right(20)), qPrintable(message));
        QVERIFY2(message.contains(name.left(8)), qPrintable(message));
        QVERIFY2(longestWord(message) <= 104, qPrintable(message));
        QVERIFY(QDir(folder->path()).isEmpty());
    }
};

QTEST_MAIN(SaveNamesTest)
#include "tst_savenames.moc"

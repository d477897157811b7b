// Saved games: the 391 bytes of the main file and the two text files, saving
// and opening them from the flea market's menu, and the rules that keep a
// saved game safe: a save that fails leaves the earlier one as it was, and a
// file that is not a whole saved game is refused without changing anything.

#include "boundedcall.h"
#include "errorcapture.h"
#include "fakemedia.h"
#include "media/pictures.h"
#include "platform/diskwrite.h"
#include "platform/filedialogs.h"
#include "platform/picturebox.h"
#include "platform/playerfolders.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/savedgame.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "testfiles.h"
#include "trail/game.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using savedgame::MainFile;

namespace {

// Everything a saved game holds, as the game shows it now.
struct Snapshot {
    std::array<std::uint8_t, ItemTotal> counts{};
    std::array<std::uint8_t, TradeFlagTotal> flags{};
    QStringList fish;
    QStringList names;
    QString money;
    int gridPos = 0;
    qint64 scene = 0;
    int step = 0;
    bool stepTimerRunning = false;
    QStringList traded;

    bool operator==(const Snapshot&) const = default;
};

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    ErrorCapture errors;
    TGame* game = nullptr;
    TStore* store = nullptr;
    TInventory* inventory = nullptr;
    TFleaMarket* market = nullptr;
    QTemporaryDir* folder = nullptr;
    QTemporaryDir playerHome;

    // The file dialog's part: the name it gives, and what it was asked.
    QString chosenFile;
    QList<platform::FileDialog> dialogsRun;

    QString inFolder(const QString& name) const { return folder->filePath(name); }

    Snapshot snapshot() const
    {
        Snapshot s;
        s.counts = goods::possessions().ItemCount;
        s.flags = goods::possessions().TradeDone;
        s.fish = game->FishList;
        for (const QLineEdit* name : game->N)
            s.names << name->text();
        s.money = store->ym1->text();
        s.gridPos = market->GridPos;
        s.scene = market->Image1->picture().cacheKey();
        s.step = market->T1Tag;
        s.stepTimerRunning = market->T1->isActive();
        for (int line = 0; line < inventory->TList->count(); ++line)
            s.traded << inventory->TList->item(line)->text();
        return s;
    }

    // The game as it stands when it is saved in the shop.
    void playUntilSaved()
    {
        goods::Possessions& p = goods::possessions();
        p.ItemCount[5] = 3;
        p.ItemCount[170] = 12;
        p.ItemCount[335] = 1;
        p.TradeDone[0] = 1;
        p.TradeDone[7] = 1;
        p.TradeDone[49] = 1;
        game->FishList = QStringList{"2 lb 5 oz bluegill", "1 lb 0 oz perch"};
        game->N[0]->setText(QStringLiteral("Mara"));
        game->N[6]->setText(QStringLiteral("Tey"));
        store->setMoney(31);
        market->IButtonClick();
        market->T1Timer();
        market->Door2Click(); // scene 22
    }

    // Then everything changes before the game is opened again.
    void playOn()
    {
        goods::Possessions& p = goods::possessions();
        p.ItemCount.fill(0);
        p.ItemCount[9] = 4;
        p.TradeDone.fill(0);
        p.TradeDone[20] = 1;
        p.TradeDone[51] = 1; // a flag a saved game does not keep
        store->WriteTradeData();
        game->FishList = QStringList{"9 lb 1 oz catfish"};
        for (QLineEdit* name : game->N)
            name->setText(QStringLiteral("Someone"));
        store->setMoney(12);
        market->InfoShown = false;
        market->SouthClick(); // back in the lane
    }

    void saveAs(const QString& file)
    {
        chosenFile = file;
        market->SaveGame1->trigger();
    }

    void openAs(const QString& file)
    {
        chosenFile = file;
        market->OpenGame1->trigger();
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR));
        // The player's folders of this suite are its own.
        qputenv("HOME", playerHome.path().toUtf8());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void init()
    {
        resetGameState();
        resetApplication();
        goods::resetPossessions();
        resetInventoryPage();
        errors.messages.clear();
        dialogsRun.clear();
        folder = new QTemporaryDir;
        platform::setFileChooser([this](const platform::FileDialog& dialog, QWidget*) {
            dialogsRun << dialog;
            return chosenFile;
        });
        Game = game = new TGame;
        Store = store = new TStore;
        Inventory = inventory = new TInventory;
        FleaMarket = market = new TFleaMarket;
        market->FormShow();
    }

    void cleanup()
    {
        platform::setFileChooser({});
        delete market;
        delete inventory;
        delete store;
        delete game;
        delete folder;
        FleaMarket = nullptr;
        Inventory = nullptr;
        Store = nullptr;
        Game = nullptr;
    }

    void anEmptyGameIsZerosThenTheSceneThenTheMoney()
    {
        const QByteArray bytes = savedgame::mainFileBytes(MainFile{});
        QCOMPARE(bytes.size(), 391);
        QCOMPARE(bytes.left(386), QByteArray(386, '\0'));
        QCOMPARE(bytes.mid(386), QByteArray::fromHex("2032000000"));
    }

    void sceneAndMoneyBytes_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("money");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("lane, $50") << 2 << 50 << QByteArray::fromHex("2032000000");
        QTest::newRow("shop, $50") << 22 << 50 << QByteArray::fromHex("3432000000");
        QTest::newRow("$300 is little-endian") << 22 << 300 << QByteArray::fromHex("342c010000");
        QTest::newRow("four bytes of money")
            << 2 << 0x01020304 << QByteArray::fromHex("2004030201");
    }

    void sceneAndMoneyBytes()
    {
        QFETCH(int, scene);
        QFETCH(int, money);
        QFETCH(QByteArray, tail);
        MainFile file;
        file.GridPos = scene;
        file.Money = money;
        const QByteArray bytes = savedgame::mainFileBytes(file);
        QCOMPARE(bytes.mid(386), tail);
        const savedgame::MainFileReading back = savedgame::readMainFile(bytes);
        QVERIFY(back.problem.isEmpty());
        QCOMPARE(back.file.GridPos, scene);
        QCOMPARE(back.file.Money, money);
    }

    void textFilesEndEveryLineWithCrLf()
    {
        QCOMPARE(savedgame::textFileBytes({"Avrel", "Tobin"}), QByteArray("Avrel\r\nTobin\r\n"));
        QCOMPARE(savedgame::textFileBytes({}), QByteArray());
        QCOMPARE(savedgame::textFileBytes({""}), QByteArray("\r\n"));
        // A line break inside a name would shift the names after it.
        QCOMPARE(savedgame::textFileBytes({"Av\nrel", "To\r\nbin", "Me\rline"}),
                 QByteArray("Av rel\r\nTo bin\r\nMe line\r\n"));
    }

    void textFileLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("last line unended") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept")
            << QByteArray("\r\na\r\n\r\n") << QStringList{"", "a", ""};
        QTest::newRow("UTF-8") << QByteArray("Jos\xc3\xa9\r\n") << QStringList{"José"};
    }

    void textFileLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(savedgame::textFileLines(bytes), lines);
    }

    void savingWritesTheMainFileForTheSceneAndTheMoney_data()
    {
        QTest::addColumn<bool>("inTheShop");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("in the lane with $50") << false << QByteArray::fromHex("2032000000");
        QTest::newRow("in the shop with $50") << true << QByteArray::fromHex("3432000000");
    }

    void savingWritesTheMainFileForTheSceneAndTheMoney()
    {
        QFETCH(bool, inTheShop);
        QFETCH(QByteArray, tail);
        if (inTheShop)
            market->Door2Click();
        saveAs(inFolder("trip.sav"));
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        QCOMPARE(fileBytes(inFolder("trip.sav")), QByteArray(386, '\0') + tail);

        QCOMPARE(dialogsRun.size(), 1);
        const platform::FileDialog& dialog = dialogsRun.first();
        QCOMPARE(dialog.kind, platform::FileDialog::Kind::Save);
        QCOMPARE(dialog.filter, QStringLiteral("Saved Files (*.sav)"));
        QCOMPARE(dialog.defaultExtension, QStringLiteral("sav"));
        QCOMPARE(dialog.initialDir, platform::savedGamesFolder());
    }

    void savingWritesTheCatchAndTheNamesBesideTheMainFile()
    {
        playUntilSaved();
        game->N[3]->setText(QStringLiteral("Das\ntan")); // cannot be typed; kept on one line
        saveAs(inFolder("trip.sav"));
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(fileBytes(inFolder("trip.sav~1")),
                 QByteArray("2 lb 5 oz bluegill\r\n1 lb 0 oz perch\r\n"));
        QCOMPARE(fileBytes(inFolder("trip.sav~12")),
                 QByteArray("Mara\r\nTobin\r\nMeline\r\nDas tan\r\nCorra\r\nJessup\r\nTey\r\n"));
        const QByteArray main = fileBytes(inFolder("trip.sav"));
        QCOMPARE(main[5], '\3');
        QCOMPARE(main[170], '\x0c');
        QCOMPARE(main[336 + 7], '\1');
        QCOMPARE(main.mid(386), QByteArray::fromHex("341f000000"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files).size(), 3);
    }

    void cancellingTheDialogsDoesNothing()
    {
        playUntilSaved();
        const Snapshot before = snapshot();
        saveAs(QString());
        openAs(QString());
        QCOMPARE(dialogsRun.size(), 2);
        QVERIFY(QDir(folder->path()).isEmpty());
        QVERIFY(snapshot() == before);
        QVERIFY(errors.messages.isEmpty());
    }

    void theDialogsLeaveTheCurrentFolderAsItWas()
    {
        platform::setFileChooser([this](const platform::FileDialog&, QWidget*) {
            QDir::setCurrent(folder->path());
            return inFolder("trip.sav");
        });
        market->SaveGame1Click();
        market->OpenGame();
        QCOMPARE(QDir::currentPath(), QDir(QStringLiteral(KELVARIN_DATA_DIR)).absolutePath());
        QVERIFY(errors.messages.isEmpty());
    }

    void openingASavedGameRestoresIt()
    {
        playUntilSaved();
        saveAs(inFolder("trip.sav"));
        const Snapshot saved = snapshot();
        playOn();
        QVERIFY(!(snapshot() == saved));

        openAs(inFolder("trip.sav"));
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        const platform::FileDialog& dialog = dialogsRun.last();
        QCOMPARE(dialog.kind, platform::FileDialog::Kind::Open);
        QCOMPARE(dialog.filter, QStringLiteral("The Saved Files (*.sav *.kvj)"));
        QCOMPARE(dialog.defaultExtension, QStringLiteral("sav"));

        const Snapshot restored = snapshot();
        QVERIFY(restored.counts == saved.counts);
        QVERIFY(restored.flags == saved.flags); // flag 51 is cleared again
        QCOMPARE(restored.fish, saved.fish);
        QCOMPARE(restored.names, saved.names);
        QCOMPARE(restored.money, QStringLiteral("31"));
        QCOMPARE(restored.gridPos, 22);
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm22"));
        QVERIFY(!market->South->isHidden());
        // The inventory lists exactly the things of the trades done.
        QCOMPARE(restored.traded,
                 (QStringList{game->TradeList[0], game->TradeList[7], game->TradeList[49]}));
        QCOMPARE(inventory->L[0]->text(), goods::GetItemName(5));
    }

    void theWalkGoesOnFromTheRestoredScene()
    {
        market->Door2Click();
        saveAs(inFolder("shop.sav"));
        market->InfoShown = false;
        market->SouthClick();
        saveAs(inFolder("lane.sav"));

        // Opened in the lane while the party is in the shop: the door next.
        market->Door2Click();
        market->T1Timer();
        openAs(inFolder("lane.sav"));
        QVERIFY(market->T1->isActive());
        market->T1Timer();
        QVERIFY(market->ILabel->text().startsWith("Click on Door #4"));
        QVERIFY(!market->Door2->isHidden());

        // Opened in the shop while the door is offered: the store next.
        openAs(inFolder("shop.sav"));
        QVERIFY(market->Door2->isHidden());
        market->T1Timer();
        QVERIFY(market->ILabel->text().startsWith("Click on the screen to bring up the STORE"));
        QVERIFY(market->ScreenArmed);
        QVERIFY(errors.messages.isEmpty());
    }

    void aGameThatIsNotWholeIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("main file missing") << "remove main"
                                           << "the file is missing";
        QTest::newRow("main file short") << "short"
                                         << "it holds 390 bytes, where a saved game "
                                            "holds 391";
        QTest::newRow("main file long") << "long"
                                        << "it holds 392 bytes";
        QTest::newRow("trade flag 2") << "flag"
                                      << "trade flag 3 holds 2";
        QTest::newRow("negative money") << "money"
                                        << "its money is negative (-50)";
        QTest::newRow("catch list missing") << "remove catch"
                                            << "its catch list";
        QTest::newRow("names missing") << "remove names"
                                       << "its file of party names";
        QTest::newRow("six names") << "six names"
                                   << "holds 6 lines, where the 7 names belong";
        QTest::newRow("no such scene") << "scene"
                                       << "it places the party in scene 5, which the "
                                          "market does not have";
        QTest::newRow("a name longer than a traveller's name can be")
            << "long name" << "the name of traveller 3 is 300 characters long";
        QTest::newRow("more money than the game can hold")
            << "rich" << "more money than the game can hold (2147483647)";
        QTest::newRow("a catch list far larger than any") << "huge catch"
                                                          << "its catch list";
        QTest::newRow("a names file far larger than any") << "huge names"
                                                          << "its file of party names";
        // What a journey on the trail could not save again.
        QTest::newRow("a catch line longer than a journey keeps")
            << "long catch line"
            << "line 2 of its catch list \"" + QStringLiteral("%1") + "\" is 130 characters long, "
               "where a line of the catch list has at most 120";
        QTest::newRow("more fish than a journey keeps")
            << "many fish" << "holds 10001 lines, where a catch list has at most 10000";
    }

    void aGameThatIsNotWholeIsRefusedAndChangesNothing()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        playUntilSaved();
        const QString main = inFolder("trip.sav");
        saveAs(main);
        QByteArray bytes = fileBytes(main);
        if (damage == "remove main")
            QFile::remove(main);
        else if (damage == "short")
            writeBytes(main, bytes.left(390));
        else if (damage == "long")
            writeBytes(main, bytes + 'x');
        else if (damage == "flag")
            writeBytes(main, bytes.replace(336 + 3, 1, "\2"));
        else if (damage == "money")
            writeBytes(main, bytes.replace(387, 4, QByteArray::fromHex("ceffffff")));
        else if (damage == "scene")
            writeBytes(main, bytes.replace(386, 1, QByteArray(1, char(30 + 5))));
        else if (damage == "remove catch")
            QFile::remove(main + "~1");
        else if (damage == "remove names")
            QFile::remove(main + "~12");
        else if (damage == "six names")
            writeBytes(main + "~12", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
        else if (damage == "long name")
            writeBytes(main + "~12", "a\r\nb\r\n" + QByteArray(300, 'c') + "\r\nd\r\ne\r\nf\r\ng\r\n");
        else if (damage == "rich")
            writeBytes(main, bytes.replace(387, 4, QByteArray::fromHex("ffffff7f")));
        else if (damage == "huge catch")
            writeBytes(main + "~1", QByteArray(8 << 20, 'x') + "\r\n");
        else if (damage == "long catch line")
            writeBytes(main + "~1", "2 lb 5 oz bluegill\r\n" + QByteArray(130, 'p') + "\r\n");
        else if (damage == "many fish")
            writeBytes(main + "~1", QByteArray("1 lb 1 oz perch\r\n").repeated(10001));
        else if (damage == "huge names")
            writeBytes(main + "~12", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n" + QByteArray(1 << 20, 'g') + "\r\n");
        playOn();
        const Snapshot before = snapshot();

        openAs(main);
        QCOMPARE(errors.messages.size(), 1);
        const QString message = errors.messages.first();
        QVERIFY2(message.startsWith("The saved game \"" + main + "\" cannot be opened: "),
                 qPrintable(message));
        const QString expected = reason.contains("%1") ? reason.arg(main + "~1") : reason;
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY(message.endsWith("Nothing in the game was changed."));
        QVERIFY(snapshot() == before);
    }

    void aSaveThatFailsLeavesTheEarlierSaveAsItWas()
    {
        playUntilSaved();
        const QString main = inFolder("trip.sav");
        saveAs(main);
        const QByteArray earlier[] = {fileBytes(main), fileBytes(main + "~1"),
                                      fileBytes(main + "~12")};

        // A long catch list no longer fits on the disk.
        for (int fish = 0; fish < 2000; ++fish)
            game->FishList << QStringLiteral("%1 lb 3 oz bluegill").arg(fish);
        store->setMoney(7);
        {
            FileSizeLimit fullDisk(8192);
            saveAs(main);
        }
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.first().startsWith("The game could not be saved: \"" + main +
                                                    "~1\" cannot be written"),
                 qPrintable(errors.messages.first()));
        QVERIFY(errors.messages.first().endsWith("A game saved earlier under this name is "
                                                 "unchanged."));
        QCOMPARE(fileBytes(main), earlier[0]);
        QCOMPARE(fileBytes(main + "~1"), earlier[1]);
        QCOMPARE(fileBytes(main + "~12"), earlier[2]);
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void aNameTheFolderCannotHoldSavesNothing()
    {
        // The main file's name fits; its companions' names, three
        // characters longer, do not.
        playUntilSaved();
        const QString main = inFolder(QString(249, QLatin1Char('c')) + ".sav");
        saveAs(main);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.first().startsWith("The game could not be saved: "),
                 qPrintable(errors.messages.first()));
        QVERIFY2(errors.messages.first().contains("too long"), qPrintable(errors.messages.first()));
        QVERIFY(QDir(folder->path()).isEmpty());
    }

    void aSaveThatCannotBePutInPlaceLeavesTheEarlierGameWhole_data()
    {
        // Which step of putting the new files in place fails: the game moves
        // each earlier file aside, then puts the new one in its place.
        QTest::addColumn<QString>("failingMove");
        QTest::newRow("the earlier main file cannot be moved aside") << "trip.sav aside";
        QTest::newRow("the earlier names file belongs to someone else") << "trip.sav~12 aside";
        QTest::newRow("the new names file cannot be put in place") << "trip.sav~12 in place";
    }

    void aSaveThatCannotBePutInPlaceLeavesTheEarlierGameWhole()
    {
        QFETCH(QString, failingMove);
        playUntilSaved();
        const QString main = inFolder("trip.sav");
        saveAs(main);
        const QStringList files{main, main + "~1", main + "~12"};
        QList<QByteArray> earlier;
        for (const QString& file : files)
            earlier << fileBytes(file);

        game->FishList << QStringLiteral("4 lb 4 oz brook trout");
        game->N[1]->setText(QStringLiteral("Ilsa"));
        store->setMoney(5);
        bool failed = false; // the step fails once; undoing it works
        savedgame::setFileMover([&](const QString& from, const QString& to) {
            const bool aside = QFileInfo(from).fileName().startsWith("trip.sav");
            const QString move = QFileInfo(aside ? from : to).fileName() +
                                 (aside ? " aside" : " in place");
            if (move == failingMove && !failed) {
                failed = true;
                return false;
            }
            return QFile::rename(from, to);
        });
        saveAs(main);
        savedgame::setFileMover({});

        QVERIFY(failed);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.first().startsWith("The game could not be saved: "),
                 qPrintable(errors.messages.first()));
        QVERIFY(errors.messages.first().endsWith("A game saved earlier under this name is "
                                                 "unchanged."));
        for (int k = 0; k < files.size(); ++k)
            QCOMPARE(fileBytes(files[k]), earlier[k]);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void theDialogsOpenInThePlayersOwnFolder_data()
    {
        QTest::addColumn<bool>("hasDocuments");
        QTest::newRow("the documents folder") << true;
        QTest::newRow("the game's folder when there is no documents folder") << false;
    }

    void theDialogsOpenInThePlayersOwnFolder()
    {
        QFETCH(bool, hasDocuments);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME"),
                         savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
        if (hasDocuments)
            QVERIFY(QDir(home.path()).mkpath("Documents"));
        chosenFile.clear();
        market->SaveGame1Click();
        market->OpenGame();
        auto restore = [](const char* name, const QByteArray& value) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        restore("HOME", savedHome);
        restore("XDG_DATA_HOME", savedData);
        restore("XDG_CONFIG_HOME", savedConfig);

        QCOMPARE(dialogsRun.size(), 2);
        for (const platform::FileDialog& dialog : dialogsRun) {
            const QString where = QDir(dialog.initialDir).canonicalPath();
            QVERIFY2(where.startsWith(QDir(home.path()).canonicalPath() + "/"),
                     qPrintable(dialog.initialDir));
            if (hasDocuments)
                QCOMPARE(where, QDir(home.path() + "/Documents").canonicalPath());
            else
                QVERIFY2(where.contains("/.local/share/"), qPrintable(where));
        }
    }

    void aSaveThatCannotBeWrittenAtAllSaysSo()
    {
        saveAs(inFolder("no such folder/trip.sav"));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().startsWith("The game could not be saved: "));
        QVERIFY(QDir(folder->path()).isEmpty());
    }
    void onlyRegularFilesAreReadAsASavedGame_data()
    {
        // Each of the three files in turn is a FIFO, where a reader waits
        // for a writer that never comes.
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the main file") << ""
                                       << "the file is not";
        QTest::newRow("the catch list") << "~1"
                                        << "its catch list";
        QTest::newRow("the names") << "~12"
                                   << "its file of party names";
    }

    void onlyRegularFilesAreReadAsASavedGame()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, reason);
        playUntilSaved();
        const QString main = inFolder("trip.sav");
        saveAs(main);
        const QString fifo = main + suffix;
        QVERIFY(QFile::remove(fifo));
        QVERIFY(makeFifo(fifo));
        savedgame::Reading reading;
        QVERIFY2(returnsWithoutBlocking([&] { reading = savedgame::read(main); }, {fifo}),
                 "the reader waited in open()");
        QVERIFY2(reading.problem.startsWith("The saved game \"" + main + "\" cannot be opened: "),
                 qPrintable(reading.problem));
        QVERIFY2(reading.problem.contains(reason), qPrintable(reading.problem));
        QVERIFY2(reading.problem.contains("not a file the game can read (a device, a pipe or a "
                                          "socket)"),
                 qPrintable(reading.problem));
        QVERIFY(isFifo(fifo));
    }
    void aFullDiskIsToldInTheGamesWords_data()
    {
        QTest::addColumn<bool>("shortFirst");
        QTest::newRow("a short write, then no room") << true;
        QTest::newRow("no room at all") << false;
    }

    void aFullDiskIsToldInTheGamesWords()
    {
        QFETCH(bool, shortFirst);
        playUntilSaved();
        const QString main = inFolder("trip.sav");
        saveAs(main);
        const QByteArray earlier = fileBytes(main);
        for (int fish = 0; fish < 2000; ++fish)
            game->FishList << QStringLiteral("%1 lb 3 oz bluegill").arg(fish);
        int writes = 0;
        platform::setRawWrite([&](int handle, const void* data, size_t size) -> ssize_t {
            if (shortFirst && writes++ == 0)
                return ::write(handle, data, size / 2);
            errno = ENOSPC;
            return -1;
        });
        saveAs(main);
        platform::setRawWrite({});
        QCOMPARE(errors.messages.size(), 1);
        const QString told = errors.messages.first();
        QVERIFY2(told.contains("there is not enough room left on the disk"), qPrintable(told));
        QVERIFY2(!told.contains("Unknown error"), qPrintable(told));
        QCOMPARE(fileBytes(main), earlier);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }
};

QTEST_MAIN(SavedGamesTest)
#include "tst_savedgames.moc"

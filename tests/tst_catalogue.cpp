// The catalogue of goods, the pluralising rule, the reading of typed and
// stored numbers, and the counting and naming of what the party owns.

#include "shops/catalogue.h"
#include "shops/plural.h"
#include "shops/possessions.h"
#include "shops/purchase.h"
#include "shell/wholenumber.h"

#include <QTest>
#include <set>

using namespace goods;

namespace {

void own(int item, int count)
{
    possessions().ItemCount.at(static_cast<std::size_t>(item)) = static_cast<std::uint8_t>(count);
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetPossessions(); }

    void theCatalogueHolds336GoodsPricedOneToTenDollars()
    {
        QCOMPARE(ItemTotal, 336);
        QCOMPARE(ListTotal, 14);
        for (int item = 0; item < ItemTotal; ++item) {
            QVERIFY2(!ItemName(item).isEmpty(), qPrintable(QString::number(item)));
            QVERIFY2(ItemPrice(item) >= 1 && ItemPrice(item) <= 10, qPrintable(ItemName(item)));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogueItem(ItemTotal));
    }

    void eachListStartsAndEndsWithItsGoods_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstPrice");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("lastPrice");
        QTest::newRow("fruit and vegetables") << 0 << "cucumber" << 1 << "basket of tomatoes" << 3;
        QTest::newRow("seeds and flowers") << 1 << "pack of pumpkin seeds" << 1 << "small jug" << 1;
        QTest::newRow("garden") << 2 << "bunch of alyssum" << 1 << "badmitten set" << 10;
        QTest::newRow("toys and clothes") << 3 << "large pinwheel" << 2 << "bandanna" << 3;
        QTest::newRow("horses") << 4 << "saddle bag" << 6 << "cowboy hat" << 10;
        QTest::newRow("books") << 5 << "anthropology book" << 6 << "concordance" << 7;
        QTest::newRow("fishing") << 6 << "fishing rod" << 5 << "bunch of matches" << 1;
        QTest::newRow("paintings and toys")
            << 7 << "wolf painting" << 9 << "copper deer decoration" << 1;
        QTest::newRow("stones") << 8 << "Agate sample" << 1 << "Tourmaline sample" << 2;
        QTest::newRow("gifts") << 9 << "scented candle" << 2 << "wizard T shirt" << 5;
        QTest::newRow("crafts") << 10 << "mandella" << 1 << "bull horn" << 7;
        QTest::newRow("figurines") << 11 << "ceramic eagle" << 7 << "wolf statue" << 1;
        QTest::newRow("candy") << 12 << "bag of gumballs" << 1 << "bag of caramel corn" << 1;
        QTest::newRow("provisions") << 13 << "lb of flour" << 1 << "jar of fruit preserves" << 2;
    }

    void eachListStartsAndEndsWithItsGoods()
    {
        QFETCH(int, list);
        QFETCH(QString, first);
        QFETCH(int, firstPrice);
        QFETCH(QString, last);
        QFETCH(int, lastPrice);
        QCOMPARE(ItemName(list * 24), first);
        QCOMPARE(ItemPrice(list * 24), firstPrice);
        QCOMPARE(ItemName(list * 24 + 23), last);
        QCOMPARE(ItemPrice(list * 24 + 23), lastPrice);
    }

    void theSpiritsAskForGoodsByTheirItemNumbers_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("name");
        QTest::newRow("toy raccoon") << 181 << "toy raccoon";
        QTest::newRow("toy rabbit") << 183 << "toy rabbit";
        QTest::newRow("wolf wall hanging") << 184 << "wolf wall hanging";
        QTest::newRow("copper deer decoration") << 191 << "copper deer decoration";
        QTest::newRow("amethyst") << 194 << "Amethyst sample";
        QTest::newRow("emerald") << 201 << "Emerald sample";
    }

    void theSpiritsAskForGoodsByTheirItemNumbers()
    {
        QFETCH(int, item);
        QFETCH(QString, name);
        QCOMPARE(ItemName(item), name);
    }

    void aNameInTwoListsIsTwoItemsWithTheirOwnPrices()
    {
        QCOMPARE(ItemName(61), QStringLiteral("spinning lawn ornament"));
        QCOMPARE(ItemName(75), QStringLiteral("spinning lawn ornament"));
        QCOMPARE(ItemPrice(61), 5);
        QCOMPARE(ItemPrice(75), 1);
        QCOMPARE(ItemName(64), ItemName(78)); // butterfly flag
        QCOMPARE(ItemPrice(64), 1);
        QCOMPARE(ItemPrice(78), 3);

        std::multiset<QString> names;
        for (int item = 0; item < ItemTotal; ++item)
            names.insert(ItemName(item));
        for (const char* twice : {"wind sock decoration", "wolf T shirt", "ceramic fish",
                                  "fox tail", "wolf wall hanging"})
            QCOMPARE(names.count(QString::fromLatin1(twice)), std::size_t{2});
    }

    void theStoreTagChoosesTheList_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("list");
        const int table[][2] = {{1, 0},  {2, 1},  {3, 2},  {4, 3},   {11, 4},  {12, 5},  {21, 6},
                                {22, 7}, {31, 8}, {32, 9}, {41, 10}, {42, 11}, {43, 12}, {50, 13}};
        for (const auto& row : table)
            QTest::addRow("tag %d", row[0]) << row[0] << row[1];
        QTest::newRow("an unused tag") << 7 << 0;
        QTest::newRow("tag 0") << 0 << 0;
        QTest::newRow("a tag past the catalogue") << 51 << 0;
        QTest::newRow("a negative tag") << -1 << 0;
    }

    void theStoreTagChoosesTheList()
    {
        QFETCH(int, tag);
        QFETCH(int, list);
        QCOMPARE(Converts(tag), list);
    }

    void pluralTurnsACountAndANameIntoAPhrase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("phrase");
        // The examples the game's writers gave.
        QTest::newRow("one stays singular") << "1 bag of onions"
                                            << "1 bag of onions";
        QTest::newRow("bags of") << "3 bag of onions"
                                 << "3 bags of onions";
        QTest::newRow("bunches of") << "2 bunch of grapes"
                                    << "2 bunches of grapes";
        QTest::newRow("boxes") << "2 tackle box"
                               << "2 tackle boxes";
        QTest::newRow("ends in h") << "2 horse brush"
                                   << "2 horse brush";
        QTest::newRow("twelve") << "12 cucumber"
                                << "12 cucumbers";
        QTest::newRow("thirty-one") << "31 cucumber"
                                    << "31 cucumber";
        // Every count whose last digit is 1 keeps the singular.
        for (int count : {11, 21, 41, 51, 61, 71, 81, 91, 101})
            QTest::addRow("%d pumpkin", count) << QStringLiteral("%1 pumpkin").arg(count)
                                               << QStringLiteral("%1 pumpkin").arg(count);
        QTest::newRow("21 lb of flour") << "21 lb of flour"
                                        << "21 lb of flour";
        // Counts with a 1 that is not the last digit.
        QTest::newRow("ten") << "10 cucumber"
                             << "10 cucumbers";
        QTest::newRow("hundred") << "100 pumpkin"
                                 << "100 pumpkins";
        QTest::newRow("twelve bags") << "12 bag of mints"
                                     << "12 bags of mints";
        QTest::newRow("nothing owned") << "0 cucumber"
                                       << "0 cucumbers";
        // " of " with and without an "h" before it.
        QTest::newRow("lbs of") << "5 lb of flour"
                                << "5 lbs of flour";
        QTest::newRow("pairs of") << "2 pair of boots"
                                  << "2 pairs of boots";
        QTest::newRow("packs of") << "3 pack of flower seeds"
                                  << "3 packs of flower seeds";
        QTest::newRow("h later in the name") << "2 bag of cherry candy"
                                             << "2 bags of cherry candy";
        QTest::newRow("only the first of") << "2 bunch of sumac berries of autumn"
                                           << "2 bunches of sumac berries of autumn";
        // Before " of " only an "h" gets "es".
        QTest::newRow("x before of") << "4 box of wax"
                                     << "4 boxs of wax";
        // Endings.
        QTest::newRow("ends in s") << "3 spurs"
                                   << "3 spurs";
        QTest::newRow("ends in x") << "2 wooden box"
                                   << "2 wooden boxes";
        QTest::newRow("a capitalised name") << "6 Verunai pipe"
                                            << "6 Verunai pipes";
        QTest::newRow("ends in h, dish") << "4 ceramic fish"
                                         << "4 ceramic fish";
        QTest::newRow("apostrophe") << "2 rabbit's foot"
                                    << "2 rabbit's foots";
        QTest::newRow("four cucumbers") << "4 cucumber"
                                        << "4 cucumbers";
        QTest::newRow("empty") << ""
                               << "";
    }

    void pluralTurnsACountAndANameIntoAPhrase()
    {
        QFETCH(QString, text);
        QFETCH(QString, phrase);
        QCOMPARE(Plural(text), phrase);
    }

    void wholeNumbersAreReadFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<qint64>("value");
        QTest::newRow("digits") << "50" << true << qint64(50);
        QTest::newRow("blanks around") << " 7 " << true << qint64(7);
        QTest::newRow("minus") << "-3" << true << qint64(-3);
        QTest::newRow("plus") << "+4" << true << qint64(4);
        QTest::newRow("huge") << "99999999999999999999999" << true << qint64(1'000'000'000);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("letters") << "abc" << false << qint64(0);
        QTest::newRow("trailing letter") << "3a" << false << qint64(0);
        QTest::newRow("decimal point") << "1.5" << false << qint64(0);
        QTest::newRow("blank after the sign") << "- 3" << false << qint64(0);
        QTest::newRow("other script digits") << QString::fromUtf8("\u0663") << false << qint64(0);
    }

    void wholeNumbersAreReadFromText()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(qint64, value);
        const auto read = wholeNumber(text);
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*read, value);
    }

    void aStoredTextThatIsNotANumberRaisesAClearMessage()
    {
        QCOMPARE(toWholeNumber(QStringLiteral("42")), 42);
        try {
            toWholeNumber(QStringLiteral("fifty"));
            QFAIL("no error raised");
        } catch (const std::exception& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("\"fifty\" is not a number."));
        }
    }

    void aTypedQuantityIsTakenOrRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("owned");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("problem");
        const int none = int(QuantityProblem::None);
        const int notNumber = int(QuantityProblem::NotANumber);
        const int belowZero = int(QuantityProblem::BelowZero);
        const int overLimit = int(QuantityProblem::OverLimit);
        QTest::newRow("empty means none") << "" << 0 << 0 << none;
        QTest::newRow("blank means none") << "  " << 0 << 0 << none;
        QTest::newRow("a number") << "7" << 0 << 7 << none;
        QTest::newRow("95 owned, 5 more") << "5" << 95 << 5 << none;
        QTest::newRow("95 owned, 6 more") << "6" << 95 << 0 << overLimit;
        QTest::newRow("a hundred") << "100" << 0 << 100 << none;
        QTest::newRow("a hundred and one") << "101" << 0 << 0 << overLimit;
        QTest::newRow("a hundred owned") << "1" << 100 << 0 << overLimit;
        QTest::newRow("huge") << "123456789012345" << 0 << 0 << overLimit;
        QTest::newRow("letters") << "abc" << 0 << 0 << notNumber;
        QTest::newRow("decimal") << "1.5" << 0 << 0 << notNumber;
        QTest::newRow("negative") << "-3" << 0 << 0 << belowZero;
        QTest::newRow("negative zero is zero") << "-0" << 0 << 0 << none;
    }

    void aTypedQuantityIsTakenOrRefused()
    {
        QFETCH(QString, typed);
        QFETCH(int, owned);
        QFETCH(int, quantity);
        QFETCH(int, problem);
        const QuantityReading reading = readQuantity(typed, owned);
        QCOMPARE(reading.quantity, quantity);
        QCOMPARE(int(reading.problem), problem);
        const bool refused = reading.problem != QuantityProblem::None;
        QCOMPARE(!refusedQuantityMessage(typed, reading.problem, owned).isEmpty(), refused);
    }

    void refusedQuantitiesAreExplainedPlainly()
    {
        QCOMPARE(
            refusedQuantityMessage(QStringLiteral("abc"), QuantityProblem::NotANumber),
            QStringLiteral("\"abc\" is not a number.  Type how many you want to buy, like 2."));
        QCOMPARE(
            refusedQuantityMessage(QStringLiteral(" -3"), QuantityProblem::BelowZero),
            QStringLiteral("-3 is less than nothing.  Type how many you want to buy, like 2."));
    }

    void goodsAreCountedSeparatelyForTheMarketAndThePosts()
    {
        QCOMPARE(FMItems(), 0);
        own(0, 1);
        own(183, 2);
        own(311, 5);
        own(312, 3);
        QCOMPARE(FMItems(), 3);
        QCOMPARE(possessions().GoodsCount, 3);
        QCOMPARE(TPItems(), 1);
        QCOMPARE(possessions().GoodsCount, 1);
        own(335, 1);
        QCOMPARE(TPItems(), 2);
    }

    void ownedGoodsAreFoundByTheirPlaceInCatalogueOrder()
    {
        own(5, 2);
        own(183, 2);
        own(200, 1);
        QCOMPARE(GetListNumber(0), -1);
        QCOMPARE(GetListNumber(-4), -1);
        QCOMPARE(GetListNumber(1), 5);
        QCOMPARE(GetListNumber(2), 183);
        QCOMPARE(GetListNumber(3), 200);
        QCOMPARE(GetListNumber(4), -1);
        QCOMPARE(GetItemNumber(0), 0);
        QCOMPARE(GetItemNumber(5), 0);
        QCOMPARE(GetItemNumber(6), 1);
        QCOMPARE(GetItemNumber(200), 2);
        QCOMPARE(GetItemNumber(ItemTotal), 3);
        QCOMPARE(GetItemName(183), QStringLiteral("2 toy rabbits"));
        QCOMPARE(GetItemName(200), QStringLiteral("1 Dioptase sample"));
        QCOMPARE(GetItemName(3), QStringLiteral("0 bags of radishes"));
    }

    void aTradeTakesTheWholeStockAndIsDoneOnce()
    {
        own(183, 7);
        QVERIFY(YouHave(1, 183));
        QVERIFY(!YouHave(1, 184)); // none owned
        recordTrade(1, 183);
        QCOMPARE(possessions().ItemCount[183], std::uint8_t{0});
        QCOMPARE(possessions().TradeDone[1], std::uint8_t{1});
        own(183, 2);
        QVERIFY(!YouHave(1, 183)); // bear oil was already received
        QVERIFY(YouHave(30, 183));
        QVERIFY(!YouHave(TradeFlagTotal, 183));
        QVERIFY(!YouHave(-1, 183));
    }

    void receivedThingsAreListedInLineOrder()
    {
        const QStringList tradeList{"a", "b", "c", "d"};
        QVERIFY(receivedThings(tradeList).isEmpty());
        recordTrade(3, 10);
        recordTrade(1, 11);
        QCOMPARE(receivedThings(tradeList), (QStringList{"b", "d"}));
        // A trade list that is too short gives empty lines, never a crash.
        recordTrade(40, 12);
        QCOMPARE(receivedThings(tradeList), (QStringList{"b", "d", ""}));
    }

    void anInventoryPageListsFifteenOwnedGoodsFromItsStart()
    {
        for (int k = 0; k < 20; ++k)
            own(k * 10, k + 2);
        own(312, 4);
        FMItems();
        GoodsPage first = SetItems(0, 0);
        QCOMPARE(first.lines[0], QStringLiteral("2 cucumbers"));
        QCOMPARE(first.lines[1], QStringLiteral("3 baskets of sweet corn")); // item 10
        QCOMPARE(first.lines[14], QStringLiteral("16 German books")); // item 140
        QVERIFY(!first.reachesEnd);

        GoodsPage second = SetItems(15, 0);
        QCOMPARE(second.lines[0], QStringLiteral("17 pairs of pliers")); // item 150
        // a count ending in 1 stays singular
        QCOMPARE(second.lines[4], QStringLiteral("21 decorative metal plate")); // item 190
        // The provisions are not counted with the market's goods.
        QVERIFY(second.lines[5].isEmpty());
        QVERIFY(second.lines[14].isEmpty());
        QVERIFY(second.reachesEnd);

        TPItems();
        GoodsPage provisions = SetItems(0, FirstProvision);
        QCOMPARE(provisions.lines[0], QStringLiteral("4 lbs of flour"));
        QVERIFY(provisions.lines[1].isEmpty());
        QVERIFY(provisions.reachesEnd);
    }

    void processStopsAtTheEndOfTheCountedList()
    {
        own(4, 3);
        FMItems();
        QString line = QStringLiteral("old");
        QCOMPARE(Process(line, 0, 0), 5);
        QCOMPARE(line, QStringLiteral("3 baskets of strawberries"));
        line = QStringLiteral("old");
        QCOMPARE(Process(line, 5, 1), 5);
        QVERIFY(line.isEmpty());
        // A count that promises more than there is gives an empty line.
        possessions().GoodsCount = 5;
        line = QStringLiteral("old");
        QCOMPARE(Process(line, 5, 1), ItemTotal);
        QVERIFY(line.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"

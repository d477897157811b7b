// The store window: a visit's start and paging, rows recomputed from the
// up-downs and typed quantities, the purchase and its money, bad input, and
// the store for the keyboard and screen readers.

#include "announcementspy.h"
#include "errorcapture.h"
#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/picturebox.h"
#include "platform/updown.h"
#include "shops/possessions.h"
#include "shops/store.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using goods::possessions;

namespace {

constexpr int ProvisionsTag = 50; // lb of flour $1, lb of sugar $1, ...
constexpr int PaintingsTag = 22;  // wolf painting $9, tiger painting $10, ...

std::uint8_t owned(int item)
{
    return possessions().ItemCount.at(static_cast<std::size_t>(item));
}

// Shows the store as its openers do, without a modal run: showing the
// window starts the visit.
void openVisit(TStore& store, int tag)
{
    store.hide();
    store.Tag = tag;
    store.show();
}

// The player types into a row's box and leaves it for the next control.
void typeQuantity(TStore& store, int row, const QString& text)
{
    store.e[row]->setText(text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(store.e[row], &leave);
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { goods::resetPossessions(); }

    void theTagChoosesTheListShown_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("firstItem");
        QTest::addColumn<QString>("firstPrice");
        QTest::newRow("the flea market's shop") << PaintingsTag << "wolf painting"
                                                << "$9";
        QTest::newRow("a trading post") << ProvisionsTag << "lb of flour"
                                        << "$1";
        QTest::newRow("an unused tag") << 99 << "cucumber"
                                       << "$1";
    }

    void theTagChoosesTheListShown()
    {
        QFETCH(int, tag);
        QFETCH(QString, firstItem);
        QFETCH(QString, firstPrice);
        TStore store;
        openVisit(store, tag);
        QCOMPARE(store.item[0]->text(), firstItem);
        QCOMPARE(store.uc[0]->text(), firstPrice);
        QCOMPARE(store.y[0]->text(), QStringLiteral("0"));
    }

    void eachVisitStartsAfreshWhileTheMoneyCarriesOver()
    {
        TStore store;
        store.Tag = ProvisionsTag;
        possessions().ItemCount[313] = 4;
        QString firstEdit;
        {
            ModalScript script; // one script a modal run: it answers a window once
            script.then([&](QWidget*) {
                store.u[0]->stepUp();
                store.u[0]->stepUp();
                firstEdit = store.e[0]->text();
                store.ForwardClick();
                store.Purchase->click();
            });
            store.ShowModal();
            QVERIFY(script.allAnswered());
        }
        QCOMPARE(firstEdit, QStringLiteral("2"));
        QCOMPARE(store.ym1->text(), QStringLiteral("48"));

        QString secondEdit, secondTotal, secondMoney, secondOwned;
        bool secondBackEnabled = true, secondForwardEnabled = false;
        {
            ModalScript script;
            script.then([&](QWidget*) {
                secondEdit = store.e[0]->text();
                secondTotal = store.tp1->text();
                secondMoney = store.ym1->text();
                secondOwned = store.y[1]->text();
                secondBackEnabled = store.Back->isEnabled();
                secondForwardEnabled = store.Forward->isEnabled();
                store.Cancel->click();
            });
            store.ShowModal();
            QVERIFY(script.allAnswered());
        }
        QCOMPARE(secondEdit, QStringLiteral("0"));
        QCOMPARE(secondTotal, QStringLiteral("0"));
        QCOMPARE(secondMoney, QStringLiteral("48"));
        QCOMPARE(secondOwned, QStringLiteral("4"));
        QVERIFY(!secondBackEnabled);
        QVERIFY(secondForwardEnabled);
        QCOMPARE(owned(312), std::uint8_t{2});
    }

    void comingBackFromAMessageKeepsTheVisit()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        typeQuantity(store, 2, QStringLiteral("3"));
        store.FormActivate(); // the window is active again after a message box
        QCOMPARE(store.e[2]->text(), QStringLiteral("3"));
        QCOMPARE(store.tp1->text(), QStringLiteral("3"));
    }

    void pagingReachesTheLastPageAndComesBack()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        QVERIFY(!store.Back->isEnabled());
        QVERIFY(store.Forward->isEnabled());

        store.ForwardClick();
        QCOMPARE(store.item[0]->text(), QStringLiteral("lb of corn"));
        QVERIFY(store.Back->isEnabled() && store.Forward->isEnabled());
        store.ForwardClick();
        QCOMPARE(store.item[0]->text(), QStringLiteral("lb of dried vegetables"));
        QCOMPARE(store.item[7]->text(), QStringLiteral("jar of fruit preserves"));
        QVERIFY(!store.Forward->isEnabled());
        store.ForwardClick(); // no fourth page
        QCOMPARE(store.visit.PageStart, std::int8_t{16});

        store.BackClick();
        QCOMPARE(store.item[0]->text(), QStringLiteral("lb of corn"));
        QVERIFY(store.Forward->isEnabled() && store.Back->isEnabled());
        store.BackClick();
        QCOMPARE(store.item[0]->text(), QStringLiteral("lb of flour"));
        QVERIFY(!store.Back->isEnabled());
        store.BackClick();
        QCOMPARE(store.visit.PageStart, std::int8_t{0});
    }

    void aQuantityChosenOnAnotherPageShowsAgain()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        store.ForwardClick();
        for (int i = 0; i < 3; ++i)
            store.u[7]->stepUp();
        QCOMPARE(store.c[7]->text(), QStringLiteral("$15")); // toy rabbit, $5
        store.BackClick();
        QCOMPARE(store.e[7]->text(), QStringLiteral("0"));
        store.ForwardClick();
        QCOMPARE(store.e[7]->text(), QStringLiteral("3"));
        QCOMPARE(store.u[7]->position(), 3);
        QCOMPARE(store.c[7]->text(), QStringLiteral("$15"));
        store.u[7]->stepUp();
        QCOMPARE(store.e[7]->text(), QStringLiteral("4"));
    }

    void theUpDownGoesOnFromATypedNumber()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        store.e[2]->setText(QStringLiteral("7"));
        store.u[2]->stepUp();
        QCOMPARE(store.e[2]->text(), QStringLiteral("8"));
        QCOMPARE(store.c[2]->text(), QStringLiteral("$8"));
        store.e[2]->setText(QStringLiteral("99"));
        store.u[2]->stepUp(); // stops at 99
        QCOMPARE(store.e[2]->text(), QStringLiteral("99"));
        QCOMPARE(store.c[2]->text(), QStringLiteral("$99"));
        store.e[2]->setText(QStringLiteral("0"));
        store.u[2]->stepDown(); // stops at 0
        QCOMPARE(store.e[2]->text(), QStringLiteral("0"));
        QCOMPARE(store.tp1->text(), QStringLiteral("0"));
    }

    void aPurchaseSpendsAtMostTheMoney_data()
    {
        QTest::addColumn<QString>("flour");
        QTest::addColumn<bool>("bought");
        QTest::addColumn<QString>("moneyAfter");
        QTest::newRow("exactly all the money") << "50" << true << "0";
        QTest::newRow("one dollar short") << "51" << false << "50";
        QTest::newRow("a $0 purchase") << "0" << true << "50";
        QTest::newRow("some of the money") << "20" << true << "30";
    }

    void aPurchaseSpendsAtMostTheMoney()
    {
        QFETCH(QString, flour);
        QFETCH(bool, bought);
        QFETCH(QString, moneyAfter);
        TStore store;
        openVisit(store, ProvisionsTag);
        typeQuantity(store, 0, flour);
        QCOMPARE(store.tp1->text(), flour);
        store.Purchase->click();
        QCOMPARE(store.ym1->text(), moneyAfter);
        QCOMPARE(store.isVisible(), !bought);
        QCOMPARE(store.Panel1->isVisible(), !bought);
        QCOMPARE(store.Purchase->Tag, bought ? 1 : 0);
        QCOMPARE(int(owned(312)), bought ? flour.toInt() : 0);
        if (!bought) {
            QCOMPARE(store.Label5->text(), QStringLiteral("You can't make these purchases.  "
                                                          "You don't have enough money!"));
            store.Okay->click();
            QVERIFY(!store.Panel1->isVisible());
            QCOMPARE(store.e[0]->text(), flour); // the chosen quantities stay
        }
    }

    void anItemCanBeOwnedAtMostAHundredTimes_data()
    {
        QTest::addColumn<int>("owned");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("message");
        QTest::newRow("95 and 5") << 95 << "5" << "5" << "$50" << "";
        QTest::newRow("95 and 6") << 95 << "6" << "2" << "$20"
                                  << "You can have at most 100 of each thing.  You have 95 "
                                     "already, so you can buy up to 5.";
        QTest::newRow("95 and far too many") << 95 << "999999" << "2" << "$20"
                                             << "You can have at most 100 of each thing.  You "
                                                "have 95 already, so you can buy up to 5.";
        QTest::newRow("none yet and 250") << 0 << "250" << "2" << "$20"
                                          << "You can have at most 100 of each thing, so you "
                                             "can buy up to 100.";
        QTest::newRow("a hundred already") << 100 << "1" << "0" << "$0"
                                           << "You can have at most 100 of each thing, and you "
                                              "have 100 already.";
    }

    void anItemCanBeOwnedAtMostAHundredTimes()
    {
        QFETCH(int, owned);
        QFETCH(QString, typed);
        QFETCH(QString, edit);
        QFETCH(QString, cost);
        QFETCH(QString, message);
        possessions().ItemCount[169] = static_cast<std::uint8_t>(owned); // tiger painting, $10
        TStore store;
        openVisit(store, PaintingsTag);
        store.setMoney(500);
        QCOMPARE(store.y[1]->text(), QString::number(owned));
        if (owned <= 98)
            typeQuantity(store, 1, QStringLiteral("2"));
        ErrorCapture errors;
        typeQuantity(store, 1, typed);
        QCOMPARE(errors.messages, message.isEmpty() ? QStringList() : QStringList{message});
        // A refused quantity leaves the row as it was.
        QCOMPARE(store.e[1]->text(), edit);
        QCOMPARE(store.c[1]->text(), cost);
        QCOMPARE(store.tp1->text(), cost.mid(1));
        store.Purchase->click();
        QCOMPARE(int(goods::possessions().ItemCount[169]), owned + edit.toInt());
    }

    void theWindowsEdgesAreThePicturesNotWhiteStrips_data()
    {
        QTest::addColumn<QString>("background");
        QTest::newRow("the flea market's") << QString::fromLatin1(TStore::FleaMarketBackground);
        QTest::newRow("a trading post's") << QString::fromLatin1(TStore::TradingPostBackground);
    }

    void theWindowsEdgesAreThePicturesNotWhiteStrips()
    {
        QFETCH(QString, background);
        TStore store;
        store.LoadBackground(background);
        openVisit(store, ProvisionsTag);
        const QImage shot = store.grab().toImage();
        const QColor white(255, 255, 255);
        for (const QPoint at : {QPoint(0, 200), QPoint(1, 100), QPoint(shot.width() - 1, 200),
                                QPoint(shot.width() - 2, 300), QPoint(320, shot.height() - 1),
                                QPoint(100, shot.height() - 3)}) {
            const QColor c = shot.pixelColor(at);
            QVERIFY2(c.red() + c.green() + c.blue() < 3 * 230,
                     qPrintable(QStringLiteral("(%1,%2) is %3").arg(at.x()).arg(at.y()).arg(c.name())));
        }
    }

    void theTotalsShowEveryFigureTheStoreCanReach()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        store.setMoney(1'000'000'000); // the most the game holds
        for (int row = 0; row < 8; ++row)
            typeQuantity(store, row, QStringLiteral("99"));
        store.ForwardClick();
        for (int row = 0; row < 8; ++row)
            typeQuantity(store, row, QStringLiteral("99"));
        store.ForwardClick();
        for (int row = 0; row < 8; ++row)
            typeQuantity(store, row, QStringLiteral("99"));
        QVERIFY(store.tp1->text().toInt() > 10000);
        for (QLabel* figure : {store.tp1, store.ym1}) {
            const int needed = figure->fontMetrics().horizontalAdvance(figure->text());
            QVERIFY2(needed <= figure->contentsRect().width(),
                     qPrintable(figure->objectName() + " cuts " + figure->text()));
            // and stays clear of the words beside it
            QVERIFY(!figure->geometry().intersects(store.Label4->geometry()) ||
                    figure == store.tp1);
        }
        QVERIFY(store.ym1->geometry().right() < store.Label4->geometry().left());
    }

    void theUpDownPastTheLimitDropsTheRowToZero()
    {
        possessions().ItemCount[169] = 95;
        TStore store;
        openVisit(store, PaintingsTag);
        typeQuantity(store, 1, QStringLiteral("5"));
        store.u[1]->stepUp();
        QCOMPARE(store.e[1]->text(), QStringLiteral("0"));
        QCOMPARE(store.c[1]->text(), QStringLiteral("$0"));
        QCOMPARE(store.tp1->text(), QStringLiteral("0"));
    }

    void quantitiesOnEveryPageAreBoughtTogether()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        typeQuantity(store, 0, QStringLiteral("2")); // lb of flour, $1
        store.ForwardClick();
        store.ForwardClick();
        typeQuantity(store, 5, QStringLiteral("3")); // lb of rutabaga, $5
        typeQuantity(store, 7, QStringLiteral("1")); // jar of fruit preserves, $2
        QCOMPARE(store.tp1->text(), QStringLiteral("19"));
        store.Purchase->click();
        QCOMPARE(store.ym1->text(), QStringLiteral("31"));
        QCOMPARE(owned(312), std::uint8_t{2});
        QCOMPARE(owned(333), std::uint8_t{3});
        QCOMPARE(owned(335), std::uint8_t{1});
        QCOMPARE(goods::TPItems(), 3);
    }

    void cancelBuysNothing()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        typeQuantity(store, 0, QStringLiteral("5"));
        store.Cancel->click();
        QVERIFY(!store.isVisible());
        QCOMPARE(store.ym1->text(), QStringLiteral("50"));
        QCOMPARE(owned(312), std::uint8_t{0});
        QCOMPARE(store.Purchase->Tag, 0);
    }

    void badTypedQuantitiesAreRefusedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters")
            << "abc"
            << "\"abc\" is not a number.  Type how many you want to buy, like 2.";
        QTest::newRow("a decimal")
            << "1.5"
            << "\"1.5\" is not a number.  Type how many you want to buy, like 2.";
        QTest::newRow("negative")
            << "-3"
            << "-3 is less than nothing.  Type how many you want to buy, like 2.";
        QTest::newRow("very negative")
            << "-100"
            << "-100 is less than nothing.  Type how many you want to buy, like 2.";
    }

    void badTypedQuantitiesAreRefusedAndLoseNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TStore store;
        openVisit(store, ProvisionsTag);
        typeQuantity(store, 0, QStringLiteral("4"));
        typeQuantity(store, 3, QStringLiteral("2")); // lb of rice, $1
        ErrorCapture errors;
        typeQuantity(store, 3, typed);
        QCOMPARE(errors.messages, QStringList{message});
        // The row shows and keeps what it had.
        QCOMPARE(store.e[3]->text(), QStringLiteral("2"));
        QCOMPARE(store.c[3]->text(), QStringLiteral("$2"));
        QCOMPARE(store.tp1->text(), QStringLiteral("6"));
        QCOMPARE(store.ym1->text(), QStringLiteral("50"));
        store.Purchase->click();
        QCOMPARE(store.ym1->text(), QStringLiteral("44"));
        QCOMPARE(owned(315), std::uint8_t{2});
        QCOMPARE(owned(312), std::uint8_t{4});
    }

    void aMessageBoxTakingTheFocusDoesNotRecomputeTheRow()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        store.e[1]->setText(QStringLiteral("abc"));
        ErrorCapture errors;
        QFocusEvent toAnotherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(store.e[1], &toAnotherWindow);
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(store.e[1]->text(), QStringLiteral("abc"));
    }

    void enterInAQuantityBoxDoesNotBuy()
    {
        TStore store;
        openVisit(store, ProvisionsTag);
        store.e[0]->setFocus();
        QTest::keyClicks(store.e[0], QStringLiteral("5"));
        QTest::keyClick(store.e[0], Qt::Key_Return);
        QVERIFY(store.isVisible());
        QCOMPARE(store.ym1->text(), QStringLiteral("50"));
    }

    void eachRowIsNamedByItsItemAgainWhenThePageTurns_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("pagesOn");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("items");
        QTest::newRow("paintings, first row") << PaintingsTag << 0 << 0 << "wolf paintings";
        QTest::newRow("paintings, page 2") << PaintingsTag << 1 << 7 << "toy rabbits";
        QTest::newRow("provisions") << ProvisionsTag << 0 << 0 << "lbs of flour";
        QTest::newRow("provisions, last page")
            << ProvisionsTag << 2 << 7 << "jars of fruit preserves";
    }

    void eachRowIsNamedByItsItemAgainWhenThePageTurns()
    {
        QFETCH(int, tag);
        QFETCH(int, pagesOn);
        QFETCH(int, row);
        QFETCH(QString, items);
        TStore store;
        openVisit(store, tag);
        for (int page = 0; page < pagesOn; ++page)
            store.ForwardClick();
        QCOMPARE(store.e[row]->accessibleName(), "How many " + items + " to buy");
        QCOMPARE(store.u[row]->accessibleName(), "More or fewer " + items);
    }

    void aRowTellsTheReaderWhatItHolds()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        store.u[0]->stepUp();
        store.u[0]->stepUp();
        const QString holds = QStringLiteral("You have 0.  $9 each.  This row costs $18.");
        QCOMPARE(QAccessible::queryAccessibleInterface(store.e[0])->text(QAccessible::Description),
                 holds);
        QCOMPARE(store.u[0]->accessibleDescription(), holds);
    }

    void tabTakesTheRowsThenThePagingAndTheButtons()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        QCOMPARE(store.focusWidget(), store.e[0]); // ready to type
        QStringList visited;
        for (int tab = 0; tab < 20; ++tab) {
            visited << store.focusWidget()->objectName();
            QTest::keyClick(store.focusWidget(), Qt::Key_Tab);
        }
        // Back is off on the first page; the hidden notice's Okay is passed.
        QCOMPARE(visited, (QStringList{"e1", "e2",      "u2",       "e3",     "u3", "e4", "u4",
                                       "e5", "u5",      "e6",       "u6",     "e7", "u7", "e8",
                                       "u8", "Forward", "Purchase", "Cancel", "u1", "e1"}));
    }

    void theKeyboardStepsTurnsAndBuys()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        AnnouncementSpy spy(&store);
        QTest::keyClick(store.u[0], Qt::Key_Up);
        QTest::keyClick(store.u[0], Qt::Key_Up);
        QTest::keyClick(store.u[0], Qt::Key_Down);
        QCOMPARE(store.e[0]->text(), QStringLiteral("1"));
        QCOMPARE(store.tp1->text(), QStringLiteral("9"));
        QTest::keyClick(store.Forward, Qt::Key_Return);
        QCOMPARE(store.visit.PageStart, std::int8_t{8});
        QCOMPARE(spy.texts.value(0), QStringLiteral("Page 2 of 3, from raccoon paintings."));
        QTest::keyClick(store.Back, Qt::Key_Space);
        QCOMPARE(store.visit.PageStart, std::int8_t{0});
        QTest::keyClick(store.Purchase, Qt::Key_Return);
        QVERIFY(!store.isVisible());
        QCOMPARE(store.money(), 41);
    }

    void theNotEnoughMoneyNoticeIsSaidAndItsOkayTakesTheFocus()
    {
        TStore store;
        openVisit(store, PaintingsTag);
        store.setMoney(5);
        AnnouncementSpy spy(&store);
        store.u[0]->stepUp(); // $9
        QTest::keyClick(store.Purchase, Qt::Key_Return);
        QVERIFY(store.Panel1->isVisible());
        QCOMPARE(store.focusWidget(), store.Okay);
        QCOMPARE(spy.texts, QStringList{store.Label5->text()});
        QTest::keyClick(store.Okay, Qt::Key_Return);
        QVERIFY(!store.Panel1->isVisible());
        QCOMPARE(store.focusWidget(), store.Purchase);
        QCOMPARE(store.money(), 5);
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"

#pragma once

// The store window, "Purchase Items", used by the flea market's shops and by
// the trading posts on the trail. It shows one list of the catalogue in three
// pages of eight rows; the player sets a quantity per row and buys everything
// chosen on all three pages with one Purchase click.
//
// Openers set Tag (which list, see goods::Converts), load the background,
// show the window modally and compare the money before and after. The money
// lives as the text of ym1 and carries over from visit to visit.
//
// The keyboard reaches every row, the paging and the buttons; each quantity
// box and up-down is named for a screen reader by the item of its row
// (storeaccess.cpp).

#include "platform/form.h"
#include "shops/purchase.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace savedgame {
struct SavedGame;
}
namespace platform {
class BevelPanel;
class BitBtn;
class PictureBox;
class UpDown;
} // namespace platform

class TStore : public platform::Form {
    Q_OBJECT

public:
    explicit TStore(QWidget* parent = nullptr);

    // The backgrounds the openers load into Image1.
    static constexpr const char* FleaMarketBackground = "storelist";
    static constexpr const char* TradingPostBackground = "postlist";

    static constexpr int Rows = goods::PageRows;

    platform::PictureBox* Image1;
    QWidget* BuyPanel;
    QLabel* Label1;
    QLabel* Label2;
    // Row k (0..7) of the page: owned count, quantity box and its up-down,
    // name, unit price, row total (y1, e1, u1, item1, uc1, c1 for k = 0).
    std::array<QLabel*, Rows> y{};
    std::array<QLineEdit*, Rows> e{};
    std::array<platform::UpDown*, Rows> u{};
    std::array<QLabel*, Rows> item{};
    std::array<QLabel*, Rows> uc{};
    std::array<QLabel*, Rows> c{};
    QLabel* Label3;
    QLabel* ym1; // the party's money, whole dollars
    QLabel* Label4;
    QLabel* tp1; // what this visit's rows cost together
    // The not-enough-money notice.
    platform::BevelPanel* Panel1;
    QLabel* Label5;
    QPushButton* Okay;
    // Its Tag is 1 after a purchase, until the flea market's inventory button
    // has shown what was bought.
    platform::BitBtn* Purchase;
    QPushButton* Cancel;
    platform::BitBtn* Back;
    platform::BitBtn* Forward;

    // The chosen quantities and the page of the current visit.
    goods::StoreVisit visit;

    // The money and the visit's total, read from their labels.
    int money() const;
    void setMoney(int dollars);
    int total() const;

    // The catalogue list this visit shows, from Tag.
    int Converts() const;
    // Loads a background picture (FleaMarketBackground or
    // TradingPostBackground); raises when the picture is missing.
    void LoadBackground(const QString& name);

    // Starts a visit when the window becomes active after being shown.
    void FormActivate() override;
    // Recomputes row `row` of the page after its quantity may have changed:
    // `typed` into its box, or stepped with its up-down.
    void AddIt(QLineEdit* edit, int row, QLabel* have, QLabel* cost, bool typed = true);
    // Carries out the purchase, or shows the not-enough-money notice.
    void Calc();

    // A trade with a spirit: the thing on line `trade` of the trail screen's
    // trade list is received for the whole stock of `item`.
    void Trades(int trade, int item);
    // Rebuilds the inventory view's list of things received in trades.
    void WriteTradeData();

    // Saved games: the owned counts and the first 50 trade flags, then the
    // trail screen's catch list and party names.
    void SaveData(savedgame::SavedGame& game) const;
    // Takes them back from a saved game that has been checked, and rebuilds
    // the list of things received in trades.
    void ReadData(const savedgame::SavedGame& game);

    // u1Click..u8Click and e1Exit..e8Exit: row k's up-down was clicked, or
    // its quantity box lost the focus.
    void uClick(int row);
    void eExit(int row);
    void ForwardClick();
    void BackClick();
    void PurchaseClick();
    void OkayClick();
    void CancelClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void languageChanged() override;

private:
    void createRows();
    void createTotals();
    void createNotice();
    void createButtons();
    // The money and total labels' dollar signs just before their figures.
    void fitTotalsLabels();
    void StartVisit();
    // Shows the page at visit.PageStart.
    void SetVars();
    // One row's quantity box and total from the visit.
    void SetIt(int row);
    // One row's owned count, name and unit price.
    void SetList(int row, int itemNumber);
    void setUpAccess();
    // Names the row's controls by its item and tells what the row holds.
    void nameRow(int row);
    void describeRow(int row);
    // Says which page is shown, after a turn.
    void announcePage();

    bool visitStarted_ = false;
    QString background_; // the picture last loaded behind the rows
    // The catalogue's number of each row's item; -1 before the first page.
    std::array<int, Rows> rowItem_ = [] {
        std::array<int, Rows> none{};
        none.fill(-1);
        return none;
    }();
};

#pragma once

// The inventory view: what the party has, fifteen lines a page. A selector
// chooses the list (goods from the flea market, goods from the trading
// posts, things received in trades, the food reserves, the fish caught);
// Back and Forward page through lists longer than a page. The view only
// reads; the list shown and its page are kept from one opening to the next.
// The keyboard reaches the selector (arrow keys choose a list) and the
// buttons; a page turned is announced to screen readers.

#include "platform/form.h"
#include "shops/possessions.h"

#include <QStringList>
#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace platform {
class BevelPanel;
class BitBtn;
class PictureBox;
} // namespace platform

// The page of the inventory view, kept for the whole run.
struct InventoryPage {
    std::int32_t InvStart = 0; // first line shown: 0, 15, 30, ...
    std::int32_t InvCount = 0; // lines of the selected list, as last counted
};
InventoryPage& inventoryPage();
// The first page again (tests only).
void resetInventoryPage();

class TInventory : public platform::Form {
    Q_OBJECT

public:
    // The list shown, held in Tag: the index of the selector's entry.
    enum ListKind { FleaMarketItems, TradingPostItems, TradedItems, GameReserves, FishCaught };
    static constexpr int Lines = goods::InventoryLines;

    explicit TInventory(QWidget* parent = nullptr);

    static constexpr const char* Background = "invlist";

    platform::PictureBox* Image1;
    QComboBox* Select;
    std::array<QLabel*, Lines> L{}; // L1 .. L15, top to bottom
    platform::BevelPanel* Panel1;
    QPushButton* Close1;
    platform::BitBtn* Back;
    platform::BitBtn* Forward;
    // The things received in trades, one a line; never shown itself.
    QListWidget* TList;

    // Offers the trail's lists besides the flea market's goods.
    void ShowList();
    // Fills the page of the selected list.
    void ReadData();
    // Counts the selected list and shows the paging buttons when it is
    // longer than a page.
    void Hands();
    void ListTrade();
    void ListFish();
    void GameWt();

    void SelectChange();
    void ForwardClick();
    void BackClick();
    void Close1Click();

    void FormActivate() override;

protected:
    // The list selector has the focus as the view opens.
    void FormShow() override;
    void languageChanged() override;

private:
    // Says which lines of how many the page shows, after a turn.
    void announcePage();
    void createLines();
    void createButtons();
    void showLines(const QStringList& list);
    // Keeps the page inside a list that shrank and the paging buttons in
    // step with the page shown.
    void fitPage();
    void enablePaging();
};

#include "inventory.h"

#include "activities/catchnames.h"
#include "activities/reserves.h"
#include "activities/tradelist.h"
#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/pagearrows.h"
#include "shops/possessions.h"
#include "trail/game.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <vector>

using platform::guard;
using platform::TextRole;

namespace {

// The lists the inventory shows, in the order of its choice box.
constexpr std::array<const char*, 5> ListNames{
    QT_TRANSLATE_NOOP("TInventory", "Flea Market Items"),
    QT_TRANSLATE_NOOP("TInventory", "Trading Post Items"),
    QT_TRANSLATE_NOOP("TInventory", "Traded Items"),
    QT_TRANSLATE_NOOP("TInventory", "Game Reserves"),
    QT_TRANSLATE_NOOP("TInventory", "Fish Caught"),
};

// The inventory's fixed words, in the language in view.
void words(QObject* object, const char* source, TextRole role = TextRole::Shown)
{
    platform::setTranslatedText(object, "TInventory", source, role);
}

} // namespace

InventoryPage& inventoryPage()
{
    static InventoryPage page;
    return page;
}

void resetInventoryPage()
{
    inventoryPage() = InventoryPage{};
}

TInventory::TInventory(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      Image1(new platform::PictureBox(this)), Select(new QComboBox(this)),
      Panel1(new platform::BevelPanel(this)), TList(new QListWidget(this))
{
    setObjectName(QStringLiteral("Inventory"));
    words(this, QT_TRANSLATE_NOOP("TInventory", "Inventory"));
    setFixedSize(355, 453);
    setFont(platform::sansFont(11));
    platform::fillBackground(this, QColor(102, 52, 31));
    placeCentred();

    Image1->setObjectName(QStringLiteral("Image1"));
    words(Image1, QT_TRANSLATE_NOOP("TInventory", "Inventory background"),
          TextRole::AccessibleName);
    Image1->setGeometry(0, 0, 355, 400);
    // Parchment under the lines until the picture covers it, so they stay
    // readable without it.
    platform::fillBackground(Image1, QColor(238, 226, 196));

    Select->setObjectName(QStringLiteral("Select"));
    words(Select, QT_TRANSLATE_NOOP("TInventory", "Which list"), TextRole::AccessibleName);
    Select->setGeometry(104, 16, 145, 22);
    Select->addItem(tr(ListNames[0]));
    Select->setCurrentIndex(0);
    connect(Select, &QComboBox::activated, this, guard(this, &TInventory::SelectChange));

    TList->setObjectName(QStringLiteral("TList"));
    TList->hide();

    createLines();
    createButtons();

    // A missing background is reported; the view works without it.
    platform::guarded([this] { media::loadJpegInto(Image1, QString::fromLatin1(Background)); });
}

void TInventory::createLines()
{
    for (int k = 0; k < Lines; ++k) {
        L[k] = new QLabel(this);
        L[k]->setObjectName(QLatin1Char('L') + QString::number(k + 1));
        L[k]->setFont(platform::sansFont(16));
        L[k]->setGeometry(40, 46 + 21 * k, 300, 20);
        QPalette palette = L[k]->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        L[k]->setPalette(palette);
    }
}

void TInventory::createButtons()
{
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 397, 355, 56);

    Close1 = new QPushButton(Panel1);
    words(Close1, QT_TRANSLATE_NOOP("TInventory", "&Close"));
    Close1->setObjectName(QStringLiteral("Close1"));
    Close1->setGeometry(144, 16, 75, 25);
    Close1->setAutoDefault(false);
    platform::keyboardButton(Close1);
    connect(Close1, &QPushButton::clicked, this, guard(this, &TInventory::Close1Click));

    Back = new platform::BitBtn(QString(), Panel1);
    words(Back, QT_TRANSLATE_NOOP("TInventory", "&Back"));
    Back->setObjectName(QStringLiteral("Back"));
    Back->setFont(platform::sansFont(13));
    Back->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Back));
    Back->setGeometry(8, 4, 92, 48);
    Back->setEnabled(false);
    connect(Back, &QPushButton::clicked, this, guard(this, &TInventory::BackClick));

    Forward = new platform::BitBtn(QString(), Panel1);
    words(Forward, QT_TRANSLATE_NOOP("TInventory", "&Forward"));
    Forward->setObjectName(QStringLiteral("Forward"));
    Forward->setFont(platform::sansFont(13));
    Forward->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Forward),
                      platform::BitBtn::GlyphSide::Right);
    Forward->setGeometry(258, 4, 89, 48);
    connect(Forward, &QPushButton::clicked, this, guard(this, &TInventory::ForwardClick));
}

void TInventory::ShowList()
{
    // The trail screen is shown once; the entries are never added twice.
    if (Select->count() == 1) {
        for (std::size_t list = 1; list < ListNames.size(); ++list)
            Select->addItem(tr(ListNames[list]));
    }
    Select->setCurrentIndex(0);
}

void TInventory::ReadData()
{
    InventoryPage& page = inventoryPage();
    switch (Tag) {
    case FleaMarketItems:
    case TradingPostItems: {
        const bool market = Tag == FleaMarketItems;
        page.InvCount = market ? goods::FMItems() : goods::TPItems();
        fitPage();
        const goods::GoodsPage shown =
            goods::SetItems(page.InvStart, market ? 0 : goods::FirstProvision);
        for (int k = 0; k < Lines; ++k)
            L[k]->setText(shown.lines[static_cast<std::size_t>(k)]);
        enablePaging();
        break;
    }
    case TradedItems:
        ListTrade();
        break;
    case GameReserves:
        GameWt();
        break;
    case FishCaught:
        ListFish();
        break;
    default:
        break;
    }
}

void TInventory::showLines(const QStringList& list)
{
    InventoryPage& page = inventoryPage();
    page.InvCount = static_cast<std::int32_t>(list.size());
    fitPage();
    for (int k = 0; k < Lines; ++k)
        L[k]->setText(list.value(page.InvStart + k));
    enablePaging();
}

void TInventory::ListTrade()
{
    // A spirit's good given as a remedy is gone from the party's hands.
    std::vector<int> lines;
    for (int line = 0; line < TradeFlagTotal; ++line)
        if (goods::possessions().TradeDone[static_cast<std::size_t>(line)])
            lines.push_back(line);
    QStringList things;
    for (int row = 0; row < TList->count(); ++row) {
        QString thing = shownTradeLine(TList->item(row)->text());
        if (std::size_t(row) < lines.size() && std::size_t(TList->count()) == lines.size() &&
            GameState::inTownSet(gameState().RemediesUsed, lines[std::size_t(row)] + 2))
            thing += tr(" (given as a remedy)");
        things << thing;
    }
    showLines(things);
}

void TInventory::ListFish()
{
    // The catches are kept in English ("2 lb 5 oz bluegill"); the kind of
    // fish is shown in the language in view.
    QStringList catches = Game ? Game->FishList : QStringList();
    for (QString& line : catches)
        line = fishing::shownCatch(line);
    showLines(catches);
}

void TInventory::GameWt()
{
    for (QLabel* line : L)
        line->clear();
    L[0]->setText(GameWeight(false));
    L[2]->setText(GameWeight(true));
    L[4]->setText(OtherFood());
    L[6]->setText(FoodEaten());
}

void TInventory::fitPage()
{
    InventoryPage& page = inventoryPage();
    if (page.InvStart > 0 && page.InvStart >= page.InvCount)
        page.InvStart = page.InvCount > 0 ? (page.InvCount - 1) / Lines * Lines : 0;
}

void TInventory::enablePaging()
{
    const InventoryPage& page = inventoryPage();
    Back->setEnabled(page.InvStart > 0);
    Forward->setEnabled(page.InvStart + Lines < page.InvCount);
}

void TInventory::Hands()
{
    InventoryPage& page = inventoryPage();
    switch (Tag) {
    case FleaMarketItems:
        page.InvCount = goods::FMItems();
        break;
    case TradingPostItems:
        page.InvCount = goods::TPItems();
        break;
    case TradedItems:
        page.InvCount = TList->count();
        break;
    case FishCaught:
        page.InvCount = Game ? static_cast<std::int32_t>(Game->FishList.size()) : 0;
        break;
    default:
        page.InvCount = 0;
        break;
    }
    const bool paged = page.InvCount > Lines;
    Forward->setVisible(paged);
    Back->setVisible(paged);
}

void TInventory::SelectChange()
{
    Tag = std::max(0, Select->currentIndex());
    inventoryPage().InvStart = 0;
    ReadData();
    Hands();
}

void TInventory::ForwardClick()
{
    InventoryPage& page = inventoryPage();
    if (page.InvStart + Lines >= page.InvCount)
        return;
    page.InvStart += Lines;
    ReadData();
    announcePage();
}

void TInventory::BackClick()
{
    InventoryPage& page = inventoryPage();
    if (page.InvStart == 0)
        return;
    page.InvStart = std::max(0, page.InvStart - Lines);
    ReadData();
    announcePage();
}

void TInventory::Close1Click()
{
    close();
}

void TInventory::FormActivate()
{
    Hands();
}

void TInventory::languageChanged()
{
    for (int list = 0; list < Select->count(); ++list)
        Select->setItemText(list, tr(ListNames[static_cast<std::size_t>(list)]));
    // The lines in view, in the new words and counts.
    if (isVisible())
        ReadData();
}

void TInventory::FormShow()
{
    Select->setFocus(Qt::OtherFocusReason);
}

void TInventory::announcePage()
{
    const InventoryPage& page = inventoryPage();
    const int last = std::min(page.InvStart + Lines, page.InvCount);
    platform::announce(this, tr("Lines %1 to %2 of %3: %4")
                                 .arg(page.InvStart + 1)
                                 .arg(last)
                                 .arg(page.InvCount)
                                 .arg(L[0]->text()));
}

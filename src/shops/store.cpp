#include "store.h"

#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "platform/updown.h"
#include "shell/savedgame.h"
#include "shell/screens.h"
#include "shell/wholenumber.h"
#include "shops/goodsnames.h"
#include "shops/inventory.h"
#include "shops/pagearrows.h"
#include "shops/possessions.h"
#include "trail/game.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

using platform::guard;
using platform::TextRole;

namespace {

// The store's fixed words, in the language in view.
void words(QObject* object, const char* source, TextRole role = TextRole::Shown)
{
    platform::setTranslatedText(object, "TStore", source, role);
}

// A translated "Your money:     $" keeps its dollar sign just before the
// figure it introduces, as the English does: as many blanks before the sign
// as fit in front of the figure. The English stays as it is written.
void fitBeforeFigure(QLabel* label, const QLabel* figure)
{
    const QString text = label->text();
    if (text == platform::englishText(label) || !text.endsWith(QLatin1Char('$')))
        return;
    const QString words = text.chopped(1).trimmed();
    const int room = figure->x() - label->x();
    const QFontMetrics metrics = label->fontMetrics();
    QString fitted = words + QStringLiteral(" $");
    for (QString wider = words + QStringLiteral("  $"); metrics.horizontalAdvance(wider) <= room;
         wider.insert(words.size(), QLatin1Char(' ')))
        fitted = wider;
    label->setText(fitted);
    label->resize(std::max(label->width(), std::min(room, metrics.horizontalAdvance(fitted))),
                  label->height());
}

constexpr std::array<int, TStore::Rows> RowTops{25, 60, 95, 130, 169, 204, 237, 272};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(left, top, width, 17);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QString dollars(int amount)
{
    return QLatin1Char('$') + QString::number(amount);
}

} // namespace

TStore::TStore(QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      Image1(new platform::PictureBox(this)), BuyPanel(new QWidget(this))
{
    setObjectName(QStringLiteral("Store"));
    words(this, QT_TRANSLATE_NOOP("TStore", "Purchase Items"));
    setFixedSize(640, 456);
    setFont(platform::sansFont(11));
    platform::fillBackground(this, Qt::white);
    placeCentred();

    Image1->setObjectName(QStringLiteral("Image1"));
    words(Image1, QT_TRANSLATE_NOOP("TStore", "Store background"), TextRole::AccessibleName);
    Image1->setGeometry(2, 0, 636, 452);
    Image1->setStretch(false);
    Image1->setAutoSize(true);

    BuyPanel->setObjectName(QStringLiteral("BuyPanel"));
    BuyPanel->setGeometry(82, 64, 497, 321);
    BuyPanel->setFont(platform::sansFont(13));
    platform::fillBackground(BuyPanel, Qt::white);
    Label1 = makeLabel(BuyPanel, QStringLiteral("Label1"), QString(), 0, 0, 153);
    words(Label1, QT_TRANSLATE_NOOP("TStore", "You have:     Buy:"));
    Label2 = makeLabel(BuyPanel, QStringLiteral("Label2"), QString(), 296, 0, 180);
    words(Label2, QT_TRANSLATE_NOOP("TStore", "Unit Cost          Total Cost"));

    createRows();
    createTotals();
    createNotice();
    createButtons();
    setUpAccess();
}

void TStore::createRows()
{
    for (int k = 0; k < Rows; ++k) {
        const QString n = QString::number(k + 1);
        const int top = RowTops[static_cast<std::size_t>(k)];
        y[k] = makeLabel(BuyPanel, QLatin1Char('y') + n, QStringLiteral("0"), 19, top, 40);

        e[k] = new QLineEdit(QStringLiteral("0"), BuyPanel);
        e[k]->setObjectName(QLatin1Char('e') + n);
        e[k]->setGeometry(68, top, 21, 22);
        e[k]->setTextMargins(-2, 0, -2, 0); // two digits fit the narrow box
        e[k]->installEventFilter(this);

        u[k] = new platform::UpDown(BuyPanel);
        u[k]->setObjectName(QLatin1Char('u') + n);
        u[k]->setGeometry(89, top, 15, 22);
        u[k]->setRange(0, 99);
        u[k]->setAssociate(e[k]);
        connect(u[k], &platform::UpDown::clicked, this,
                [this, k] { platform::guarded([&] { uClick(k); }); });

        item[k] =
            makeLabel(BuyPanel, QStringLiteral("item") + n, QStringLiteral("?"), 120, top, 175);
        // Prices and totals end under the ends of their column headings.
        uc[k] = makeLabel(BuyPanel, QStringLiteral("uc") + n, QStringLiteral("$0"), 304, top, 40,
                          Qt::AlignRight);
        c[k] = makeLabel(BuyPanel, QLatin1Char('c') + n, QStringLiteral("$0"), 404, top, 40,
                         Qt::AlignRight);
    }
    // Only the first box takes at most two characters; the others take any text.
    e[0]->setMaxLength(2);

    setTabOrder(u[0], e[0]);
    QWidget* previous = e[0];
    for (int k = 1; k < Rows; ++k) {
        // u1, e1, e2, u2, e3, u3, ... e8, u8
        setTabOrder(previous, e[k]);
        setTabOrder(e[k], u[k]);
        previous = u[k];
    }
}

void TStore::createTotals()
{
    Label3 = makeLabel(BuyPanel, QStringLiteral("Label3"), QString(), 40, 303, 105);
    words(Label3, QT_TRANSLATE_NOOP("TStore", "Your money:     $"));
    // The figures follow their dollar signs and have room for every sum the
    // game can hold (a visit's total reaches 24,000; money a billion).
    ym1 = makeLabel(BuyPanel, QStringLiteral("ym1"), QStringLiteral("50"), 142, 303, 100);
    Label4 = makeLabel(BuyPanel, QStringLiteral("Label4"), QString(), 256, 303, 130);
    words(Label4, QT_TRANSLATE_NOOP("TStore", "Total Purchases:     $"));
    tp1 = makeLabel(BuyPanel, QStringLiteral("tp1"), QStringLiteral("0"), 380, 303, 100);
    fitTotalsLabels();
}

void TStore::createNotice()
{
    Panel1 = new platform::BevelPanel(BuyPanel);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(Qt::yellow);
    Panel1->setBevels(platform::BevelPanel::Bevel::Raised, platform::BevelPanel::Bevel::None, 1,
                      10);
    Panel1->setGeometry(144, 144, 185, 153);
    Panel1->hide();

    Label5 = new QLabel(Panel1);
    Label5->setObjectName(QStringLiteral("Label5"));
    words(Label5, QT_TRANSLATE_NOOP(
                      "TStore", "You can't make these purchases.  You don't have enough money!"));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setGeometry(11, 11, 185 - 22, 153 - 22);

    Okay = new QPushButton(Panel1);
    words(Okay, QT_TRANSLATE_NOOP("TStore", "&Okay"));
    words(Okay,
          QT_TRANSLATE_NOOP("TStore",
                            "You can't make these purchases.  You don't have enough money!"),
          TextRole::AccessibleDescription);
    Okay->setObjectName(QStringLiteral("Okay"));
    Okay->setGeometry(48, 88, 75, 25);
    Okay->setAutoDefault(false);
    connect(Okay, &QPushButton::clicked, this, guard(this, &TStore::OkayClick));
}

void TStore::createButtons()
{
    Purchase = new platform::BitBtn(QString(), this);
    words(Purchase, QT_TRANSLATE_NOOP("TStore", "&Purchase"));
    Purchase->setObjectName(QStringLiteral("Purchase"));
    Purchase->setFont(platform::sansFont(16));
    Purchase->setGeometry(220, 405, 97, 33);
    connect(Purchase, &QPushButton::clicked, this, guard(this, &TStore::PurchaseClick));

    Cancel = new QPushButton(this);
    words(Cancel, QT_TRANSLATE_NOOP("TStore", "&Cancel"));
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setFont(platform::sansFont(16));
    Cancel->setGeometry(348, 405, 97, 33);
    Cancel->setAutoDefault(false);
    connect(Cancel, &QPushButton::clicked, this, guard(this, &TStore::CancelClick));

    Back = new platform::BitBtn(QString(), this);
    words(Back, QT_TRANSLATE_NOOP("TStore", "&Back"));
    Back->setObjectName(QStringLiteral("Back"));
    Back->setFont(platform::sansFont(13));
    Back->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Back));
    Back->setGeometry(96, 395, 92, 48);
    connect(Back, &QPushButton::clicked, this, guard(this, &TStore::BackClick));

    Forward = new platform::BitBtn(QString(), this);
    words(Forward, QT_TRANSLATE_NOOP("TStore", "&Forward"));
    Forward->setObjectName(QStringLiteral("Forward"));
    Forward->setFont(platform::sansFont(13));
    Forward->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Forward),
                      platform::BitBtn::GlyphSide::Right);
    Forward->setGeometry(496, 395, 89, 48);
    Forward->setEnabled(false);
    connect(Forward, &QPushButton::clicked, this, guard(this, &TStore::ForwardClick));
}

void TStore::fitTotalsLabels()
{
    fitBeforeFigure(Label3, ym1);
    fitBeforeFigure(Label4, tp1);
}

int TStore::money() const
{
    return goods::toWholeNumber(ym1->text());
}

void TStore::setMoney(int dollarsLeft)
{
    ym1->setText(QString::number(dollarsLeft));
}

int TStore::total() const
{
    return goods::toWholeNumber(tp1->text());
}

int TStore::Converts() const
{
    return goods::Converts(Tag);
}

void TStore::LoadBackground(const QString& name)
{
    background_ = name;
    media::loadJpegInto(Image1, name);
    // The picture leaves a strip of the window along three edges: it takes
    // the colour of the picture's own frame there.
    const QImage& picture = Image1->picture();
    if (!picture.isNull())
        platform::fillBackground(this, picture.pixelColor(0, picture.height() - 1));
}

void TStore::FormShow()
{
    // The visit starts as the window appears, before any click can reach it;
    // the activation that follows belongs to the same visit.
    visitStarted_ = false;
    FormActivate();
}

void TStore::FormActivate()
{
    // Coming back from a message box activates the window again; the
    // quantities chosen so far stay.
    if (visitStarted_)
        return;
    visitStarted_ = true;
    StartVisit();
}

void TStore::StartVisit()
{
    visit.start(Converts());
    tp1->setText(QStringLiteral("0"));
    Panel1->hide();
    SetVars();
    Back->setEnabled(false);
    Forward->setEnabled(true);
    // Ready to type how many of the first item.
    e[0]->setFocus(Qt::OtherFocusReason);
}

void TStore::SetVars()
{
    const int base = visit.ListBase + visit.PageStart;
    for (int k = 0; k < Rows; ++k) {
        SetIt(k);
        SetList(k, base + k);
    }
}

void TStore::SetIt(int row)
{
    const auto position = static_cast<std::size_t>(visit.PageStart + row);
    const int quantity = visit.BuyQty[position];
    u[row]->setPosition(quantity);
    // The up-down stops at 99; a typed 100 still shows as 100.
    e[row]->setText(QString::number(quantity));
    c[row]->setText(dollars(visit.RowCost[position]));
    describeRow(row);
}

void TStore::SetList(int row, int itemNumber)
{
    y[row]->setText(
        QString::number(goods::possessions().ItemCount.at(static_cast<std::size_t>(itemNumber))));
    rowItem_[static_cast<std::size_t>(row)] = itemNumber;
    item[row]->setText(goods::shownItemName(itemNumber, 1));
    uc[row]->setText(dollars(goods::ItemPrice(itemNumber)));
    nameRow(row);
}

void TStore::AddIt(QLineEdit* edit, int row, QLabel* have, QLabel* cost, bool typed)
{
    const QString text = edit->text();
    const int owned = goods::toWholeNumber(have->text());
    const goods::QuantityReading reading = goods::readQuantity(text, owned);
    const bool refused = reading.problem != goods::QuantityProblem::None;
    if (refused && (typed || reading.problem != goods::QuantityProblem::OverLimit)) {
        // The row keeps its quantity and total; the box shows them again.
        SetIt(row);
        platform::raise(goods::refusedQuantityMessage(text, reading.problem, owned));
    }
    if (refused) // the up-down stepped past what can be owned: the row starts again at 0
        edit->setText(QStringLiteral("0"));
    const int position = visit.PageStart + row;
    cost->setText(dollars(visit.setRow(position, reading.quantity)));
    tp1->setText(QString::number(visit.total()));
    describeRow(row);
}

void TStore::uClick(int row)
{
    AddIt(e[row], row, y[row], c[row], false);
}

void TStore::eExit(int row)
{
    AddIt(e[row], row, y[row], c[row]);
}

bool TStore::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving the box for another control of this window; not the window
        // losing activation to a message box or a menu.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int k = 0; k < Rows; ++k) {
                if (watched == e[k])
                    platform::guarded([&] { eExit(k); });
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void TStore::ForwardClick()
{
    if (!visit.pageForward())
        return;
    SetVars();
    if (visit.onLastPage())
        Forward->setEnabled(false);
    Back->setEnabled(true);
    announcePage();
}

void TStore::BackClick()
{
    if (!visit.pageBack())
        return;
    SetVars();
    Forward->setEnabled(true);
    if (visit.onFirstPage())
        Back->setEnabled(false);
    announcePage();
}

void TStore::Calc()
{
    const int m = money();
    const int t = total();
    if (m < t) {
        Panel1->show();
        Panel1->raise();
        Okay->setFocus(Qt::OtherFocusReason);
        platform::announce(Label5, Label5->text());
        return;
    }
    setMoney(m - t);
    visit.addTo(goods::possessions());
    Purchase->Tag = 1;
    close();
}

void TStore::PurchaseClick()
{
    Calc();
}

void TStore::OkayClick()
{
    Panel1->hide();
    // Back to the button that brought the notice up.
    Purchase->setFocus(Qt::OtherFocusReason);
}

void TStore::CancelClick()
{
    close();
}

void TStore::Trades(int trade, int itemNumber)
{
    goods::recordTrade(trade, itemNumber);
    WriteTradeData();
}

void TStore::WriteTradeData()
{
    if (!Inventory)
        return;
    Inventory->TList->clear();
    Inventory->TList->addItems(goods::receivedThings(Game ? Game->TradeList : QStringList()));
}

void TStore::SaveData(savedgame::SavedGame& game) const
{
    const goods::Possessions& owned = goods::possessions();
    game.main.ItemCount = owned.ItemCount;
    std::copy_n(owned.TradeDone.begin(), savedgame::SavedTradeFlags, game.main.TradeDone.begin());
    if (Game)
        Game->SaveNames(game);
}

void TStore::ReadData(const savedgame::SavedGame& game)
{
    goods::Possessions& owned = goods::possessions();
    owned.ItemCount = game.main.ItemCount;
    // The flags after the first 50 are not kept in a saved game: the trades
    // they stand for count as not done.
    owned.TradeDone.fill(0);
    std::copy(game.main.TradeDone.begin(), game.main.TradeDone.end(), owned.TradeDone.begin());
    WriteTradeData();
    if (Game)
        Game->GetNames(game);
}

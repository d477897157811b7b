// Trading with spirits, and buying at the trading post's counter.

#include "activities/tradelist.h"
#include "game.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/messagepump.h"
#include "platform/randomsource.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/goodsnames.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/towncontent.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// The spirit of this town is asked by its own pronoun.
// "Will you give her 2 wolf paintings in exchange for some snakeroot?", made
// again in the language the player turns to, from the same offer.
void putOffer(QLabel* label, int item, int offer)
{
    const bool female = townContent(gameState().Town).female;
    platform::setLiveText(label, [female, item, offer] {
        const QString asked = female ? TGame::tr("Will you give her %1 in exchange for %2?")
                                     : TGame::tr("Will you give him %1 in exchange for %2?");
        return asked.arg(goods::GetItemName(item), shownTradeLine(tradeListLines().value(offer)));
    });
}

} // namespace

void TGame::MakeTrade()
{
    const GameState& s = gameState();
    TradePanel->move(s.PicLeft, s.PicTop + 110);
    TradeItems();
    TradePanel->show();
    TradePanel->raise();
    tellOffer();
}

void TGame::tellOffer()
{
    QString words = Label5->text();
    if (Received->isVisibleTo(this))
        words = Received->text() + QStringLiteral("  ") + words;
    platform::announce(this, words);
    QPushButton* first = Button1->isVisibleTo(this) ? Button1 : Button3;
    if (TradePanel->isVisibleTo(this) && !TradePanel->isAncestorOf(focusWidget()))
        first->setFocus(Qt::OtherFocusReason);
}

void TGame::TradeItems()
{
    GameState& s = gameState();
    platform::setTranslatedText(TradeLabel, "TGame", QT_TRANSLATE_NOOP("TGame", "Make a trade?"));
    Received->hide();
    if (platform::gameRandom().seededDraw() % 1000 < 800) {
        TradeAnyItem();
        return;
    }
    // A special offer, one and two in turn for the whole run.
    s.SpecialOfferToggle = static_cast<std::uint8_t>(1 - s.SpecialOfferToggle);
    if (s.SpecialOfferToggle == 1)
        TradeItemTwo();
    else
        TradeItemOne();
}

void TGame::TradeItemOne()
{
    tradeSpecialOffer(townContent(gameState().Town).offerOne);
}

void TGame::TradeItemTwo()
{
    tradeSpecialOffer(townContent(gameState().Town).offerTwo);
}

void TGame::tradeSpecialOffer(const TownContent::SpecialOffer& offer)
{
    if (offer.firstCandidate >= 0)
        UHave(offer.firstCandidate, offer.secondCandidate);
    // A special offer that cannot be made becomes a general one.
    if (gameState().TradeRound < 2)
        TradeAnyItem();
}

void TGame::UHave(int firstCandidate, int secondCandidate)
{
    GameState& s = gameState();
    s.TradeOffer = s.Town - 2;
    s.TradeItem = s.Stage == 1 ? firstCandidate : secondCandidate;
    if (!goods::YouHave(s.TradeOffer, s.TradeItem)) {
        s.TradeRound = 1;
        return;
    }
    putOffer(Label5, s.TradeItem, s.TradeOffer);
    s.TradeRound = static_cast<std::int8_t>(s.TradeRound + 1);
}

void TGame::TradeAnyItem()
{
    GameState& s = gameState();
    const int owned = goods::FMItems();
    if (owned == 0) {
        TradeLabel->hide();
        Button1->hide();
        Button2->hide();
        platform::setTranslatedText(Label5, "TGame",
                                    QT_TRANSLATE_NOOP("TGame", "You have nothing to trade."));
        return;
    }
    const int k = platform::gameRandom().seededDraw() % (owned * 100) / 100 + 1;
    s.TradeItem = goods::GetListNumber(k);
    s.TradeOffer =
        platform::gameRandom().seededDraw() % 9 + (s.SpiritNo > 2 ? 38 : FirstTrifleLine);
    putOffer(Label5, s.TradeItem, s.TradeOffer);
}

void TGame::Button1Click()
{
    silenceRetelling();
    GameState& s = gameState();
    // Named before the trade: the count in the name changes with it.
    // The journal keeps its record in English, whatever the language in view.
    const QString given = goods::englishCountedItem(
        s.TradeItem, goods::possessions().ItemCount.at(static_cast<std::size_t>(s.TradeItem)));
    Store->Trades(s.TradeOffer, s.TradeItem);
    journal.traded(s.Town, given, TradeList.value(s.TradeOffer), s.TradeOffer < FirstTrifleLine);
    if (s.TradeOffer == TalismanLine)
        s.HasTalisman = 1;
    if (s.TradeOffer < FirstTrifleLine) {
        TradePanel->hide();
        if (s.TradeOffer == SnakerootLine)
            s.HasSnakeroot = 1;
        // What the trade earns belongs to the journey it was made in: it is
        // counted now, before other events run.
        s.SnakeVictim = GameState::TradeCompleted;
        s.earnTradePoints();
        // The praise waits until the spirit has finished appearing and speaking.
        const int departures = departures_;
        platform::pumpUntil([this] { return !MPghost->isPlaying(); });
        platform::pumpUntil([this] { return !MPchar->isPlaying(); });
        // The party moved on, or another journey was opened, meanwhile: no
        // praise, no next offer.
        if (departures != departures_)
            return;
        Shows(4);
        TradeItems();
        return;
    }
    // A trifle: the panel says what the party got, then makes the next offer.
    const int got = s.TradeOffer;
    TradeItems();
    platform::setLiveText(Received, [got] {
        return tr("You received %1.").arg(shownTradeLine(tradeListLines().value(got)));
    });
    Received->show();
    tellOffer();
}

void TGame::Button2Click()
{
    TradeItems();
    tellOffer();
}

void TGame::Button3Click()
{
    TradePanel->hide();
    gameState().InstructionStep = 4;
    IP->start();
}

void TGame::openPostStore()
{
    GameState& s = gameState();
    Store->Tag = 50; // the trading post's provisions
    s.MoneyBefore = Store->money();
    Store->ShowModal();
    s.MoneyAfter = Store->money();
    if (s.MoneyAfter < s.MoneyBefore)
        PlayM2(Jingles::PurchaseAtPost.start, Jingles::PurchaseAtPost.end);
    s.PostState = 3;
}

// Trading with spirits, and buying at the trading post's counter.

#include "game.h"

#include "platform/bevelpanel.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "media/mediafiles.h"
#include "shops/store.h"

#include <QLabel>

void TGame::MakeTrade()
{
}

void TGame::openPostStore()
{
    GameState& s = gameState();
    Store->Tag = 50;
    s.MoneyBefore = Store->ym1->text().toInt();
    Store->ShowModal();
    s.MoneyAfter = Store->ym1->text().toInt();
    if (s.MoneyAfter < s.MoneyBefore)
        PlayM2(Jingles::PurchaseAtPost.start, Jingles::PurchaseAtPost.end);
    s.PostState = 3;
}

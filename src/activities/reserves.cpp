#include "reserves.h"

#include "shell/gamestate.h"

QString GameWeight(bool meat)
{
    const GameState& s = gameState();
    if (meat)
        return QStringLiteral("meat in storage: %1 lb").arg(s.MeatLb);
    return QStringLiteral("fish in storage: %1 lb %2 oz").arg(s.FishLb).arg(s.FishOz);
}

#include "reserves.h"

#include "activities/wellbeing.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"

QString GameWeight(bool meat)
{
    const GameState& s = gameState();
    if (meat)
        return QStringLiteral("meat in storage: %1 lb").arg(s.MeatLb);
    return QStringLiteral("fish in storage: %1 lb %2 oz").arg(s.FishLb).arg(s.FishOz);
}

QString OtherFood()
{
    const GameState& s = gameState();
    const int pounds = wellbeing::foodPounds(s, goods::possessions()) - s.FishLb - s.MeatLb;
    return QStringLiteral("other food in storage: %1 lb").arg(pounds);
}

QString FoodEaten()
{
    return QStringLiteral("eaten on the trail so far: %1 lb").arg(gameState().PoundsEaten);
}

#include "reserves.h"

#include "activities/wellbeing.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"

#include <QCoreApplication>

QString GameWeight(bool meat)
{
    const GameState& s = gameState();
    if (meat)
        return QCoreApplication::translate("Reserves", "meat in storage: %1 lb").arg(s.MeatLb);
    return QCoreApplication::translate("Reserves", "fish in storage: %1 lb %2 oz")
        .arg(s.FishLb)
        .arg(s.FishOz);
}

QString OtherFood()
{
    const GameState& s = gameState();
    const int pounds = wellbeing::foodPounds(s, goods::possessions()) - s.FishLb - s.MeatLb;
    return QCoreApplication::translate("Reserves", "other food in storage: %1 lb").arg(pounds);
}

QString FoodEaten()
{
    return QCoreApplication::translate("Reserves", "eaten on the trail so far: %1 lb")
        .arg(gameState().PoundsEaten);
}

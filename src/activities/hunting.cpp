#include "hunting.h"

#include "activities/wellbeing.h"
#include "platform/randomsource.h"

#include <QCoreApplication>
#include <algorithm>

namespace hunting {

QString placeName(int place)
{
    return QString::fromUtf8(place == 0 ? QT_TRANSLATE_NOOP("Hunting", "along the creek")
                                        : QT_TRANSLATE_NOOP("Hunting", "deeper in the woods"));
}

bool hasSpear(const goods::Possessions& p)
{
    return p.TradeDone[static_cast<std::size_t>(SpearTown - 2)] != 0;
}

bool meatStoreFull(const GameState& s)
{
    return s.MeatLb >= wellbeing::MostMeatPounds;
}

bool canHuntIn(const GameState& s, const goods::Possessions& p, int town)
{
    return town >= SpearTown && hasSpear(p) && wellbeing::trailTown(town).woodland &&
           !GameState::inTownSet(s.HuntedIn, town) && !meatStoreFull(s);
}

Hunt hunt(GameState& s, int town, int place, platform::RandomSource& random)
{
    struct Game {
        const char* name;
        int pounds;
    };
    // Where the deer are, the hunters bring one back; elsewhere a turkey,
    // rabbits or only tracks.
    const Game deer{QT_TRANSLATE_NOOP("Hunting", "a deer"), 40};
    const Game others[] = {{QT_TRANSLATE_NOOP("Hunting", "a wild turkey"), 12},
                           {QT_TRANSLATE_NOOP("Hunting", "two rabbits"), 5},
                           {"", 0}};
    const bool deerPlace = random.next() % PlaceCount == place;
    const Game found = deerPlace ? deer : others[random.next() % 3];
    GameState::addToTownSet(s.HuntedIn, town);
    Hunt h;
    h.found = QString::fromUtf8(found.name);
    h.pounds = std::clamp(wellbeing::MostMeatPounds - s.MeatLb, 0, found.pounds);
    s.MeatLb += h.pounds;
    h.storeFull = meatStoreFull(s);
    return h;
}

QString huntTold(const Hunt& h)
{
    // Told in the language in view; the journal keeps the English of h.found.
    const auto words = [](const char* source) {
        return QCoreApplication::translate("Hunting", source);
    };
    if (h.found.isEmpty())
        return words(QT_TRANSLATE_NOOP(
            "Hunting", "The hunters found only old tracks today.  There will be other woods."));
    QString text =
        words(QT_TRANSLATE_NOOP("Hunting", "The hunters come back with %1: %2 lb of meat.  They "
                                           "give thanks for it, as Verunai hunters always did."))
            .arg(words(h.found.toUtf8().constData()))
            .arg(h.pounds);
    if (h.storeFull)
        text +=
            QStringLiteral("  ") +
            words(QT_TRANSLATE_NOOP("Hunting", "Your party now has all the meat it can carry."));
    return text;
}

} // namespace hunting

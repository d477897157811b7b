#include "towncontent.h"

#include "trail/routetable.h"

TownContent townContent(int town)
{
    TownContent content;
    if (town < 1 || town > TownCount)
        return content;
    switch (town) {
    case 1:
        content.townName = QStringLiteral("Tessaly Ford");
        content.sceneDescription = QStringLiteral("A map of the country around the old homeland.");
        break;
    case 2: // the Verunai girl who walked the trail; a lake for fishing
        content.townName = QStringLiteral("Marrow Lake");
        content.spiritName = QStringLiteral("Aiyana");
        content.spiritWho =
            QStringLiteral("a Verunai girl who walked this Trail nearly two hundred years ago");
        content.spiritCalled = QStringLiteral("the Verunai girl");
        content.female = true;
        content.goodInCapitals = QStringLiteral("some SNAKEROOT");
        content.goodPraise = QStringLiteral("Snakeroot will be very useful to your party if "
                                            "someone is bitten by a snake, so it was a very good "
                                            "trade!");
        content.sceneDescription =
            QStringLiteral("A meadow above a river at dusk, with pines on either side.");
        content.ghostClip = QStringLiteral("anim/mox222.avi");
        content.ghostRect = QRect(384, 128, 160, 320);
        content.charClip = QStringLiteral("anim/mov222.avi");
        content.charRect = QRect(432, 160, 64, 64);
        content.spiritNo = 2;
        content.fishing = true;
        // Snakeroot for a wolf wall hanging or a copper deer decoration.
        content.offerOne = {201, 184};
        content.offerTwo = {194, 191};
        break;
    case 3: // the young trapper who lived in the area; his texts apply even
            // when the party passed the girl by
        content.townName = QStringLiteral("Cedar Spring");
        content.spiritName = QStringLiteral("Thomas Reed");
        content.spiritWho = QStringLiteral("a young trapper who lived in this area long ago");
        content.spiritCalled = QStringLiteral("the trapper");
        content.goodInCapitals = QStringLiteral("some BEAR OIL");
        content.goodPraise = QStringLiteral("You'll need the bear oil as an ointment if anyone in "
                                            "your party catches pneumonia, so it was a very good "
                                            "trade!");
        content.sceneDescription =
            QStringLiteral("A cabin by a spring at the edge of a pine forest.");
        content.ghostClip = QStringLiteral("anim/mox151.avi");
        content.ghostRect = QRect(368, 176, 176, 272);
        content.charClip = QStringLiteral("anim/mov151.avi");
        content.charRect = QRect(432, 208, 64, 64);
        content.encounterOnArrival = 2;
        // Bear oil for a toy raccoon or a toy rabbit.
        content.offerOne = {201, 181};
        content.offerTwo = {194, 183};
        break;
    default:
        break;
    }
    return content;
}

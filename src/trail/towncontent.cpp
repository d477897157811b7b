#include "towncontent.h"

#include "trail/routetable.h"

TownContent townContent(int town)
{
    TownContent content;
    if (town < 1 || town > TownCount)
        return content;
    switch (town) {
    case 2: // the Verunai girl who walked the trail; a lake for fishing
        content.ghostClip = QStringLiteral("anim/mox222.avi");
        content.ghostRect = QRect(283, 171, 148, 271);
        content.charClip = QStringLiteral("anim/mov222.avi");
        content.charRect = QRect(324, 169, 60, 60);
        content.spiritNo = 2;
        content.fishing = true;
        // Snakeroot for a wolf wall hanging or a copper deer decoration.
        content.offerOne = {201, 184};
        content.offerTwo = {194, 191};
        break;
    case 3: // the young trapper who lived in the area; his texts apply even
            // when the party passed the girl by
        content.ghostClip = QStringLiteral("anim/mox151.avi");
        content.ghostRect = QRect(319, 211, 187, 221);
        content.charClip = QStringLiteral("anim/mov151.avi");
        content.charRect = QRect(383, 196, 65, 65);
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

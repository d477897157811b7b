#include "pictures.h"

#include "fishing.h"
#include "fleamarket.h"
#include "introscene.h"
#include "maps.h"
#include "titles.h"
#include "trailscenes.h"
#include "ui.h"

namespace gen {

void paintPictures(const Folders& folders)
{
    paintMaps(folders);
    paintTrailScenes(folders);
    paintFishing(folders);
    paintIntro(folders);
    paintFleaMarket(folders);
    paintInterface(folders);
    paintTitledPictures(folders);
}

} // namespace gen

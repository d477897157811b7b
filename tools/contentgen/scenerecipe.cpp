#include "scenerecipe.h"

namespace gen {

SceneRecipe sceneRecipe(int town)
{
    SceneRecipe s{Season::LateAutumn, Sky::Dusk, Trees::Autumn, 230};
    s.seed = static_cast<quint32>(7000 + town * 31);
    switch (town) {
    case 4:
        s.cabin = s.fence = true;
        break;
    case 5:
        s.sky = Sky::Grey;
        s.trees = Trees::Mixed;
        s.horizon = 200;
        s.water = s.ferry = true;
        break;
    case 6:
        s.sky = Sky::Morning;
        s.trees = Trees::Mixed;
        s.water = s.mill = s.misty = true;
        s.horizon = 215;
        break;
    case 7:
        s.trees = Trees::Bare;
        s.redBank = s.campfire = s.tents = true;
        s.horizon = 210;
        break;
    case 8:
        s.season = Season::EarlyWinter;
        s.sky = Sky::Grey;
        s.trees = Trees::Bare;
        s.soldiersTents = true;
        s.horizon = 250;
        break;
    case 9:
        s.season = Season::EarlyWinter;
        s.sky = Sky::Dawn;
        s.trees = Trees::Birches;
        s.water = s.tents = true;
        s.horizon = 225;
        break;
    case 10: // late autumn's cold rain: the first snow comes after this town
        s.sky = Sky::Grey;
        s.trees = Trees::Bare;
        s.water = s.wagons = s.tents = s.rain = true;
        s.horizon = 235;
        break;
    case 11:
        s.season = Season::DeepWinter;
        s.sky = Sky::Snowing;
        s.trees = Trees::Pines;
        s.cabin = true;
        s.horizon = 220;
        break;
    case 12:
        s.season = Season::DeepWinter;
        s.sky = Sky::Evening;
        s.trees = Trees::Sparse;
        s.meetingHouse = true;
        s.horizon = 240;
        break;
    case 13: // a wide frozen river at a pink winter dawn, dark pines beyond
        s.season = Season::DeepWinter;
        s.sky = Sky::Dawn;
        s.trees = Trees::Pines;
        s.water = s.frozen = s.breakingIce = s.tents = s.campfire = true;
        s.horizon = 190;
        break;
    case 14:
        s.season = Season::DeepWinter;
        s.sky = Sky::ClearCold;
        s.trees = Trees::Sparse;
        s.water = s.frozen = s.farm = s.fence = true;
        s.horizon = 215;
        break;
    case 15:
        s.season = Season::DeepWinter;
        s.sky = Sky::Snowing;
        s.trees = Trees::Bare;
        s.tents = s.campfire = s.storm = true;
        s.horizon = 230;
        break;
    case 16:
        s.season = Season::DeepWinter;
        s.sky = Sky::Dusk;
        s.trees = Trees::Pines;
        s.wagons = true;
        s.horizon = 235;
        break;
    case 17:
        s.season = Season::DeepWinter;
        s.sky = Sky::ClearCold;
        s.trees = Trees::Sparse;
        s.horizon = 260;
        break;
    case 18:
        s.season = Season::DeepWinter;
        s.sky = Sky::Grey;
        s.trees = Trees::Bare;
        s.spring = s.closeWood = true;
        s.hills = false;
        s.horizon = 200;
        break;
    case 19:
        s.season = Season::BareWinter;
        s.sky = Sky::Grey;
        s.trees = Trees::Sparse;
        s.fields = s.fence = s.snowPatches = true;
        s.hills = false;
        s.horizon = 230;
        break;
    case 20: // wet snow falling on bare ground: the weather that puts fires out
        s.season = Season::BareWinter;
        s.sky = Sky::Snowing;
        s.trees = Trees::Birches;
        s.water = s.frozen = s.fields = s.farm = s.snowPatches = true;
        s.horizon = 220;
        break;
    case 21:
        s.season = Season::BareWinter;
        s.sky = Sky::Dawn;
        s.trees = Trees::Sparse;
        s.markers = true;
        s.horizon = 245;
        break;
    case 22:
        s.season = Season::Thaw;
        s.sky = Sky::Grey;
        s.trees = Trees::Bare;
        s.water = s.breakingIce = true;
        s.horizon = 205;
        break;
    case 23:
        s.season = Season::Thaw;
        s.sky = Sky::Evening;
        s.trees = Trees::Bare;
        s.forge = s.wagons = true;
        s.horizon = 235;
        break;
    case 24:
        s.season = Season::Spring;
        s.sky = Sky::Morning;
        s.trees = Trees::Sparse;
        s.school = true;
        s.hills = false;
        s.horizon = 250;
        break;
    case 25:
        s.season = Season::Spring;
        s.sky = Sky::Dusk;
        s.trees = Trees::Sparse;
        s.campfire = true;
        s.horizon = 265;
        break;
    case 26:
        s.season = Season::Spring;
        s.sky = Sky::Morning;
        s.trees = Trees::Mixed;
        s.flowers = s.fence = true;
        s.hills = false;
        s.horizon = 240;
        break;
    case 27:
        s.season = Season::Spring;
        s.sky = Sky::Morning;
        s.trees = Trees::Sparse;
        s.newCabin = s.fields = true;
        s.horizon = 225;
        break;
    default: // 28
        s.season = Season::Spring;
        s.sky = Sky::Dawn;
        s.trees = Trees::Mixed;
        s.water = s.homes = s.flowers = true;
        s.horizon = 215;
        break;
    }
    return s;
}

} // namespace gen

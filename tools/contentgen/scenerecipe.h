#pragma once

// What each town's look-around scene shows, from the season and the sky to
// the landmark on its left (a ferry, a camp, a meeting house, a forge...).
// The right of every scene is open ground where the spirit will stand.

#include <QtGlobal>

namespace gen {

enum class Season { LateAutumn, EarlyWinter, DeepWinter, BareWinter, Thaw, Spring };
enum class Sky { Dusk, Grey, Snowing, ClearCold, Dawn, Morning, Evening };
enum class Trees { Pines, Autumn, Bare, Birches, Mixed, Sparse };

struct SceneRecipe {
    Season season;
    Sky sky;
    Trees trees;
    double horizon; // where the far land meets the sky
    bool hills = true;
    bool water = false;  // a river or creek across the middle
    bool frozen = false; // ... under ice
    bool breakingIce = false;
    bool ferry = false;
    bool cabin = false;
    bool mill = false;
    bool tents = false;
    bool soldiersTents = false;
    bool wagons = false;
    bool meetingHouse = false;
    bool farm = false;
    bool fence = false;
    bool fields = false;
    bool markers = false;
    bool forge = false;
    bool school = false;
    bool campfire = false;
    bool newCabin = false;
    bool homes = false;
    bool redBank = false;
    bool spring = false;
    bool flowers = false;
    quint32 seed = 0;
};

// The scene of town 4..28.
SceneRecipe sceneRecipe(int town);

} // namespace gen

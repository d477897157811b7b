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
    bool misty = false;       // mist lying in the wood and over the water
    bool rain = false;        // a cold rain falling
    bool storm = false;       // a snowstorm: a dark sky and thick snow
    bool snowPatches = false; // old snow lying in patches on bare ground
    bool closeWood = false;   // standing inside a wood, its trunks all around
    quint32 seed = 0;
};

// The scene of town 4..28.
SceneRecipe sceneRecipe(int town);

} // namespace gen

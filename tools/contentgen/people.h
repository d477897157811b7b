#pragma once

// The spirits of towns 4 to 28, painted from a description: who they are
// (age, build, man or woman), what they wear (the cloth clothing of the
// 1830s, with a shawl or a blanket in winter) and what they carry. The same
// painter draws them all, so they share one style; the descriptions tell
// them apart.

#include "figures.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

namespace gen {

enum class Age { Child, Youth, Adult, Elder };
enum class Garment { Dress, HuntingShirt, LongCoat, FrockCoat, Uniform };
enum class Headwear { Bare, Turban, WideHat, TallHat, Bonnet, Kerchief, ForageCap, ShawlHood };
enum class HairStyle { Short, Long, Braid, TwoBraids, Bun };
enum class Carrying {
    Nothing,
    Staff,
    Basket,
    Bundle,
    SisterOnBack,
    BabyInShawl,
    Book,
    FerryPole,
    DoctorsBag,
    Spear,
    Lantern,
    Kettle,
    PlantPot,
    Bowl,
    Hammer,
    Letters,
    Seeds,
    Cane
};

struct Person {
    double cx = 460;     // the figure's middle in the 600 x 450 scene
    double footY = 422;  // where the feet stand, clear of the scene's lower edge
    double height = 240; // from the feet to the top of the head
    bool female = false;
    Age age = Age::Adult;
    double breadth = 1.0; // build: 0.85 slight .. 1.2 broad
    QColor skin{170, 116, 84};
    QColor hair{30, 22, 20};
    HairStyle hairStyle = HairStyle::Short;
    bool beard = false;
    Garment garment = Garment::HuntingShirt;
    QColor cloth{110, 80, 60};  // dress, shirt or coat
    QColor accent{160, 60, 50}; // sash, neckerchief, apron strings, turban band
    QColor legs{70, 60, 50};    // leggings or trousers
    bool apron = false;
    QColor apronColour{206, 198, 180};
    bool shawl = false;
    QColor shawlColour{140, 90, 60};
    bool blanket = false; // a blanket about the shoulders, in the cold
    QColor blanketColour{120, 50, 44};
    Headwear headwear = Headwear::Bare;
    QColor headColour{150, 60, 50};
    Carrying carrying = Carrying::Nothing;
    bool spectacles = false;
    bool stooped = false;
};

// The description of town 4..28's spirit.
Person townPerson(int town);

// The figure as a transparent 600 x 450 layer.
QImage personLayer(const Person& person, const Pose& pose);
// The middle of the face, where the speaking clip is centred.
QPointF faceCentre(const Person& person);

} // namespace gen

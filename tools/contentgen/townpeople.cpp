#include "people.h"

namespace gen {

namespace {

// Skin and hair, kept to a few natural tones.
const QColor VerunaiSkin[4] = {{170, 116, 84}, {152, 100, 72}, {184, 130, 94}, {140, 92, 66}};
const QColor SettlerSkin[3] = {{222, 184, 154}, {206, 162, 128}, {214, 174, 140}};
const QColor DarkHair(30, 22, 20);
const QColor GreyHair(168, 164, 160);
const QColor WhiteHair(214, 212, 208);
const QColor BrownHair(92, 62, 38);
const QColor FairHair(170, 130, 80);

} // namespace

Person townPerson(int town)
{
    Person s;
    switch (town) {
    case 4: // a settler woman who kept an aloe plant on her sill
        s.cx = 452;
        s.height = 228;
        s.female = true;
        s.skin = SettlerSkin[0];
        s.hair = BrownHair;
        s.hairStyle = HairStyle::Bun;
        s.garment = Garment::Dress;
        s.cloth = QColor(70, 92, 120);
        s.accent = QColor(150, 60, 50);
        s.apron = true;
        s.headwear = Headwear::Bonnet;
        s.headColour = QColor(200, 190, 166);
        s.carrying = Carrying::PlantPot;
        break;
    case 5: // an old ferry keeper
        s.cx = 470;
        s.height = 236;
        s.age = Age::Elder;
        s.breadth = 1.1;
        s.skin = SettlerSkin[1];
        s.hair = WhiteHair;
        s.beard = true;
        s.garment = Garment::LongCoat;
        s.cloth = QColor(84, 80, 70);
        s.accent = QColor(120, 100, 80);
        s.legs = QColor(60, 56, 50);
        s.headwear = Headwear::WideHat;
        s.headColour = QColor(66, 56, 46);
        s.carrying = Carrying::FerryPole;
        break;
    case 6: // a Verunai carver who made talismans
        s.cx = 448;
        s.height = 242;
        s.skin = VerunaiSkin[1];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(150, 120, 90);
        s.accent = QColor(150, 50, 40);
        s.legs = QColor(90, 70, 54);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(120, 96, 140);
        s.carrying = Carrying::Bundle;
        break;
    case 7: // a Verunai boy who carried his little sister
        s.cx = 450;
        s.height = 178;
        s.age = Age::Child;
        s.skin = VerunaiSkin[2];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(120, 140, 150);
        s.accent = QColor(190, 130, 50);
        s.legs = QColor(100, 80, 60);
        s.carrying = Carrying::SisterOnBack;
        break;
    case 8: // a young soldier who would not look away
        s.cx = 462;
        s.height = 244;
        s.age = Age::Youth;
        s.breadth = 0.95;
        s.skin = SettlerSkin[2];
        s.hair = FairHair;
        s.garment = Garment::Uniform;
        s.cloth = QColor(52, 62, 96);
        s.legs = QColor(120, 130, 150);
        s.headwear = Headwear::ForageCap;
        s.headColour = QColor(46, 54, 84);
        s.carrying = Carrying::Spear;
        break;
    case 9: // a Verunai mother with her baby
        s.cx = 455;
        s.height = 226;
        s.female = true;
        s.skin = VerunaiSkin[0];
        s.hairStyle = HairStyle::Braid;
        s.garment = Garment::Dress;
        s.cloth = QColor(120, 70, 60);
        s.accent = QColor(200, 170, 80);
        s.shawl = true;
        s.shawlColour = QColor(70, 90, 110);
        s.headwear = Headwear::Kerchief;
        s.headColour = QColor(170, 150, 110);
        s.carrying = Carrying::BabyInShawl;
        break;
    case 10: // a doctor who travelled with a detachment
        s.cx = 465;
        s.height = 238;
        s.breadth = 0.9;
        s.skin = SettlerSkin[0];
        s.hair = GreyHair;
        s.garment = Garment::FrockCoat;
        s.cloth = QColor(50, 48, 52);
        s.legs = QColor(70, 66, 64);
        s.spectacles = true;
        s.headwear = Headwear::TallHat;
        s.headColour = QColor(40, 38, 40);
        s.carrying = Carrying::DoctorsBag;
        break;
    case 11: // a Verunai grandmother who made ointments
        s.cx = 455;
        s.height = 212;
        s.female = true;
        s.age = Age::Elder;
        s.stooped = true;
        s.skin = VerunaiSkin[3];
        s.hair = GreyHair;
        s.hairStyle = HairStyle::Bun;
        s.garment = Garment::Dress;
        s.cloth = QColor(90, 70, 96);
        s.blanket = true;
        s.blanketColour = QColor(150, 60, 50);
        s.headwear = Headwear::ShawlHood;
        s.shawlColour = QColor(110, 90, 80);
        s.carrying = Carrying::Basket;
        break;
    case 12: // a minister who walked with the people
        s.cx = 462;
        s.height = 246;
        s.breadth = 0.92;
        s.skin = SettlerSkin[1];
        s.hair = BrownHair;
        s.garment = Garment::FrockCoat;
        s.cloth = QColor(34, 32, 36);
        s.legs = QColor(40, 38, 42);
        s.headwear = Headwear::WideHat;
        s.headColour = QColor(36, 34, 36);
        s.blanket = true;
        s.blanketColour = QColor(96, 90, 80);
        s.carrying = Carrying::Book;
        break;
    case 13: // a young Verunai man who waited at the frozen river
        s.cx = 458;
        s.height = 248;
        s.age = Age::Youth;
        s.skin = VerunaiSkin[2];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(96, 110, 90);
        s.accent = QColor(180, 60, 50);
        s.legs = QColor(84, 66, 52);
        s.blanket = true;
        s.blanketColour = QColor(60, 70, 110);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(200, 170, 110);
        s.carrying = Carrying::Basket;
        break;
    case 14: // a farm girl whose family shared their food
        s.cx = 450;
        s.height = 196;
        s.female = true;
        s.age = Age::Child;
        s.skin = SettlerSkin[2];
        s.hair = FairHair;
        s.hairStyle = HairStyle::TwoBraids;
        s.garment = Garment::Dress;
        s.cloth = QColor(130, 60, 60);
        s.accent = QColor(90, 60, 40);
        s.apron = true;
        s.shawl = true;
        s.shawlColour = QColor(110, 110, 120);
        s.carrying = Carrying::Kettle;
        break;
    case 15: // a Verunai leader who guided his group
        s.cx = 466;
        s.height = 240;
        s.breadth = 1.12;
        s.skin = VerunaiSkin[1];
        s.hair = DarkHair;
        s.garment = Garment::LongCoat;
        s.cloth = QColor(70, 60, 90);
        s.accent = QColor(170, 150, 120);
        s.legs = QColor(70, 62, 56);
        s.blanket = true;
        s.blanketColour = QColor(130, 40, 40);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(180, 60, 50);
        s.carrying = Carrying::Cane;
        break;
    case 16: // a hired wagon driver
        s.cx = 470;
        s.height = 240;
        s.breadth = 1.15;
        s.skin = SettlerSkin[1];
        s.hair = BrownHair;
        s.beard = true;
        s.garment = Garment::LongCoat;
        s.cloth = QColor(120, 96, 66);
        s.accent = QColor(90, 74, 60);
        s.legs = QColor(70, 64, 56);
        s.headwear = Headwear::WideHat;
        s.headColour = QColor(90, 74, 56);
        s.carrying = Carrying::Kettle;
        break;
    case 17: // a Verunai hunter
        s.cx = 455;
        s.height = 244;
        s.skin = VerunaiSkin[3];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(130, 90, 70);
        s.accent = QColor(60, 90, 120);
        s.legs = QColor(80, 62, 48);
        s.blanket = true;
        s.blanketColour = QColor(200, 190, 160);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(60, 80, 110);
        s.carrying = Carrying::Staff;
        break;
    case 18: // a young Verunai woman who kept the songs
        s.cx = 452;
        s.height = 226;
        s.female = true;
        s.age = Age::Youth;
        s.skin = VerunaiSkin[0];
        s.hairStyle = HairStyle::Long;
        s.garment = Garment::Dress;
        s.cloth = QColor(60, 90, 90);
        s.accent = QColor(200, 150, 60);
        s.blanket = true;
        s.blanketColour = QColor(160, 120, 70);
        s.carrying = Carrying::Nothing;
        break;
    case 19: // a Verunai writer who kept the people's letters
        s.cx = 462;
        s.height = 238;
        s.breadth = 0.9;
        s.skin = VerunaiSkin[2];
        s.garment = Garment::LongCoat;
        s.cloth = QColor(56, 70, 60);
        s.accent = QColor(200, 190, 170);
        s.legs = QColor(70, 66, 60);
        s.spectacles = true;
        s.headwear = Headwear::Turban;
        s.headColour = QColor(150, 140, 120);
        s.carrying = Carrying::Letters;
        break;
    case 20: // a settler boy who brought birch bark
        s.cx = 448;
        s.height = 170;
        s.age = Age::Child;
        s.skin = SettlerSkin[0];
        s.hair = BrownHair;
        s.garment = Garment::LongCoat;
        s.cloth = QColor(110, 100, 80);
        s.accent = QColor(150, 60, 50);
        s.legs = QColor(90, 80, 70);
        s.headwear = Headwear::WideHat;
        s.headColour = QColor(150, 130, 90);
        s.carrying = Carrying::Bundle;
        break;
    case 21: // a Verunai father who buried his wife by the road
        s.cx = 465;
        s.height = 244;
        s.skin = VerunaiSkin[0];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(80, 76, 90);
        s.accent = QColor(140, 120, 60);
        s.legs = QColor(70, 60, 56);
        s.blanket = true;
        s.blanketColour = QColor(70, 50, 50);
        s.headwear = Headwear::Bare;
        s.carrying = Carrying::Nothing;
        break;
    case 22: // a Verunai healer
        s.cx = 455;
        s.height = 224;
        s.female = true;
        s.breadth = 1.1;
        s.skin = VerunaiSkin[1];
        s.hair = QColor(60, 50, 46);
        s.hairStyle = HairStyle::Braid;
        s.garment = Garment::Dress;
        s.cloth = QColor(130, 100, 60);
        s.accent = QColor(60, 100, 90);
        s.shawl = true;
        s.shawlColour = QColor(60, 100, 90);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(200, 180, 130);
        s.carrying = Carrying::Bowl;
        break;
    case 23: // a blacksmith who mended the wagons
        s.cx = 470;
        s.height = 246;
        s.breadth = 1.2;
        s.skin = QColor(112, 74, 54);
        s.hair = QColor(26, 20, 18);
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(96, 106, 124);
        s.accent = QColor(80, 60, 40);
        s.legs = QColor(60, 56, 52);
        s.apron = true;
        s.apronColour = QColor(112, 80, 54); // a leather apron
        s.carrying = Carrying::Hammer;
        break;
    case 24: // a teacher from a mission school
        s.cx = 455;
        s.height = 230;
        s.female = true;
        s.breadth = 0.9;
        s.skin = SettlerSkin[2];
        s.hair = QColor(120, 80, 50);
        s.hairStyle = HairStyle::Bun;
        s.garment = Garment::Dress;
        s.cloth = QColor(60, 70, 60);
        s.accent = QColor(200, 196, 186);
        s.shawl = true;
        s.shawlColour = QColor(140, 110, 120);
        s.spectacles = true;
        s.carrying = Carrying::Book;
        break;
    case 25: // a Verunai elder who kept the fire's stories
        s.cx = 460;
        s.height = 222;
        s.age = Age::Elder;
        s.stooped = true;
        s.skin = VerunaiSkin[3];
        s.hair = WhiteHair;
        s.hairStyle = HairStyle::Long;
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(100, 90, 110);
        s.accent = QColor(180, 140, 60);
        s.legs = QColor(80, 70, 60);
        s.blanket = true;
        s.blanketColour = QColor(90, 110, 80);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(170, 160, 150);
        s.carrying = Carrying::Staff;
        break;
    case 26: // a Verunai girl who carried seeds
        s.cx = 452;
        s.height = 204;
        s.female = true;
        s.age = Age::Youth;
        s.skin = VerunaiSkin[2];
        s.hairStyle = HairStyle::TwoBraids;
        s.garment = Garment::Dress;
        s.cloth = QColor(170, 120, 70);
        s.accent = QColor(60, 110, 60);
        s.headwear = Headwear::Kerchief;
        s.headColour = QColor(60, 110, 60);
        s.carrying = Carrying::Seeds;
        break;
    case 27: // a young Verunai farmer who built a new home
        s.cx = 466;
        s.height = 246;
        s.age = Age::Youth;
        s.breadth = 1.05;
        s.skin = VerunaiSkin[1];
        s.garment = Garment::HuntingShirt;
        s.cloth = QColor(150, 118, 86);
        s.accent = QColor(150, 70, 40);
        s.legs = QColor(90, 80, 66);
        s.headwear = Headwear::WideHat;
        s.headColour = QColor(160, 140, 100);
        s.carrying = Carrying::Hammer;
        break;
    default: // 28: an old Verunai woman who lived to tell it
        s.cx = 458;
        s.height = 214;
        s.female = true;
        s.age = Age::Elder;
        s.skin = VerunaiSkin[0];
        s.hair = WhiteHair;
        s.hairStyle = HairStyle::Braid;
        s.garment = Garment::Dress;
        s.cloth = QColor(80, 100, 130);
        s.accent = QColor(190, 60, 60);
        s.shawl = true;
        s.shawlColour = QColor(170, 80, 60);
        s.headwear = Headwear::Turban;
        s.headColour = QColor(90, 60, 100);
        s.carrying = Carrying::Cane;
        break;
    }
    return s;
}

} // namespace gen

#include "towncontent.h"

#include "shell/gamefacts.h"

#include <QCoreApplication>
#include <iterator>

namespace {

// Towns 4 to 28: the spirits met on the rest of the walk west, from the
// autumn hills through the frozen rivers of midwinter to the first green of
// spring. Their clips are "anim/ghTT.avi" (the spirit appears) and
// "anim/chTT.avi" (the spirit speaks); the rectangles hold each figure with
// its glow, on the right of the scene.
struct LaterTown {
    const char* townName;
    const char* spiritName;
    bool female;
    const char* spiritWho;
    const char* spiritCalled;
    const char* goodInCapitals;
    const char* goodPraise;
    const char* sceneDescription;
    int offerOne; // the second candidates; the first are always 201 and 194
    int offerTwo;
    QRect ghostRect;
    QRect charRect;
};

constexpr int FirstLaterTown = 4;
const LaterTown LaterTowns[] = {
    {"Ambry Hollow", "Martha Cole", true,
     QT_TRANSLATE_NOOP("Town", "a settler woman who eased the families' burns with her aloe plant"),
     QT_TRANSLATE_NOOP("Town", "the settler woman"), QT_TRANSLATE_NOOP("Town", "some ALOE"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Aloe will soothe burns from the campfire and the kettle.  Martha's aloe is in good "
         "hands now."),
     QT_TRANSLATE_NOOP(
         "Town", "A farm at the edge of an autumn wood at dusk, with a cabin and a rail fence."),
     187, 188, QRect(384, 160, 144, 288), QRect(416, 176, 64, 64)},
    {"Wendle Ferry", "Elias Hartwell", false,
     QT_TRANSLATE_NOOP("Town",
                       "an old ferry keeper who carried families across the river for nothing"),
     QT_TRANSLATE_NOOP("Town", "the ferry keeper"), QT_TRANSLATE_NOOP("Town", "some GINGER TEA"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Ginger tea will warm anyone in your party who is chilled to the bone, as it warmed the "
         "families at Elias's landing."),
     QT_TRANSLATE_NOOP("Town", "A wide grey river with a ferry flatboat tied at its landing."), 186,
     180, QRect(400, 128, 144, 320), QRect(432, 176, 64, 64)},
    {"Corrow Mill", "Kanuva", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai carver who made charms for the children"),
     QT_TRANSLATE_NOOP("Town", "the carver"), QT_TRANSLATE_NOOP("Town", "a DEER'S HORN TALISMAN"),
     QT_TRANSLATE_NOOP(
         "Town",
         "The deer's horn talisman will give your party courage and luck when fishing and on the "
         "hard road ahead.  Hold on to it."),
     QT_TRANSLATE_NOOP("Town", "An old mill beside a creek in a misty autumn wood."), 184, 191,
     QRect(384, 144, 128, 304), QRect(416, 176, 64, 64)},
    {"Sarrow Bank", "Tali", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai boy who carried his little sister on his back"),
     QT_TRANSLATE_NOOP("Town", "the boy"), QT_TRANSLATE_NOOP("Town", "some CAYENNE PEPPER"),
     QT_TRANSLATE_NOOP(
         "Town",
         "A pinch of cayenne pepper in your moccasins will keep your party's toes from freezing, "
         "as Tali's grandmother knew."),
     QT_TRANSLATE_NOOP(
         "Town", "A trail along a red clay bank under bare autumn trees, with campfires below."),
     182, 178, QRect(376, 208, 144, 240), QRect(416, 240, 64, 64)},
    {"Vellan Ridge", "John Avery", false,
     QT_TRANSLATE_NOOP("Town", "a young soldier who kept an old man's spear safe"),
     QT_TRANSLATE_NOOP("Town", "the soldier"), QT_TRANSLATE_NOOP("Town", "a BEAR-HUNTING SPEAR"),
     QT_TRANSLATE_NOOP(
         "Town",
         "The old man's bear-hunting spear will help your party find food and stay safe in wild "
         "country.  It is in your care now."),
     QT_TRANSLATE_NOOP("Town", "A soldiers' camp of white tents on a bare ridge under a grey sky."),
     188, 170, QRect(384, 144, 160, 304), QRect(432, 176, 64, 64)},
    {"Orrin Birches", "Selaqua", true,
     QT_TRANSLATE_NOOP("Town", "a Verunai mother who cared for her baby in the camp"),
     QT_TRANSLATE_NOOP("Town", "the mother"), QT_TRANSLATE_NOOP("Town", "some WILLOW BARK"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Willow bark tea will ease fevers and aches in your party.  Selaqua is glad her remedy "
         "goes on with you."),
     QT_TRANSLATE_NOOP("Town",
                       "White birches beside a stream, with the camp's tents in the cold dawn."),
     180, 185, QRect(384, 160, 144, 288), QRect(416, 192, 64, 64)},
    {"Callow Creek", "Nathaniel Brooke", false,
     QT_TRANSLATE_NOOP("Town", "a doctor who was sent with one of the groups"),
     QT_TRANSLATE_NOOP("Town", "the doctor"), QT_TRANSLATE_NOOP("Town", "some BONESET"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Boneset tea will help anyone in your party who comes down with the flu.  The doctor "
         "wishes he had had more of it."),
     QT_TRANSLATE_NOOP("Town", "Covered wagons and tents beside a creek in a cold autumn rain."),
     186, 190, QRect(400, 144, 144, 304), QRect(432, 176, 64, 64)},
    {"Frosten Hollow", "Oyalee", true,
     QT_TRANSLATE_NOOP("Town", "a Verunai grandmother who made medicines for the children"),
     QT_TRANSLATE_NOOP("Town", "the grandmother"),
     QT_TRANSLATE_NOOP("Town", "some LOBELIA OINTMENT"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Lobelia ointment rubbed on the chest will ease a bad cough.  Oyalee has passed her "
         "grandmother's knowledge on to you."),
     QT_TRANSLATE_NOOP("Town",
                       "Snow falling in a hollow of pines, with a small hut among the trees."),
     189, 187, QRect(384, 176, 144, 272), QRect(432, 208, 64, 64)},
    {"Lantry Hill", "Daniel Marsh", false,
     QT_TRANSLATE_NOOP("Town", "a minister who walked west with the Verunai"),
     QT_TRANSLATE_NOOP("Town", "the minister"), QT_TRANSLATE_NOOP("Town", "some LEMON BALM"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Lemon balm tea will calm worried minds and help your party sleep.  It is a gentle gift."),
     QT_TRANSLATE_NOOP("Town",
                       "A small meeting house with lit windows on a snowy hill at evening."),
     185, 172, QRect(400, 144, 128, 304), QRect(432, 160, 64, 64)},
    {"Frostmere Bank", "Dovani", false,
     QT_TRANSLATE_NOOP("Town", "a young Verunai man who waited at the frozen river"),
     QT_TRANSLATE_NOOP("Town", "the young man"), QT_TRANSLATE_NOOP("Town", "some BLOOD ROOT"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Blood root will soothe sore throats in your party.  Dovani's mother would be glad to "
         "know it."),
     QT_TRANSLATE_NOOP(
         "Town", "A frozen river with broken ice at dawn, and a camp waiting on the snowy bank."),
     168, 191, QRect(384, 144, 160, 304), QRect(432, 160, 64, 64)},
    {"Tarrow Landing", "Ruth Ames", true,
     QT_TRANSLATE_NOOP("Town", "a farm girl whose family shared the little they had"),
     QT_TRANSLATE_NOOP("Town", "the farm girl"), QT_TRANSLATE_NOOP("Town", "some BLACKBERRY TEA"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Blackberry tea will settle an upset stomach.  Ruth shares it gladly, as her mother "
         "would."),
     QT_TRANSLATE_NOOP("Town",
                       "A snowy farm with smoke rising from its chimney, beside an iced river."),
     178, 171, QRect(368, 192, 160, 256), QRect(416, 224, 64, 64)},
    {"Keswin Camp", "Oskaya", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai leader who guided one of the walking groups"),
     QT_TRANSLATE_NOOP("Town", "the leader"), QT_TRANSLATE_NOOP("Town", "some CRANESBILL"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Cranesbill will help anyone in your party who is sick from bad water.  Oskaya trusts "
         "you to look after one another."),
     QT_TRANSLATE_NOOP("Town", "Many tents under bare trees in a snowstorm."), 173, 190,
     QRect(384, 144, 160, 304), QRect(432, 176, 64, 64)},
    {"Pinefold", "Caleb Turner", false,
     QT_TRANSLATE_NOOP("Town", "a wagon driver hired to carry the sick and the old"),
     QT_TRANSLATE_NOOP("Town", "the wagon driver"), QT_TRANSLATE_NOOP("Town", "some SPRUCE PITCH"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Spruce pitch will seal cuts and cracked hands, and mend a broken wagon too.  A useful "
         "thing to carry."),
     QT_TRANSLATE_NOOP("Town", "A wagon stuck in the snow on a road through dark pines at dusk."),
     174, 188, QRect(384, 144, 176, 304), QRect(432, 176, 64, 64)},
    {"Snowmere Rise", "Sakwi", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai hunter whose brother hid in the mountains and stayed"),
     QT_TRANSLATE_NOOP("Town", "the hunter"), QT_TRANSLATE_NOOP("Town", "some BEAR OIL"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Bear oil will protect your party's skin from the freezing wind.  Sakwi shares it as he "
         "shared all he had."),
     QT_TRANSLATE_NOOP("Town",
                       "Snowy hills under a cold blue sky, with the trail winding between them."),
     176, 184, QRect(384, 144, 144, 304), QRect(416, 176, 64, 64)},
    {"Coldwell Spring", "Lenoa", true,
     QT_TRANSLATE_NOOP("Town", "a young Verunai woman who kept the old songs"),
     QT_TRANSLATE_NOOP("Town", "the singer"), QT_TRANSLATE_NOOP("Town", "some ARNICA"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Arnica will ease sore muscles and bruises from falls on the ice.  Lenoa hopes you will "
         "keep her songs too."),
     QT_TRANSLATE_NOOP("Town", "A frozen spring among icy rocks, deep in a grey winter wood."), 175,
     185, QRect(368, 160, 160, 288), QRect(416, 192, 64, 64)},
    {"Longmere Fields", "Tavin Ward", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai writer who spoke up against the treaty"),
     QT_TRANSLATE_NOOP("Town", "the writer"), QT_TRANSLATE_NOOP("Town", "some BITTERSWEET"),
     QT_TRANSLATE_NOOP(
         "Town",
         "A salve of bittersweet will heal sores and chapped skin.  With it, Tavin's hands could "
         "write again."),
     QT_TRANSLATE_NOOP(
         "Town", "Bare, frozen fields with patches of snow along a rail fence under a grey sky."),
     186, 177, QRect(400, 144, 128, 304), QRect(432, 176, 64, 64)},
    {"Ashen Ford", "Jacob Miller", false,
     QT_TRANSLATE_NOOP("Town", "a settler boy who showed a Verunai boy how to start a fire"),
     QT_TRANSLATE_NOOP("Town", "the settler boy"), QT_TRANSLATE_NOOP("Town", "some BIRCHBARK"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Birchbark will light your party's campfire even in wet weather.  Jacob's trick is yours "
         "now."),
     QT_TRANSLATE_NOOP(
         "Town",
         "A birch copse by a frozen ford in wet snow, with a small farm beyond the bare fields."),
     181, 182, QRect(384, 224, 128, 224), QRect(416, 240, 64, 64)},
    {"Quietfield", "Kenet", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai father who walked on for his children"),
     QT_TRANSLATE_NOOP("Town", "the father"), QT_TRANSLATE_NOOP("Town", "some BUGLEWEED"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Bugleweed tea will quiet a cough that will not stop.  Kenet made it for his wife; keep "
         "it with care."),
     QT_TRANSLATE_NOOP("Town",
                       "Small wooden markers under a lone tree beside the road at a grey dawn."),
     189, 180, QRect(384, 144, 160, 304), QRect(432, 176, 64, 64)},
    {"Thawmere Crossing", "Tsiwa", true,
     QT_TRANSLATE_NOOP("Town", "a Verunai healer who cared for the sick and the hurt"),
     QT_TRANSLATE_NOOP("Town", "the healer"), QT_TRANSLATE_NOOP("Town", "some CALENDULA FLOWERS"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Calendula will help cuts and wounds heal cleanly.  Tsiwa's last flowers are in good "
         "hands."),
     QT_TRANSLATE_NOOP("Town",
                       "A river breaking up in the thaw, with mud and melting snow on its banks."),
     187, 186, QRect(368, 160, 160, 288), QRect(416, 192, 64, 64)},
    {"Brennock Forge", "Isaac Freeman", false,
     QT_TRANSLATE_NOOP("Town", "a free blacksmith who mended the wagons for nothing"),
     QT_TRANSLATE_NOOP("Town", "the blacksmith"), QT_TRANSLATE_NOOP("Town", "some GARLIC"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Garlic will help your party fight off colds.  It is given as freely as Isaac gave his "
         "work."),
     QT_TRANSLATE_NOOP(
         "Town", "A smithy with a glowing forge beside a muddy road, wagons waiting outside."),
     190, 170, QRect(384, 144, 176, 304), QRect(432, 160, 64, 64)},
    {"Pellam Gate", "Eleanor Pike", true,
     QT_TRANSLATE_NOOP("Town", "a teacher who followed her pupils west"),
     QT_TRANSLATE_NOOP("Town", "the teacher"), QT_TRANSLATE_NOOP("Town", "some DOGWOOD BARK"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Dogwood bark tea will bring down a fever.  Eleanor wrote down how it was made, so that "
         "it would not be lost."),
     QT_TRANSLATE_NOOP(
         "Town", "Open country in early spring, with a small log schoolhouse beside the trail."),
     172, 183, QRect(384, 160, 144, 288), QRect(416, 176, 64, 64)},
    {"Ridgefire", "Sonak", false,
     QT_TRANSLATE_NOOP("Town", "a Verunai elder who told the old stories by the fire"),
     QT_TRANSLATE_NOOP("Town", "the elder"), QT_TRANSLATE_NOOP("Town", "some TULIP POPLAR"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Tulip poplar bark tea will give strength to the weary.  Rest when you can, Sonak says."),
     QT_TRANSLATE_NOOP("Town",
                       "A campfire on an open ridge at dusk, with the first green in the grass."),
     173, 191, QRect(384, 176, 144, 272), QRect(432, 192, 64, 64)},
    {"Meadowlark Rise", "Kalisa", true,
     QT_TRANSLATE_NOOP("Town", "a Verunai girl who kept her mother's seeds safe all winter"),
     QT_TRANSLATE_NOOP("Town", "the girl"), QT_TRANSLATE_NOOP("Town", "some SAVORY"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Savory will flavour your party's stew and settle their stomachs.  A taste of home for "
         "the road."),
     QT_TRANSLATE_NOOP(
         "Town", "A green meadow in early spring, with wildflowers and a meadowlark on a post."),
     183, 187, QRect(384, 192, 144, 256), QRect(416, 208, 64, 64)},
    {"Newfurrow", "Ekoni", false,
     QT_TRANSLATE_NOOP("Town", "a young Verunai farmer who built a new home"),
     QT_TRANSLATE_NOOP("Town", "the farmer"), QT_TRANSLATE_NOOP("Town", "some SUMAC"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Sumac-berry water will cool sore throats and quench your party's thirst on the last "
         "miles."),
     QT_TRANSLATE_NOOP("Town", "A new log cabin going up beside fresh-ploughed fields in spring."),
     188, 184, QRect(384, 144, 160, 304), QRect(432, 176, 64, 64)},
    {"Hopewater", "Naliwa", true,
     QT_TRANSLATE_NOOP("Town", "an old Verunai woman who walked the trail as a little girl"),
     QT_TRANSLATE_NOOP("Town", "the old woman"),
     QT_TRANSLATE_NOOP("Town", "some SLIPPERY ELM BARK"),
     QT_TRANSLATE_NOOP(
         "Town",
         "Slippery elm bark will soothe a sore throat and feed your party when food runs short.  "
         "Naliwa smiles: now her story lives on in you."),
     QT_TRANSLATE_NOOP("Town",
                       "A river valley at sunrise in spring, with smoke rising from new homes."),
     189, 185, QRect(384, 176, 144, 272), QRect(432, 192, 64, 64)},
};

static_assert(std::size(LaterTowns) == TownCount - FirstLaterTown + 1);

QString clipName(const char* kind, int town)
{
    return QStringLiteral("anim/%1%2.avi")
        .arg(QLatin1String(kind))
        .arg(town, 2, 10, QLatin1Char('0'));
}

TownContent laterTown(int town)
{
    const LaterTown& t = LaterTowns[town - FirstLaterTown];
    TownContent content;
    content.townName = QString::fromUtf8(t.townName);
    content.spiritName = QString::fromUtf8(t.spiritName);
    content.female = t.female;
    content.spiritWho = QString::fromUtf8(t.spiritWho);
    content.spiritCalled = QString::fromUtf8(t.spiritCalled);
    content.goodInCapitals = QString::fromUtf8(t.goodInCapitals);
    content.goodPraise = QString::fromUtf8(t.goodPraise);
    content.sceneDescription = QString::fromUtf8(t.sceneDescription);
    content.ghostClip = clipName("gh", town);
    content.ghostRect = t.ghostRect;
    content.charClip = clipName("ch", town);
    content.charRect = t.charRect;
    content.offerOne = {201, t.offerOne};
    content.offerTwo = {194, t.offerTwo};
    return content;
}

// The town's name, spirit, good and scene; the facts come after.
TownContent dressed(int town)
{
    TownContent content;
    if (town < 1 || town > TownCount)
        return content;
    switch (town) {
    case 1:
        content.townName = QStringLiteral("Tessaly Ford");
        content.sceneDescription = QString::fromUtf8(
            QT_TRANSLATE_NOOP("Town", "A map of the country around the old homeland."));
        break;
    case 2: // the Verunai girl who walked the trail; a lake for fishing
        content.townName = QStringLiteral("Marrow Lake");
        content.spiritName = QStringLiteral("Aiyana");
        content.spiritWho = QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Town", "a Verunai girl who walked this Trail nearly two hundred years ago"));
        content.spiritCalled = QString::fromUtf8(QT_TRANSLATE_NOOP("Town", "the Verunai girl"));
        content.female = true;
        content.goodInCapitals = QString::fromUtf8(QT_TRANSLATE_NOOP("Town", "some SNAKEROOT"));
        content.goodPraise = QString::fromUtf8(
            QT_TRANSLATE_NOOP("Town", "Snakeroot will be very useful to your party if "
                                      "someone is bitten by a snake, so it was a very good "
                                      "trade!"));
        content.sceneDescription = QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Town", "A meadow above a river at dusk, with pines on either side."));
        content.ghostClip = QStringLiteral("anim/mox222.avi");
        content.ghostRect = QRect(384, 128, 160, 320);
        content.charClip = QStringLiteral("anim/mov222.avi");
        content.charRect = QRect(432, 208, 64, 64);
        // Snakeroot for a wolf wall hanging or a copper deer decoration.
        content.offerOne = {201, 184};
        content.offerTwo = {194, 191};
        break;
    case 3: // the young trapper who lived in the area; his texts apply even
            // when the party passed the girl by
        content.townName = QStringLiteral("Cedar Spring");
        content.spiritName = QStringLiteral("Thomas Reed");
        content.spiritWho = QString::fromUtf8(
            QT_TRANSLATE_NOOP("Town", "a young trapper who lived in this area long ago"));
        content.spiritCalled = QString::fromUtf8(QT_TRANSLATE_NOOP("Town", "the trapper"));
        content.goodInCapitals = QString::fromUtf8(QT_TRANSLATE_NOOP("Town", "some BEAR OIL"));
        content.goodPraise = QString::fromUtf8(
            QT_TRANSLATE_NOOP("Town", "You'll need the bear oil as an ointment if anyone in "
                                      "your party catches pneumonia, so it was a very good "
                                      "trade!"));
        content.sceneDescription = QString::fromUtf8(
            QT_TRANSLATE_NOOP("Town", "A cabin by a spring at the edge of a pine forest."));
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
        return laterTown(town);
    }
    return content;
}

// The words of the town in the language in view; its name and the
// spirit's stay as they are.
void translate(QString& text)
{
    if (!text.isEmpty())
        text = QCoreApplication::translate("Town", text.toUtf8().constData());
}

} // namespace

TownContent townContent(int town)
{
    TownContent content = dressed(town);
    for (QString* text : {&content.spiritWho, &content.spiritCalled, &content.goodInCapitals,
                          &content.goodPraise, &content.sceneDescription})
        translate(*text);
    const TownFacts facts = townFacts(town);
    content.spiritNo = facts.trifleSet;
    content.fishing = facts.lake;
    return content;
}

bool goodIsARemedy(int town)
{
    // Known by the good's English words, whatever the language in view.
    const TownContent content = dressed(town);
    if (!content.hasSpirit())
        return false;
    for (const char* notARemedy :
         {"a DEER'S HORN TALISMAN", "a BEAR-HUNTING SPEAR", "some BIRCHBARK"})
        if (content.goodInCapitals == QLatin1String(notARemedy))
            return false;
    return true;
}

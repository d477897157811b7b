#include "storytexts.h"

#include <array>

namespace story {

namespace {

// Sentences are parted by two blanks, as everywhere in the game.
const std::array<const char*, StoryLineCount> StoryLines{{
    "We have three stories that will help you.",
    "Would you like to hear another story?",
    "In this book I write the words of my people.  Our language was first written when one of our "
    "own made a sign for every sound we speak, and soon nearly all of us could read and write it.",
    "Before a long journey, my mother rubbed my feet in the ashes of our fire, and we sang about "
    "the fox and the deer, whose feet are never frostbitten.  I sang that song on every cold "
    "morning of our walk.",
    " ",
    "Long ago I found a young Verunai man lying hurt beside the trail.  I carried him to the "
    "spring below my cabin, and I cared for him until he was strong again.  From that day on, we "
    "were like brothers.",
    " ",
    // Town 4.
    "The soldiers camped the walkers in the field below my farm.  Children burned their hands on "
    "the hot kettles, reaching for warmth.  I kept an aloe plant on my windowsill, so I broke its "
    "leaves and laid the cool juice on their burns.  Some of my neighbours looked away.  I could "
    "not.",
    " ",
    // Town 5.
    "I kept the ferry on this river for forty years.  The big ferries charged the walkers a high "
    "price and made them wait in the cold rain.  I carried the mothers and little ones across for "
    "nothing, and my wife gave them hot ginger tea to stop their shivering.",
    " ",
    // Town 6.
    "Before the soldiers came, I carved little charms from deer's horn for the children of our "
    "town.  When we were gathered into the camp, I kept carving.  A small deer's horn talisman in "
    "a child's hand reminded us that the deer still runs free in our old hills.",
    " ",
    // Town 7.
    "My little sister's feet were too sore to walk, so I carried her on my back from the red clay "
    "banks all the way to the big river.  Grandmother sprinkled cayenne pepper in our moccasins.  "
    "It stung a little, but it kept our toes warm on the frosty mornings.",
    " ",
    // Town 8.
    "I was a young soldier, sent to gather the Verunai from their homes.  The soldiers took an old "
    "man's bear-hunting spear, and I saw his face.  I kept that spear safe all the way west and "
    "gave it back to him.  I would not look away from what we did.",
    " ",
    // Town 9.
    "My baby was born in the camp, in the month the leaves fell.  When she was hot with fever, I "
    "boiled willow bark and gave her the bitter tea, drop by drop.  I sang to her in our own "
    "language, so the first words she heard would be ours.",
    " ",
    // Town 10.
    "I was the doctor who travelled with one group.  So many fell sick with coughs and fevers in "
    "the cold rain.  I asked the army for more wagons for the sick, and they said no.  So I "
    "gathered boneset along the creeks and brewed it in every camp.",
    " ",
    // Town 11.
    "The first snow came while we were still walking.  The little ones coughed all night in the "
    "cold.  I made lobelia ointment with bear fat, and rubbed it on their chests so they could "
    "breathe.  My grandmother taught me that, and I taught my granddaughters.",
    " ",
    // Town 12.
    "I was a minister, and I chose to walk with the Verunai instead of staying behind.  At night "
    "we sang hymns in their language by the fires.  Many could not sleep for grief, so I gave them "
    "lemon balm tea.  Their hymns, sung in their own words, gave me strength.",
    " ",
    // Town 13.
    "We waited beside the frozen river for many weeks, because the ice was too thin to cross and "
    "too thick for the boats.  I carried my mother's basket, dyed red with blood root.  She used "
    "the root for sore throats, too.  That basket held all we had left of home.",
    " ",
    // Town 14.
    "I was thirteen when the walkers camped beside our farm in the snow.  Father said we had "
    "little to spare, but Mother said we would share it anyway.  We gave them cornbread, and "
    "blackberry tea from leaves we had dried in summer, for upset stomachs.  I never forgot their "
    "thanks.",
    " ",
    // Town 15.
    "Our own people led each group, and I led one of them.  In the winter camp, many grew sick "
    "from the bad water.  We boiled cranesbill root to stop the sickness, and we buried our dead "
    "with prayers beside the road.  I counted every person each morning, and I remember every "
    "name.",
    " ",
    // Town 16.
    "I was paid to drive a wagon for the sick and the old.  The wheels broke on the frozen ruts, "
    "and the hands of the walkers cracked and bled in the cold.  I used spruce pitch to mend the "
    "wagon and to seal their cuts.  The money was poor comfort for what I saw.",
    " ",
    // Town 17.
    "Hunting was hard in the deep snow, but I shared every rabbit and every bird I caught.  When "
    "the cold wind cracked our faces, we rubbed them with bear oil.  My father taught me that a "
    "hunter who eats alone is no hunter at all.",
    " ",
    // Town 18.
    "Every night I sang the old songs so that the children would learn them.  The path to the "
    "spring was covered with ice, and we slipped and fell carrying water.  I rubbed arnica on the "
    "bruises and kept singing.  The songs were one thing the soldiers could not take.",
    " ",
    // Town 19.
    "I could read and write our language, so people asked me to write letters home to the families "
    "left behind.  I wrote about the sick and the brave and the little ones born on the way.  For "
    "sores and chapped skin, we made a salve from bittersweet.",
    " ",
    // Town 20.
    "I was ten, and my job was to bring in the firewood.  When the walkers came past our farm, "
    "their fires kept going out in the wet snow.  I showed a Verunai boy my trick: curls of "
    "birchbark catch fire even when they are damp.  We became friends for one evening.",
    " ",
    // Town 21.
    "My wife grew weak with a cough that would not stop.  I made her bugleweed tea, and I held her "
    "hand as we walked.  She died on a grey morning, and we buried her beside the road with a "
    "song.  I walked on for our children, as she asked me to.",
    " ",
    // Town 22.
    "I was a healer, and by the end of winter my bag of herbs was nearly empty.  I still had dried "
    "calendula flowers, golden as the sun.  When the river ice broke and people cut their feet on "
    "its sharp edges, I washed their wounds with calendula water, and they healed clean.",
    " ",
    // Town 23.
    "I was a free man with a smithy by the road.  When the wagons came through with broken wheels "
    "and axles, I worked all night to mend them.  My wife sent out strings of garlic from our "
    "cellar, good against coughs and colds.  We knew what it was to be pushed aside.",
    " ",
    // Town 24.
    "I taught at a mission school, and many of my pupils walked this trail.  I followed them west "
    "to keep their school going in the new land.  On the way, when fevers came back, we made "
    "dogwood bark tea.  My pupils taught me as much as I taught them.",
    " ",
    // Town 25.
    "I was the oldest in our group, and each night I told the old stories by the fire so the young "
    "ones would not forget who we are.  My walking stick was cut from a tulip poplar, and its bark "
    "made a tea for the weary.  I lived to see the spring.",
    " ",
    // Town 26.
    "Before we left, my mother sewed a pouch of seeds into my dress: corn, beans, squash, and "
    "savory for the cooking pot.  I kept them dry all winter, even when I was hungry.  In the "
    "spring we planted them in the new land, and the savory made our first stew taste like home.",
    " ",
    // Town 27.
    "When we reached the new land, we had almost nothing.  I cut logs and built a cabin for my "
    "family before the summer heat.  We drank sumac-berry water, sour and cool, while we worked "
    "the new fields.  It was not our old home, but we made it a home.",
    " ",
    // Town 28.
    "I was a little girl on the trail, and I lived to be very old in the new land.  When food ran "
    "short, my mother boiled slippery elm bark into a porridge that kept us alive.  I told my "
    "grandchildren everything, so that they would remember.  We are still here.",
}};

const std::array<const char*, IntroCaptionCount> IntroCaptions{{
    "Near a roadside market, friends share a campfire with Sedora, a wise Verunai woman.  She "
    "tells the story of her people.",
    "Sedora has no children to carry on her stories.  She fears they will be forgotten.",
    "Soldiers forced my people from our homes.  They made us walk a long way, through the winter, "
    "to a distant new land.",
    "One in three of the people did not survive the journey.",
    "The Verunai named that journey Weyfarra, the trail where they cried.  It must never be "
    "forgotten.",
}};

const std::array<const char*, EagleLoreCount> EagleLore{{
    "It was said that whoever killed an eagle for sport would be haunted by dreams of fierce, "
    "swooping eagles.",
    "Dreaming of an eagle meant holding an Eagle Dance, with vigils and fasting, or the family "
    "might suffer.",
    "The eagle is sacred: only great warriors and those versed in sacred rites wear eagle feathers "
    "in the dance.",
}};

} // namespace

QString storyLine(int index)
{
    if (index < 0 || index >= StoryLineCount)
        return QString();
    return QString::fromUtf8(StoryLines[static_cast<std::size_t>(index)]);
}

QString introCaption(int number)
{
    if (number < 1 || number > IntroCaptionCount)
        return QString();
    return QString::fromUtf8(IntroCaptions[static_cast<std::size_t>(number - 1)]);
}

QString eagleLore(int number)
{
    if (number < 1 || number > EagleLoreCount)
        return QString();
    return QString::fromUtf8(EagleLore[static_cast<std::size_t>(number - 1)]);
}

QString fleaMarketFarewell()
{
    return QStringLiteral(
        "Sedora takes your hands.  \"Close your eyes,\" she says.  When you open them, you stand "
        "on the ghostly Trail, and your journey is about to begin...");
}

QString closingWords()
{
    return QStringLiteral(
        "You have walked the Weyfarra trail with us, from the old homeland to the new land.  You "
        "met people who suffered, people who helped, and people who never gave up.  Remember them. "
        " The Verunai are still here today: we speak our language, we sing our songs, and we tell "
        "our stories.  Now you carry them too.  Thank you for walking with us.");
}

QString creditLine()
{
    return QStringLiteral(
        "A journey along the Verunai removal trail, made with care for students and teachers.");
}

} // namespace story

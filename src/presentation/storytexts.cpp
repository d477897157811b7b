#include "storytexts.h"

#include <QCoreApplication>
#include <array>

namespace story {

namespace {

// Sentences are parted by two blanks, as everywhere in the game.
const std::array<const char*, StoryLineCount> StoryLines{{
    QT_TRANSLATE_NOOP("Story", "We have three stories that will help you."),
    QT_TRANSLATE_NOOP("Story", "Would you like to hear another story?"),
    QT_TRANSLATE_NOOP("Story", "In this book I write the words of my people.  Our language was "
                               "first written when one of our "
                               "own made a sign for every sound we speak, and soon nearly all of "
                               "us could read and write it."),
    QT_TRANSLATE_NOOP(
        "Story",
        "Before a long journey, my mother rubbed my feet in the ashes of our fire, and we sang "
        "about "
        "the fox and the deer, whose feet are never frostbitten.  I sang that song on every cold "
        "morning of our walk."),
    " ",
    QT_TRANSLATE_NOOP(
        "Story",
        "Long ago I found a young Verunai man lying hurt beside the trail.  I carried him to the "
        "spring below my cabin, and I cared for him until he was strong again.  From that day on, "
        "we "
        "were like brothers."),
    " ",
    // Town 4.
    QT_TRANSLATE_NOOP(
        "Story",
        "The soldiers held the families in a camp in the field below my farm.  They had been taken "
        "from their houses with only what they could carry.  Children burned their hands on the "
        "hot "
        "pots as they tried to get warm, so I cut leaves from my aloe plant and spread the cool "
        "juice "
        "on their burns.  Some of my neighbours bought the families' cows for almost nothing.  "
        "Most "
        "of them just shut their doors."),
    " ",
    // Town 5.
    QT_TRANSLATE_NOOP(
        "Story",
        "Forty years I kept the ferry on this river.  When the soldiers brought the families here, "
        "the big ferry men saw a chance to get rich.  They charged a high price for every wagon "
        "and "
        "made the people wait for days in the cold rain.  I carried mothers and little ones across "
        "for nothing.  My wife met them at the landing with hot ginger tea to stop their "
        "shivering."),
    " ",
    // Town 6.
    QT_TRANSLATE_NOOP(
        "Story",
        "Look at this little deer that I carved from a deer's horn, with its strong, quick legs.  "
        "I "
        "made it in the camp, where the soldiers kept us behind a fence of logs.  Men had found "
        "gold "
        "in our hills, and the state wanted our land for its farms, so the soldiers shut us in to "
        "wait for the march.  I gave a carved deer to every frightened child, and told them that "
        "the "
        "deer still runs free in our old hills."),
    " ",
    // Town 7.
    QT_TRANSLATE_NOOP(
        "Story",
        "\"Tali, my feet hurt,\" my little sister said.  \"Then climb on my back,\" I told her.  "
        "The "
        "soldiers had come to our door at supper time, and we left with our shoes half tied.  I "
        "carried her on my back from the red clay banks all the way to the big river.  On frosty "
        "mornings, Grandmother sprinkled cayenne pepper in our moccasins, and it stung a little, "
        "but "
        "it kept our toes warm."),
    " ",
    // Town 8.
    QT_TRANSLATE_NOOP(
        "Story",
        "My orders said that a law had been passed, and every Verunai family must go west, so we "
        "went "
        "from house to house with our guns.  At one door an old man held out his bear-hunting "
        "spear "
        "and said nothing, and I could not forget his face.  I carried that spear all the way west "
        "and put it back in his hands.  He smiled and said, \"Give it to the children who "
        "remember.\" "
        " Here, it is yours now."),
    " ",
    // Town 9.
    QT_TRANSLATE_NOOP(
        "Story",
        "Do you know the first song you ever heard?  My baby was born in the camp, far from our "
        "home, "
        "in the month the leaves fell.  When she grew hot with fever, I boiled willow bark and "
        "gave "
        "her the bitter tea, drop by drop.  I sang to her in our own language, so that the first "
        "words she heard would be ours, and she grew up to sing them to her own children."),
    " ",
    // Town 10.
    QT_TRANSLATE_NOOP(
        "Story",
        "I was the doctor sent with one group.  The cold rain fell for days, and so many people "
        "fell "
        "sick with coughs and fevers.  I wrote to the army and asked for more wagons and blankets "
        "for "
        "the sick.  The answer was no: the march must keep moving.  So each evening I gathered "
        "boneset along the creeks and brewed it in every camp.  It was never enough."),
    " ",
    // Town 11.
    QT_TRANSLATE_NOOP(
        "Story",
        "\"Grandmother, why must we go?\" my granddaughter asked when the first snow came, and I "
        "told "
        "her the truth.  \"People far away wanted our land.  They made a law to send us west, and "
        "they sent soldiers to make us go.\"  That night the little ones coughed in the bitter "
        "cold, "
        "so I "
        "made lobelia ointment with bear fat and rubbed it on their chests.  My grandmother taught "
        "me "
        "that, and now my granddaughter knows it too."),
    " ",
    // Town 12.
    QT_TRANSLATE_NOOP(
        "Story",
        "My friend, another minister, was sent to prison for living among the Verunai.  His case "
        "went "
        "to the highest court in the land, and the judges said the state had no right to rule the "
        "Verunai or take their land.  We had won!  But the President would not make the state "
        "obey.  "
        "So I chose to walk west with the people.  Many could not sleep for grief, and each night "
        "I "
        "brewed lemon balm tea from the leaves in my pack."),
    " ",
    // Town 13.
    QT_TRANSLATE_NOOP(
        "Story",
        "This basket is dyed red with blood root.  My mother wove it, and she used the same root "
        "for "
        "sore throats.  We waited beside this frozen river for many weeks, because the ice was too "
        "thin to cross and too thick for the boats.  I kept thinking of our farm, which the state "
        "had "
        "given away in a lottery, so strangers slept in our house.  This basket held all we had "
        "left "
        "of home."),
    " ",
    // Town 14.
    QT_TRANSLATE_NOOP(
        "Story",
        "When the families camped beside our farm in the snow, the store in town sold them flour "
        "at "
        "three times its price.  Father said we had little to spare.  Mother said, \"Then we will "
        "share the little.\"  The children were sick from spoiled food, so we boiled blackberry "
        "leaves that we had dried in summer and carried the tea out in buckets.  I was thirteen "
        "years "
        "old, and I never forgot their thanks."),
    " ",
    // Town 15.
    QT_TRANSLATE_NOOP(
        "Story",
        "When the soldiers had gathered us into camps, our Principal Chief asked that our own "
        "people "
        "lead the march west, and not the army.  I led one group of a thousand.  In the winter "
        "camp "
        "the water was bad, and many grew sick.  We boiled cranesbill root and gave the tea to "
        "everyone who was ill.  Each morning I counted every person in my group.  I remember every "
        "name."),
    " ",
    // Town 16.
    QT_TRANSLATE_NOOP(
        "Story",
        "The government paid men like me to drive wagons for the sick and the old, and some of "
        "those "
        "men got rich on it.  I took the job for the money, I will not lie.  The wheels broke on "
        "the "
        "frozen ruts, and the people's hands cracked in the cold.  I used spruce pitch from the "
        "trees "
        "to mend the wagon and to seal their cuts, but the money was poor comfort for what I saw."),
    " ",
    // Town 17.
    QT_TRANSLATE_NOOP(
        "Story",
        "My brother did not walk this trail.  When the soldiers came, he took his family high into "
        "the mountains and hid in the caves and the laurel thickets.  They stayed, and their "
        "children "
        "still live in our old homeland today.  I walked west with the rest of us.  Hunting was "
        "hard "
        "in the deep snow, but I shared every rabbit I caught.  When the wind cracked our faces, "
        "we "
        "rubbed them with bear oil."),
    " ",
    // Town 18.
    QT_TRANSLATE_NOOP(
        "Story",
        "Every night I sang the old songs, so the children would learn them.  The path to the "
        "spring "
        "was covered with ice, and we slipped and fell carrying water.  I rubbed arnica on the "
        "bruises, and with every bruise I taught one more verse.  The soldiers could take our "
        "homes, "
        "but not a song we carried inside us.  Listen now, and I will sing you the first verse."),
    " ",
    // Town 19.
    QT_TRANSLATE_NOOP(
        "Story",
        "I write in our own letters.  Before the soldiers came, a small group of men signed a "
        "treaty "
        "to sell all our land.  They did not speak for the nation.  I helped carry a paper against "
        "it, and more than fifteen thousand of our people signed their names.  The leaders in the "
        "capital would not listen.  On the trail my hands cracked from writing in the cold, so I "
        "rubbed them with bittersweet salve and wrote letters home for the people."),
    " ",
    // Town 20.
    QT_TRANSLATE_NOOP(
        "Story",
        "\"Stay away from them,\" Father said when the families camped by our fields in the wet "
        "snow, "
        "and most of our neighbours shut their doors.  But their fires kept going out, and I was "
        "ten "
        "years old and knew a trick.  I ran to a Verunai boy with a pocket full of birchbark and "
        "said, \"It burns even when it is damp.\"  His fire caught on the first try, and we sat "
        "beside it and traded names."),
    " ",
    // Town 21.
    QT_TRANSLATE_NOOP(
        "Story",
        "My wife grew weak with a cough that would not stop.  Every night I made her bugleweed "
        "tea, "
        "and I held her hand as we walked, because the soldiers would not let us rest.  She died "
        "on a "
        "grey morning, and we buried her beside the road with a song.  She had asked me to walk on "
        "for our children, and so I did.  They are the reason I am here to speak with you."),
    " ",
    // Town 22.
    QT_TRANSLATE_NOOP(
        "Story",
        "Have you ever seen calendula flowers?  They are golden as the sun, and I carried them "
        "dried "
        "in my bag of herbs.  By the end of winter that bag was nearly empty.  When the river ice "
        "broke, people cut their feet on its sharp edges, and I washed their cuts with calendula "
        "water so that they healed clean.  Many of the plants we knew did not grow in the land "
        "they "
        "sent us to."),
    " ",
    // Town 23.
    QT_TRANSLATE_NOOP(
        "Story",
        "I was a free man with a smithy by this road, and I knew what it was to be pushed aside.  "
        "When the wagons came through with broken wheels and cracked axles, I worked all night to "
        "mend them, and I would not take a penny.  My wife sent out strings of garlic from our "
        "cellar, good against coughs and colds.  In the morning the wagons rolled on, and I went "
        "back "
        "to my fire."),
    " ",
    // Town 24.
    QT_TRANSLATE_NOOP(
        "Story",
        "Many of my pupils walked this trail, so I followed them west to keep their school going.  "
        "On "
        "the way, when fevers came back, the older girls showed me how to make dogwood bark tea, "
        "and "
        "I wrote down every step.  In the west the Verunai built their nation again.  They had "
        "their "
        "own council and their own newspaper, and more schools than before.  My pupils became the "
        "teachers."),
    " ",
    // Town 25.
    QT_TRANSLATE_NOOP(
        "Story",
        "They told us the land in the west would be ours for as long as the grass grows, but we "
        "did "
        "not choose it, and it was not home.  I was the oldest in our group, so each night I told "
        "the "
        "old stories by the fire, and the young ones learned who we are.  My walking stick is cut "
        "from a tulip poplar, and its bark made a tea for the weary.  Sit down beside me, and I "
        "will "
        "tell you one."),
    " ",
    // Town 26.
    QT_TRANSLATE_NOOP(
        "Story",
        "Feel this little pouch.  Before we left, my mother sewed it into my dress, full of seeds: "
        "corn, beans, squash, and savory for the cooking pot.  All winter I kept them dry, even "
        "when "
        "I was hungry.  In the spring we knelt in the strange red earth of the west and pressed "
        "the "
        "seeds in, one by one.  When the savory came up, our first stew tasted like home."),
    " ",
    // Town 27.
    QT_TRANSLATE_NOOP(
        "Story",
        "We came to the west with very little, to a land we had never chosen.  Before summer came, "
        "I "
        "cut down trees and built a cabin for my family, and our neighbours helped me raise the "
        "roof.  We drank sumac-berry water, cool and sour, while we cleared the new fields.  It "
        "was "
        "not our old home.  But we planted, we held our council again, and we made it a home."),
    " ",
    // Town 28.
    QT_TRANSLATE_NOOP(
        "Story",
        "I was a little girl on this trail, and I lived to be very old.  When food ran short, my "
        "mother boiled slippery elm bark into a porridge that kept us going.  I told my "
        "grandchildren "
        "everything, so that they would remember, and they told theirs.  Today our nations have "
        "their "
        "own governments, schools and languages, in the west and in the old mountains too.  We are "
        "still here."),
}};

const std::array<const char*, IntroCaptionCount> IntroCaptions{{
    QT_TRANSLATE_NOOP(
        "Story",
        "Near a roadside market, friends share a campfire with Sedora, a wise Verunai woman.  She "
        "tells the story of her people."),
    QT_TRANSLATE_NOOP(
        "Story",
        "Sedora has no children to carry on her stories.  She fears they will be forgotten."),
    QT_TRANSLATE_NOOP("Story", "Soldiers forced my people from our homes.  They made us walk a "
                               "long way, through the winter, "
                               "to a distant new land."),
    QT_TRANSLATE_NOOP("Story", "One in three of the people did not survive the journey."),
    QT_TRANSLATE_NOOP(
        "Story",
        "The Verunai named that journey Weyfarra, the trail where they cried.  It must never be "
        "forgotten."),
}};

const std::array<const char*, EagleLoreCount> EagleLore{{
    QT_TRANSLATE_NOOP(
        "Story",
        "It was said that whoever killed an eagle for sport would be haunted by dreams of fierce, "
        "swooping eagles."),
    QT_TRANSLATE_NOOP(
        "Story",
        "Dreaming of an eagle meant holding an Eagle Dance, with vigils and fasting, or the family "
        "might suffer."),
    QT_TRANSLATE_NOOP("Story", "The eagle is sacred: only great warriors and those versed in "
                               "sacred rites wear eagle feathers "
                               "in the dance."),
}};

QString translated(const char* source)
{
    return QCoreApplication::translate("Story", source);
}

} // namespace

QString storyLine(int index)
{
    if (index < 0 || index >= StoryLineCount)
        return QString();
    return translated(StoryLines[static_cast<std::size_t>(index)]);
}

QString introCaption(int number)
{
    if (number < 1 || number > IntroCaptionCount)
        return QString();
    return translated(IntroCaptions[static_cast<std::size_t>(number - 1)]);
}

QString eagleLore(int number)
{
    if (number < 1 || number > EagleLoreCount)
        return QString();
    return translated(EagleLore[static_cast<std::size_t>(number - 1)]);
}

QString fleaMarketFarewell()
{
    return QCoreApplication::translate(
        "Story",
        "Sedora takes your hands.  \"Close your eyes,\" she says.  When you open them, you stand "
        "on the ghostly Trail, and your journey is about to begin...");
}

QString closingWords()
{
    return QCoreApplication::translate(
        "Story",
        "You have walked the Weyfarra trail with us, from the old homeland to the land in the "
        "west.  Others wanted our land, and a law and a treaty signed by a few were used to force "
        "us out.  We spoke up with petitions and in the highest court, and some of us hid in the "
        "mountains and stayed.  Remember the few who helped, and the many who looked away.  The "
        "Verunai are still here today, as nations: we speak our language, sing our songs and tell "
        "our stories.  Now you carry them too.  Thank you for walking with us.");
}

QString remediesOfLongAgo()
{
    return QCoreApplication::translate(
        "Story",
        "These are remedies people used long ago.  Many of these plants are poisonous: never try "
        "them yourself.");
}

QString creditLine()
{
    return QCoreApplication::translate(
        "Story",
        "A journey along the Verunai removal trail, made with care for students and teachers.");
}

} // namespace story

#include "storytexts.h"

#include <array>

namespace story {

namespace {

// Sentences are parted by two blanks, as everywhere in the game.
const std::array<const char*, StoryLineCount> StoryLines{{
    "We have three stories that will help you.",
    "Would you like to hear another story?",
    "In this book I write the words of my people.  Our language was first written when one "
    "of our own made a sign for every sound we speak, and soon nearly all of us could read "
    "and write it.",
    "Before a long journey, my mother rubbed my feet in the ashes of our fire, and we sang "
    "about the fox and the deer, whose feet are never frostbitten.  I sang that song on "
    "every cold morning of our walk.",
    " ",
    "Long ago I found a young Verunai man lying hurt beside the trail.  I carried him to the "
    "spring below my cabin, and I cared for him until he was strong again.  From that day "
    "on, we were like brothers.",
    " ",
    " ",
    " ",
    " ",
    " ",
    " ",
}};

const std::array<const char*, IntroCaptionCount> IntroCaptions{{
    "Near a roadside market, friends share a campfire with Sedora, a wise Verunai woman.  "
    "She tells the story of her people.",
    "Sedora has no children to carry on her stories.  She fears they will be forgotten.",
    "Soldiers forced my people from our homes.  They made us walk a long way, through the "
    "winter, to a distant new land.",
    "One in three of the people did not survive the journey.",
    "The Verunai named that journey Weyfarra, the trail where they cried.  It must never "
    "be forgotten.",
}};

const std::array<const char*, EagleLoreCount> EagleLore{{
    "It was said that whoever killed an eagle for sport would be haunted by dreams of "
    "fierce, swooping eagles.",
    "Dreaming of an eagle meant holding an Eagle Dance, with vigils and fasting, or the "
    "family might suffer.",
    "The eagle is sacred: only great warriors and those versed in sacred rites wear eagle "
    "feathers in the dance.",
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
    return QStringLiteral("Sedora takes your hands.  \"Close your eyes,\" she says.  When you "
                          "open them, you stand on the ghostly Trail, and your journey is "
                          "about to begin...");
}

QString creditLine()
{
    return QStringLiteral("A journey along the Verunai removal trail, made with care for "
                          "students and teachers.");
}

} // namespace story

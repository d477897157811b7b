#pragma once

// The words the game shows: the spirits' story lines, the intro's captions,
// the eagle lore, the last message of the flea market, Sedora's closing
// words and the about box's credit line. The content generator speaks these
// same texts, so what the player reads and what the player hears always
// agree.

#include <QString>

namespace story {

// The spirits' story lines (`ctchar`), index 0..55. The line shown on
// arrival in town T is 2 * T - 1, for every town up to 28. Lines without a
// story are a single blank.
constexpr int StoryLineCount = 56;
QString storyLine(int index);

// The intro's five captions, 1..5, in the order they are shown.
constexpr int IntroCaptionCount = 5;
QString introCaption(int number);

// The three eagle-lore lines of the flea market's eagle button, 1..3 (the
// button's tags 1, 3 and 5).
constexpr int EagleLoreCount = 3;
QString eagleLore(int number);

// The flea market's step-7 message: the party sets out on the trail.
QString fleaMarketFarewell();

// Sedora's words at the journey's end, spoken in her voice
// (intro/closing.mp3) while the intro's fire burns again.
QString closingWords();

// Said with the praise of the party's first remedy: what the goods were,
// and that nobody should try them.
QString remediesOfLongAgo();

// The about box's credit line.
QString creditLine();

} // namespace story

#pragma once

// The trail told in four parts of seven towns, one for each class period,
// by the seasons of the walk: the autumn hills, the first snow, the frozen
// rivers of midwinter and the thaw into spring. A part ends when the party
// has been through its last town; the journal then starts the next.

#include "shell/gamefacts.h"

#include <QString>

struct Chapter {
    int number = 0; // 1..ChapterCount; 0 for no chapter
    int firstTown = 0;
    int lastTown = 0;
    QString title;    // "The First Snow", in the language in view
    QString ordinal;  // "second", as in "the end of the second part"
};

constexpr int ChapterCount = 4;
constexpr int TownsPerChapter = TownCount / ChapterCount;
static_assert(TownsPerChapter * ChapterCount == TownCount);

// Chapter 1..ChapterCount; an empty chapter for any other number.
Chapter chapter(int number);
// The chapter town 1..28 belongs to; an empty chapter for any other town.
Chapter chapterOf(int town);
// Whether the town is the last of its chapter.
bool endsChapter(int town);

// "This is the end of the second part of your journey. ..." for chapters
// 1..3; the last chapter ends with the journey.
QString chapterEndWords(int number);
// Said with it: where the part's questions are.
QString chapterQuestionsHint();

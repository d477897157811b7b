// The end of a part of the trail: in the last town of each of the first
// three parts the party stops before walking on. The journal closes the part
// and offers its questions, the journey is saved, and the instruction panel
// says that this is a good place to stop for the day.

#include "game.h"
#include "shell/chapters.h"
#include "shell/gamestate.h"

#include <QPushButton>

bool TGame::holdAtChapterEnd()
{
    const GameState& s = gameState();
    const Chapter part = chapterOf(s.Town);
    if (!partsOfTheTrail || !endsChapter(s.Town) || part.number >= ChapterCount || !journeyGoesOn())
        return false;
    // Said once: the journal keeps that the part has ended, so a journey
    // opened here walks on at the next Continue.
    if (!journal.endedChapter(part.number))
        return false;
    // The words, and below them where the part's questions are.
    showPrompt([number = part.number] { return chapterEndWords(number); },
               [] { return chapterQuestionsHint(); });
    if (whyJourneyCannotBeSavedNow().isEmpty())
        autosaveJourney();
    Continue->setEnabled(true);
    Continue->setFocus(Qt::OtherFocusReason);
    return true;
}

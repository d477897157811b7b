#include "journal.h"
#include "shell/chapters.h"

#include <QCoreApplication>
#include <array>

// The questions the journal asks the pupils at the end of each part of the
// trail: the game's own, in plain words, to talk over as a class and answer
// together. They ask about the stories heard, the help given and refused,
// how the people stood up for themselves and kept their ways, and the
// nations as they live today; none of them asks a pupil to play at being
// one of the people who were forced to walk.

namespace {

using Questions = std::array<const char*, 3>;

constexpr std::array<Questions, ChapterCount> AllQuestions{{
    // The Autumn Hills: the homes left behind, the camps, the first help.
    {{
        QT_TRANSLATE_NOOP("Journal", "Which spirit's story stayed with you most, and why?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "In your own words, why were the Verunai families made to leave their homes?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "Some people helped the families, and many shut their doors.  Who helped, and what did "
            "they do?"),
    }},
    // The First Snow: the songs and the language, the court that was not
    // obeyed.
    {{
        QT_TRANSLATE_NOOP(
            "Journal", "What did your party need most on this part of the trail, and who helped?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "How did the people in these stories keep their language, their songs and what they "
            "knew?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "The Verunai won in the highest court, but the President would not make the state "
            "obey.  What do you think of that?"),
    }},
    // The Frozen Rivers: the paper signed by thousands, the families who
    // stayed in the mountains.
    {{
        QT_TRANSLATE_NOOP(
            "Journal", "Which story from this part of the trail would you tell a friend, and why?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "How did the people in these stories stand up for themselves and for their ways?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "Some people on this part of the trail helped, and some looked away.  What do you "
            "think made the difference?"),
    }},
    // The Thaw, at the journey's end: a new start in the west, and the
    // nations today.
    {{
        QT_TRANSLATE_NOOP(
            "Journal",
            "What did your party need most on the last part of the trail, and who helped?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "In the west the Verunai planted, held their council and opened schools again.  What "
            "did they bring with them from home?"),
        QT_TRANSLATE_NOOP(
            "Journal",
            "The Verunai are still here today, as nations with their own governments, schools and "
            "languages.  What would you like to learn about them?"),
    }},
}};

} // namespace

QStringList Journal::questions(int chapter)
{
    if (chapter < 1 || chapter > ChapterCount)
        return {};
    QStringList asked;
    for (const char* question : AllQuestions[static_cast<std::size_t>(chapter - 1)])
        asked << QCoreApplication::translate("Journal", question);
    return asked;
}

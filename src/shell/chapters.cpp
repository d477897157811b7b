#include "chapters.h"

#include <QCoreApplication>
#include <array>

namespace {

struct Part {
    const char* title;
    const char* ordinal;
};

constexpr std::array<Part, ChapterCount> Parts{{
    {QT_TRANSLATE_NOOP("Chapters", "The Autumn Hills"), QT_TRANSLATE_NOOP("Chapters", "first")},
    {QT_TRANSLATE_NOOP("Chapters", "The First Snow"), QT_TRANSLATE_NOOP("Chapters", "second")},
    {QT_TRANSLATE_NOOP("Chapters", "The Frozen Rivers"), QT_TRANSLATE_NOOP("Chapters", "third")},
    {QT_TRANSLATE_NOOP("Chapters", "The Thaw"), QT_TRANSLATE_NOOP("Chapters", "fourth")},
}};

} // namespace

Chapter chapter(int number)
{
    if (number < 1 || number > ChapterCount)
        return {};
    const Part& part = Parts[static_cast<std::size_t>(number - 1)];
    return {number, (number - 1) * TownsPerChapter + 1, number * TownsPerChapter,
            QCoreApplication::translate("Chapters", part.title), QString::fromLatin1(part.ordinal)};
}

Chapter chapterOf(int town)
{
    if (town < 1 || town > TownCount)
        return {};
    return chapter((town - 1) / TownsPerChapter + 1);
}

bool endsChapter(int town)
{
    const Chapter c = chapterOf(town);
    return c.number != 0 && c.lastTown == town;
}

QString chapterEndWords(int number)
{
    if (number < 1 || number >= ChapterCount)
        return {};
    const QString ordinal = QCoreApplication::translate(
        "Chapters", Parts[static_cast<std::size_t>(number - 1)].ordinal);
    return QCoreApplication::translate(
               "Chapters",
               "This is the end of the %1 part of your journey.  You can stop here: your journey "
               "is saved.  Next time, choose your party's name at the flea market to go on.")
        .arg(ordinal);
}

QString chapterQuestionsHint()
{
    return QCoreApplication::translate("Chapters", "Open the journal (File menu, or Ctrl+J) to "
                                                   "think over this part's questions together.");
}

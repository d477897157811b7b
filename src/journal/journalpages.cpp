#include "journal.h"
#include "journalwords.h"
#include "presentation/storytexts.h"
#include "shell/chapters.h"
#include "shell/language.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <algorithm>

// The journal's pages: what the party did, written out with the towns'
// names, their spirits and the stories, the parts of the trail and the
// pupils' answers at the end of each.

namespace {

QString words(const char* source)
{
    return QCoreApplication::translate("Journal", source);
}

// A long catch is written a few fish to a paragraph, so a page can hold it.
constexpr int FishPerParagraph = 10;

// "A meadow ..." carries on a sentence as "a meadow ...".
QString carriedOn(const QString& text)
{
    if (text.size() < 2 || (!text.at(1).isLower() && text.at(1) != QLatin1Char(' ')))
        return text;
    return text.at(0).toLower() + text.mid(1);
}

QString sentence(const QString& text)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!')) ||
        text.endsWith(QLatin1Char('?')))
        return text;
    return text + QLatin1Char('.');
}

QString points(int score)
{
    // English keeps its own two words; a translation counts in its own forms.
    if (const QString shown =
            language::counted("Journal", QT_TRANSLATE_N_NOOP("Journal", "%n points"), score);
        !shown.isEmpty())
        return shown;
    return QStringLiteral("%1 %2").arg(score).arg(score == 1 ? QStringLiteral("point")
                                                             : QStringLiteral("points"));
}

QString townTitle(int town)
{
    return words(QT_TRANSLATE_NOOP("Journal", "Town %1: %2"))
        .arg(town)
        .arg(townContent(town).townName);
}

// A page with its title and nothing on it yet.
JournalPage titled(int town, const QString& title)
{
    JournalPage page;
    page.town = town;
    page.title = title;
    return page;
}

// "Part Two"
QString partName(int chapter)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Journal", "Part One"), QT_TRANSLATE_NOOP("Journal", "Part Two"),
        QT_TRANSLATE_NOOP("Journal", "Part Three"), QT_TRANSLATE_NOOP("Journal", "Part Four")};
    return words(names[chapter - 1]);
}

// "Part Two: The First Snow"
QString chapterHeading(int chapter)
{
    return words(QT_TRANSLATE_NOOP("Journal", "%1: %2"))
        .arg(partName(chapter), ::chapter(chapter).title);
}

// "Fish caught: A, B and C."
QString fishParagraph(const QStringList& fish, bool first)
{
    QStringList shown;
    for (const QString& one : fish)
        shown << journalwords::shownCatch(one);
    const QString list = journalwords::joinedShown(shown);
    return (first ? words(QT_TRANSLATE_NOOP("Journal", "Fish caught: %1."))
                  : words(QT_TRANSLATE_NOOP("Journal", "More fish caught: %1.")))
        .arg(list);
}

// The lines a paragraph takes when wrapped at `width` characters.
int linesOf(const QString& paragraph, int width)
{
    return std::max<int>(1, static_cast<int>((paragraph.size() + width - 1) / width));
}

} // namespace

QString JournalPage::text() const
{
    QStringList parts;
    if (!heading.isEmpty())
        parts << heading;
    parts << title << paragraphs;
    return parts.join(QStringLiteral("\n\n"));
}

JournalPage Journal::questionsPage(int chapter) const
{
    JournalPage page;
    if (chapter < 1 || chapter > ChapterCount)
        return page;
    page.title = words(QT_TRANSLATE_NOOP("Journal", "Thinking It Over"));
    static const char* const ends[] = {QT_TRANSLATE_NOOP("Journal", "The End of Part One"),
                                       QT_TRANSLATE_NOOP("Journal", "The End of Part Two"),
                                       QT_TRANSLATE_NOOP("Journal", "The End of Part Three"),
                                       QT_TRANSLATE_NOOP("Journal", "The End of the Journey")};
    page.heading = words(ends[chapter - 1]);
    page.questionsOf = chapter;
    const QStringList asked = questions(chapter);
    for (int k = 0; k < asked.size(); ++k) {
        const QString written = answer(chapter, k + 1);
        page.paragraphs << asked.at(k)
                        << (written.isEmpty()
                                ? words(QT_TRANSLATE_NOOP("Journal", "(not answered yet)"))
                                : written);
    }
    return page;
}

QString Journal::paragraphOf(const Entry& entry) const
{
    const TownContent town = townContent(entry.number);
    switch (entry.kind) {
    case Kind::Arrival:
        // The first town has no route to it: the journey starts there.
        if (!routeSegment(entry.number))
            return words(QT_TRANSLATE_NOOP("Journal", "Your party set out from %1."))
                .arg(town.townName);
        if (town.sceneDescription.isEmpty())
            return words(QT_TRANSLATE_NOOP("Journal", "Your party reached %1.")).arg(town.townName);
        return words(QT_TRANSLATE_NOOP("Journal", "Your party reached %1 and saw %2"))
            .arg(town.townName, sentence(carriedOn(town.sceneDescription)));
    case Kind::Spirit:
        return (town.female ? words(QT_TRANSLATE_NOOP("Journal", "There your party met %1, %2.  "
                                                                 "She told her story:"))
                            : words(QT_TRANSLATE_NOOP("Journal", "There your party met %1, %2.  "
                                                                 "He told his story:")))
            .arg(town.spiritName, town.spiritWho);
    case Kind::Trade: {
        const QString given = journalwords::shownGiven(entry.first);
        const QString received = journalwords::shownReceived(entry.second);
        QString text =
            town.hasSpirit()
                ? words(QT_TRANSLATE_NOOP("Journal", "Your party gave %1 %2 and received %3."))
                      .arg(town.spiritName, given, received)
                : words(QT_TRANSLATE_NOOP("Journal", "Your party gave %1 and received %2."))
                      .arg(given, received);
        if (entry.useful && !town.goodPraise.isEmpty())
            text += QStringLiteral("  ") + town.goodPraise;
        return text;
    }
    case Kind::Snakebite:
        return words(QT_TRANSLATE_NOOP("Journal", "On the road, %1 was bitten by a snake.  The "
                                                  "treatment your party chose: %2"))
            .arg(entry.first, sentence(carriedOn(journalwords::shownTreatment(entry.second))));
    case Kind::End: {
        const int last = currentTown();
        if (last <= 0)
            return words(QT_TRANSLATE_NOOP("Journal", "Your party came to the end of the trail "
                                                      "with a final score of %1."))
                .arg(points(entry.number));
        return words(QT_TRANSLATE_NOOP("Journal", "Your party came to the end of the trail at %1 "
                                                  "with a final score of %2."))
            .arg(townContent(last).townName, points(entry.number));
    }
    case Kind::Note:
        return journalwords::shownNote(entry.first);
    case Kind::Fish:
    case Kind::Chapter:
        break;
    }
    return {};
}

std::vector<JournalPage> Journal::townPages() const
{
    std::vector<JournalPage> pages;
    QStringList fish;
    int fishParagraphs = 0;
    const auto writeFish = [&] {
        if (fish.isEmpty())
            return;
        pages.back().paragraphs << fishParagraph(fish, fishParagraphs == 0);
        ++fishParagraphs;
        fish.clear();
    };

    // A part's questions follow its last town's page, and whatever the party
    // did before it reached the next town.
    int questionsDue = 0;
    const auto writeQuestions = [&] {
        if (questionsDue != 0)
            pages.push_back(questionsPage(questionsDue));
        questionsDue = 0;
    };
    int chapterShown = 0;

    for (const Entry& entry : entries_) {
        if (entry.kind != Kind::Fish)
            writeFish();
        if (entry.kind == Kind::Chapter) {
            questionsDue = entry.number;
            continue;
        }
        if (entry.kind == Kind::Arrival || entry.kind == Kind::End) {
            writeQuestions();
            fishParagraphs = 0;
            pages.push_back(titled(entry.kind == Kind::Arrival ? entry.number : 0,
                                   entry.kind == Kind::Arrival
                                       ? townTitle(entry.number)
                                       : words(QT_TRANSLATE_NOOP("Journal", "The Journey's End"))));
            // The first town the party reached in a part begins it.
            const int part = chapterOf(entry.number).number;
            if (entry.kind == Kind::Arrival && part != chapterShown) {
                pages.back().heading = chapterHeading(part);
                chapterShown = part;
            }
        } else if (pages.empty()) {
            pages.push_back(titled(0, words(QT_TRANSLATE_NOOP("Journal", "On the Trail"))));
        }
        if (entry.kind == Kind::Fish) {
            fish << entry.first;
            if (fish.size() == FishPerParagraph)
                writeFish();
            continue;
        }
        pages.back().paragraphs << paragraphOf(entry);
        if (entry.kind == Kind::Spirit) {
            const QString story = story::storyLine(2 * entry.number - 1).trimmed();
            if (!story.isEmpty())
                pages.back().paragraphs << QLatin1Char('"') + story + QLatin1Char('"');
        }
    }
    writeFish();
    writeQuestions();
    if (hasEnded())
        pages.push_back(questionsPage(ChapterCount));
    return pages;
}

std::vector<JournalPage> Journal::pages(JournalPageSize size) const
{
    std::vector<JournalPage> whole = townPages();
    if (size.charactersPerLine <= 0 || size.lines <= 0)
        return whole;

    std::vector<JournalPage> split;
    for (const JournalPage& page : whole) {
        if (page.questionsOf != 0) {
            split.push_back(page);
            continue;
        }
        split.push_back(titled(page.town, page.title));
        split.back().heading = page.heading;
        int used = 0;
        for (const QString& paragraph : page.paragraphs) {
            const int lines = linesOf(paragraph, size.charactersPerLine);
            const int needed = split.back().paragraphs.isEmpty() ? lines : used + 1 + lines;
            if (needed > size.lines && !split.back().paragraphs.isEmpty()) {
                split.push_back(
                    titled(page.town,
                           words(QT_TRANSLATE_NOOP("Journal", "%1 (continued)")).arg(page.title)));
                used = lines;
            } else {
                used = needed;
            }
            split.back().paragraphs << paragraph;
        }
    }
    return split;
}

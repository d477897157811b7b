#pragma once

// The journal of the journey: what the party did, in order, written as it
// travels, so that a class can talk about the journey afterwards. It keeps
// only what happened (the towns' numbers, what was traded, who was bitten,
// the fish); the towns' names, their spirits and the stories come from the
// town table and the story texts when the pages are written. A saved journey
// carries the journal as lines of text.
//
// At the end of each of the trail's four parts (three of them written with
// endedChapter(), the fourth with the journey's end) the journal asks the
// pupils a few questions of its own, and keeps what they answer.

#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

// One page of the journal: a town and what happened there, the journey's
// end, or the questions at the end of a part of the trail.
struct JournalPage {
    int town = 0; // 1..28; 0 for what came before any town and for the end
    QString title;
    QStringList paragraphs;
    // Above the title where a part of the trail begins ("Part Two: The First
    // Snow") and on its questions ("The End of Part Two"); empty elsewhere.
    QString heading;
    // The part 1..4 whose questions the page holds, 0 on any other page. Its
    // paragraphs are each question followed by its answer, or by
    // "(not answered yet)".
    int questionsOf = 0;

    // The heading, the title, then the paragraphs, a blank line between each.
    QString text() const;
};

// How much text a page holds, as the view measures it: paragraphs are
// wrapped at `charactersPerLine` and a blank line parts them.
struct JournalPageSize {
    int charactersPerLine = 0; // 0: a town's page is never split
    int lines = 0;
};

struct JournalReading;

class Journal {
public:
    // Each writes its event and says whether it did. A repeat that would be
    // silly is not written again (a town reached twice, a spirit met twice, a
    // second snakebite in one town, a second end); nor is an event outside
    // the trail (town 0 or 29, a blank text), nor anything after the end.

    // The party arrived in town 1..28.
    bool arrived(int town);
    // The town's spirit appeared and told its story.
    bool metSpirit(int town);
    // `given` and `received` as the trade offer says them ("3 wolf wall
    // hangings", "some snakeroot"); a useful good gets the town's sentence
    // about what it is for.
    bool traded(int town, const QString& given, const QString& received, bool useful);
    // `treatment` as the choice reads ("Clean the wound thoroughly.").
    bool snakebite(const QString& traveller, const QString& treatment);
    // The catch list's line ("2 lb 5 oz bluegill").
    bool caughtFish(const QString& line);
    // What happened to the party in the town it reached last, in a sentence
    // of its own: what it ate, who fell ill and what helped, a day of rest,
    // a hunt ("Avrel caught a chill on the road.").
    bool note(const QString& sentence);
    bool ended(int finalScore);
    // The party left the last town of part 1..3 of the trail (towns 7, 14
    // and 21); the fourth part ends with the journey. Refused for any other
    // part, a part already ended, a part whose last town the party has not
    // reached, and after the journey's end. The parts before need not have
    // ended: a journey begun before the journal knew of parts has none.
    bool endedChapter(int chapter);

    // The parts whose end the journal holds, the journey's end counting as
    // the fourth's.
    int chaptersEnded() const;
    bool chapterIsOver(int chapter) const;

    // The questions for the pupils at the end of part 1..4, in the game's
    // words; none for any other number.
    static QStringList questions(int chapter);
    // The longest answer the journal keeps, in characters.
    static constexpr int MaxAnswerLength = 2000;
    // Writes the pupils' answer to question 1.. of part 1..4, once that
    // part is over; a later answer takes the place of the earlier one, and
    // an empty one (or only blanks) takes the answer away. Line breaks and
    // tabs are kept, "\r\n" becoming "\n"; other control characters become
    // blanks, and blanks around the answer go. Refused for a part not over, a
    // question it does not ask, or an answer longer than MaxAnswerLength.
    bool answered(int chapter, int question, const QString& text);
    // The answer written; empty when there is none.
    QString answer(int chapter, int question) const;
    int answersWritten() const { return static_cast<int>(answers_.size()); }
    // The page of part 1..4's questions and their answers.
    JournalPage questionsPage(int chapter) const;

    // A new journey.
    void clear()
    {
        entries_.clear();
        answers_.clear();
    }
    bool isEmpty() const { return entries_.empty(); }
    bool hasEnded() const;
    // The score written at the end; 0 before it.
    int finalScore() const;
    // The town the party reached last; 0 before the first.
    int currentTown() const;

    // The pages to read: one for each town reached (split into as many as the
    // size needs), the questions after the last town of each part that has
    // ended, then the journey's end and the last part's questions. A page of
    // questions is never split.
    std::vector<JournalPage> pages(JournalPageSize size = {}) const;

    // The journal as lines for a saved journey, and back. The first line is
    // "Kelvarin journal 2"; a line follows for each event in order
    // ("town\t3", "chapter\t1", ...), then one for each answer by part and
    // question ("answer\t<part>\t<question>\t<text>"). In an answer's text
    // a backslash is written "\\", a line break "\n" and a tab "\t";
    // nothing else of it is changed. Reading checks every line and refuses
    // damaged lines with a message rather than guess; the lines of version 1,
    // before parts and answers, still read.
    QStringList toLines() const;
    static JournalReading fromLines(const QStringList& lines);

    bool operator==(const Journal& other) const = default;

private:
    enum class Kind { Arrival, Spirit, Trade, Snakebite, Fish, End, Note, Chapter };
    struct Entry {
        Kind kind = Kind::Arrival;
        int number = 0; // the town, the final score, or the part
        QString first;  // what was given; who was bitten; the fish
        QString second; // what was received; the treatment
        bool useful = false;
        bool operator==(const Entry& other) const = default;
    };
    std::vector<Entry> entries_;
    // The answers by part and question.
    std::map<std::pair<int, int>, QString> answers_;

    bool reached(int town) const;
    QString whyNot(const Entry& entry) const;
    QString whyNotAnswer(int chapter, int question, const QString& text) const;
    bool add(Entry entry);
    bool addInTown(Entry entry);
    QString lineOf(const Entry& entry) const;
    QString paragraphOf(const Entry& entry) const;
    std::vector<JournalPage> townPages() const;
};

struct JournalReading {
    Journal journal;
    // Why the lines are not a journal, as a message of its own; empty when
    // they are.
    QString problem;
    // The reason alone ("line 5 is not an entry of the journal"), for a
    // message that tells it within its own.
    QString why;
};

#pragma once

// The journal of the journey: what the party did, in order, written as it
// travels, so that a class can talk about the journey afterwards. It keeps
// only what happened (the towns' numbers, what was traded, who was bitten,
// the fish); the towns' names, their spirits and the stories come from the
// town table and the story texts when the pages are written. A saved journey
// carries the journal as lines of text.

#include <QString>
#include <QStringList>
#include <vector>

// One page of the journal: a town and what happened there, or the journey's
// end.
struct JournalPage {
    int town = 0; // 1..28; 0 for what came before any town and for the end
    QString title;
    QStringList paragraphs;

    // The title, then the paragraphs, a blank line between each.
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

    // A new journey.
    void clear() { entries_.clear(); }
    bool isEmpty() const { return entries_.empty(); }
    bool hasEnded() const;
    // The score written at the end; 0 before it.
    int finalScore() const;
    // The town the party reached last; 0 before the first.
    int currentTown() const;

    // The pages to read: one for each town reached (split into as many as the
    // size needs), then the journey's end.
    std::vector<JournalPage> pages(JournalPageSize size = {}) const;

    // The journal as lines for a saved journey, and back. Reading checks every
    // line and refuses damaged lines with a message rather than guess.
    QStringList toLines() const;
    static JournalReading fromLines(const QStringList& lines);

    bool operator==(const Journal& other) const = default;

private:
    enum class Kind { Arrival, Spirit, Trade, Snakebite, Fish, End, Note };
    struct Entry {
        Kind kind = Kind::Arrival;
        int number = 0; // the town, or the final score
        QString first;  // what was given; who was bitten; the fish
        QString second; // what was received; the treatment
        bool useful = false;
        bool operator==(const Entry& other) const = default;
    };
    std::vector<Entry> entries_;

    bool reached(int town) const;
    QString whyNot(const Entry& entry) const;
    bool add(Entry entry);
    bool addInTown(Entry entry);
    QString lineOf(const Entry& entry) const;
    QString paragraphOf(const Entry& entry) const;
    std::vector<JournalPage> townPages() const;
};

struct JournalReading {
    Journal journal;
    // Why the lines are not a journal; empty when they are.
    QString problem;
};

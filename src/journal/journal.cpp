#include "journal.h"

#include "answertext.h"
#include "shell/chapters.h"
#include "shell/gamefacts.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace {

// The first line of the journal's lines; a later game that changes the
// lines' meaning raises the number. Version 2 added the ends of the trail's
// parts and the answers; the lines of version 1 read as they always did.
const QString Heading = QStringLiteral("Kelvarin journal");
constexpr int Version = 2;
constexpr int FirstVersion = 1;

// The texts come from the game's own controls and lists; a tab or a line
// break would break the journal's lines, so every control character becomes
// a blank.
QString cleaned(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return result.trimmed();
}

bool onTrail(int town)
{
    return town >= 1 && town <= TownCount;
}

} // namespace

bool Journal::arrived(int town)
{
    return add({Kind::Arrival, town, {}, {}, false});
}

bool Journal::metSpirit(int town)
{
    return addInTown({Kind::Spirit, town, {}, {}, false});
}

bool Journal::traded(int town, const QString& given, const QString& received, bool useful)
{
    return addInTown({Kind::Trade, town, cleaned(given), cleaned(received), useful});
}

bool Journal::snakebite(const QString& traveller, const QString& treatment)
{
    return add({Kind::Snakebite, 0, cleaned(traveller), cleaned(treatment), false});
}

bool Journal::caughtFish(const QString& line)
{
    return add({Kind::Fish, 0, cleaned(line), {}, false});
}

bool Journal::note(const QString& sentence)
{
    return add({Kind::Note, 0, cleaned(sentence), {}, false});
}

bool Journal::ended(int finalScore)
{
    return add({Kind::End, finalScore, {}, {}, false});
}

bool Journal::endedChapter(int chapter)
{
    return add({Kind::Chapter, chapter, {}, {}, false});
}

int Journal::chaptersEnded() const
{
    const auto written = std::count_if(entries_.begin(), entries_.end(),
                                       [](const Entry& e) { return e.kind == Kind::Chapter; });
    return static_cast<int>(written) + (hasEnded() ? 1 : 0);
}

bool Journal::chapterIsOver(int chapter) const
{
    if (chapter == ChapterCount)
        return hasEnded();
    return std::any_of(entries_.begin(), entries_.end(), [chapter](const Entry& e) {
        return e.kind == Kind::Chapter && e.number == chapter;
    });
}

QString Journal::whyNotAnswer(int chapter, int question, const QString& text) const
{
    if (chapter < 1 || chapter > ChapterCount)
        return QCoreApplication::translate("Saves",
                                           "answers for part %1, which the trail does not have")
            .arg(chapter);
    if (!chapterIsOver(chapter))
        return QCoreApplication::translate("Saves", "answers for part %1 before it ended")
            .arg(chapter);
    if (question < 1 || question > questions(chapter).size())
        return QCoreApplication::translate("Saves",
                                           "answers question %1 of part %2, which it does not ask")
            .arg(question)
            .arg(chapter);
    if (text.size() > MaxAnswerLength)
        return QCoreApplication::translate("Saves", "holds an answer longer than %1 characters")
            .arg(MaxAnswerLength);
    return {};
}

bool Journal::answered(int chapter, int question, const QString& text)
{
    const QString kept = answertext::cleaned(text);
    if (!whyNotAnswer(chapter, question, kept).isEmpty())
        return false;
    if (kept.isEmpty())
        answers_.erase({chapter, question});
    else
        answers_[{chapter, question}] = kept;
    return true;
}

QString Journal::answer(int chapter, int question) const
{
    const auto found = answers_.find({chapter, question});
    return found == answers_.end() ? QString() : found->second;
}

bool Journal::hasEnded() const
{
    return !entries_.empty() && entries_.back().kind == Kind::End;
}

int Journal::finalScore() const
{
    return hasEnded() ? entries_.back().number : 0;
}

int Journal::currentTown() const
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->kind == Kind::Arrival)
            return it->number;
    }
    return 0;
}

bool Journal::reached(int town) const
{
    return std::any_of(entries_.begin(), entries_.end(), [town](const Entry& e) {
        return e.kind == Kind::Arrival && e.number == town;
    });
}

// Why an entry cannot follow the entries before it; empty when it can.
QString Journal::whyNot(const Entry& entry) const
{
    const auto has = [this](Kind kind, int number) {
        return std::any_of(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.kind == kind && e.number == number; });
    };
    if (hasEnded())
        return QCoreApplication::translate("Saves", "comes after the journey's end");

    switch (entry.kind) {
    case Kind::Arrival:
    case Kind::Spirit:
    case Kind::Trade:
        if (!onTrail(entry.number))
            return QCoreApplication::translate("Saves", "names town %1, which is not on the trail")
                .arg(entry.number);
        break;
    default:
        break;
    }
    switch (entry.kind) {
    case Kind::Arrival:
        if (has(Kind::Arrival, entry.number))
            return QCoreApplication::translate("Saves", "reaches town %1 a second time")
                .arg(entry.number);
        break;
    case Kind::Spirit:
        if (!has(Kind::Arrival, entry.number))
            return QCoreApplication::translate(
                       "Saves", "meets the spirit of town %1 before the party reached it")
                .arg(entry.number);
        if (!townFacts(entry.number).spirit)
            return QCoreApplication::translate("Saves", "meets a spirit in town %1, which has none")
                .arg(entry.number);
        if (has(Kind::Spirit, entry.number))
            return QCoreApplication::translate("Saves", "meets the spirit of town %1 a second time")
                .arg(entry.number);
        break;
    case Kind::Trade:
        if (!has(Kind::Arrival, entry.number))
            return QCoreApplication::translate("Saves",
                                               "trades in town %1 before the party reached it")
                .arg(entry.number);
        if (entry.first.isEmpty() || entry.second.isEmpty())
            return QCoreApplication::translate("Saves", "leaves out what was traded");
        break;
    case Kind::Snakebite:
        if (entry.first.isEmpty() || entry.second.isEmpty())
            return QCoreApplication::translate("Saves",
                                               "leaves out who was bitten or the treatment");
        // One snakebite a town: the same bite written again is a repeat.
        for (auto it = entries_.rbegin(); it != entries_.rend() && it->kind != Kind::Arrival;
             ++it) {
            if (it->kind == Kind::Snakebite)
                return QCoreApplication::translate("Saves", "is a second snakebite in one town");
        }
        break;
    case Kind::Fish:
        if (entry.first.isEmpty())
            return QCoreApplication::translate("Saves", "leaves out the fish");
        break;
    case Kind::Note:
        if (entry.first.isEmpty())
            return QCoreApplication::translate("Saves", "is an empty note");
        break;
    case Kind::End:
        if (entry.number < 0)
            return QCoreApplication::translate("Saves", "gives a score below zero");
        break;
    case Kind::Chapter: {
        // The last part ends with the journey.
        if (entry.number < 1 || entry.number >= ChapterCount)
            return QCoreApplication::translate(
                       "Saves", "ends part %1, where only parts 1 to %2 end before the "
                                "journey's end")
                .arg(entry.number)
                .arg(ChapterCount - 1);
        if (has(Kind::Chapter, entry.number))
            return QCoreApplication::translate("Saves", "ends part %1 a second time")
                .arg(entry.number);
        const int last = chapter(entry.number).lastTown;
        if (!has(Kind::Arrival, last))
            return QCoreApplication::translate("Saves",
                                               "ends part %1 before the party reached town %2")
                .arg(entry.number)
                .arg(last);
        break;
    }
    }
    return {};
}

bool Journal::add(Entry entry)
{
    if (!whyNot(entry).isEmpty())
        return false;
    entries_.push_back(std::move(entry));
    return true;
}

bool Journal::addInTown(Entry entry)
{
    // An event in a town not yet written starts the town's page, so that
    // nothing the party did is lost; an event that is refused starts none.
    const bool startsPage =
        onTrail(entry.number) && !reached(entry.number) && arrived(entry.number);
    if (add(std::move(entry)))
        return true;
    if (startsPage)
        entries_.pop_back();
    return false;
}

QString Journal::lineOf(const Entry& entry) const
{
    const QChar tab = QLatin1Char('\t');
    switch (entry.kind) {
    case Kind::Arrival:
        return QStringLiteral("town") + tab + QString::number(entry.number);
    case Kind::Spirit:
        return QStringLiteral("spirit") + tab + QString::number(entry.number);
    case Kind::Trade:
        return QStringList{QStringLiteral("trade"), QString::number(entry.number),
                           entry.useful ? QStringLiteral("useful") : QStringLiteral("trifle"),
                           entry.first, entry.second}
            .join(tab);
    case Kind::Snakebite:
        return QStringLiteral("snakebite") + tab + entry.first + tab + entry.second;
    case Kind::Fish:
        return QStringLiteral("fish") + tab + entry.first;
    case Kind::Note:
        return QStringLiteral("note") + tab + entry.first;
    case Kind::End:
        return QStringLiteral("end") + tab + QString::number(entry.number);
    case Kind::Chapter:
        return QStringLiteral("chapter") + tab + QString::number(entry.number);
    }
    return {};
}

QStringList Journal::toLines() const
{
    if (entries_.empty())
        return {};
    QStringList lines{Heading + QLatin1Char(' ') + QString::number(Version)};
    for (const Entry& entry : entries_)
        lines << lineOf(entry);
    for (const auto& [which, text] : answers_)
        lines << QStringList{QStringLiteral("answer"), QString::number(which.first),
                             QString::number(which.second), answertext::escaped(text)}
                     .join(QLatin1Char('\t'));
    return lines;
}

namespace {

QString refusal(const QString& reason)
{
    return QCoreApplication::translate(
               "Saves", "The journal cannot be read: %1.  Nothing in the game was changed.")
        .arg(reason);
}

void refuse(JournalReading& reading, const QString& reason)
{
    reading.problem = refusal(reason);
    reading.why = reason;
}

bool wholeNumber(const QString& text, int& value)
{
    // Only plain digits, with a minus sign at most: the journal never
    // writes anything else.
    static const QString digits = QStringLiteral("-0123456789");
    if (text.isEmpty() || text.size() > 10 ||
        std::any_of(text.begin(), text.end(), [](QChar c) { return !digits.contains(c); }))
        return false;
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

} // namespace

JournalReading Journal::fromLines(const QStringList& lines)
{
    JournalReading reading;
    if (lines.isEmpty())
        return reading; // a journey saved before anything happened

    const QStringList heading = lines.constFirst().split(QLatin1Char(' '));
    int version = 0;
    if (heading.size() != 3 || heading.mid(0, 2).join(QLatin1Char(' ')) != Heading ||
        !wholeNumber(heading.at(2), version)) {
        refuse(reading, QCoreApplication::translate("Saves", "its first line is not \"%1 %2\"")
                            .arg(Heading)
                            .arg(Version));
        return reading;
    }
    if (version < FirstVersion || version > Version) {
        refuse(
            reading,
            version > Version
                ? QCoreApplication::translate(
                      "Saves", "it was written by a newer Kelvarin (journal version %1)")
                      .arg(version)
                : QCoreApplication::translate("Saves", "its version %1 is not one the game knows")
                      .arg(version));
        return reading;
    }

    // The kinds of line in the order of Kind, then the answer's.
    static const QStringList kinds{
        QStringLiteral("town"),      QStringLiteral("spirit"),  QStringLiteral("trade"),
        QStringLiteral("snakebite"), QStringLiteral("fish"),    QStringLiteral("end"),
        QStringLiteral("note"),      QStringLiteral("chapter"), QStringLiteral("answer")};
    static const int parts[] = {2, 2, 5, 3, 2, 2, 2, 2, 4};
    static const int answerKind = static_cast<int>(kinds.size()) - 1;
    static const int firstOfVersion2 = static_cast<int>(Kind::Chapter);

    Journal journal;
    for (int k = 1; k < lines.size(); ++k) {
        const auto fail = [&](const QString& why) {
            refuse(reading, QCoreApplication::translate("Saves", "line %1 %2").arg(k + 1).arg(why));
            return reading;
        };
        const QStringList fields = lines.at(k).split(QLatin1Char('\t'));
        const int kind = static_cast<int>(kinds.indexOf(fields.constFirst()));
        if (kind < 0)
            return fail(QCoreApplication::translate("Saves", "is not an entry of the journal"));
        if (kind >= firstOfVersion2 && version < 2)
            return fail(QCoreApplication::translate(
                            "Saves", "holds \"%1\", which a journal of version %2 does not "
                                     "have")
                            .arg(kinds.at(kind))
                            .arg(version));
        if (fields.size() != parts[kind])
            return fail(
                QCoreApplication::translate("Saves", "has %1 parts where a \"%2\" entry has %3")
                    .arg(fields.size())
                    .arg(kinds.at(kind))
                    .arg(parts[kind]));

        if (kind == answerKind) {
            // The answers follow the events, one for each question.
            int chapter = 0;
            int question = 0;
            if (!wholeNumber(fields.at(1), chapter))
                return fail(
                    QCoreApplication::translate("Saves", "has \"%1\" where a number belongs")
                        .arg(fields.at(1)));
            if (!wholeNumber(fields.at(2), question))
                return fail(
                    QCoreApplication::translate("Saves", "has \"%1\" where a number belongs")
                        .arg(fields.at(2)));
            const std::optional<QString> text = answertext::unescaped(fields.at(3));
            if (!text)
                return fail(QCoreApplication::translate(
                    "Saves", "has an answer with a backslash or a control "
                             "character the journal does not write"));
            if (text->isEmpty() || answertext::cleaned(*text) != *text)
                return fail(QCoreApplication::translate(
                    "Saves", "has an answer that is empty or has blanks or "
                             "control characters around its words"));
            if (const QString why = journal.whyNotAnswer(chapter, question, *text); !why.isEmpty())
                return fail(why);
            if (journal.answers_.count({chapter, question}) != 0)
                return fail(QCoreApplication::translate(
                                "Saves", "answers question %1 of part %2 a second time")
                                .arg(question)
                                .arg(chapter));
            journal.answers_[{chapter, question}] = *text;
            continue;
        }
        if (!journal.answers_.empty())
            return fail(QCoreApplication::translate(
                "Saves", "comes after the answers, where only answers belong"));

        Entry entry;
        entry.kind = static_cast<Kind>(kind);
        switch (entry.kind) {
        case Kind::Arrival:
        case Kind::Spirit:
        case Kind::End:
        case Kind::Chapter:
            if (!wholeNumber(fields.at(1), entry.number))
                return fail(
                    QCoreApplication::translate("Saves", "has \"%1\" where a number belongs")
                        .arg(fields.at(1)));
            break;
        case Kind::Trade:
            if (!wholeNumber(fields.at(1), entry.number))
                return fail(
                    QCoreApplication::translate("Saves", "has \"%1\" where a number belongs")
                        .arg(fields.at(1)));
            if (fields.at(2) != QLatin1String("useful") && fields.at(2) != QLatin1String("trifle"))
                return fail(QCoreApplication::translate(
                                "Saves", "calls the good \"%1\", neither useful nor a trifle")
                                .arg(fields.at(2)));
            entry.useful = fields.at(2) == QLatin1String("useful");
            entry.first = fields.at(3);
            entry.second = fields.at(4);
            break;
        case Kind::Snakebite:
            entry.first = fields.at(1);
            entry.second = fields.at(2);
            break;
        case Kind::Fish:
        case Kind::Note:
            entry.first = fields.at(1);
            break;
        }
        if (cleaned(entry.first) != entry.first || cleaned(entry.second) != entry.second)
            return fail(QCoreApplication::translate(
                "Saves", "has blanks or control characters around its words"));
        const QString why = journal.whyNot(entry);
        if (!why.isEmpty())
            return fail(why);
        journal.entries_.push_back(std::move(entry));
    }
    reading.journal = std::move(journal);
    return reading;
}

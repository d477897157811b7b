#include "journeylist.h"

#include "journal/journal.h"
#include "platform/playerfolders.h"
#include "shell/chapters.h"
#include "shell/journeysave.h"
#include "shell/language.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <bit>

namespace journey {

namespace {

// The party's name as a damaged journey's file spells it: the readable part
// of the slot's name, without the number made from the whole name.
QString partyFromFileName(const QString& file)
{
    QString stem = QFileInfo(file).completeBaseName();
    const qsizetype dash = stem.lastIndexOf(QLatin1Char('-'));
    if (dash > 0)
        stem.truncate(dash);
    return stem.replace(QLatin1Char('-'), QLatin1Char(' '));
}

Listing listingOf(const QString& file, bool named)
{
    Listing listing;
    listing.file = file;
    listing.saved = QFileInfo(file).lastModified();
    const Reading reading = read(file);
    if (!reading.problem.isEmpty()) {
        listing.damaged = true;
        listing.problem = reading.problem;
        listing.party = named ? partyFromFileName(file) : QString();
        return listing;
    }
    const JourneyState& state = reading.state;
    listing.party = state.text(field::PartyName);
    listing.town = static_cast<int>(state.number(field::Town));
    listing.townName = townContent(listing.town).townName;
    listing.chapter = chapterOf(listing.town).number;
    listing.score = static_cast<int>(state.number(field::Score));
    if (state.contains(field::SpiritsHeard))
        listing.storiesHeard =
            std::popcount(static_cast<std::uint32_t>(state.number(field::SpiritsHeard)));
    const JournalReading diary = Journal::fromLines(state.texts(field::Journal));
    listing.ended = diary.journal.hasEnded();
    listing.answersWritten = diary.journal.answersWritten();
    return listing;
}

} // namespace

QList<Listing> journeysOnThisComputer()
{
    QList<Listing> journeys;
    const QString home = platform::gameDataHome();
    if (home.isEmpty())
        return journeys;
    const QString single = partySlotFile(QString());
    if (QFileInfo(single).exists() || QFileInfo(single).isSymLink())
        journeys << listingOf(single, false);
    // Journeys set aside because they could not be opened were told when
    // they were set aside; they are not the parties' slots.
    const QDir parties(QDir(home).filePath(QString(PartySlotsFolder)));
    const QStringList files =
        parties.entryList({QStringLiteral("*.") + FileExtension},
                          QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& name : files) {
        if (name.contains(QLatin1String(".damaged-")))
            continue;
        journeys << listingOf(parties.filePath(name), true);
    }
    std::stable_sort(journeys.begin(), journeys.end(),
                     [](const Listing& a, const Listing& b) { return a.saved > b.saved; });
    return journeys;
}

QString partyShown(const Listing& listing)
{
    return listing.party.isEmpty()
               ? QCoreApplication::translate("JourneyChooser", "A journey without a name")
               : listing.party;
}

QString listingLine(const Listing& listing, const QDateTime& now)
{
    const QString dash = QStringLiteral(" \u2014 ");
    QString when;
    const qint64 days = listing.saved.date().daysTo(now.date());
    // The days and months in the language in view.
    const QLocale shownIn = language::locale();
    if (!listing.saved.isValid())
        when = QString();
    else if (days == 0)
        when = QCoreApplication::translate("JourneyChooser", "today");
    else if (days == 1)
        when = QCoreApplication::translate("JourneyChooser", "yesterday");
    else if (days > 1 && days < 7)
        when = shownIn.dayName(listing.saved.date().dayOfWeek());
    else
        when = shownIn.toString(listing.saved.date(), QStringLiteral("d MMMM yyyy"));
    QString where;
    if (listing.damaged)
        where = QCoreApplication::translate("JourneyChooser", "damaged: it cannot be opened");
    else if (listing.ended)
        where = QCoreApplication::translate("JourneyChooser", "came to the end of the trail");
    else
        where = QCoreApplication::translate("JourneyChooser", "%1, town %2")
                    .arg(listing.townName)
                    .arg(listing.town);
    QString line = partyShown(listing) + dash + where;
    if (!when.isEmpty())
        line += dash + when;
    return line;
}

} // namespace journey

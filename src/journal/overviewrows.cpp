#include "overviewrows.h"

#include "shell/language.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace journey {

QStringList overviewHeadings()
{
    return {QCoreApplication::translate("Journal", "Party"),
            QCoreApplication::translate("Journal", "Town"),
            QCoreApplication::translate("Journal", "Part"),
            QCoreApplication::translate("Journal", "Score"),
            QCoreApplication::translate("Journal", "Stories heard"),
            QCoreApplication::translate("Journal", "Answers written"),
            QCoreApplication::translate("Journal", "Saved")};
}

QList<Listing> overviewOrder(QList<Listing> listings)
{
    QCollator byName;
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    byName.setNumericMode(true); // "Table 2" before "Table 10"
    std::stable_sort(listings.begin(), listings.end(),
                     [&byName](const Listing& a, const Listing& b) {
                         if (a.damaged != b.damaged)
                             return b.damaged;
                         if (!a.damaged && a.saved != b.saved)
                             return a.saved > b.saved;
                         return byName.compare(partyShown(a), partyShown(b)) < 0;
                     });
    return listings;
}

QString townShown(const Listing& listing)
{
    if (listing.townName.isEmpty())
        return QCoreApplication::translate("Journal", "town %1").arg(listing.town);
    return QCoreApplication::translate("Journal", "%1, town %2")
        .arg(listing.townName)
        .arg(listing.town);
}

QString partShown(const Listing& listing)
{
    return listing.ended ? QCoreApplication::translate("Journal", "ended")
                         : QString::number(listing.chapter);
}

QString timeShown(const QTime& time)
{
    // The player's own way of telling the time, to the minute.
    const QLocale locale = language::locale();
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return locale.toString(time, format);
}

QString savedShown(const QDateTime& saved)
{
    if (!saved.isValid())
        return {};
    return QStringLiteral("%1, %2").arg(
        language::locale().toString(saved.date(), QStringLiteral("d MMM yyyy")),
        timeShown(saved.time()));
}

QString damagedShown(const Listing& listing)
{
    if (listing.problem.isEmpty())
        return QCoreApplication::translate("Journal", "damaged");
    return QCoreApplication::translate("Journal", "damaged: ") + listing.problem;
}

QStringList overviewCells(const Listing& listing)
{
    return {partyShown(listing),
            townShown(listing),
            partShown(listing),
            QString::number(listing.score),
            QString::number(listing.storiesHeard),
            QString::number(listing.answersWritten),
            savedShown(listing.saved)};
}

} // namespace journey

#include "overviewrows.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace journey {

QStringList overviewHeadings()
{
    return {QStringLiteral("Party"),         QStringLiteral("Town"),
            QStringLiteral("Part"),          QStringLiteral("Score"),
            QStringLiteral("Stories heard"), QStringLiteral("Answers written"),
            QStringLiteral("Saved")};
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
        return QStringLiteral("town %1").arg(listing.town);
    return QStringLiteral("%1, town %2").arg(listing.townName).arg(listing.town);
}

QString partShown(const Listing& listing)
{
    return listing.ended ? QStringLiteral("ended") : QString::number(listing.chapter);
}

QString timeShown(const QTime& time)
{
    // The player's own way of telling the time, to the minute.
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return locale.toString(time, format);
}

QString savedShown(const QDateTime& saved)
{
    if (!saved.isValid())
        return {};
    return QStringLiteral("%1, %2").arg(
        QLocale().toString(saved.date(), QStringLiteral("d MMM yyyy")), timeShown(saved.time()));
}

QString damagedShown(const Listing& listing)
{
    if (listing.problem.isEmpty())
        return QStringLiteral("damaged");
    return QStringLiteral("damaged: ") + listing.problem;
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

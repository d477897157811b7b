#include "overviewcsv.h"

#include "journal/overviewrows.h"
#include "platform/diskwrite.h"
#include "platform/filenames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace journey {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString csvLine(const QStringList& fields)
{
    QStringList written;
    for (const QString& field : fields)
        written << csvField(field);
    return written.join(QLatin1Char(',')) + LineEnd;
}

QString notSaved(const QString& fileName, const QString& why)
{
    return QCoreApplication::translate(
               "Journal", "The list of journeys cannot be saved as \"%1\": %2.  A file that "
                          "was there before is as it was.")
        .arg(platform::shownName(fileName), why);
}

} // namespace

QString csvField(const QString& text)
{
    QString field = text;
    // A tab or a carriage return before the formula's sign hides it from
    // the eye but not from every spreadsheet.
    static const QString FormulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && FormulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    static const QString NeedQuotes = QStringLiteral(",\"\r\n");
    if (std::any_of(field.cbegin(), field.cend(), [](QChar c) { return NeedQuotes.contains(c); })) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QString overviewCsv(const QList<Listing>& listings)
{
    QString csv = csvLine({QCoreApplication::translate("Journal", "Party"),
                           QCoreApplication::translate("Journal", "Town number"),
                           QCoreApplication::translate("Journal", "Town"),
                           QCoreApplication::translate("Journal", "Part"),
                           QCoreApplication::translate("Journal", "Score"),
                           QCoreApplication::translate("Journal", "Stories heard"),
                           QCoreApplication::translate("Journal", "Answers written"),
                           QCoreApplication::translate("Journal", "Saved"),
                           QCoreApplication::translate("Journal", "Damaged")});
    for (const Listing& listing : overviewOrder(listings)) {
        if (listing.damaged) {
            csv +=
                csvLine({partyShown(listing), {}, {}, {}, {}, {}, {}, {}, damagedShown(listing)});
            continue;
        }
        csv += csvLine({partyShown(listing),
                        QString::number(listing.town),
                        listing.townName,
                        partShown(listing),
                        QString::number(listing.score),
                        QString::number(listing.storiesHeard),
                        QString::number(listing.answersWritten),
                        listing.saved.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                        {}});
    }
    return csv;
}

QString saveOverviewCsv(const QString& fileName, const QList<Listing>& listings)
{
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + overviewCsv(listings).toUtf8();
    const QString folder = QFileInfo(fileName).absolutePath();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return notSaved(fileName, file.errorString());
    // The system's reason, kept before anything else can change errno; a
    // full disk is told in the game's words.
    int error = platform::writeAll(file.handle(), bytes.constData(), bytes.size());
    if (!error && fsync(file.handle()) != 0)
        error = errno;
    if (error) {
        file.cancelWriting();
        return notSaved(fileName, platform::diskIsFull(error, folder, bytes.size())
                                      ? platform::diskFullWords()
                                      : QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!file.commit())
        return notSaved(fileName, file.errorString());
    return {};
}

} // namespace journey

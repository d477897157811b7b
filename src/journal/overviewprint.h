#pragma once

// The teachers' overview on paper: the title, the day it was printed and a
// table of the journeys on this computer, one row for each, with "Kelvarin -
// page 1 of 2" at the foot of the pages.

#include "journal/journeylist.h"

#include <QDateTime>
#include <QList>
#include <QString>

class QPagedPaintDevice;

namespace journey {

// The title, "Journeys on this Computer".
QString overviewTitle();

// The overview as the page's HTML: the title, "Printed on ..." with the
// day and time, and the table (or the line that no journey is saved yet).
QString overviewHtml(const QList<Listing>& listings, const QDateTime& printed);

// Lays the overview out on the device's pages and paints them. False when
// the device cannot be painted on.
bool printOverview(QPagedPaintDevice& device, const QList<Listing>& listings,
                   const QDateTime& printed);

// Writes the overview as a PDF file. Returns an empty text, or a message
// for the teacher saying what went wrong; a file of that name that was there
// before stays whole when the new one cannot be written.
QString saveOverviewPdf(const QString& fileName, const QList<Listing>& listings,
                        const QDateTime& printed);

} // namespace journey

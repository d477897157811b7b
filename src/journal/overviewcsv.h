#pragma once

// The teachers' overview as a spreadsheet file: comma-separated values in
// UTF-8 (RFC 4180), a heading row and one row for each journey in the
// overview's order. A spreadsheet reads a cell that starts with = + - or @
// as a formula, so such a party name is written with a ' before it, as a
// spreadsheet itself marks text; a spreadsheet shows the name without it.

#include "journal/journeylist.h"

#include <QList>
#include <QString>

namespace journey {

// One field: quoted when it holds a comma, a quote or a line break (a quote
// inside doubled), with the ' before a formula's first character.
QString csvField(const QString& text);

// The whole file: "Party,Town number,Town,Part,Score,Stories heard,Answers
// written,Saved,Damaged", then a row for each journey, each line ended by
// CR LF. A damaged journey's row holds its party and why it is damaged; the
// time saved is written as 2026-12-09 14:05, which spreadsheets sort.
QString overviewCsv(const QList<Listing>& listings);

// Writes the file with a byte order mark before the text, by which
// spreadsheets know it as UTF-8. Returns an empty text, or a message for
// the teacher saying what went wrong; a file of that name that was there
// before stays whole when the new one cannot be written.
QString saveOverviewCsv(const QString& fileName, const QList<Listing>& listings);

} // namespace journey

#pragma once

// The journal on paper, for a teacher to print or keep as a PDF: a title
// page with the game's name, the party's names, the score and the journey
// map, then each town of the journal on a page of its own, the parts of the
// trail named where they begin and the pupils' answers to the questions at
// the end of each, with page numbers at the foot. The text stays text, so it can be selected and
// copied from the PDF.

#include <QImage>
#include <QString>
#include <QStringList>

class Journal;
class QPagedPaintDevice;

// What the title page shows besides the journal itself.
struct JournalCover {
    QStringList names; // the party's seven names, member 1 first
    int score = 0;     // the score so far, while the journey goes on
    QImage map;        // the journey map with the way travelled, if any

    // The names given, one a line, without the blank ones.
    QStringList travellers() const;
    // "Final score: 52 points" at the journey's end, "Score so far: 12
    // points" before it.
    QString scoreLine(const Journal& journal) const;
};

// Letter where the player's country measures in inches, A4 elsewhere, with
// margins of 2 cm: the paper a printer or the PDF starts with.
void useJournalPaper(QPagedPaintDevice& device);

// Lays the journal out on the device's pages and paints them. False when the
// device cannot be painted on (a printer that will not start).
bool printJournal(QPagedPaintDevice& device, const Journal& journal, const JournalCover& cover);

// Writes the journal as a PDF file. Returns an empty text, or a message for
// the player saying what went wrong; a file of that name that was there
// before stays whole when the new one cannot be written.
QString saveJournalPdf(const QString& fileName, const Journal& journal, const JournalCover& cover);

#pragma once

// The game's documents on paper (the journal, the teachers' list of
// journeys): a text document laid out on a printer's or a PDF's pages with a
// foot line on each, and a PDF file written whole or not at all. The text
// stays text, so it can be selected and copied from the PDF.

#include <QFont>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QTextDocument;

namespace paperpages {

// Lengths in a text document (margins, picture sizes) are in the units of
// the default screen resolution, whatever device lays it out; its page size
// and fonts are in the device's own pixels. This is the resolution the
// document measures its lengths in.
double documentDpi();
// A length given in points, in the document's units.
double pixels(double points);

// The printed text's font at this many points.
QFont font(double points, bool bold = false, bool italic = false);

// Letter where the player's country measures in inches, A4 elsewhere, with
// margins of 2 cm: the paper a printer or a PDF starts with.
void usePaper(QPagedPaintDevice& device);

// Fills the document; `textWidth` is the width of the page's text in the
// document's units (for pictures and tables to fit it).
using Writer = std::function<void(QTextDocument& document, double textWidth)>;
// The foot line of a page, 0 for the first; an empty one is not printed.
using FootLine = std::function<QString(int page, int pageCount)>;

// Lays out what `write` puts in a document on the device's pages, leaving
// room at the foot of each for its foot line, and paints them. False when
// the device cannot be painted on (a printer that will not start).
bool printPages(QPagedPaintDevice& device, const Writer& write, const FootLine& footLine);

// Writes a PDF with this title, painted by `paint`, on the game's paper. Returns an empty text, or
// why it could not be written
// ("there is not enough room left on the disk"); a file of that name that
// was there before stays whole when the new one cannot be written.
QString writePdf(const QString& fileName, const QString& title,
                 const std::function<bool(QPagedPaintDevice&)>& paint);

} // namespace paperpages

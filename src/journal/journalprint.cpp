#include "journalprint.h"

#include "platform/fonts.h"
#include "journal/journal.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString GameName = QStringLiteral("Kelvarin");
const QString Subtitle = QStringLiteral("A journal of the journey along the Verunai trail");

// Lengths in a text document (margins, picture sizes) are in the units of
// the default screen resolution, whatever device lays it out; its page size
// and fonts are in the device's own pixels. This is the resolution the
// document measures its lengths in.
double documentDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

// The paper's spacing is given in points.
struct Paper {
    double dpi = documentDpi();
    double px(double points) const { return points * dpi / 72.0; }
};

QFont paperFont(double points, bool bold = false, bool italic = false)
{
    QFont font = platform::serifFont(12, bold, italic);
    font.setPointSizeF(points);
    return font;
}

QTextBlockFormat block(const Paper& paper, Qt::Alignment alignment, double spaceAfter,
                       bool newPage = false)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setBottomMargin(paper.px(spaceAfter));
    if (newPage)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

QTextCharFormat characters(const QFont& font)
{
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(Qt::black);
    return format;
}

void startBlock(QTextCursor& cursor, const QTextBlockFormat& format,
                const QTextCharFormat& charFormat)
{
    // A new document has its first block already.
    if (cursor.document()->isEmpty())
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format);
    cursor.setBlockCharFormat(charFormat);
}

void writeCover(QTextCursor& cursor, const Paper& paper, double width, const Journal& journal,
                const JournalCover& cover)
{
    const auto line = [&](const QString& text, const QFont& font, double spaceAfter) {
        startBlock(cursor, block(paper, Qt::AlignHCenter, spaceAfter), characters(font));
        cursor.insertText(text, characters(font));
    };
    line(GameName, paperFont(36, true), 6);
    line(Subtitle, paperFont(16, false, true), 30);
    line(QStringLiteral("The travellers"), paperFont(15, true), 6);
    const QStringList names = cover.travellers();
    if (names.isEmpty())
        line(QStringLiteral("The party's names were not written down."), paperFont(13), 16);
    for (int k = 0; k < names.size(); ++k)
        line(names.at(k), paperFont(13), k + 1 < names.size() ? 2 : 16);
    line(cover.scoreLine(journal), paperFont(15, true), 24);

    if (cover.map.isNull())
        return;
    startBlock(cursor, block(paper, Qt::AlignHCenter, 0), characters(paperFont(12)));
    const QString name = QStringLiteral("journal://map");
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), cover.map);
    QTextImageFormat picture;
    picture.setName(name);
    picture.setWidth(width);
    picture.setHeight(width * cover.map.height() / cover.map.width());
    cursor.insertImage(picture);
}

// A paragraph of the page; its line breaks (an answer's) stay line breaks
// within it.
void writeParagraph(QTextCursor& cursor, const Paper& paper, const QString& text, const QFont& font,
                    double spaceAfter)
{
    QTextBlockFormat format = block(paper, Qt::AlignLeft, spaceAfter);
    format.setLineHeight(120, QTextBlockFormat::ProportionalHeight);
    startBlock(cursor, format, characters(font));
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
    cursor.insertText(lines, characters(font));
}

void writePages(QTextCursor& cursor, const Paper& paper, const Journal& journal)
{
    for (const JournalPage& page : journal.pages()) {
        // The part of the trail that begins, or ends, above the title.
        if (!page.heading.isEmpty()) {
            startBlock(cursor, block(paper, Qt::AlignLeft, 4, true),
                       characters(paperFont(14, false, true)));
            cursor.insertText(page.heading, characters(paperFont(14, false, true)));
        }
        startBlock(cursor, block(paper, Qt::AlignLeft, 14, page.heading.isEmpty()),
                   characters(paperFont(20, true)));
        cursor.insertText(page.title, characters(paperFont(20, true)));
        for (qsizetype k = 0; k < page.paragraphs.size(); ++k) {
            const QString& paragraph = page.paragraphs.at(k);
            // A page of questions: each question, then its answer.
            if (page.questionsOf != 0 && k % 2 == 0)
                writeParagraph(cursor, paper, paragraph, paperFont(13, true), 4);
            else
                writeParagraph(cursor, paper, paragraph, paperFont(13),
                               page.questionsOf != 0 ? 16 : 10);
        }
    }
}

} // namespace

QStringList JournalCover::travellers() const
{
    QStringList given;
    for (const QString& name : names) {
        if (!name.trimmed().isEmpty())
            given << name.trimmed();
    }
    return given;
}

QString JournalCover::scoreLine(const Journal& journal) const
{
    const bool ended = journal.hasEnded();
    const int points = ended ? journal.finalScore() : score;
    return QStringLiteral("%1: %2 %3")
        .arg(ended ? QStringLiteral("Final score") : QStringLiteral("Score so far"))
        .arg(points)
        .arg(points == 1 ? QStringLiteral("point") : QStringLiteral("points"));
}

void useJournalPaper(QPagedPaintDevice& device)
{
    device.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                     ? QPageSize::Letter
                                     : QPageSize::A4));
    device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

bool printJournal(QPagedPaintDevice& device, const Journal& journal, const JournalCover& cover)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const Paper paper;
    const QRectF area(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const QFont footFont = paperFont(10);
    const double footHeight = 3 * QFontMetricsF(footFont, &device).lineSpacing();
    const QSizeF body(area.width(), area.height() - footHeight);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    document.setDefaultFont(paperFont(13));
    document.setPageSize(body);
    QTextCursor cursor(&document);
    writeCover(cursor, paper, body.width() * 0.9 * paper.dpi / device.logicalDpiX(), journal,
               cover);
    writePages(cursor, paper, journal);

    const int pageCount = document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            device.newPage();
        const QRectF shown(QPointF(0, page * body.height()), body);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        // The title page goes without a number.
        if (page > 0) {
            painter.setFont(footFont);
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(0, area.height() - footHeight, area.width(), footHeight),
                Qt::AlignHCenter | Qt::AlignBottom,
                QStringLiteral("%1  -  page %2 of %3").arg(GameName).arg(page + 1).arg(pageCount));
        }
    }
    return painter.end();
}

QString saveJournalPdf(const QString& fileName, const Journal& journal, const JournalCover& cover)
{
    const auto notSaved = [&](const QString& why) {
        return QStringLiteral("The journal cannot be saved as \"%1\": %2.  A file that was there "
                              "before is as it was.")
            .arg(fileName, why);
    };
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return notSaved(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        useJournalPaper(writer);
        writer.setTitle(GameName + QStringLiteral(": ") + Subtitle);
        writer.setCreator(GameName);
        if (!printJournal(writer, journal, cover)) {
            file.cancelWriting();
            return notSaved(QStringLiteral("the PDF could not be made"));
        }
    }
    if (!file.commit())
        return notSaved(file.errorString());
    return {};
}

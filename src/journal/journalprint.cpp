#include "journalprint.h"

#include "journal/journal.h"
#include "journal/paperpages.h"
#include "shell/language.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString GameName = QStringLiteral("Kelvarin");
QString subtitle()
{
    return QCoreApplication::translate("Journal",
                                       "A journal of the journey along the Verunai trail");
}

// The paper's spacing is given in points.
struct Paper {
    double px(double points) const { return paperpages::pixels(points); }
};

QFont paperFont(double points, bool bold = false, bool italic = false)
{
    return paperpages::font(points, bold, italic);
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
    line(subtitle(), paperFont(16, false, true), 30);
    line(QCoreApplication::translate("Journal", "The travellers"), paperFont(15, true), 6);
    const QStringList names = cover.travellers();
    if (names.isEmpty())
        line(QCoreApplication::translate("Journal", "The party's names were not written down."),
             paperFont(13), 16);
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
    // English keeps its own two words; a translation counts in its own forms.
    const char* const line = ended ? QT_TRANSLATE_N_NOOP("Journal", "Final score: %n points")
                                   : QT_TRANSLATE_N_NOOP("Journal", "Score so far: %n points");
    if (const QString shown = language::counted("Journal", line, points); !shown.isEmpty())
        return shown;
    return QStringLiteral("%1: %2 %3")
        .arg(ended ? QStringLiteral("Final score") : QStringLiteral("Score so far"))
        .arg(points)
        .arg(points == 1 ? QStringLiteral("point") : QStringLiteral("points"));
}

void useJournalPaper(QPagedPaintDevice& device)
{
    paperpages::usePaper(device);
}

bool printJournal(QPagedPaintDevice& device, const Journal& journal, const JournalCover& cover)
{
    const Paper paper;
    const auto write = [&](QTextDocument& document, double textWidth) {
        QTextCursor cursor(&document);
        writeCover(cursor, paper, textWidth * 0.9, journal, cover);
        writePages(cursor, paper, journal);
    };
    // The title page goes without a number.
    const auto footLine = [](int page, int pageCount) {
        return page == 0 ? QString()
                         : QCoreApplication::translate("Journal", "%1  -  page %2 of %3")
                               .arg(GameName)
                               .arg(page + 1)
                               .arg(pageCount);
    };
    return paperpages::printPages(device, write, footLine);
}

QString saveJournalPdf(const QString& fileName, const Journal& journal, const JournalCover& cover)
{
    const QString why = paperpages::writePdf(
        fileName, GameName + QStringLiteral(": ") + subtitle(),
        [&](QPagedPaintDevice& device) { return printJournal(device, journal, cover); });
    if (why.isEmpty())
        return {};
    return QCoreApplication::translate(
               "Journal", "The journal cannot be saved as \"%1\": %2.  A file that was there "
                          "before is as it was.")
        .arg(fileName, why);
}

#include "overviewprint.h"

#include "journal/overviewrows.h"
#include "journal/paperpages.h"
#include "platform/filenames.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <iterator>

namespace journey {

namespace {

QString cell(const QString& tag, const QString& text, const QString& attributes = {})
{
    return QStringLiteral("<%1%2>%3</%1>").arg(tag, attributes, text.toHtmlEscaped());
}

QString table(const QList<Listing>& listings)
{
    const QStringList headings = overviewHeadings();
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"4\" style=\"border-collapse: collapse; "
                                  "font-size: 10pt;\"><thead><tr>");
    // Shares of the width, in percent: each heading and number on one line.
    static const int Widths[] = {23, 24, 7, 7, 11, 12, 16};
    Q_ASSERT(headings.size() == qsizetype(std::size(Widths)));
    for (int column = 0; column < headings.size(); ++column)
        html += cell(QStringLiteral("th"), headings.at(column),
                     QStringLiteral(" align=\"left\" width=\"%1%\"").arg(Widths[column]));
    html += QStringLiteral("</tr></thead>");
    for (const Listing& listing : overviewOrder(listings)) {
        html += QStringLiteral("<tr>");
        if (listing.damaged) {
            html += cell(QStringLiteral("td"), partyShown(listing));
            html += cell(QStringLiteral("td"), damagedShown(listing),
                         QStringLiteral(" colspan=\"%1\"").arg(headings.size() - 1));
        } else {
            for (const QString& text : overviewCells(listing))
                html += cell(QStringLiteral("td"), text);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString overviewTitle()
{
    return QCoreApplication::translate("Journal", "Journeys on this Computer");
}

QString overviewHtml(const QList<Listing>& listings, const QDateTime& printed)
{
    const QLocale locale;
    const QString day =
        QCoreApplication::translate("Journal", "Printed on %1 at %2.")
            .arg(locale.toString(printed.date(), QLocale::LongFormat), timeShown(printed.time()));
    QString html = QStringLiteral("<html><body>");
    html +=
        cell(QStringLiteral("h1"), overviewTitle(), QStringLiteral(" style=\"font-size: 20pt;\""));
    html += cell(QStringLiteral("p"), day);
    if (listings.isEmpty())
        html += cell(
            QStringLiteral("p"),
            QCoreApplication::translate("Journal", "No journey is saved on this computer yet."));
    else
        html += table(listings);
    return html + QStringLiteral("</body></html>");
}

bool printOverview(QPagedPaintDevice& device, const QList<Listing>& listings,
                   const QDateTime& printed)
{
    // Seven columns read best across the paper's width.
    device.setPageOrientation(QPageLayout::Landscape);
    const QString html = overviewHtml(listings, printed);
    const auto write = [&html](QTextDocument& document, double) { document.setHtml(html); };
    const auto footLine = [](int page, int pageCount) {
        return QCoreApplication::translate("Journal", "Kelvarin  -  page %1 of %2")
            .arg(page + 1)
            .arg(pageCount);
    };
    return paperpages::printPages(device, write, footLine);
}

QString saveOverviewPdf(const QString& fileName, const QList<Listing>& listings,
                        const QDateTime& printed)
{
    const QString why = paperpages::writePdf(
        fileName, QStringLiteral("Kelvarin: ") + overviewTitle(),
        [&](QPagedPaintDevice& device) { return printOverview(device, listings, printed); });
    if (why.isEmpty())
        return {};
    return QCoreApplication::translate(
               "Journal", "The list of journeys cannot be saved as \"%1\": %2.  A file that "
                          "was there before is as it was.")
        .arg(platform::shownName(fileName), why);
}

} // namespace journey

#include "paperpages.h"

#include "platform/diskwrite.h"
#include "platform/fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextDocument>

namespace paperpages {

namespace {

const QString GameName = QStringLiteral("Kelvarin");

} // namespace

double documentDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

double pixels(double points)
{
    return points * documentDpi() / 72.0;
}

QFont font(double points, bool bold, bool italic)
{
    QFont font = platform::serifFont(12, bold, italic);
    font.setPointSizeF(points);
    return font;
}

void usePaper(QPagedPaintDevice& device)
{
    device.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                     ? QPageSize::Letter
                                     : QPageSize::A4));
    device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

bool printPages(QPagedPaintDevice& device, const Writer& write, const FootLine& footLine)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const QRectF area(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const QFont footFont = font(10);
    const double footHeight = 3 * QFontMetricsF(footFont, &device).lineSpacing();
    const QSizeF body(area.width(), area.height() - footHeight);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    document.setDefaultFont(font(13));
    document.setPageSize(body);
    write(document, body.width() * documentDpi() / device.logicalDpiX());

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

        const QString foot = footLine ? footLine(page, pageCount) : QString();
        if (!foot.isEmpty()) {
            painter.setFont(footFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, area.height() - footHeight, area.width(), footHeight),
                             Qt::AlignHCenter | Qt::AlignBottom, foot);
        }
    }
    return painter.end();
}

QString writePdf(const QString& fileName, const QString& title,
                 const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QSaveFile file(fileName);
    const auto why = [&file] {
        // A full disk is told in the game's words.
        if (file.error() == QFileDevice::ResourceError)
            return platform::diskFullWords();
        return file.errorString();
    };
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        usePaper(writer);
        writer.setTitle(title);
        writer.setCreator(GameName);
        if (!paint(writer)) {
            file.cancelWriting();
            return QCoreApplication::translate("Journal", "the PDF could not be made");
        }
    }
    if (!file.commit())
        return why();
    return {};
}

} // namespace paperpages

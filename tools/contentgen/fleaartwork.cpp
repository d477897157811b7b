#include "fleamarket.h"
#include "media/artworknames.h"
#include "paint.h"
#include "titles.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

QImage woodPlanks(int w, int h, bool vertical, quint32 seed)
{
    QImage img = canvas(w, h);
    const int plank = 38;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int along = vertical ? y : x, across = vertical ? x : y;
            const int index = across / plank;
            const double grain = fbm2(along / 90.0, across / 3.0 + index * 7, 3, seed);
            const double ring = std::sin(grain * 18);
            QColor c = mix(QColor(120, 78, 44), QColor(84, 52, 30), 0.5 + 0.5 * ring);
            c = mix(c, QColor(60, 36, 20), (index % 3) * 0.12);
            if (across % plank < 2)
                c = QColor(40, 24, 14);
            line[x] = c.rgb();
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; (i * plank) < (vertical ? w : h); ++i) {
        for (int k = 0; k < 2; ++k) {
            const double across = i * plank + plank / 2.0;
            const double along = k ? (vertical ? h : w) - 24.0 : 24.0;
            p.setBrush(QColor(40, 36, 34));
            p.drawEllipse(vertical ? QPointF(across, along) : QPointF(along, across), 2.5, 2.5);
        }
    }
    return img;
}

QImage goSouth()
{
    QImage img = canvas(55, 96, QColor(70, 50, 32));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 32, 20), 2));
    p.setBrush(QColor(190, 150, 100));
    p.drawRoundedRect(QRectF(2, 2, 51, 92), 6, 6);
    p.setFont(serif(11, true));
    p.setPen(QColor(70, 40, 20));
    p.drawText(QRectF(0, 6, 55, 14), Qt::AlignCenter, QStringLiteral("THIS"));
    p.drawText(QRectF(0, 20, 55, 14), Qt::AlignCenter, QStringLiteral("WAY"));
    QPainterPath arrow;
    arrow.moveTo(20, 40);
    arrow.lineTo(35, 40);
    arrow.lineTo(35, 64);
    arrow.lineTo(46, 64);
    arrow.lineTo(27.5, 88);
    arrow.lineTo(9, 64);
    arrow.lineTo(20, 64);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(90, 20, 10), 1.5));
    p.setBrush(QColor(180, 50, 30));
    p.drawPath(arrow);
    return img;
}

QImage eagleHead()
{
    QImage img = canvas(artwork::EagleGlyphWidth, artwork::EagleGlyphHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Dark neck feathers, white head, strong yellow beak, in profile.
    QPainterPath neck;
    neck.moveTo(30, 64);
    neck.cubicTo(28, 44, 40, 30, 58, 30);
    neck.lineTo(84, 40);
    neck.cubicTo(92, 54, 96, 60, 98, 64);
    neck.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 44, 26));
    p.drawPath(neck);
    QPainterPath head;
    head.moveTo(36, 50);
    head.cubicTo(30, 24, 50, 6, 70, 8);
    head.cubicTo(84, 9, 92, 16, 94, 24);
    head.lineTo(88, 40);
    head.cubicTo(76, 46, 60, 52, 36, 50);
    head.closeSubpath();
    QLinearGradient g(40, 8, 90, 50);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, QColor(200, 200, 196));
    p.setBrush(g);
    p.drawPath(head);
    QPainterPath beak;
    beak.moveTo(88, 18);
    beak.cubicTo(100, 16, 112, 22, 114, 34);
    beak.cubicTo(114, 40, 110, 44, 106, 44);
    beak.cubicTo(108, 38, 104, 34, 96, 36);
    beak.lineTo(88, 36);
    beak.closeSubpath();
    p.setBrush(QColor(236, 180, 40));
    p.drawPath(beak);
    p.setBrush(QColor(30, 20, 10));
    p.drawEllipse(QPointF(80, 22), 3.2, 3.2);
    p.setPen(QPen(QColor(120, 110, 100), 1.5));
    p.drawLine(QPointF(72, 18), QPointF(86, 17)); // the brow ridge
    return img;
}

QImage inventoryGlyph()
{
    const artwork::Artwork a = artwork::FleaInventoryGlyph;
    QImage img = canvas(a.width, a.height);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A woven basket with the day's finds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 80, 60));
    p.drawEllipse(QPointF(46, 16), 9, 9);
    p.setBrush(QColor(80, 120, 180));
    p.drawRect(QRectF(56, 6, 16, 18));
    p.setBrush(QColor(230, 200, 90));
    p.drawEllipse(QPointF(80, 16), 8, 8);
    QPainterPath basket;
    basket.moveTo(30, 20);
    basket.lineTo(90, 20);
    basket.lineTo(82, 46);
    basket.lineTo(38, 46);
    basket.closeSubpath();
    p.setBrush(QColor(170, 120, 60));
    p.drawPath(basket);
    p.setPen(QPen(QColor(110, 70, 30), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(32 + i * 2, 26 + i * 6), QPointF(88 - i * 2, 26 + i * 6));
    p.setPen(QPen(QColor(110, 70, 30), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 0, 40, 34), 20 * 16, 140 * 16);
    p.setFont(serif(13, true));
    p.setPen(QColor(40, 24, 14));
    p.drawText(QRectF(0, 47, a.width, 17), Qt::AlignCenter, title(artwork::titles::FleaInventory));
    return img;
}

} // namespace

// Shared with the trail's instruction panel: parchment on a dark border.
QImage parchmentPanel(int w, int h, quint32 seed)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2, 2, w - 4, h - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(outer.translated(2, 3), 14, 14);
    p.setBrush(QColor(96, 60, 34));
    p.drawRoundedRect(outer, 14, 14);
    QImage paper = canvas(w, h);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double n = fbm2(x / 40.0, y / 40.0, 3, seed);
            line[x] = mix(QColor(250, 240, 214), QColor(232, 214, 176), n).rgb();
        }
    }
    QPainterPath inner;
    inner.addRoundedRect(outer.adjusted(7, 7, -7, -7), 9, 9);
    p.setClipPath(inner);
    p.drawImage(0, 0, paper);
    p.setClipping(false);
    p.setPen(QPen(QColor(190, 150, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(11, 11, -11, -11), 6, 6);
    return img;
}

void paintFleaArtwork(const Folders& folders)
{
    saveJpeg(woodPlanks(120, 600, true, 960), folders.pictures + "/WOODLFT.jpg");
    saveJpeg(woodPlanks(115, 606, true, 961), folders.pictures + "/WOODRT.jpg");
    saveJpeg(woodPlanks(1024, 145, false, 962), folders.pictures + "/WOODBOT.jpg");
    saveJpeg(goSouth(), folders.pictures + "/GOSOUTH.jpg");
    saveBmp32(eagleHead(), folders.data + "/" + artwork::EagleGlyphFile);
}

void paintFleaTitled(const Folders& folders, const QString& languageMark)
{
    saveBmp32(inventoryGlyph(), folders.bitmaps + "/" + titled("FMINV", languageMark) + ".bmp");

    // The market's instruction panel: a strip of awning over the parchment.
    QImage panel = parchmentPanel(318, 260, 970);
    {
        QPainter p(&panel);
        p.setRenderHint(QPainter::Antialiasing);
        stripedAwning(p, QRectF(20, 20, 278, 30), QColor(170, 60, 50), QColor(240, 232, 214), 9);
        p.setFont(serif(22, true, true));
        p.setPen(QColor(110, 50, 30));
        p.drawText(QRectF(20, 58, 278, 40), Qt::AlignCenter, title(artwork::titles::FleaPanel));
        p.setPen(QPen(QColor(170, 130, 80), 1));
        p.drawLine(QPointF(60, 100), QPointF(258, 100));
    }
    saveBmp32(panel, folders.bitmaps + "/" + titled("FMPANEL", languageMark) + ".bmp");
}

} // namespace gen

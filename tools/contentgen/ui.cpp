#include "ui.h"

#include "fleamarket.h"
#include "landscape.h"
#include "media/artworknames.h"
#include "paint.h"
#include "titles.h"

#include <QFont>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

QImage sized(const artwork::Artwork& a)
{
    return canvas(a.width, a.height);
}

QString bitmapPath(const Folders& folders, const artwork::Artwork& a)
{
    return folders.bitmaps + "/" + QString::fromLatin1(a.name).toUpper() + ".bmp";
}

QImage instructionPanel()
{
    QImage img = parchmentPanel(318, 260, 1001);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A feather laid across the top, above the two lines of text.
    QPainterPath feather;
    feather.moveTo(70, 26);
    feather.cubicTo(120, 10, 200, 12, 250, 24);
    feather.cubicTo(200, 32, 120, 34, 70, 26);
    QLinearGradient g(70, 0, 250, 0);
    g.setColorAt(0, QColor(120, 80, 50));
    g.setColorAt(0.8, QColor(220, 200, 170));
    g.setColorAt(1, QColor(60, 40, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(feather);
    p.setPen(QPen(QColor(90, 60, 40), 1.2));
    p.drawLine(QPointF(60, 28), QPointF(252, 23));
    // A thin rule under the text areas.
    p.setPen(QPen(QColor(190, 150, 90), 1));
    p.drawLine(QPointF(60, 214), QPointF(258, 214));
    p.setBrush(QColor(170, 110, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(159, 214), 3, 3);
    return img;
}

QImage bottomBar()
{
    QImage img = canvas(artwork::BottomBar.width, artwork::BottomBar.height);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double grain = fbm2(x / 160.0, y / 4.0, 3, 1010);
            const double ring = 0.5 + 0.5 * std::sin(grain * 14);
            QColor c = mix(QColor(92, 60, 36), QColor(66, 42, 26), ring);
            c = mix(c, QColor(30, 18, 10), std::abs(y - img.height() / 2.0) / img.height() * 0.8);
            line[x] = c.rgb();
        }
    }
    QPainter p(&img);
    p.setPen(QPen(QColor(160, 120, 70), 2));
    p.drawLine(0, 3, img.width(), 3);
    p.setPen(QPen(QColor(30, 18, 10), 2));
    p.drawLine(0, 6, img.width(), 6);
    return img;
}

QImage mapGlyph()
{
    QImage img = sized(artwork::MapGlyph);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A folded map with the trail on it.
    const double panels[3][2] = {{20, 8}, {44, 4}, {68, 8}};
    for (int i = 0; i < 3; ++i) {
        QPolygonF panel;
        panel << QPointF(panels[i][0], panels[i][1])
              << QPointF(panels[i][0] + 24, 12 - panels[i][1] + 4)
              << QPointF(panels[i][0] + 24, 56 - panels[i][1] + 4)
              << QPointF(panels[i][0], 52 + panels[i][1] - 4);
        p.setPen(QPen(QColor(110, 80, 40), 1.2));
        p.setBrush(i % 2 ? QColor(226, 204, 156) : QColor(240, 222, 180));
        p.drawPolygon(panel);
    }
    p.setPen(QPen(QColor(80, 130, 150), 2));
    p.drawLine(QPointF(52, 8), QPointF(58, 56));
    QPainterPath trail;
    trail.moveTo(88, 22);
    trail.cubicTo(70, 30, 60, 20, 48, 34);
    trail.cubicTo(38, 44, 30, 30, 24, 40);
    p.setPen(QPen(QColor(200, 30, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trail);
    return img;
}

QImage partyGlyph()
{
    QImage img = sized(artwork::PartyGlyph);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Seven travellers, side by side.
    const QColor coats[7] = {QColor(150, 60, 44),  QColor(70, 90, 130), QColor(110, 100, 60),
                             QColor(120, 70, 110), QColor(60, 110, 90), QColor(160, 110, 50),
                             QColor(90, 80, 70)};
    for (int i = 0; i < 7; ++i) {
        const double x = 12 + i * 14.5, h = (i % 2) ? 40 : 46;
        p.setPen(Qt::NoPen);
        p.setBrush(coats[i]);
        p.drawRoundedRect(QRectF(x - 6, 58 - h + 12, 12, h - 12), 5, 5);
        p.setBrush(QColor(190, 140, 100));
        p.drawEllipse(QPointF(x, 58 - h + 6), 5, 6);
        p.setBrush(QColor(40, 30, 26));
        p.drawChord(QRectF(x - 5, 58 - h, 10, 10), 0, 180 * 16);
    }
    return img;
}

QImage packGlyph()
{
    QImage img = sized(artwork::InventoryGlyph);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A traveller's pack with a rolled blanket on top.
    p.setPen(QPen(QColor(70, 44, 24), 1.5));
    p.setBrush(QColor(150, 104, 60));
    p.drawRoundedRect(QRectF(34, 16, 44, 42), 8, 8);
    p.setBrush(QColor(130, 88, 50));
    p.drawRoundedRect(QRectF(34, 16, 44, 18), 6, 6);
    p.setBrush(QColor(200, 170, 80));
    p.drawRect(QRectF(53, 30, 6, 6));
    p.setBrush(QColor(140, 50, 40));
    p.drawRoundedRect(QRectF(28, 4, 56, 14), 7, 7);
    p.setPen(QPen(QColor(220, 200, 150), 1));
    p.drawLine(QPointF(40, 4), QPointF(40, 18));
    p.drawLine(QPointF(72, 4), QPointF(72, 18));
    return img;
}

QImage arrow(const artwork::Artwork& a, bool forward)
{
    QImage img = sized(a);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(4, 15);
    path.lineTo(18, 3);
    path.lineTo(18, 10);
    path.lineTo(36, 10);
    path.lineTo(36, 20);
    path.lineTo(18, 20);
    path.lineTo(18, 27);
    path.closeSubpath();
    if (forward)
        path = QTransform(-1, 0, 0, 1, 40, 0).map(path);
    QLinearGradient g(0, 3, 0, 27);
    g.setColorAt(0, QColor(190, 120, 60));
    g.setColorAt(1, QColor(120, 64, 30));
    p.setPen(QPen(QColor(70, 36, 16), 1.4));
    p.setBrush(g);
    p.drawPath(path);
    return img;
}

QImage partyBackground()
{
    QImage img = canvas(403, 395, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Night on the trail: dark enough behind the names and the white lines.
    verticalGradient(p, QRectF(0, 0, 403, 395),
                     {{0, QColor(16, 18, 40)}, {0.7, QColor(30, 28, 54)}, {1, QColor(60, 36, 40)}});
    // Stars only beside the names and condition lines, never behind them.
    stars(p, QRectF(300, 0, 103, 290), 16, 1021);
    hillLayer(p, 403, 320, 14, 120, QColor(24, 22, 36), QColor(20, 16, 26), 1022, 395);
    // The party's covered wagon by its fire.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 12, 20));
    QPainterPath cover;
    cover.moveTo(190, 352);
    cover.cubicTo(190, 306, 300, 306, 300, 352);
    cover.closeSubpath();
    p.drawPath(cover);
    p.drawRect(QRectF(184, 350, 124, 14));
    p.drawEllipse(QPointF(206, 368), 13, 13);
    p.drawEllipse(QPointF(286, 368), 13, 13);
    radialGlow(p, QPointF(120, 372), 80, QColor(255, 140, 60, 110));
    p.setBrush(QColor(255, 180, 80));
    p.drawEllipse(QPointF(120, 370), 6, 9);
    p.end();
    finishScene(img, 1023, 0.3);
    return img;
}

QImage storeBackground(int w, int h, bool post)
{
    QImage img = canvas(w, h);
    const QColor light = post ? QColor(96, 70, 46) : QColor(150, 110, 70);
    const QColor dark = post ? QColor(62, 42, 28) : QColor(110, 76, 46);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double grain = fbm2(x / 120.0, y / (post ? 3.0 : 5.0), 3, post ? 1030 : 1031);
            line[x] = mix(light, dark, 0.5 + 0.5 * std::sin(grain * 16)).rgb();
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Parchment under the rows (the white panel of rows lies over its middle).
    const QRectF sheet(72, 56, 517, 337); // just around the white panel of rows (82, 64) 497 x 321
    p.setPen(QPen(QColor(40, 24, 14), 2));
    p.setBrush(QColor(244, 234, 210));
    p.drawRoundedRect(sheet, 6, 6);
    if (!post) {
        // A striped awning along the top for the market's stall.
        for (int i = 0; i < 16; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? QColor(170, 60, 50) : QColor(240, 232, 214));
            p.drawRect(QRectF(i * w / 16.0, 0, w / 16.0 + 1, 12));
        }
    }
    p.setFont(serif(24, true, true));
    p.setPen(QColor(30, 16, 8));
    const QString heading =
        title(post ? artwork::titles::PostSupplies : artwork::titles::StoreGoods);
    p.drawText(QRectF(0, 15, w, 36).translated(1, 1), Qt::AlignCenter, heading);
    p.setPen(QColor(246, 224, 170));
    p.drawText(QRectF(0, 15, w, 36), Qt::AlignCenter, heading);
    p.end();
    canvasTexture(img, 0.05, 1032);
    return img;
}

QImage inventoryBackground()
{
    QImage img = canvas(350, 400, QColor(102, 52, 31));
    for (int y = 0; y < 400; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < 350; ++x) {
            const double n = fbm2(x / 30.0, y / 30.0, 3, 1040);
            line[x] = mix(QColor(116, 60, 36), QColor(86, 42, 24), n).rgb();
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A ledger page with a ruled line under each of the fifteen rows.
    const QRectF page(22, 42, 306, 322);
    p.setPen(QPen(QColor(50, 24, 12), 2));
    p.setBrush(QColor(246, 238, 216));
    p.drawRoundedRect(page, 5, 5);
    p.setPen(QPen(QColor(170, 190, 210), 1));
    for (int row = 0; row < 15; ++row) {
        const double y = 46 + row * 21 + 19.5;
        p.drawLine(QPointF(page.left() + 8, y), QPointF(page.right() - 8, y));
    }
    p.setPen(QPen(QColor(210, 130, 130), 1));
    p.drawLine(QPointF(34, page.top() + 4), QPointF(34, page.bottom() - 4));
    // Stitching around the leather.
    p.setPen(QPen(QColor(200, 160, 110), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, 338, 388), 8, 8);
    p.end();
    canvasTexture(img, 0.05, 1041);
    return img;
}

QImage gameIcon()
{
    QImage img = sized(artwork::GameIcon);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(4, 4, 120, 120));
    p.setClipPath(disc);
    verticalGradient(
        p, QRectF(0, 0, 128, 128),
        {{0, QColor(30, 30, 70)}, {0.55, QColor(200, 110, 90)}, {0.7, QColor(246, 190, 120)}});
    hillLayer(p, 128, 84, 6, 40, QColor(70, 50, 70), QColor(60, 40, 50), 1050, 128);
    QPainterPath trail;
    trail.moveTo(40, 130);
    trail.cubicTo(70, 110, 50, 100, 72, 86);
    taperedPath(p, trail, 30, 3, QColor(200, 160, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 200));
    p.drawEllipse(QPointF(92, 40), 7, 7);
    p.setClipping(false);
    p.setPen(QPen(QColor(70, 40, 20), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 4, 120, 120));
    return img;
}

} // namespace

void paintInterface(const Folders& folders)
{
    saveBmp32(instructionPanel(), bitmapPath(folders, artwork::InstructionPanel));
    saveJpeg(bottomBar(), folders.pictures + "/BOTTOMBAR.jpg");
    saveBmp32(mapGlyph(), bitmapPath(folders, artwork::MapGlyph));
    saveBmp32(partyGlyph(), bitmapPath(folders, artwork::PartyGlyph));
    saveBmp32(packGlyph(), bitmapPath(folders, artwork::InventoryGlyph));
    saveBmp32(arrow(artwork::BackGlyph, false), bitmapPath(folders, artwork::BackGlyph));
    saveBmp32(arrow(artwork::ForwardGlyph, true), bitmapPath(folders, artwork::ForwardGlyph));
    saveBmp32(gameIcon(), bitmapPath(folders, artwork::GameIcon));
    // The same icon for the desktop entry the game installs.
    ensureFolder(folders.bitmaps + "/../desktop");
    savePng(gameIcon(), folders.bitmaps + "/../desktop/kelvarin.png");
    saveJpeg(partyBackground(), folders.pictures + "/PARTY.jpg");
    saveJpeg(inventoryBackground(), folders.pictures + "/INVLIST.jpg");
}

void paintInterfaceTitled(const Folders& folders, const QString& languageMark)
{
    saveJpeg(storeBackground(640, 450, true),
             folders.pictures + "/" + titled("POSTLIST", languageMark) + ".jpg");
    saveJpeg(storeBackground(636, 452, false),
             folders.pictures + "/" + titled("STORELIST", languageMark) + ".jpg");
}

} // namespace gen

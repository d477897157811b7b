#include "pagearrows.h"

#include <QPainter>
#include <QPolygonF>

namespace goods {

QPixmap pageArrowGlyph(PageDirection direction)
{
    QPixmap glyph(40, 30);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    // A right-pointing arrow: a shaft and a head, mirrored for Back.
    QPolygonF arrow{{3, 11}, {22, 11}, {22, 3}, {37, 15}, {22, 27}, {22, 19}, {3, 19}};
    if (direction == PageDirection::Back) {
        for (QPointF& point : arrow)
            point.setX(40 - point.x());
    }
    painter.setPen(QPen(QColor(40, 60, 20), 1.5));
    painter.setBrush(QColor(70, 140, 50));
    painter.drawPolygon(arrow);
    return glyph;
}

} // namespace goods

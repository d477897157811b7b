// The journey map: the distance travelled, drawn as a thick red line through
// the towns reached, and where each part of the trail begins.

#include "game.h"

#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "shell/chapters.h"
#include "shell/gamestate.h"
#include "trail/routetable.h"

#include <QPainter>

void TGame::BtnMapClick()
{
    Map->show();
    Map->raise();
}

void TGame::Close1Click()
{
    Map->hide();
}

namespace {

QPoint mapPointOf(int town)
{
    if (town <= 1)
        return MapStart;
    return {MapPathX[town - 2], MapPathY[town - 2]};
}

} // namespace

// A numbered disc where each part of the trail begins, so a class can see
// the four parts of the journey: parts reached in full colour, the rest
// pale.
void TGame::drawChapterMarks(QPainter& painter) const
{
    const int reached = gameState().Town;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    for (int number = 1; number <= ChapterCount; ++number) {
        const int first = chapter(number).firstTown;
        const QPoint at = mapPointOf(first) + QPoint(0, -16);
        const QRect disc(at.x() - 10, at.y() - 10, 20, 20);
        const bool begun = reached >= first;
        painter.setPen(QPen(QColor(60, 40, 20), 2));
        painter.setBrush(begun ? QColor(255, 236, 170) : QColor(235, 228, 210));
        painter.drawEllipse(disc);
        painter.setPen(begun ? QColor(60, 40, 20) : QColor(130, 120, 100));
        painter.drawText(disc, Qt::AlignCenter, QString::number(number));
    }
}

void TGame::UpdateMap()
{
    const int reached = gameState().Town;
    if (reached == 0)
        return;
    // The whole path is drawn again from the start on top of the last one;
    // the map picture is never reloaded during a game.
    if (totmap->picture().isNull())
        return; // the map is drawn once its picture is loaded
    QPainter painter(&totmap->picture());
    painter.setPen(QPen(QColor(255, 0, 0), 3));
    QPoint from = MapStart;
    for (int k = 0; k <= reached - 2 && k < MapPathLength; ++k) {
        const QPoint to(MapPathX[k], MapPathY[k]);
        painter.drawLine(from, to);
        from = to;
    }
    drawChapterMarks(painter);
    painter.end();
    totmap->changed();
}

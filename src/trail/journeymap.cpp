// The journey map: the distance travelled, drawn as a thick red line through
// the towns reached.

#include "game.h"

#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
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
    painter.end();
    totmap->changed();
}

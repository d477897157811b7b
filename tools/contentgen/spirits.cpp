#include "spirits.h"

#include "people.h"

#include <QPainter>

namespace gen {

namespace {

constexpr QPoint GirlOffset(109, -14);
constexpr QPoint TrapperOffset(49, -8);

QString townPicture(QChar letter, int town, QChar last)
{
    return QStringLiteral("%1%2%3").arg(letter).arg(town, 2, 10, QChar('0')).arg(last);
}

// The first two spirits were drawn in place; they stand where the table's
// rectangles say: on the right, where the panels leave the scene free, and
// clear of its lower edge.
QImage shifted(const QImage& layer, QPoint by)
{
    QImage out(layer.size(), layer.format());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawImage(by, layer);
    return out;
}

} // namespace

QImage spiritLayer(int town, const Pose& pose)
{
    switch (town) {
    case 2:
        return shifted(girlLayer(pose), GirlOffset);
    case 3:
        return shifted(trapperLayer(pose), TrapperOffset);
    default:
        return personLayer(townPerson(town), pose);
    }
}

QString lookPictureName(int town)
{
    return townPicture('S', town, '2');
}

QString spiritPictureName(int town)
{
    return townPicture('X', town, '2');
}

QString routeMapName(int town)
{
    return townPicture('S', town, '0');
}

} // namespace gen

#include "townscenes.h"

#include "paint.h"

namespace gen {

QImage landscapeScene(int town)
{
    return canvas(600, 450, QColor(40 + town, 40, 40));
}

} // namespace gen

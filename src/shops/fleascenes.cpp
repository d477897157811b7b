#include "fleascenes.h"

#include "media/pictures.h"
#include "presentation/storytexts.h"

#include <QCoreApplication>
#include <array>

namespace {

constexpr std::array<FleaScene, 8> Scenes{{
    {1, "fm01", false},
    {2, "fm02", false},
    {3, "fm03", false},
    {4, "fm04", false},
    {11, "fm11", true},
    {12, "fm12", true},
    {21, "fm21", true},
    {22, "fm22", true},
}};

QString hint(const char* source)
{
    return QCoreApplication::translate("TFleaMarket", source);
}

// Where the THIS WAY signs of a scene are.
QString thisWayPlace(int gridPos)
{
    switch (gridPos) {
    case 1:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket", "right side"));
    case 2:
    case 3:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket", "right or left side"));
    case 4:
    case 43:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket", "left side"));
    case 42:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket", "right side or bottom"));
    default:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket", "bottom"));
    }
}

} // namespace

std::optional<FleaScene> fleaScene(int gridPos)
{
    for (const FleaScene& scene : Scenes) {
        if (scene.GridPos == gridPos)
            return scene;
    }
    return std::nullopt;
}

bool canShowFleaScene(int gridPos)
{
    const std::optional<FleaScene> scene = fleaScene(gridPos);
    return scene && media::jpegPictureNames().contains(QString::fromLatin1(scene->picture),
                                                       Qt::CaseInsensitive);
}

QString eagleHint(int tag, int gridPos)
{
    switch (tag) {
    case 1:
        return story::eagleLore(1);
    case 2:
        return gridPos < 10
                   ? hint(QT_TRANSLATE_NOOP("TFleaMarket",
                                            "Click on doors to enter shops.  Or click on the "
                                            "items you wish to buy, and select them from the "
                                            "list."))
                   : hint(QT_TRANSLATE_NOOP("TFleaMarket",
                                            "The shopkeeper may speak to you.  Place cursor over "
                                            "face of shopkeeper, and click the mouse button."));
    case 3:
        return story::eagleLore(2);
    case 4:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket",
                                      "You may purchase items shown in this scene.  Click on the "
                                      "items you wish to buy, and select them from the list."));
    case 5:
        return story::eagleLore(3);
    default:
        return hint(QT_TRANSLATE_NOOP("TFleaMarket",
                                      "Click on the THIS WAY sign at the %1 of the screen to "
                                      "change scenes."))
            .arg(thisWayPlace(gridPos));
    }
}

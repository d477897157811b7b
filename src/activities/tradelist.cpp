#include "tradelist.h"

#include <QCoreApplication>

QStringList tradeListLines()
{
    return {
        // The towns' useful goods, given by special offers.
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some snakeroot")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "bear oil")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some aloe")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "ginger tea")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "little deer's horn talisman")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some cayenne pepper")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "bear-hunting spear")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some willow bark")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some boneset")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some lobelia ointment")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some lemon balm")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some blood root")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "blackberry tea")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some cranesbill")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some spruce pitch")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bear oil")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some arnica")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bittersweet")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some birchbark")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bugleweed")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "calendula flower")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some garlic")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some dogwood bark")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some tulip poplar")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some savory")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some sumac")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some slippery elm bark")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some firewood")),
        // Trifles of the first spirits' general offers.
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some colored rocks")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some turtle shells")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some beads")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some sassafrass tea")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bird feathers")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some reed whistles")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some fishing worms")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some cooking herbs")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some fish oil")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some advice")),
        // Trifles of the later spirits' general offers.
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some pebbles")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some seeds")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bits of string")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some advice")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some bugs")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some grass")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some dirt")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some leaves")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "some good wishes")),
        QString::fromUtf8(QT_TRANSLATE_NOOP("Trade", "nothing")),
        // Sayings of advice for a long walk.
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Trade", "Walk at the pace of the slowest, so that no one is left behind.")),
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Trade", "Fill your water gourd at every clean spring, for the next may be far.")),
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Trade", "Mend your moccasins before they wear through, and keep your feet dry.")),
        QString::fromUtf8(
            QT_TRANSLATE_NOOP("Trade", "Rest before you are weary, and eat before you are weak.")),
        QString::fromUtf8(
            QT_TRANSLATE_NOOP("Trade", "Make camp while there is still light to gather wood.")),
        QString::fromUtf8(QT_TRANSLATE_NOOP(
            "Trade", "Share your fire and your food, and the road is lighter for everyone.")),
        QString(),
        QStringLiteral(" "),
        QStringLiteral(" "),
    };
}

QString shownTradeLine(const QString& line)
{
    if (line.trimmed().isEmpty())
        return line;
    return QCoreApplication::translate("Trade", line.toUtf8().constData());
}

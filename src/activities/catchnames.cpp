#include "catchnames.h"

#include "fishingtables.h"

#include <QCoreApplication>

namespace fishing {

QString shownCatch(const QString& line)
{
    for (const FishKind& kind : FishKinds) {
        const QLatin1String english(kind.nameText);
        if (line.endsWith(english))
            return line.chopped(english.size()) +
                   QCoreApplication::translate("Fish", kind.nameText);
    }
    return line;
}

} // namespace fishing

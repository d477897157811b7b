#pragma once

// A catch as the player reads it. The catches are kept in English, the
// words the journal and a saved journey hold ("2 lb 5 oz bluegill"); the
// kind of fish is shown in the language in view.

#include <QString>

namespace fishing {

QString shownCatch(const QString& line);

} // namespace fishing

#pragma once

// The titles painted into a few pictures, in the language being painted:
// the pictures are painted once in English and once more in every language
// the game is translated into, each saved with its language's mark.

#include "output.h"

#include <QString>

namespace gen {

// The title in the language whose translation is in place (English when none).
QString title(const char* source);

// The file name of a titled picture in the language being painted:
// "FMPANEL" -> "FMPANEL-fr" (the mark is empty for English).
QString titled(const QString& name, const QString& languageMark);

// Every titled picture, in English and in each compiled translation.
void paintTitledPictures(const Folders& folders);

} // namespace gen

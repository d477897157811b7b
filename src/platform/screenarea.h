#pragma once

// The screen the game's full-screen windows use.
//
// The screens are laid out for a 4:3 design. On a wider screen the game uses
// the largest centred 4:3 area and the black backdrop fills the rest. The
// environment variable KELVARIN_SCREEN (for example "1024x768") sets the
// screen size for tests and screenshots; the area is then centred on the real
// screen where it fits.

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace platform {

// "1024x768" -> 1024 x 768; nothing for anything else.
std::optional<QSize> parseScreenSize(const QString& text);

// The largest 4:3 area centred in a screen wider than 4:3; a screen of 4:3 or
// taller is used whole.
QRect fourByThreeArea(const QRect& screen);

// Whether KELVARIN_SCREEN sets the screen's size.
bool screenSizeForced();

// The whole screen (where the black backdrop goes).
QRect fullScreenRect();

// The area full-screen windows of the game occupy, in global coordinates.
QRect gameScreenRect();

} // namespace platform

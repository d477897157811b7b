#pragma once

// What the player chose last time is there again at the next start: the
// music on or off, the volume, the caption size, and a window or the full
// screen. The choices are kept with QSettings in the usual configuration
// folder and read once at start; where nothing (or nothing sensible) is
// kept, the game's own defaults hold.

#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace kept {

struct Choices {
    std::optional<bool> music;
    std::optional<int> volume;      // 0..100
    std::optional<int> captionSize; // platform::CaptionSize::Size
    std::optional<bool> fullScreen;
    std::optional<QSize> windowSize; // at least the smallest window
    std::optional<QString> language; // one the game offers
};

// The choices kept in `settings`; a value that is missing, of the wrong
// kind or out of range is left out.
Choices read(QSettings& settings);

// Reads the choices from `settings`, applies them to the game (music,
// volume, caption size, full screen or a window and its size, the language)
// and from then on keeps every change there. Without a language kept, the
// game speaks the system's language where it can, else English. The game
// calls it once at start with the usual settings; tests give their own.
void startKeeping(std::unique_ptr<QSettings> settings);
// The program ends: nothing more is kept (and the settings are written).
void stopKeeping();

// The player switched the music on or off. (The music switched off because
// there is no sound device is not the player's choice and is not kept.)
void keepMusic(bool on);

// The player chose a language from the menu.
void keepLanguage(const QString& code);

} // namespace kept

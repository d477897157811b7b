#pragma once

// The Language menu: the languages the game speaks, each by its own name,
// the one in view checked. Choosing one changes the game's words at once
// and keeps the choice for the next start. While English is the only
// complete language there is nothing to choose, and no menu.

class QMenu;

QMenu* addLanguageMenu(QMenu* parent);

#pragma once

// "For Teachers" in the Help menus of the trail and the flea market: the
// teachers' guide among the help pages, and the overview of every party's
// journey on this computer.

class QMenu;

namespace journey {

// The help page the guide is on, beside the contents page.
constexpr const char* GuidePage = "guide.html";

// Adds the "For Teachers" submenu to the Help menu: "Teachers' Guide" and
// "Journeys on this Computer...". The help pages are the application's help
// file's.
QMenu* addTeachersMenu(QMenu* help);

} // namespace journey

#pragma once

// A text of the game in the language in view: set on a menu, an item, a
// button, a label or a window, it is set again in the new language whenever
// the player changes it (each window of the game puts its own texts anew as
// it hears of the change). The English texts are the ones given here.

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace platform {

// The text translated in its context (the source marked for the
// translators with QT_TRANSLATE_NOOP), now and at every change of language.
void setTranslatedText(QObject* object, const char* context, const char* source);

// Every text under root given with setTranslatedText, in the language now
// in place.
void retranslateTexts(QObject* root);

// A menu or a menu item of the game's menus, named for screen readers and
// tests, its text in the context "Menu" (the screens share their menus'
// words).
QMenu* addMenu(QMenuBar* bar, const char* name, const char* title);
QAction* addItem(QMenu* menu, const char* name, const char* caption);

} // namespace platform

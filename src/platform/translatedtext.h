#pragma once

// A text of the game in the language in view: set on a menu, an item, a
// button, a label or a window, it is set again in the new language whenever
// the player changes it (each window of the game puts its own texts anew as
// it hears of the change). The English texts are the ones given here.

#include <QString>
#include <functional>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QObject;

namespace platform {

// Which of a control's texts: what it shows (a menu's title, an item's,
// a button's or a label's text, a window's title), its name and its
// description for screen readers, or its tooltip.
enum class TextRole { Shown, AccessibleName, AccessibleDescription, ToolTip };

// The text translated in its context (the source marked for the
// translators with QT_TRANSLATE_NOOP), now and at every change of language.
void setTranslatedText(QObject* object, const char* context, const char* source,
                       TextRole role = TextRole::Shown);

// The English words of a text given with setTranslatedText (for records
// kept in English whatever the language in view); empty for any other.
QString englishText(const QObject* object, TextRole role = TextRole::Shown);

// The text is no longer one of the game's fixed texts (the control now
// shows words of its own state): a change of language leaves it alone.
void forgetTranslatedText(QObject* object, TextRole role = TextRole::Shown);

// A label's or a button's text made from the state it shows (a step's instruction, a
// hint for a place, a count) in the language in view: made now and made
// again at every change of language, from the same state. A text set later
// with setText, or another live or translated text, replaces it.
void setLiveText(QLabel* label, std::function<QString()> make);
void setLiveText(QAbstractButton* button, std::function<QString()> make);

// Every text under root given with setTranslatedText, in the language now
// in place.
void retranslateTexts(QObject* root);

// A menu or a menu item of the game's menus, named for screen readers and
// tests, its text in the context "Menu" (the screens share their menus'
// words).
QMenu* addMenu(QMenuBar* bar, const char* name, const char* title);
QAction* addItem(QMenu* menu, const char* name, const char* caption);

} // namespace platform

#pragma once

// The pupils' answers as the journal keeps them: in their own words, line
// breaks and all, and written into the journal's tab-separated lines with a
// backslash before the three characters a line cannot hold as they are.

#include <QString>
#include <optional>

namespace answertext {

// The answer as the journal keeps it: "\r\n", a lone "\r" and the line and
// paragraph separators become "\n"; line breaks and tabs stay; any other
// control character becomes a blank; blanks around the answer go.
QString cleaned(const QString& text);

// A backslash as "\\", a line break as "\n", a tab as "\t".
QString escaped(const QString& text);
// The text `escaped` wrote; nothing for a backslash before anything else, a
// backslash at the end, or a control character.
std::optional<QString> unescaped(const QString& written);

} // namespace answertext

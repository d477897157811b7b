#pragma once

// The game's help: HTML pages under help/ in the data folder, shown in a
// window of their own, starting at the contents page or at a page of its
// own (the teachers' guide).

#include "platform/form.h"

class QTextBrowser;
class QPushButton;

namespace media {

class HelpWindow : public platform::Form {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& contentsPage, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

protected:
    // Escape closes the help, as it does every help viewer.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QPushButton* contents_;
    QPushButton* close_;
};

// The page in the language in view when it has been translated (help/es/
// beside help/), else the English page.
QString helpInLanguage(const QString& englishPage);

// Shows the contents page of the help file (modal, like the game's other
// windows). A missing help file is reported and the game goes on.
void showHelpContents(const QString& helpFile);

// Shows a page beside the contents page ("guide.html"), the Contents button
// leading back to the contents. A missing page is reported as a missing
// help file is, and the game goes on.
void showHelpPage(const QString& helpFile, const QString& page);

} // namespace media

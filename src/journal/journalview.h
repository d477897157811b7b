#pragma once

// The journal view: the journal of the journey as a small book, the party's
// names on its first page and a town on each page after it. Back and Forward
// turn the pages (the arrow keys and Page Up/Down too; Escape closes); Print
// and Save as PDF give the teacher the journal on paper. The view only reads:
// it shows the journal as it was when it opened.

#include "platform/form.h"
#include "journal/journal.h"
#include "journal/journalprint.h"

#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace platform {
class BevelPanel;
class BitBtn;
} // namespace platform

class TJournal : public platform::Form {
    Q_OBJECT

public:
    TJournal(const Journal& journal, const JournalCover& cover, QWidget* parent = nullptr);

    // Opens the journal modally over the trail screen; returns when the
    // player has closed it. `map` is the journey map with the way travelled.
    static void showJournal(const Journal& journal, const QStringList& names, int score,
                            const QImage& map, QWidget* parent);

    // The page's paper and ink: dark ink on the colour of paper.
    static QColor paperColour() { return {238, 226, 196}; }
    static QColor inkColour() { return {46, 30, 16}; }

    QWidget* Paper;
    QLabel* PageTitle;
    QScrollArea* PageScroll;
    QLabel* PageText;
    QLabel* PageNumber;
    platform::BevelPanel* Panel1;
    platform::BitBtn* Back;
    platform::BitBtn* Forward;
    QPushButton* PrintButton;
    QPushButton* SavePdf;
    QPushButton* Close1;

    // Page 0 holds the party's names; the journal's pages follow.
    int page() const { return page_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // How much of the journal one page holds at the view's font and size.
    JournalPageSize pageSize() const;

    void BackClick();
    void ForwardClick();
    void PrintClick();
    void SavePdfClick();
    void Close1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The buttons would take the arrow keys to move the focus: here they
    // turn the pages.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Journal journal_;
    JournalCover cover_;
    std::vector<JournalPage> pages_;
    int page_ = 0;

    void createPage();
    void createButtons();
    JournalPage namesPage() const;
    void showPage(int page);
    // Turns the page or closes the view for a key of the book; false for
    // any other key.
    bool bookKey(const QKeyEvent* event);
};

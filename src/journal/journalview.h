#pragma once

// The journal view: the journal of the journey as a small book, the party's
// names on its first page and a town on each page after it. Back and Forward
// turn the pages (the arrow keys and Page Up/Down too; Escape closes); Print
// and Save as PDF give the teacher the journal on paper. The view shows the
// journal as it was when it opened; only on the pages of questions at the
// end of each part of the trail do the pupils write, each answer in a box of
// its own, kept in the view's journal as they type. Tab goes through the
// boxes and the buttons; in a box the arrows and page keys are the box's,
// and Escape still closes.

#include "journal/journal.h"
#include "journal/journalprint.h"
#include "platform/form.h"

#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
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
    // The answers written go into `journal`, and `answersChanged` is called
    // each time the view reports them (see answersChanged()), so the game
    // can save the journey.
    static void showJournal(Journal& journal, const QStringList& names, int score,
                            const QImage& map, QWidget* parent,
                            const std::function<void()>& answersChanged = {});

    // The page's paper and ink: dark ink on the colour of paper.
    static QColor paperColour() { return {238, 226, 196}; }
    static QColor inkColour() { return {46, 30, 16}; }
    // The paler paper of an answer box.
    static QColor answerPaperColour() { return {252, 247, 234}; }

    QWidget* Paper;
    QLabel* PageHeading;
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

    // The journal with the answers written in the view.
    const Journal& journal() const { return journal_; }
    // The page of questions shown: its sheet, the questions and the answer
    // boxes, each box named for its question; none on any other page.
    QWidget* answerSheet() const;
    QList<QLabel*> questionLabels() const;
    QList<QPlainTextEdit*> answerBoxes() const;

    void BackClick();
    void ForwardClick();
    void PrintClick();
    void SavePdfClick();
    void Close1Click();

signals:
    // Answers were written, changed or taken away. Each is kept in journal()
    // as it is typed; the view reports them together when the pupils leave
    // an answer box, turn the page or close the journal.
    void answersChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The buttons would take the arrow keys to move the focus: here they
    // turn the pages.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The questions and answer boxes of one page of questions.
    struct Sheet {
        int chapter = 0;
        QWidget* sheet = nullptr;
        QList<QLabel*> questions;
        QList<QPlainTextEdit*> boxes;
    };

    Journal journal_;
    JournalCover cover_;
    std::vector<JournalPage> pages_;
    std::vector<Sheet> sheets_;
    int page_ = 0;
    // Answers written since the view last reported them.
    bool unreported_ = false;

    void createPage();
    void createButtons();
    void createSheets();
    void orderTheFocus();
    const Sheet* sheetShown() const;
    void write(int chapter, int question, QPlainTextEdit* box);
    void reportAnswers();
    JournalPage namesPage() const;
    void showPage(int page);
    // Turns the page or closes the view for a key of the book; false for
    // any other key.
    bool bookKey(const QKeyEvent* event);
};

#include "journalview.h"

#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/dialoginsidescreen.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/fonts.h"
#include "platform/playerfolders.h"
#include "presentation/storytexts.h"
#include "shops/pagearrows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

using platform::guard;

namespace {

constexpr int Width = 660;
constexpr int Height = 560;
constexpr int PaperMargin = 14;
constexpr int TextLeft = 28;
constexpr int TextWidth = Width - 2 * PaperMargin - 2 * TextLeft;
constexpr int HeadingTop = 4;
constexpr int TitleTop = 24;
constexpr int TextTop = 66;
constexpr int TextHeight = 352;
// A page of questions takes the whole height between the title and the page
// number.
constexpr int SheetTop = 62;
constexpr int SheetHeight = 370;
constexpr int PageNumberTop = 436;
// An answer box shows at least this many lines before it scrolls.
constexpr int AnswerLines = 3;
// Words are wrapped whole, so a line holds a little less than the average.
constexpr double WrapLoss = 0.9;

QPalette inked(QPalette palette)
{
    palette.setColor(QPalette::WindowText, TJournal::inkColour());
    palette.setColor(QPalette::Text, TJournal::inkColour());
    return palette;
}

// An answer box: ink on a paler paper, framed, so that it reads as a place
// to write.
QPalette answerPalette(QPalette palette)
{
    palette = inked(palette);
    palette.setColor(QPalette::Base, TJournal::answerPaperColour());
    palette.setColor(QPalette::PlaceholderText, QColor(104, 84, 62));
    return palette;
}

} // namespace

TJournal::TJournal(const Journal& journal, const JournalCover& cover, QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), journal_(journal), cover_(cover)
{
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(QCoreApplication::translate("Journal", "Journal"));
    setFixedSize(Width, Height);
    setFont(platform::sansFont(15));
    platform::fillBackground(this, QColor(102, 52, 31));
    placeCentred();

    createPage();
    createButtons();

    pages_.push_back(namesPage());
    for (JournalPage& page : journal_.pages(pageSize()))
        pages_.push_back(std::move(page));
    createSheets();
    orderTheFocus();
    showPage(0);
    // Space or Enter on the first page turns it; with nothing to turn to, closes.
    if (Forward->isEnabled())
        Forward->setFocus();
    else
        Close1->setFocus();
}

void TJournal::createPage()
{
    Paper = new QWidget(this);
    Paper->setObjectName(QStringLiteral("Paper"));
    Paper->setGeometry(PaperMargin, PaperMargin, Width - 2 * PaperMargin, 468);
    platform::fillBackground(Paper, paperColour());

    PageHeading = new QLabel(Paper);
    PageHeading->setObjectName(QStringLiteral("PageHeading"));
    PageHeading->setFont(platform::serifFont(17, false, true));
    PageHeading->setPalette(inked(PageHeading->palette()));
    PageHeading->setTextFormat(Qt::PlainText);
    PageHeading->setGeometry(TextLeft, HeadingTop, TextWidth, 22);

    PageTitle = new QLabel(Paper);
    PageTitle->setObjectName(QStringLiteral("PageTitle"));
    PageTitle->setFont(platform::serifFont(26, true));
    PageTitle->setPalette(inked(PageTitle->palette()));
    PageTitle->setTextFormat(Qt::PlainText);
    PageTitle->setGeometry(TextLeft, TitleTop, TextWidth, 36);

    // The page is sized to hold what the journal puts on it; should a font
    // run wider than measured, the page scrolls rather than cut words off.
    PageScroll = new QScrollArea(Paper);
    PageScroll->setObjectName(QStringLiteral("PageScroll"));
    PageScroll->setAccessibleName(QCoreApplication::translate("Journal", "Journal page"));
    PageScroll->setFrameShape(QFrame::NoFrame);
    PageScroll->setFocusPolicy(Qt::NoFocus);
    PageScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PageScroll->setWidgetResizable(true);
    PageScroll->setGeometry(TextLeft, TextTop, TextWidth + 16, TextHeight);
    PageScroll->viewport()->setAutoFillBackground(false);

    // The text is the label's own accessible name, so a screen reader reads
    // the page itself.
    PageText = new QLabel;
    PageText->setObjectName(QStringLiteral("PageText"));
    PageText->setFont(platform::serifFont(20));
    PageText->setPalette(inked(PageText->palette()));
    PageText->setTextFormat(Qt::PlainText);
    PageText->setWordWrap(true);
    PageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PageText->setContentsMargins(0, 0, 16, 0);
    PageScroll->setWidget(PageText);
    PageText->setAutoFillBackground(false); // the scroll area fills it otherwise

    PageNumber = new QLabel(Paper);
    PageNumber->setObjectName(QStringLiteral("PageNumber"));
    PageNumber->setFont(platform::sansFont(15));
    PageNumber->setPalette(inked(PageNumber->palette()));
    PageNumber->setAlignment(Qt::AlignHCenter);
    PageNumber->setGeometry(TextLeft, PageNumberTop, TextWidth, 22);
}

void TJournal::createButtons()
{
    Panel1 = new platform::BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, Height - 64, Width, 64);

    Back = new platform::BitBtn(QCoreApplication::translate("Journal", "Back"), Panel1);
    Back->setObjectName(QStringLiteral("Back"));
    Back->setAccessibleName(QCoreApplication::translate("Journal", "Previous page"));
    Back->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Back));
    Back->setGeometry(8, 8, 104, 48);
    connect(Back, &QPushButton::clicked, this, guard(this, &TJournal::BackClick));

    const auto button = [this](const QString& caption, const char* name, const QString& spoken,
                               int x, int width) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(spoken);
        b->setAutoDefault(false);
        b->setGeometry(x, 16, width, 32);
        return b;
    };
    PrintButton = button(QCoreApplication::translate("Journal", "Print\u2026"), "PrintButton",
                         QCoreApplication::translate("Journal", "Print the journal"), 126, 112);
    SavePdf =
        button(QCoreApplication::translate("Journal", "Save as PDF\u2026"), "SavePdf",
               QCoreApplication::translate("Journal", "Save the journal as a PDF file"), 248, 150);
    Close1 = button(QCoreApplication::translate("Journal", "Close"), "Close1",
                    QCoreApplication::translate("Journal", "Close the journal"), 408, 112);
    connect(PrintButton, &QPushButton::clicked, this, guard(this, &TJournal::PrintClick));
    connect(SavePdf, &QPushButton::clicked, this, guard(this, &TJournal::SavePdfClick));
    connect(Close1, &QPushButton::clicked, this, guard(this, &TJournal::Close1Click));

    Forward = new platform::BitBtn(QCoreApplication::translate("Journal", "Forward"), Panel1);
    Forward->setObjectName(QStringLiteral("Forward"));
    Forward->setAccessibleName(QCoreApplication::translate("Journal", "Next page"));
    Forward->setGlyph(goods::pageArrowGlyph(goods::PageDirection::Forward),
                      platform::BitBtn::GlyphSide::Right);
    Forward->setGeometry(Width - 8 - 112, 8, 112, 48);
    connect(Forward, &QPushButton::clicked, this, guard(this, &TJournal::ForwardClick));

    for (QPushButton* b : Panel1->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
}

void TJournal::createSheets()
{
    for (const JournalPage& page : pages_) {
        if (page.questionsOf == 0)
            continue;
        Sheet sheet;
        sheet.chapter = page.questionsOf;
        sheet.sheet = new QWidget(Paper);
        sheet.sheet->setObjectName(QStringLiteral("AnswerSheet%1").arg(page.questionsOf));
        sheet.sheet->setGeometry(TextLeft, SheetTop, TextWidth, SheetHeight);
        sheet.sheet->hide();
        auto* layout = new QVBoxLayout(sheet.sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);

        const QStringList asked = Journal::questions(page.questionsOf);
        for (int k = 0; k < asked.size(); ++k) {
            auto* question = new QLabel(asked.at(k), sheet.sheet);
            question->setObjectName(QStringLiteral("Question%1").arg(k + 1));
            question->setFont(platform::serifFont(18, true));
            question->setPalette(inked(question->palette()));
            question->setTextFormat(Qt::PlainText);
            question->setWordWrap(true);

            auto* box = new QPlainTextEdit(sheet.sheet);
            box->setObjectName(QStringLiteral("Answer%1").arg(k + 1));
            box->setAccessibleName(asked.at(k));
            box->setAccessibleDescription(QCoreApplication::translate(
                "Journal", "Your answer, in your own words.  Tab goes on to the next."));
            box->setPlaceholderText(
                QCoreApplication::translate("Journal", "Write your answer here."));
            box->setFont(platform::sansFont(18));
            box->setPalette(answerPalette(box->palette()));
            box->setTabChangesFocus(true);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setPlainText(journal_.answer(page.questionsOf, k + 1));
            const int lineHeight = QFontMetrics(box->font()).lineSpacing();
            const int margins =
                2 * (box->frameWidth() + static_cast<int>(box->document()->documentMargin()));
            box->setMinimumHeight(AnswerLines * lineHeight + margins);
            box->installEventFilter(this);
            question->setBuddy(box);
            const int chapter = page.questionsOf;
            connect(box, &QPlainTextEdit::textChanged, this, [this, chapter, k, box] {
                platform::guarded([&] { write(chapter, k + 1, box); });
            });

            if (k > 0)
                layout->addSpacing(8);
            layout->addWidget(question);
            layout->addSpacing(3);
            layout->addWidget(box, 1);
            sheet.questions << question;
            sheet.boxes << box;
        }
        sheets_.push_back(std::move(sheet));
    }
}

void TJournal::orderTheFocus()
{
    // Tab goes through the answer boxes of the page shown, then the buttons
    // in the order they stand, and back to the first box.
    QList<QWidget*> order;
    for (const Sheet& sheet : sheets_) {
        for (QPlainTextEdit* box : sheet.boxes)
            order << box;
    }
    order << Back << PrintButton << SavePdf << Close1 << Forward;
    for (qsizetype k = 0; k + 1 < order.size(); ++k)
        setTabOrder(order.at(k), order.at(k + 1));
}

void TJournal::write(int chapter, int question, QPlainTextEdit* box)
{
    // What is typed beyond the longest answer is taken back, so the box
    // never shows more than the journal keeps.
    const qsizetype over = box->toPlainText().size() - Journal::MaxAnswerLength;
    if (over > 0) {
        QTextCursor cursor = box->textCursor();
        if (cursor.position() < over)
            cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor,
                            static_cast<int>(over));
        cursor.removeSelectedText(); // writes the answer through textChanged
        return;
    }
    const QString before = journal_.answer(chapter, question);
    if (journal_.answered(chapter, question, box->toPlainText()) &&
        journal_.answer(chapter, question) != before)
        unreported_ = true;
}

void TJournal::reportAnswers()
{
    if (!unreported_)
        return;
    unreported_ = false;
    emit answersChanged();
}

const TJournal::Sheet* TJournal::sheetShown() const
{
    const int chapter = pages_.at(static_cast<std::size_t>(page_)).questionsOf;
    for (const Sheet& sheet : sheets_) {
        if (chapter != 0 && sheet.chapter == chapter)
            return &sheet;
    }
    return nullptr;
}

QWidget* TJournal::answerSheet() const
{
    const Sheet* shown = sheetShown();
    return shown ? shown->sheet : nullptr;
}

QList<QLabel*> TJournal::questionLabels() const
{
    const Sheet* shown = sheetShown();
    return shown ? shown->questions : QList<QLabel*>();
}

QList<QPlainTextEdit*> TJournal::answerBoxes() const
{
    const Sheet* shown = sheetShown();
    return shown ? shown->boxes : QList<QPlainTextEdit*>();
}

JournalPageSize TJournal::pageSize() const
{
    // The game's own story words give the width of an average character.
    const QFontMetricsF metrics(PageText->font());
    const QString sample = story::storyLine(3);
    const double average = metrics.horizontalAdvance(sample) / sample.size();
    return {static_cast<int>(TextWidth * WrapLoss / average),
            static_cast<int>(TextHeight / metrics.lineSpacing())};
}

JournalPage TJournal::namesPage() const
{
    JournalPage page;
    page.title = QCoreApplication::translate("Journal", "Our Journey on the Trail");
    const QStringList names = cover_.travellers();
    page.paragraphs << (names.isEmpty()
                            ? QCoreApplication::translate(
                                  "Journal", "The party's names were not written down.")
                            : QCoreApplication::translate("Journal", "The travellers:\n") +
                                  names.join(QLatin1Char('\n')));
    page.paragraphs << cover_.scoreLine(journal_);
    if (journal_.isEmpty())
        page.paragraphs << QCoreApplication::translate(
            "Journal", "Nothing has been written in the journal yet.");
    return page;
}

void TJournal::showPage(int page)
{
    reportAnswers();
    page_ = std::clamp(page, 0, pageCount() - 1);
    JournalPage& shown = pages_.at(static_cast<std::size_t>(page_));
    if (shown.questionsOf != 0)
        shown = journal_.questionsPage(shown.questionsOf); // with the answers as written
    PageHeading->setText(shown.heading);
    PageHeading->setVisible(!shown.heading.isEmpty());
    PageTitle->setText(shown.title);
    PageText->setText(shown.paragraphs.join(QStringLiteral("\n\n")));
    // A page of questions shows its sheet of answer boxes instead of its
    // words.
    const Sheet* sheet = sheetShown();
    for (const Sheet& each : sheets_)
        each.sheet->setVisible(&each == sheet);
    PageScroll->setVisible(sheet == nullptr);
    PageNumber->setText(
        QCoreApplication::translate("Journal", "Page %1 of %2").arg(page_ + 1).arg(pageCount()));
    Back->setEnabled(page_ > 0);
    Forward->setEnabled(page_ + 1 < pageCount());
}

void TJournal::BackClick()
{
    if (page_ > 0)
        showPage(page_ - 1);
}

void TJournal::ForwardClick()
{
    if (page_ + 1 < pageCount())
        showPage(page_ + 1);
}

void TJournal::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    useJournalPaper(printer);
    printer.setDocName(QCoreApplication::translate("Journal", "Kelvarin journal"));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("Journal", "Print the Journal"));
    {
        platform::DialogInsideScreen placed(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    if (!printJournal(printer, journal_, cover_))
        platform::raise(QCoreApplication::translate(
            "Journal", "The journal cannot be printed: the printer did not "
                       "start.  Check that it is switched on and try again."));
}

void TJournal::SavePdfClick()
{
    const platform::FileDialog dialog{
        platform::FileDialog::Kind::Save,
        QCoreApplication::translate("Journal", "PDF Documents (*.pdf)"), QStringLiteral("pdf"),
        platform::savedGamesFolder()};
    const QString fileName = platform::chooseFile(dialog, this);
    if (fileName.isEmpty())
        return;
    const QString problem = saveJournalPdf(fileName, journal_, cover_);
    if (!problem.isEmpty())
        platform::raise(problem);
}

void TJournal::Close1Click()
{
    close();
}

bool TJournal::bookKey(const QKeyEvent* event)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        platform::guarded([this] { BackClick(); });
        return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        platform::guarded([this] { ForwardClick(); });
        return true;
    case Qt::Key_Home:
        showPage(0);
        return true;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void TJournal::keyPressEvent(QKeyEvent* event)
{
    if (bookKey(event))
        event->accept();
    else
        Form::keyPressEvent(event);
}

bool TJournal::eventFilter(QObject* watched, QEvent* event)
{
    // An answer box keeps its keys: the arrows move in the answer, and the
    // page turns only from the buttons.
    if (qobject_cast<QPlainTextEdit*>(watched)) {
        if (event->type() == QEvent::FocusOut)
            platform::guarded([this] { reportAnswers(); });
        return Form::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && bookKey(static_cast<QKeyEvent*>(event)))
        return true;
    return Form::eventFilter(watched, event);
}

void TJournal::hideEvent(QHideEvent* event)
{
    platform::guarded([this] { reportAnswers(); });
    Form::hideEvent(event);
}

void TJournal::showJournal(Journal& journal, const QStringList& names, int score, const QImage& map,
                           QWidget* parent, const std::function<void()>& answersChanged)
{
    TJournal view(journal, JournalCover{names, score, map}, parent);
    connect(&view, &TJournal::answersChanged, &view, [&] {
        journal = view.journal();
        if (answersChanged)
            answersChanged();
    });
    view.ShowModal();
}

#include "classoverview.h"

#include "journal/journalview.h"
#include "journal/overviewcsv.h"
#include "journal/overviewprint.h"
#include "journal/overviewrows.h"
#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/filenames.h"
#include "platform/fonts.h"
#include "platform/keyboardbutton.h"
#include "platform/playerfolders.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using platform::guard;

namespace journey {

namespace {

constexpr int Width = 960;
constexpr int Height = 600;
constexpr int PaperMargin = 14;
constexpr int PanelHeight = 64;

enum Column {
    PartyColumn,
    TownColumn,
    PartColumn,
    ScoreColumn,
    StoriesColumn,
    AnswersColumn,
    SavedColumn
};

QPalette inked(QPalette palette)
{
    palette.setColor(QPalette::WindowText, TJournal::inkColour());
    palette.setColor(QPalette::Text, TJournal::inkColour());
    palette.setColor(QPalette::ButtonText, TJournal::inkColour());
    return palette;
}

QTableWidgetItem* item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* shown = new QTableWidgetItem(text);
    shown->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    shown->setTextAlignment(alignment | Qt::AlignVCenter);
    return shown;
}

} // namespace

ClassOverview::ClassOverview(const QList<Listing>& listings, QWidget* parent)
    : Form(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint),
      listings_(overviewOrder(listings))
{
    setObjectName(QStringLiteral("ClassOverview"));
    setWindowTitle(overviewTitle());
    setFixedSize(Width, Height);
    setFont(platform::sansFont(15));
    platform::fillBackground(this, QColor(102, 52, 31));
    placeCentred();

    createTable();
    createButtons();
    fillTable();
    // With journeys to read, the table first: the arrow keys walk its rows.
    if (!listings_.isEmpty())
        Journeys->setFocus();
    else
        Close1->setFocus();
}

void ClassOverview::createTable()
{
    auto* paper = new QWidget(this);
    paper->setObjectName(QStringLiteral("Paper"));
    paper->setGeometry(PaperMargin, PaperMargin, Width - 2 * PaperMargin,
                       Height - PanelHeight - 2 * PaperMargin);
    platform::fillBackground(paper, TJournal::paperColour());

    Title = new QLabel(overviewTitle(), paper);
    Title->setObjectName(QStringLiteral("Title"));
    Title->setFont(platform::serifFont(26, true));
    Title->setPalette(inked(Title->palette()));
    Title->setTextFormat(Qt::PlainText);

    About = new QLabel(
        QCoreApplication::translate(
            "Journal", "Every party's journey saved on this computer, the last saved first."),
        paper);
    About->setObjectName(QStringLiteral("About"));
    About->setPalette(inked(About->palette()));
    About->setWordWrap(true);

    Journeys = new QTableWidget(0, static_cast<int>(overviewHeadings().size()), paper);
    Journeys->setObjectName(QStringLiteral("Journeys"));
    Journeys->setAccessibleName(
        QCoreApplication::translate("Journal", "Journeys on this computer"));
    Journeys->setHorizontalHeaderLabels(overviewHeadings());
    Journeys->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Journeys->setSelectionBehavior(QAbstractItemView::SelectRows);
    Journeys->setSelectionMode(QAbstractItemView::SingleSelection);
    Journeys->setTabKeyNavigation(false); // Tab goes on to the buttons
    Journeys->setWordWrap(true);
    Journeys->setAlternatingRowColors(true);
    Journeys->verticalHeader()->hide();
    Journeys->verticalHeader()->setMinimumSectionSize(30); // room between the rows' lines
    Journeys->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = inked(Journeys->palette());
    palette.setColor(QPalette::Base, QColor(250, 244, 228));
    palette.setColor(QPalette::AlternateBase, QColor(241, 231, 206));
    palette.setColor(QPalette::Highlight, QColor(102, 52, 31));
    palette.setColor(QPalette::HighlightedText, QColor(250, 244, 228));
    Journeys->setPalette(palette);
    QHeaderView* header = Journeys->horizontalHeader();
    header->setFont(platform::sansFont(15, true));
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(PartyColumn, QHeaderView::Stretch);
    header->setHighlightSections(false);
    // A long party name wraps in its column: its row grows to hold it once
    // the header has settled the column's width (after the resize itself).
    connect(
        header, &QHeaderView::sectionResized, Journeys,
        [this](int column) {
            if (column == PartyColumn)
                Journeys->resizeRowsToContents();
        },
        Qt::QueuedConnection);

    NoJourneys = new QLabel(
        QCoreApplication::translate("Journal", "No journey is saved on this computer yet."), paper);
    NoJourneys->setObjectName(QStringLiteral("NoJourneys"));
    NoJourneys->setFont(platform::serifFont(20));
    NoJourneys->setPalette(inked(NoJourneys->palette()));
    NoJourneys->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    NoJourneys->setContentsMargins(0, 40, 0, 0);
    NoJourneys->setWordWrap(true);

    auto* layout = new QVBoxLayout(paper);
    layout->setContentsMargins(28, 18, 28, 18);
    layout->setSpacing(10);
    layout->addWidget(Title);
    layout->addWidget(About);
    layout->addWidget(Journeys, 1);
    layout->addWidget(NoJourneys, 1);
}

void ClassOverview::createButtons()
{
    Panel1 = new platform::BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, Height - PanelHeight, Width, PanelHeight);

    const auto button = [this](const QString& caption, const char* name, const QString& spoken) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(spoken);
        b->setAutoDefault(false);
        platform::keyboardButton(b);
        return b;
    };
    ExportPdf = button(QCoreApplication::translate("Journal", "Export as &PDF\u2026"), "ExportPdf",
                       QCoreApplication::translate("Journal", "Export the list as a PDF file"));
    ExportCsv = button(
        QCoreApplication::translate("Journal", "Export as &CSV\u2026"), "ExportCsv",
        QCoreApplication::translate("Journal", "Export the list as a CSV file for a spreadsheet"));
    Close1 = button(QCoreApplication::translate("Journal", "Close"), "Close1",
                    QCoreApplication::translate("Journal", "Close the list"));
    ExportPdf->setGeometry(14, 16, 190, 32);
    ExportCsv->setGeometry(214, 16, 190, 32);
    Close1->setGeometry(Width - 14 - 120, 16, 120, 32);
    connect(ExportPdf, &QPushButton::clicked, this, guard(this, &ClassOverview::ExportPdfClick));
    connect(ExportCsv, &QPushButton::clicked, this, guard(this, &ClassOverview::ExportCsvClick));
    connect(Close1, &QPushButton::clicked, this, guard(this, &ClassOverview::Close1Click));
}

void ClassOverview::fillTable()
{
    const bool none = listings_.isEmpty();
    About->setVisible(!none);
    Journeys->setVisible(!none);
    NoJourneys->setVisible(none);
    ExportPdf->setEnabled(!none);
    ExportCsv->setEnabled(!none);

    Journeys->setRowCount(static_cast<int>(listings_.size()));
    for (int row = 0; row < listings_.size(); ++row) {
        const Listing& listing = listings_.at(row);
        if (listing.damaged) {
            Journeys->setItem(row, PartyColumn, item(partyShown(listing)));
            QTableWidgetItem* why = item(damagedShown(listing));
            why->setToolTip(QCoreApplication::translate(
                                "Journal", "This journey cannot be opened.  It is kept in "
                                           "\"%1\".")
                                .arg(platform::shownName(listing.file)));
            Journeys->setItem(row, TownColumn, why);
            Journeys->setSpan(row, TownColumn, 1, Journeys->columnCount() - TownColumn);
            continue;
        }
        const QStringList cells = overviewCells(listing);
        for (int column = 0; column < cells.size(); ++column) {
            const bool number =
                column != PartyColumn && column != TownColumn && column != SavedColumn;
            QTableWidgetItem* shown =
                item(cells.at(column), number ? Qt::AlignHCenter : Qt::AlignLeft);
            shown->setToolTip(cells.at(column));
            Journeys->setItem(row, column, shown);
        }
    }
    Journeys->resizeRowsToContents();
    if (!none)
        Journeys->setCurrentCell(0, PartyColumn);
}

QString ClassOverview::chosenFile(const QString& filter, const QString& extension)
{
    const platform::FileDialog dialog{platform::FileDialog::Kind::Save, filter, extension,
                                      platform::savedGamesFolder(), true};
    return platform::chooseFile(dialog, this);
}

void ClassOverview::ExportPdfClick()
{
    const QString fileName = chosenFile(
        QCoreApplication::translate("Journal", "PDF Documents (*.pdf)"), QStringLiteral("pdf"));
    if (fileName.isEmpty())
        return;
    const QString problem = saveOverviewPdf(fileName, listings_, QDateTime::currentDateTime());
    if (!problem.isEmpty())
        platform::raise(problem);
}

void ClassOverview::ExportCsvClick()
{
    const QString fileName =
        chosenFile(QCoreApplication::translate("Journal", "CSV Files for Spreadsheets (*.csv)"),
                   QStringLiteral("csv"));
    if (fileName.isEmpty())
        return;
    const QString problem = saveOverviewCsv(fileName, listings_);
    if (!problem.isEmpty())
        platform::raise(problem);
}

void ClassOverview::Close1Click()
{
    close();
}

void ClassOverview::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the list, as Close does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    Form::keyPressEvent(event);
}

void ClassOverview::showOverview(QWidget* parent)
{
    ClassOverview view(journeysOnThisComputer(), parent);
    view.ShowModal();
}

} // namespace journey

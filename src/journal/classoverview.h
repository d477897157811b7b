#pragma once

// The teachers' overview, "Journeys on this Computer": every party's journey
// saved on this computer in a table (the party, its town, its part of the
// trail, score, stories heard, answers written and when it was saved), the
// last saved first; a damaged journey's row says only that it is damaged,
// and why. Export as PDF and Export as CSV write the list where the teacher
// chooses; Close and Escape close it. The window only reads: it shows the
// journeys as they were when it opened.

#include "journal/journeylist.h"
#include "platform/form.h"

#include <QList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {
class BevelPanel;
} // namespace platform

namespace journey {

class ClassOverview : public platform::Form {
    Q_OBJECT

public:
    explicit ClassOverview(const QList<Listing>& listings, QWidget* parent = nullptr);

    // Opens the overview of the journeys on this computer modally; returns
    // when the teacher has closed it.
    static void showOverview(QWidget* parent);

    QLabel* Title;
    QLabel* About; // what the list shows
    QTableWidget* Journeys;
    QLabel* NoJourneys; // shown instead of the table when there is none
    platform::BevelPanel* Panel1;
    QPushButton* ExportPdf;
    QPushButton* ExportCsv;
    QPushButton* Close1;

    void ExportPdfClick();
    void ExportCsvClick();
    void Close1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<Listing> listings_;

    void createTable();
    void createButtons();
    void fillTable();
    // The name the teacher chose for the file, or an empty one.
    QString chosenFile(const QString& filter, const QString& extension);
};

} // namespace journey

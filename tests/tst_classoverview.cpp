// The teachers' overview window, "Journeys on this Computer": its rows, the
// damaged journey's row, the line when there is none, its buttons and keys,
// the exports through the file chooser; and "For Teachers" in the Help menus
// of the trail and the flea market, opening the guide and the overview.

#include "errorcapture.h"
#include "fakemedia.h"
#include "journal/classoverview.h"
#include "journal/overviewcsv.h"
#include "journal/overviewrows.h"
#include "journeylistings.h"
#include "media/helpwindow.h"
#include "modalscript.h"
#include "platform/filedialogs.h"
#include "platform/playerfolders.h"
#include "shell/application.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "testfiles.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using journey::ClassOverview;
using journey::Listing;

namespace {

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

// Answers the file chooser with this name, keeping what it was asked.
class ChooserAnswer {
public:
    explicit ChooserAnswer(const QString& answer)
    {
        platform::setFileChooser([this, answer](const platform::FileDialog& dialog, QWidget*) {
            asked << dialog;
            return answer;
        });
    }
    ~ChooserAnswer() { platform::setFileChooser({}); }
    ChooserAnswer(const ChooserAnswer&) = delete;
    ChooserAnswer& operator=(const ChooserAnswer&) = delete;

    QList<platform::FileDialog> asked;
};

// A help folder with its contents page and the guide.
void writeHelp(const QTemporaryDir& folder, bool withGuide)
{
    writeBytes(folder.filePath("index.html"),
               "<html><body><h1>Kelvarin Help</h1><p>Choose a page.</p></body></html>");
    if (withGuide)
        writeBytes(folder.filePath("guide.html"),
                   "<html><body><h1>A Guide for Teachers</h1><p>Before playing.</p></body></html>");
}

QMenu* teachersMenu(QMenu* help)
{
    return help->findChild<QMenu*>(QStringLiteral("ForTeachers1"));
}

} // namespace

class ClassOverviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void everyJourneyHasARowTheLastSavedFirst()
    {
        ClassOverview view(aClassOfJourneys());
        QCOMPARE(view.windowTitle(), QStringLiteral("Journeys on this Computer"));
        QTableWidget* table = view.Journeys;
        QVERIFY(!table->isHidden());
        QVERIFY(view.NoJourneys->isHidden());
        QCOMPARE(table->rowCount(), 5);
        QStringList headings;
        for (int column = 0; column < table->columnCount(); ++column)
            headings << table->horizontalHeaderItem(column)->text();
        QCOMPARE(headings, (QStringList{"Party", "Town", "Part", "Score", "Stories heard",
                                        "Answers written", "Saved"}));
        QCOMPARE(rowTexts(table, 0), (QStringList{"José and Ana", "Orrin Birches, town 9", "2",
                                                  "31", "8", "2", "24 Nov 2026, 15:40"}));
        QCOMPARE(rowTexts(table, 1).first(), QStringLiteral("Room 12, table \"3\""));
        QCOMPARE(rowTexts(table, 2).mid(0, 3),
                 (QStringList{"Table 10", "Hopewater, town 28", "ended"}));
        QCOMPARE(rowTexts(table, 3).first(), QStringLiteral("A journey without a name"));
        // Nothing in it can be changed.
        QCOMPARE(table->item(0, 0)->flags() & Qt::ItemIsEditable, Qt::ItemFlags());
    }

    void aDamagedJourneySaysSoAndNothingElse()
    {
        ClassOverview view(aClassOfJourneys());
        QTableWidget* table = view.Journeys;
        const int row = table->rowCount() - 1;
        QCOMPARE(table->item(row, 0)->text(), QStringLiteral("Zoë's group"));
        QCOMPARE(table->item(row, 1)->text(),
                 QStringLiteral("damaged: the file ends before the journey does"));
        QCOMPARE(table->columnSpan(row, 1), table->columnCount() - 1);
        for (int column = 2; column < table->columnCount(); ++column)
            QVERIFY(!table->item(row, column));
        QVERIFY(table->item(row, 1)->toolTip().contains(QStringLiteral("damaged.kvj")));
    }

    void withNoJourneyALineSaysSoAndThereIsNothingToExport()
    {
        ClassOverview view({});
        QVERIFY(view.Journeys->isHidden());
        QVERIFY(!view.NoJourneys->isHidden());
        QCOMPARE(view.NoJourneys->text(),
                 QStringLiteral("No journey is saved on this computer yet."));
        QVERIFY(!view.ExportPdf->isEnabled());
        QVERIFY(!view.ExportCsv->isEnabled());
        QVERIFY(view.Close1->isEnabled());
    }

    void theButtonsAreNamedForAScreenReader()
    {
        ClassOverview view(aClassOfJourneys());
        view.show();
        QStringList names;
        for (QPushButton* button : {view.ExportPdf, view.ExportCsv, view.Close1}) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
            QVERIFY(spoken);
            QCOMPARE(spoken->role(), QAccessible::Button);
            names << spoken->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{"Export the list as a PDF file",
                                     "Export the list as a CSV file for a spreadsheet",
                                     "Close the list"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(view.Journeys)->text(QAccessible::Name),
                 QStringLiteral("Journeys on this computer"));
        // The table has the focus, and Tab goes on to the buttons.
        QCOMPARE(view.focusWidget(), view.Journeys);
        QTest::keyClick(view.Journeys, Qt::Key_Tab);
        QCOMPARE(view.focusWidget(), view.ExportPdf);
    }

    void escapeAndCloseCloseIt_data()
    {
        QTest::addColumn<bool>("withJourneys");
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape on the table") << true << true;
        QTest::newRow("Escape with no journey") << false << true;
        QTest::newRow("Close") << true << false;
    }

    void escapeAndCloseCloseIt()
    {
        QFETCH(bool, withJourneys);
        QFETCH(bool, escape);
        ClassOverview view(withJourneys ? aClassOfJourneys() : QList<Listing>());
        ModalScript script;
        bool closed = false;
        script.then([&](QWidget* window) {
            QWidget* focused = window->focusWidget();
            if (escape)
                QTest::keyClick(focused ? focused : window, Qt::Key_Escape);
            else
                static_cast<ClassOverview*>(window)->Close1->click();
            closed = !window->isVisible();
            window->close();
        });
        view.ShowModal();
        QVERIFY(closed);
        QCOMPARE(script.unexpected(), 0);
    }

    void exportAsCsvWritesWhereTheTeacherChose()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("class.csv"));
        ChooserAnswer chooser(file);
        ErrorCapture errors;
        ClassOverview view(aClassOfJourneys());
        view.ExportCsv->click();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(chooser.asked.size(), 1);
        const platform::FileDialog& asked = chooser.asked.first();
        QVERIFY(asked.kind == platform::FileDialog::Kind::Save);
        QCOMPARE(asked.initialDir, platform::savedGamesFolder());
        QCOMPARE(asked.defaultExtension, QStringLiteral("csv"));
        QVERIFY(asked.filter.contains(QStringLiteral("*.csv")));
        QCOMPARE(QString::fromUtf8(fileBytes(file).mid(3)),
                 journey::overviewCsv(aClassOfJourneys()));
    }

    void exportAsPdfWritesWhereTheTeacherChose()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("class.pdf"));
        ChooserAnswer chooser(file);
        ErrorCapture errors;
        ClassOverview view(aClassOfJourneys());
        view.ExportPdf->click();
        QCOMPARE(errors.messages, QStringList());
        QCOMPARE(chooser.asked.size(), 1);
        QCOMPARE(chooser.asked.first().defaultExtension, QStringLiteral("pdf"));
        QCOMPARE(chooser.asked.first().initialDir, platform::savedGamesFolder());
        QVERIFY(fileBytes(file).startsWith("%PDF-"));
    }

    void cancellingTheChooserWritesNothing()
    {
        QTemporaryDir folder;
        ChooserAnswer chooser{QString()};
        ErrorCapture errors;
        ClassOverview view(aClassOfJourneys());
        view.ExportCsv->click();
        view.ExportPdf->click();
        QCOMPARE(chooser.asked.size(), 2);
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void aFailedExportSaysWhyAndTheListStaysOpen()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("missing/class.csv"));
        ChooserAnswer chooser(file);
        ErrorCapture errors;
        ClassOverview view(aClassOfJourneys());
        view.show();
        view.ExportCsv->click();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.first().startsWith(
                     QStringLiteral("The list of journeys cannot be saved as \"%1\"").arg(file)),
                 qPrintable(errors.messages.first()));
        QVERIFY(view.isVisible());
        QCOMPARE(view.Journeys->rowCount(), 5);
    }

    void bothHelpMenusHaveTheTeachersItems()
    {
        TrailFixture trail;
        auto* market = new TFleaMarket;
        FleaMarket = market;
        for (QMenu* help : {trail.game->Help1, market->Help1}) {
            QMenu* teachers = teachersMenu(help);
            QVERIFY(teachers);
            QCOMPARE(teachers->title(), QStringLiteral("For &Teachers"));
            // Beside the contents, before the about box.
            const QList<QAction*> items = help->actions();
            const int at = static_cast<int>(items.indexOf(teachers->menuAction()));
            QCOMPARE(items.at(at - 1)->objectName(), QStringLiteral("Contents1"));
            QCOMPARE(items.at(at + 1)->objectName(), QStringLiteral("About"));
            QStringList names;
            QStringList captions;
            for (QAction* item : teachers->actions()) {
                names << item->objectName();
                captions << item->text();
            }
            QCOMPARE(names, (QStringList{"TeachersGuide1", "JourneysHere1"}));
            QCOMPARE(captions, (QStringList{"Teachers' &Guide", "&Journeys on this Computer..."}));
        }
        FleaMarket = nullptr;
        delete market;
    }

    void theGuideOpensAtItsPageAndContentsLeadsBack()
    {
        QTemporaryDir help;
        writeHelp(help, true);
        TrailFixture trail;
        App().HelpFile = help.filePath("index.html");
        ModalScript script;
        QString shown;
        QString contents;
        script.then([&](QWidget* window) {
            auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
            shown = browser->toPlainText();
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("&Contents"))
                    button->click();
            }
            contents = browser->toPlainText();
            window->close();
        });
        teachersMenu(trail.game->Help1)->findChild<QAction*>("TeachersGuide1")->trigger();
        QCOMPARE(script.seen, QStringList{"Help"});
        QVERIFY2(shown.contains(QStringLiteral("A Guide for Teachers")), qPrintable(shown));
        QVERIFY2(contents.contains(QStringLiteral("Choose a page.")), qPrintable(contents));
        QCOMPARE(trail.errors.messages, QStringList());
    }

    void aMissingGuideIsReportedAndTheGameGoesOn()
    {
        QTemporaryDir help;
        writeHelp(help, false);
        TrailFixture trail;
        App().HelpFile = help.filePath("index.html");
        ModalScript script;
        teachersMenu(trail.game->Help1)->findChild<QAction*>("TeachersGuide1")->trigger();
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(trail.errors.messages.size(), 1);
        QVERIFY2(trail.errors.messages.first().contains(help.filePath("guide.html")),
                 qPrintable(trail.errors.messages.first()));
    }

    void theJourneysItemOpensTheOverview()
    {
        TrailFixture trail;
        ModalScript script;
        QString title;
        script.then([&](QWidget* window) {
            title = window->windowTitle();
            window->close();
        });
        teachersMenu(trail.game->Help1)->findChild<QAction*>("JourneysHere1")->trigger();
        QCOMPARE(script.seen, QStringList{"ClassOverview"});
        QCOMPARE(title, QStringLiteral("Journeys on this Computer"));
        QCOMPARE(trail.errors.messages, QStringList());
    }
};

QTEST_MAIN(ClassOverviewTest)
#include "tst_classoverview.moc"

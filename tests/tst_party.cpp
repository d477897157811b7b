// The party panel: naming seven travellers, then listing their condition.

#include "errorcapture.h"
#include "fakemedia.h"
#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "trail/game.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class PartyTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    ErrorCapture quiet;
    TGame* game = nullptr;

private slots:
    void init()
    {
        resetGameState();
        resetApplication();
        game = new TGame;
        game->show();
    }

    void cleanup() { delete game; }

    void acceptedNamesTurnIntoConditionSentences()
    {
        game->BtnPartyClick();
        QVERIFY(game->PartyPanel->isVisible());
        game->N[2]->setText("Lune");
        game->Okay1->click();
        QCOMPARE(gameState().PartyConfirmed, 1);
        QVERIFY(game->PartyPanel->isVisible()); // still open, now listing
        for (int i = 0; i < 7; ++i) {
            QVERIFY(!game->N[i]->isVisible());
            QVERIFY(game->P[i]->isVisible());
        }
        QCOMPARE(game->P[0]->text(), QStringLiteral("Avrel's condition is good."));
        QCOMPARE(game->P[2]->text(), QStringLiteral("Lune's condition is good."));
        QCOMPARE(game->Name(3), QStringLiteral("Lune"));

        game->Okay1->click(); // the next Okay closes it
        QVERIFY(!game->PartyPanel->isVisible());
        game->BtnPartyClick(); // and it opens again listing
        QVERIFY(game->P[6]->isVisible());
        QVERIFY(!game->N[6]->isVisible());
    }

    void conditionGrades_data()
    {
        QTest::addColumn<int>("health");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("good") << 0 << "Tobin's condition is good.";
        QTest::newRow("below good counts as good") << -3 << "Tobin's condition is good.";
        QTest::newRow("fair") << 1 << "Tobin's condition is fair.";
        QTest::newRow("poor") << 2 << "Tobin's condition is poor.";
        QTest::newRow("critical") << 3 << "Tobin's condition is critical.";
        QTest::newRow("beyond critical") << 9 << "Tobin's condition is critical.";
    }

    void conditionGrades()
    {
        QFETCH(int, health);
        QFETCH(QString, sentence);
        gameState().Health[1] = static_cast<std::int8_t>(health);
        game->PartyHealth();
        QCOMPARE(game->P[1]->text(), sentence);
    }

    void anEmptyNameAsksWhetherToQuit()
    {
        game->N[0]->clear();
        ModalScript script;
        script.thenClick("No1");
        game->Okay1->click();
        QCOMPARE(script.answered(), 1);
        QCOMPARE(gameState().PartyConfirmed, 0);
        QVERIFY(!game->N[0]->isHidden()); // still naming
        QVERIFY(game->P[0]->isHidden());
        QVERIFY(!App().Terminated);

        script.thenClick("Okay1");
        game->Okay1->click();
        QVERIFY(App().Terminated);
    }

    void blankNamesCountAsPresent()
    {
        game->N[4]->setText("   ");
        game->Okay1->click();
        QCOMPARE(gameState().PartyConfirmed, 1);
        QCOMPARE(game->P[4]->text(), QStringLiteral("   's condition is good."));
    }

    void aClickOnThePanelClosesItWithoutAccepting()
    {
        game->BtnPartyClick();
        game->PartyPanelClick();
        QVERIFY(!game->PartyPanel->isVisible());
        QCOMPARE(gameState().PartyConfirmed, 0);
        game->BtnPartyClick();
        QVERIFY(game->N[0]->isVisible());
    }

    void theRowsAreEvenAndTheTitleSaysWhatThePanelShows()
    {
        QCOMPARE(game->Label2->text(), QStringLiteral("Choose Your Party"));
        for (int i = 1; i < 7; ++i) {
            QCOMPARE(game->N[i]->y() - game->N[i - 1]->y(), game->N[1]->y() - game->N[0]->y());
            QVERIFY(game->P[i - 1]->geometry().bottom() < game->P[i]->geometry().top());
        }
        QVERIFY(game->P[6]->geometry().bottom() < game->Okay1->geometry().top());
        game->Okay1->click();
        QCOMPARE(game->Label2->text(), QStringLiteral("Your Party"));
    }

    void namesAreAtMostTwentyCharactersAndTheirSentenceWraps()
    {
        game->N[0]->setText(QString(30, 'W'));
        QCOMPARE(game->N[0]->text().size(), 20);
        game->Okay1->click();
        const QLabel* label = game->P[0];
        QVERIFY(label->wordWrap());
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width());
        // Wrapped, the sentence fits its label: no word sticks out at the
        // side and no line is cut at the bottom.
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, label->width(), 1000),
                                               Qt::TextWordWrap | int(label->alignment()), label->text());
        QVERIFY2(needed.width() <= label->width(), qPrintable(QString::number(needed.width())));
        QVERIFY2(needed.height() <= label->height(), qPrintable(QString::number(needed.height())));
        QCOMPARE(game->Name(0), QString());
        QCOMPARE(game->Name(8), QString());
    }
};

QTEST_MAIN(PartyTest)
#include "tst_party.moc"

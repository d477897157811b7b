// The trail in parts: in the last town of each of the first three parts the
// party stops once, told that the part has ended and the journey is saved;
// the journal closes the part; the next Continue walks on, also in a
// journey opened at that moment.

#include "journal/journal.h"
#include "journal/journalview.h"
#include "platform/picturebox.h"
#include "presentation/transitions/formtransitions.h"
#include "shell/chapters.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "trail/game.h"
#include "modalscript.h"
#include "trailfixture.h"

#include <QFile>
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class ChapterEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }

    void arriveIn(int town)
    {
        trail->startTheTrail();
        game->ContinueClick();
        trail->drawRoute();
        s().Town = static_cast<std::uint8_t>(town - 1);
        s().Encounter = 3;
        game->ContinueClick();
        trail->drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
        QCOMPARE(int(s().Town), town);
        game->partsOfTheTrail = true;
    }

private slots:
    void init()
    {
        QFile::remove(journey::autosaveFile());
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void thePartsEndWhereTheTableSays()
    {
        QCOMPARE(ChapterCount, 4);
        const int lastTowns[] = {7, 14, 21, 28};
        for (int number = 1; number <= ChapterCount; ++number) {
            const Chapter c = chapter(number);
            QCOMPARE(c.lastTown, lastTowns[number - 1]);
            QCOMPARE(c.firstTown, number == 1 ? 1 : lastTowns[number - 2] + 1);
            for (int town = c.firstTown; town <= c.lastTown; ++town) {
                QCOMPARE(chapterOf(town).number, number);
                QCOMPARE(endsChapter(town), town == c.lastTown);
            }
        }
        QCOMPARE(chapterOf(0).number, 0);
        QCOMPARE(chapterOf(29).number, 0);
        QCOMPARE(chapterEndWords(2),
                 QString("This is the end of the second part of your journey.  You can stop "
                         "here: your journey is saved.  Next time, choose your party's name at "
                         "the flea market to go on."));
        QVERIFY(chapterEndWords(4).isEmpty()); // the last part ends with the journey
    }

    void thePartyStopsOnceAtAPartsEnd_data()
    {
        QTest::addColumn<int>("town");
        QTest::newRow("the first part") << 7;
        QTest::newRow("the second part") << 14;
        QTest::newRow("the third part") << 21;
    }

    void thePartyStopsOnceAtAPartsEnd()
    {
        QFETCH(int, town);
        arriveIn(town);
        game->ContinueClick();
        QCOMPARE(int(s().Town), town);
        QCOMPARE(game->IL1->text(), chapterEndWords(chapterOf(town).number));
        // Below the words, where the part's questions are, inside the panel.
        QCOMPARE(game->IL2->text(), chapterQuestionsHint());
        QVERIFY(game->IL2->isVisibleTo(game));
        QVERIFY(game->IL2->y() >= game->IL1->y() + game->IL1->heightForWidth(game->IL1->width()));
        QVERIFY(game->IL2->y() + game->IL2->heightForWidth(game->IL2->width()) <=
                game->IPic->geometry().bottom());
        QVERIFY(game->Continue->isEnabled());
        QCOMPARE(game->journal.chaptersEnded(), 1);

        // The journey is saved with the part ended.
        const journey::Reading saved = journey::readAutosave();
        QVERIFY2(saved.problem.isEmpty(), qPrintable(saved.problem));
        QCOMPARE(int(saved.state.number(journey::field::Town)), town);
        const JournalReading diary = Journal::fromLines(saved.state.texts(journey::field::Journal));
        QVERIFY(diary.problem.isEmpty());
        QCOMPARE(diary.journal.chaptersEnded(), 1);

        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), town + 1);

        // Opened where the part ended, the journey walks on at once.
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        game->partsOfTheTrail = true;
        QCOMPARE(game->resumeJourney(saved.state), QString());
        QCOMPARE(int(s().Town), town);
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), town + 1);
    }

    void theAnswersWrittenAtAPartsEndAreSavedWithTheJourney()
    {
        arriveIn(7);
        game->ContinueClick();
        QCOMPARE(game->journal.chaptersEnded(), 1);

        // The pupils open the journal from the menu, turn to the questions
        // and write an answer; closing the journal keeps it in the journey.
        ModalScript script;
        script.then([](QWidget* window) {
            auto* view = qobject_cast<TJournal*>(window);
            QVERIFY(view);
            for (int k = 0; k < view->pageCount() && view->answerBoxes().isEmpty(); ++k)
                view->ForwardClick();
            QVERIFY(!view->answerBoxes().isEmpty());
            view->answerBoxes().first()->setPlainText(QStringLiteral("The ferry man."));
            view->Close1->click();
        });
        game->JournalItem->trigger();
        QCOMPARE(script.seen, QStringList{QStringLiteral("Journal")});
        QCOMPARE(game->journal.answer(1, 1), QStringLiteral("The ferry man."));

        const journey::Reading saved = journey::readAutosave();
        QVERIFY2(saved.problem.isEmpty(), qPrintable(saved.problem));
        const JournalReading diary = Journal::fromLines(saved.state.texts(journey::field::Journal));
        QCOMPARE(diary.journal.answer(1, 1), QStringLiteral("The ferry man."));
    }

    void noStopWithinAPart()
    {
        arriveIn(6);
        game->ContinueClick();
        trail->drawRoute();
        QCOMPARE(int(s().Town), 7);
        QCOMPARE(game->journal.chaptersEnded(), 0);
    }
};

QTEST_MAIN(ChapterEndTest)
#include "tst_chapterend.moc"

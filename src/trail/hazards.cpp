// The snakebite on leaving the first spirit's town, and the trading post's
// ghostly keepers.

#include "game.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/messagepump.h"
#include "platform/randomsource.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"
#include "trail/scenegeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

void TGame::Snake()
{
    GameState& s = gameState();
    s.SnakeVictim = platform::gameRandom().next() % 7 + 1;
    const QString headline = tr("%1 was bitten by a snake!").arg(Name(s.SnakeVictim));
    // The journal keeps the choice in these English words (englishText).
    platform::setTranslatedText(DC1, "TGame",
                                QT_TRANSLATE_NOOP("TGame", "Clean the wound thoroughly."));
    platform::setTranslatedText(
        DC2, "TGame",
        QT_TRANSLATE_NOOP("TGame", "Clean wound, and give the patient snakeroot tea."));
    platform::setTranslatedText(
        DC3, "TGame",
        QT_TRANSLATE_NOOP("TGame", "Clean the wound, and apply lobelia and agrimony. "));
    LoadPic(QStringLiteral("snakeb"));
    PlayM2(Jingles::Snakebite.start, Jingles::Snakebite.end);
    PartyHealth();
    showRoadChoice(headline, 3);
    // The treatments the party has the means for: snakeroot from the girl.
    DC2->setEnabled(s.HasSnakeroot == 1);
    DC3->setEnabled(false);
    s.DilemmaUp = 1;
}

void TGame::DC1Click()
{
    DOK1->setEnabled(true);
}

void TGame::DC2Click()
{
    DOK1->setEnabled(true);
}

void TGame::DOK1Click()
{
    if (roadChoice_ != RoadChoice::None) {
        roadChoiceMade();
        return;
    }
    GameState& s = gameState();
    Dlabel->hide();
    Dchoice->hide();
    s.DilemmaUp = 0;
    if (DC2->isChecked())
        s.earnCarePoints();
    const QRadioButton* chosen = DC2->isChecked() ? DC2 : DC3->isChecked() ? DC3 : DC1;
    // Kept in the journal in English, whatever the language in view.
    journal.snakebite(Name(s.SnakeVictim), platform::englishText(chosen));
    BPanel->show();
    const int departures = departures_;
    platform::pumpMessages();
    if (departures != departures_)
        return; // another journey was opened meanwhile: it stays where it is
    // The party travels on by itself a moment later.
    s.EndTimerMode = 0;
    EndTime->start();
}

void TGame::Skeleton()
{
    // The keepers stand behind the counter of the post's inside picture.
    const QRect rect = pictureRectOnScreen(QRect(244, 206, 150, 133));
    if (MPskel->Mode() == media::MediaMode::Open)
        MPskel->Close();
    MPskel->Open();
    MPskel->setDisplayRect(rect);
}

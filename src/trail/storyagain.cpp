// Hearing the spirit's story again: the "Hear the story again" button on the
// trade panel and its menu item and key (F5), offered beside the spirit of
// this town once it has spoken.

#include "game.h"
#include "media/mediaplayer.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/controls.h"
#include "platform/errorreport.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

void TGame::createStoryAgain()
{
    HearAgain1 =
        platform::addItem(Sound, "HearAgain1", QT_TRANSLATE_NOOP("Menu", "Hear the Story &Again"));
    HearAgain1->setShortcut(QKeySequence(Qt::Key_F5));
    // The key works while the Sound menu is disabled for want of a sound device.
    addAction(HearAgain1);
    HearAgain = platform::newButton(TradePanel, "HearAgain", QString(), QRect(8, 292, 281, 25));
    platform::setTranslatedText(HearAgain, "TGame",
                                QT_TRANSLATE_NOOP("TGame", "Hear the story again"));
    platform::setTranslatedText(HearAgain, "TGame",
                                QT_TRANSLATE_NOOP("TGame", "Hear the story again"),
                                platform::TextRole::AccessibleName);
    platform::setTranslatedText(
        HearAgain, "TGame", QT_TRANSLATE_NOOP("TGame", "The spirit tells its story once more (F5)"),
        platform::TextRole::AccessibleDescription);
    connect(HearAgain1, &QAction::triggered, this, platform::guard(this, &TGame::hearStoryAgain));
    connect(HearAgain, &QPushButton::clicked, this, platform::guard(this, &TGame::hearStoryAgain));
    offerStoryAgain();
}

bool TGame::canHearStoryAgain() const
{
    // Beside the spirit who has spoken in this town, once it has appeared
    // and its first telling has ended; not at the journey's end, nor once a
    // new game is on its way.
    const GameState& s = gameState();
    return !journeyEnded_ && s.RestartConfirmed == 0 && s.Activity == 3 && s.SceneId[0] == 'x' &&
           GameState::inTownSet(s.SpiritsHeard, s.Town) && telling_ != Telling::First && MPchar &&
           MPchar->Mode() != media::MediaMode::NotReady;
}

void TGame::hearStoryAgain()
{
    if (!canHearStoryAgain())
        return;
    // Told again, not met again: the spirits heard, the journal and the
    // snakebite's chapter stay as they are.
    telling_ = Telling::Again;
    MPchar->Rewind();
    MPchar->Play();
    Caption->show();
    platform::announce(this, Caption->text());
}

void TGame::offerStoryAgain()
{
    const bool can = canHearStoryAgain();
    HearAgain1->setEnabled(can);
    HearAgain->setEnabled(can);
}

void TGame::silenceRetelling()
{
    if (telling_ == Telling::Again && MPchar->isPlaying())
        MPchar->Stop();
}

void TGame::leaveSpiritsStory()
{
    // The end of a voice stopped here comes later and finds no telling.
    telling_ = Telling::None;
    if (MPchar->isPlaying())
        MPchar->Stop();
    Caption->hide();
    offerStoryAgain();
}

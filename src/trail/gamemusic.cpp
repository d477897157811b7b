// The trail screen's music, pictures, volume and help.

#include "game.h"

#include "media/helpwindow.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "media/volumedialog.h"
#include "platform/picturebox.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/keptsettings.h"

#include <QAction>
#include <QMenu>

using media::MediaMode;

void TGame::LoadPic(const QString& name)
{
    media::loadJpegInto(Image1, name);
    describeScene(name);
}

void TGame::LoadBMP(platform::PictureBox* target, const QString& name)
{
    media::loadJpegInto(target, name);
}

void TGame::PlayM2(int startMs, int endMs)
{
    if (!gameState().MusicEnabled)
        return;
    if (MPchar->isPlaying())
        MPchar->Stop();
    if (MPmus->isPlaying())
        MPmus->Stop();
    if (MPmus2->Mode() == MediaMode::Open)
        MPmus2->Stop();
    MPmus2->setStartPos(startMs);
    MPmus2->setEndPos(endMs);
    MPmus2->Play();
}

void TGame::PlayM1()
{
    if (!gameState().MusicEnabled || MPmus->isPlaying())
        return;
    if (MPmus2->isPlaying())
        MPmus2->Stop();
    MPmus->Play();
}

void TGame::MusicOn(int mode)
{
    GameState& s = gameState();
    switch (mode) {
    case 0: // off
        s.MusicEnabled = 0;
        M_Off->setChecked(true);
        M_On->setChecked(false);
        if (MPmus->isPlaying())
            MPmus->Stop();
        break;
    case 1: // on
        s.MusicEnabled = 1;
        M_On->setChecked(true);
        M_Off->setChecked(false);
        if (MPmus->Mode() == MediaMode::Stopped)
            MPmus->Play();
        break;
    case 2: // resume after the shopkeeper has spoken
        if (s.MusicEnabled && MPmus->Mode() == MediaMode::Stopped)
            MPmus->Play();
        break;
    case 3: // hush while someone speaks
        if (MPmus->isPlaying())
            MPmus->Stop();
        break;
    default:
        break;
    }
}

void TGame::M_OffClick()
{
    M_Off->setChecked(true);
    M_On->setChecked(false);
    gameState().MusicEnabled = 0;
    kept::keepMusic(false);
    if (MPmus->isPlaying())
        MPmus->Stop();
    if (MPmus2->isPlaying())
        MPmus2->Stop();
}

void TGame::M_OnClick()
{
    M_Off->setChecked(false);
    M_On->setChecked(true);
    gameState().MusicEnabled = 1;
    kept::keepMusic(true);
    if (MPmus->Mode() == MediaMode::Stopped)
        MPmus->Play();
}

void TGame::TestMusic()
{
    // The theme is opened afresh each time: the sound device may have been
    // taken by another program since the game started.
    MPmus->Close();
    try {
        MPmus->Open();
    } catch (const std::exception&) {
        if (MPmus->Error != media::NoMediaError) {
            Sound->setEnabled(false);
            gameState().MusicEnabled = 0;
            return;
        }
        throw;
    }
    // From its start, unless the player has switched the music off.
    if (gameState().MusicEnabled)
        MPmus->Play();
}

void TGame::VolumeClick()
{
    media::showVolumeControl();
}

void TGame::Contents1Click()
{
    media::showHelpContents(App().HelpFile);
}

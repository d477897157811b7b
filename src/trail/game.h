#pragma once

// The trail screen: a borderless full-screen window with the scene picture,
// the bottom button bar and the menu. The whole trail journey runs inside its
// modal run. Its behaviour is split by subject over several files: the
// window and its layout here, quitting and restarting in gamequit.cpp, the
// menu in gamemenu.cpp.

#include "platform/form.h"
#include "trail/traillayout.h"

#include <QStringList>

class QAction;
class QLabel;
namespace media {
class MediaPlayer;
}
namespace platform {
class PictureBox;
}
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

class TGame : public platform::Form {
    Q_OBJECT

public:
    explicit TGame(QWidget* parent = nullptr);
    ~TGame() override;

    // The menu.
    QMenuBar* MainMenu = nullptr;
    QMenu* File1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* ExitProgram1 = nullptr;
    QMenu* Sound = nullptr;
    QAction* Volume = nullptr;
    QAction* M_On = nullptr;
    QAction* M_Off = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About = nullptr;

    // The window's area below the menu; every control sits on it.
    QWidget* Client = nullptr;
    platform::PictureBox* Image1 = nullptr;
    QWidget* BPanel = nullptr;
    QPushButton* Visit = nullptr;
    QPushButton* Look = nullptr;
    QPushButton* Continue = nullptr;
    QPushButton* Exit1 = nullptr;

    QTimer* EndTime = nullptr;

    // Media players: the theme, the jingles, the spirits' clips, the lake
    // clips, the reel and the trading post's keepers.
    media::MediaPlayer* MPmus = nullptr;
    media::MediaPlayer* MPmus2 = nullptr;
    media::MediaPlayer* MPchar = nullptr;
    media::MediaPlayer* MPghost = nullptr;
    media::MediaPlayer* MPfish = nullptr;
    media::MediaPlayer* MPfish2 = nullptr;
    media::MediaPlayer* MPreel = nullptr;
    media::MediaPlayer* MPskel = nullptr;

    // Hidden lists that other screens read: the things spirits give in
    // trades (one line per trade), and the fish caught, one line each
    // ("2 lb 5 oz bluegill"), oldest first.
    QStringList TradeList;
    QStringList FishList;

    TrailLayout layout;

    // Quitting and restarting.
    void Exit1Click();
    bool FormCloseQuery() override;
    void FormClose() override;
    void NewGame1Click();
    void EndTimeTimer();
    void AboutClick();
    // Marks the trail as entered.
    void Init();

    // Pictures.
    void LoadPic(const QString& name);
    void LoadBMP(platform::PictureBox* target, const QString& name);

    // Music and sound.
    void PlayM1();
    void PlayM2(int startMs, int endMs);
    void MusicOn(int mode);
    void TestMusic();
    void M_OnClick();
    void M_OffClick();
    void VolumeClick();
    void Contents1Click();

    // Leaves the current town for the next one (the journey).
    void Continues();

private:
    void FormCreate();
    void createMenu();
    void createBottomBar();
    void createPlayers();
    void applyLayout();
};

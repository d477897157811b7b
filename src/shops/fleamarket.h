#pragma once

// The flea market, where the party spends its $50 before the trail. One
// market scene at a time fills the middle of a wooden frame; an instruction
// panel driven by the step timer T1 leads the player through a shop door,
// into the store window and back out, and then sends the party on to the
// trail. Its behaviour is split over several files:
//   fleamarket.cpp        the window, its controls and its layout
//   fleamarketsteps.cpp   the instruction steps, the scenes and the clicks
//   fleamarketmenu.cpp    the menu: quitting, music, volume, help, about
//   fleamarketsave.cpp    saving and opening a game
//   fleamarketaccess.cpp  the keyboard, screen readers and the caption size

#include "platform/form.h"
#include "shops/fleamarketlayout.h"

#include <QString>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class TFormTransitions;
namespace media {
class MediaPlayer;
}
namespace platform {
class BevelPanel;
class BitBtn;
class PictureBox;
} // namespace platform

namespace journey {
class JourneyState;
}

class TFleaMarket : public platform::Form {
    Q_OBJECT

public:
    explicit TFleaMarket(QWidget* parent = nullptr);
    ~TFleaMarket() override;

    // The menu.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* OpenGame1 = nullptr;
    QAction* SaveGame1 = nullptr;
    QAction* Exit = nullptr;
    QMenu* Sound1 = nullptr;
    QAction* M_On = nullptr;
    QAction* M_Off = nullptr;
    QAction* Volume1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About = nullptr;

    // The window's area below the menu; every control sits on it.
    QWidget* Client = nullptr;
    platform::PictureBox* Image1 = nullptr; // the scene

    // The wooden frame around the scene.
    QWidget* LeftPanel = nullptr;
    platform::PictureBox* LFTimage = nullptr;
    QWidget* RightPanel = nullptr;
    platform::PictureBox* RTimage = nullptr;
    QWidget* Panel2 = nullptr;
    platform::PictureBox* BOTimage = nullptr;

    // The bottom bar: inventory, a line of text, the eagle.
    platform::BevelPanel* Panel1 = nullptr;
    platform::BitBtn* InvFM = nullptr;
    QLabel* eagLabel = nullptr;
    platform::BitBtn* eag = nullptr;

    // Places on the scene: the shop doors, the ways west and east, and the
    // way out of a shop. The doors are see-through pictures over the scene.
    platform::PictureBox* Door2 = nullptr;
    platform::PictureBox* Door1 = nullptr;
    QLabel* West = nullptr;
    QLabel* East = nullptr;
    platform::PictureBox* South = nullptr;

    // The instruction panel.
    platform::PictureBox* IPic = nullptr;
    QLabel* ILabel = nullptr;
    QPushButton* IButton = nullptr;

    // The shopkeeper's voice.
    media::MediaPlayer* MPTalk = nullptr;
    // The instruction steps' pace.
    QTimer* T1 = nullptr;
    // The window appears through the trail screen's clock wipe.
    TFormTransitions* FT1 = nullptr;

    // The market's state.
    std::int32_t GridPos = 2; // the scene shown
    bool InfoShown = true;    // the instruction panel is up
    bool ScreenArmed = false; // a click on the scene opens the store
    // A saved game to open without asking.
    QString StartFile;
    // Where the controls go on this screen, with the scale factors, the
    // scene's left edge and the instruction panel's place.
    FleaLayout layout;

    // Counters kept on controls: the instruction step (T1), the hint shown
    // under the scene (eagLabel), and "Exit Program" asking to close (Exit).
    int T1Tag = 0;
    int eagLabelTag = 0;
    int ExitTag = 0;

    void FormShow() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

    // The instruction steps.
    void IShow();
    void IButtonClick();
    void T1Timer();
    void IfOff();
    // The walk-around is over: on to the trail.
    void SetOut();

    // The scenes.
    void GetGrid();
    void CanGo(const QString& picture, int gridPos, bool southShown);
    void ScreenPos();
    void LoadPics(platform::PictureBox* target, const QString& name);

    // Clicks in the market.
    void Door2Click();
    // Door #3: the shop behind it is closed today.
    void Door1Click();
    void ScreenClick();
    void SouthClick();
    void eagClick();
    void eagLabelClick();
    void InvFMClick();
    // The shopkeeper speaks: 0 the greeting, 1 the thanks. The words stand
    // in the bottom line while they are spoken.
    void Speaks(int line);
    static QString shopkeeperWords(int line);

    // The line of text in the bottom bar: shown, fitted and announced.
    // The bottom bar's line, made in the language in view (and made again
    // when the player changes it).
    void setBottomLine(std::function<QString()> words);
    void clearBottomLine();

    // The menu.
    void ExitClick();
    void AboutClick();
    void M_OnClick();
    void M_OffClick();
    void Volume1Click();
    void Contents1Click();

    // Saved games.
    void SaveGame1Click();
    void OpenGame1Click();
    void OpenGame();
    // A journey saved on the trail: the party goes straight on to its town.
    void goOnWithJourney(const journey::JourneyState& state);
    // When a journey was saved automatically, asks whether to go on with it.
    void offerSavedJourney();
    bool journeyOffered_ = false;
    void SaveStart(const QString& fileName);
    // After a game is opened: the instruction steps go on from its scene.
    void ResumeWalk();

protected:
    // Clicks on the labels: the door, the instruction text, the hint line.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void layOut() override;
    void languageChanged() override;

private:
    void createMenu();
    // Tab order, accessible descriptions, the caption size.
    void setUpAccess();
    // Tells screen readers what the scene shows and what pressing it does.
    void describeScene();
    // The instruction panel and the bottom bar at the caption size.
    void fitInstructions();
    void fitBottomBar();
    // Gives the focus to the control the instruction asks for.
    void offerFocus(QWidget* control);
    void announceArrival();
    bool arrivalAnnounced_ = false;
    void createScene();
    void createFrame();
    void createBottomBar();
    void createInstructionPanel();
    void FormCreate();
    void loadWoodFrame();
    bool laidOut_ = false;
    bool woodLoaded_ = false;
    // Panel shown: the picture, then the waiting messages, then the text.
    // Shows the instruction panel at its place, and announces its text.
    void showPanel(FleaPanelPlace place);
    void placeInstructions(FleaPanelPlace place);
    FleaPanelPlace panelPlace_ = FleaPanelPlace::Middle;
};

#include "trailscreenreport.h"

#include "activities/fishingouting.h"
#include "media/mediaplayer.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "shell/gamestate.h"
#include "trail/game.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <initializer_list>

QString describeTrailScreen(const TGame& g)
{
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             g.Image1, g.IPic, g.Caption, g.TradePanel, g.Dchoice, g.Map, g.PartyPanel, g.Rod,
             g.hotspot, g.Bobber, g.Hints, g.FishPanel, g.EndLabel2, g.BPanel}) {
        if (w->isVisibleTo(&g))
            shown << w->objectName();
    }
    QStringList pressable;
    for (const QAbstractButton* b : std::initializer_list<const QAbstractButton*>{
             g.Look,     g.Visit,   g.Continue, g.Exit1, g.BtnMap, g.BtnParty,    g.BtnInv,
             g.Button1,  g.Button2, g.Button3,  g.DC1,   g.DC2,    g.DC3,         g.DOK1,
             g.OkayFish, g.Okay1,   g.Close1,   g.Yes1,  g.No1,    g.TravelAgain, g.QuitGame}) {
        if (b->isVisibleTo(&g) && b->isEnabled())
            pressable << b->objectName();
    }
    if (g.Image1->isVisibleTo(&g) && g.Image1->isEnabled())
        pressable << QStringLiteral("the scene");
    QStringList ticking;
    for (const QTimer* t :
         {g.Go, g.IP, g.EndTime, g.TownNameTime, g.fishing->TimeFish1, g.fishing->TimeFish2,
          g.fishing->TimeCatchFish, g.fishing->TimeFishShow}) {
        if (t->isActive())
            ticking << t->objectName();
    }
    QStringList playing;
    for (const media::MediaPlayer* p : {g.MPmus, g.MPmus2, g.MPchar, g.MPghost, g.MPfish, g.MPfish2,
                                        g.MPreel, g.MPskel, g.MPend, g.MPwords}) {
        if (p->isPlaying())
            playing << p->objectName();
    }
    const GameState& s = gameState();
    QString instruction;
    if (g.IL1->isVisibleTo(&g))
        instruction = QStringLiteral(" instruction \"%1\"").arg(g.IL1->text().left(60));
    return QStringLiteral("shown [%1] pressable [%2] timers [%3] playing [%4]%5; Town %6 Stage "
                          "%7 Activity %8 SceneId %9 InstructionStep %10 InstructionShown %11 "
                          "ClicksArmed %12 ScreenClickable %13 TradeRound %14 Score %15")
        .arg(shown.join(' '), pressable.join(' '), ticking.join(' '), playing.join(' '),
             instruction)
        .arg(int(s.Town))
        .arg(s.Stage < 10 ? QString::number(s.Stage) : QString(QChar(s.Stage)))
        .arg(int(s.Activity))
        .arg(s.sceneId())
        .arg(s.InstructionStep)
        .arg(s.InstructionShown)
        .arg(s.ClicksArmed)
        .arg(int(s.ScreenClickable))
        .arg(int(s.TradeRound))
        .arg(s.Score);
}

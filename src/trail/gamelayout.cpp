// Placing the trail screen's controls for the screen it fills.

#include "activities/fishingouting.h"
#include "game.h"
#include "media/mediaplayer.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/radialtransition.h"
#include "shell/application.h"
#include "shell/durations.h"
#include "shell/gamestate.h"

#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

void TGame::SetMyPath()
{
    // The file dialogs of saved games start in the folder the game runs from.
    gameState().MyPath = QDir::currentPath();
}

void TGame::FormCreate()
{
    SetMyPath();
    // A slow machine gets longer transitions, so their frames keep up.
    if (App().StartCode % 2 != 0) {
        Transition1->Milliseconds = Durations::SlowTransition;
        Transition2->Milliseconds = Durations::SlowTransition;
    }
    placeMainScreen();
}

void TGame::layOut()
{
    const bool first = layout.VScale == 0;
    const SceneFrame before = currentSceneFrame();
    applyLayout();
    const SceneFrame after = currentSceneFrame();
    if (!first && before != after)
        keepSceneInPlace(before, after);
}

void TGame::keepSceneInPlace(const SceneFrame& from, const SceneFrame& to)
{
    // The window changed size in the middle of a scene: the clips, the
    // fishing spot and the panels that stand on the picture go with it.
    for (media::MediaPlayer* clip : {MPchar, MPghost, MPfish, MPfish2, MPskel, MPend}) {
        if (!clip->DisplayRect().isEmpty())
            clip->setDisplayRect(movedWithScene(clip->DisplayRect(), from, to));
    }
    for (QWidget* onScene : {static_cast<QWidget*>(Bobber), static_cast<QWidget*>(hotspot),
                             static_cast<QWidget*>(TradePanel)})
        onScene->move(movedWithScene(onScene->pos(), from, to));
    GameState& s = gameState();
    const QPoint spot = movedWithScene(QPoint(s.HotspotX, s.HotspotY), from, to);
    s.HotspotX = spot.x();
    s.HotspotY = spot.y();
    placeInstructionPanel();
}

void TGame::applyLayout()
{
    // The menu runs across the whole window; the scene and its bars keep to
    // the window's 4:3 stage below it, with black at the sides.
    const QRect stage = stageRect();
    const int menuHeight = MainMenu->sizeHint().height();
    MainMenu->setGeometry(0, 0, width(), menuHeight);
    Client->setGeometry(stage.x(), stage.y() + menuHeight, stage.width(),
                        stage.height() - menuHeight);

    // The layout is computed for the whole stage, menu included, and the
    // controls are placed on the area below the menu, as the game always did.
    layout = computeTrailLayout(stage.width(), stage.height());
    const TrailLayout& l = layout;
    GameState& s = gameState();
    s.VScale = l.VScale;
    s.HScale = l.HScale;
    s.PicLeft = l.PicLeft;
    s.PicTop = l.PicTop;
    s.IPicLeft = l.IPicLeft;
    s.IPicTop = l.IPicTop;

    Image1->setGeometry(l.picture());
    BPanel->setGeometry(0, Client->height() - l.barH, Client->width(), l.barH);
    ImageBot->setGeometry(BPanel->rect());

    IPic->move(l.IPicLeft, l.IPicTop);
    IL1->move(l.IL1);
    IL2->move(l.IL2);

    // The column of fish reaches down to the bottom bar, never over it.
    FishCaught->setGeometry(l.FishCaught.x(), l.FishCaught.y(), 75,
                            std::min(800, BPanel->y() - l.FishCaught.y()));
    Yes1->move(l.Yes1);
    No1->move(l.No1);
    Dlabel->setGeometry(l.Dlabel.x(), l.Dlabel.y(), l.picW, Dlabel->height());
    Hints->move(l.Hints);
    Hints->setMinimumWidth(l.picW);
    Hints->resize(l.picW, Hints->height());
    FishPanel->move(l.FishPanel);

    for (QLabel* label : {EndLabel, EndLabel2}) {
        label->resize(l.EndLabelWidth, label->height());
        if (l.EndLabelFontSize)
            label->setFont(platform::sansFont(l.EndLabelFontSize * 4 / 3));
    }
    EndLabel->move((Client->width() - l.EndLabelWidth) / 2, l.EndLabelTop);
    EndLabel2->move((Client->width() - l.EndLabelWidth) / 2, l.EndLabel2Top);
    // The town's name stands above the picture where there is room for it.
    town->move((Client->width() - town->width()) / 2, std::max(0, l.PicTop - town->height() - 4));

    Visit->move(l.Visit);
    Look->move(l.Look);
    Continue->move(l.Continue);
    Exit1->move(l.Exit1);
    BtnMap->move(l.BtnMap);
    BtnParty->move(l.BtnParty);
    BtnInv->move(l.BtnInv);

    PartyPanel->move(l.PartyPanelLeft, 32);
    Map->move(l.Map);
    Rod->move(l.Rod);
    // The reel turns at the foot of the rod.
    MPreel->setDisplayRect(QRect(l.Rod.x() + 52, l.Rod.y() + 231, 23, 34));

    Caption->move(l.Caption);
    if (l.CaptionWidth) {
        Caption->setMinimumWidth(l.CaptionWidth);
        Caption->setMaximumWidth(l.CaptionWidth);
        Caption->setFont(platform::sansFont(l.CaptionFontSize * 4 / 3, true));
    }
    Caption->resize(Caption->minimumWidth(), Caption->height());

    Dchoice->move(l.DchoiceLeft, Client->height() - Dchoice->height());
    if (l.DchoiceScaled) {
        Dchoice->setGeometry(l.DchoiceLeft, l.DchoiceTop, l.DchoiceWidth, l.DchoiceHeight);
        DC1->move(DC1->x(), l.DC1Top);
        DC2->move(DC2->x(), l.DC2Top);
        DC3->move(DC3->x(), l.DC3Top);
    }
}

bool TGame::eventFilter(QObject* watched, QEvent* event)
{
    // The scene takes the keys first at the lake: they fish rather than press it.
    if (watched == Image1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        bool handled = false;
        platform::guarded([&] {
            handled = fishing->keyPressed(key->key(), key->modifiers() & Qt::ShiftModifier);
        });
        if (handled)
            return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == IL1 || watched == IL2)
            platform::guarded([this] { IPicClick(); });
        else if (watched == Hints)
            platform::guarded([this] { HintsClick(); });
    }
    return Form::eventFilter(watched, event);
}

void TGame::keyPressEvent(QKeyEvent* event)
{
    // At the lake the keys fish: aim, cast, pull in the rod.
    bool handled = false;
    platform::guarded([&] {
        handled = fishing->keyPressed(event->key(), event->modifiers() & Qt::ShiftModifier);
    });
    if (handled) {
        event->accept();
        return;
    }
    Form::keyPressEvent(event);
}

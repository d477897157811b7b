// Fishing at the lake: a good spot on the water, a bite, a second to reel in.

#include "game.h"

#include "activities/fishingtables.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "media/soundeffects.h"
#include "platform/bevelpanel.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "shell/gamestate.h"
#include "trail/scenegeometry.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

QString twoDigits(int town)
{
    return QStringLiteral("%1").arg(town, 2, 10, QLatin1Char('0'));
}

// The lake mask is a JPEG: its black, water, comes back as nearly black.
bool isWater(const QImage& mask, int x, int y)
{
    if (!mask.valid(x, y))
        return false;
    return qGray(mask.pixel(x, y)) < 48;
}

} // namespace

void TGame::Fish()
{
    GameState& s = gameState();
    s.FishingActive = 1;
    Rod->setPicture(s.RodBitmap);
    Look->setEnabled(true);
    Rod->show();
    hotspot->show();
    if (!s.FishHintsOff) {
        Hints->setText(QStringLiteral(
            "Click on the water to cast.  When the cursor changes, you are on a good spot."));
        Hints->show();
        if (s.FishCount > 5)
            s.FishHintsOff = 1;
    }
    if (s.FishCount != 0)
        DrawFish();
    TimeCatchFish->setInterval(2000);
    s.Stage = 4;

    const int x1 = platform::gameRandom().seededDraw();
    const int x2 = platform::gameRandom().next();
    TimeFish1->setInterval(14000 + x1 % 6000);
    TimeFish2->setInterval(20000 + x2 % 3000);
    TimeFish1->start();
    TimeFish2->start();
    Visit->setEnabled(false);

    const QString digits = twoDigits(s.Town);
    MPfish->FileName = QStringLiteral("fish/f%1-1.avi").arg(digits);
    MPfish2->FileName = QStringLiteral("fish/f%1-2.avi").arg(digits);
    for (auto [player, rect] : {std::pair{MPfish, LakeClip1Rect}, std::pair{MPfish2, LakeClip2Rect}}) {
        if (player->Mode() == media::MediaMode::Open)
            player->Close();
        player->Open();
        player->setDisplayRect(pictureRectOnScreen(rect));
    }

    LoadPic(QStringLiteral("f") + digits);
    platform::pumpMessages();
    PlayM2(Jingles::FishingBegins.start, Jingles::FishingBegins.end);
    LoadBMP(LakePic, QStringLiteral("b") + digits);
    MoveHotSpot();
    hotspot->setPicture(fishies->picture());
    TimeFishShow->start();
}

void TGame::MoveHotSpot()
{
    GameState& s = gameState();
    s.HotspotIndex = static_cast<std::int8_t>(s.HotspotIndex + 1 > 6 ? 0 : s.HotspotIndex + 1);
    const QPoint spot =
        picturePointOnScreen(HotspotTable[static_cast<std::size_t>(s.HotspotIndex)]);
    s.HotspotX = spot.x();
    s.HotspotY = spot.y();
    hotspot->move(spot);
}

void TGame::showCast()
{
    const GameState& s = gameState();
    Rod->setPicture(s.RodCastBitmap);
    platform::pumpMessages();
    Rod->repaint();
    platform::pauseGame(200);
    Rod->setPicture(s.RodBitmap);
    platform::pumpMessages();
}

void TGame::hotspotMouseDown(int x, int y)
{
    const GameState& s = gameState();
    media::playSound(QString::fromLatin1(MediaFiles::CastSound));
    Bobber->move(s.HotspotX + x, s.HotspotY + y);
    Bobber->show();
    showCast();
    TimeCatchFish->start();
}

void TGame::castElsewhere(int x, int y)
{
    const GameState& s = gameState();
    QPoint test(x, y);
    if (s.VScale > 1)
        test = QPoint(static_cast<int>(x / s.HScale), static_cast<int>(y / s.VScale));
    TimeCatchFish->stop();
    if (!isWater(LakePic->picture(), test.x(), test.y()))
        return; // a cast on land catches nothing and goes nowhere
    media::playSound(QString::fromLatin1(MediaFiles::CastSound));
    Bobber->move(x + s.PicLeft, y + s.PicTop);
    Bobber->show();
    showCast();
}

void TGame::TimeCatchFishTimer()
{
    const GameState& s = gameState();
    TimeCatchFish->stop();
    if (!s.FishHintsOff)
        Hints->setText(
            QStringLiteral("You missed it that time!  The fish took your bait -- cast again."));
    if (BitePending == 1) {
        // Too slow: the float is back and the fish is gone.
        BitePending = 0;
        Bobber->show();
        platform::pumpMessages();
        return;
    }
    // A bite: the float goes under, and the player has a second.
    Bobber->hide();
    platform::pumpMessages();
    BitePending = 1;
    TimeCatchFish->setInterval(1000);
    TimeCatchFish->start();
    if (!s.FishHintsOff) {
        Hints->setText(QStringLiteral("Now quickly click on the rod to reel in the fish!"));
        Hints->show();
    }
}

void TGame::RodClick()
{
    GameState& s = gameState();
    MPreel->Play();
    Bobber->hide();
    if (BitePending == 0)
        return;
    platform::pauseGame(100);
    const FishKind& kind = FishKinds[static_cast<std::size_t>(platform::gameRandom().seededDraw() % 9)];
    LoadBMP(FishPic, QString::fromLatin1(kind.picture));
    FishPanel->show();
    FishPanel->raise();
    TimeCatchFish->stop();
    BitePending = 0;
    s.FishCount += 1;
    DrawFish();
    if (!s.FishHintsOff)
        Hints->setText(QStringLiteral(
            "Click on the water to cast.  When the cursor changes, you are on a good spot."));

    int pounds = platform::gameRandom().seededDraw() % 400 / 100;
    const int ounces = platform::gameRandom().seededDraw() % 1100 / 100;
    if (pounds + ounces == 0) {
        pounds = 10; // the fish of the trip
        media::playSound(QString::fromLatin1(MediaFiles::RecordFishSound));
    }
    const int lb = pounds + s.HasTalisman;
    const QString weight = QStringLiteral("%1 lb %2 oz").arg(lb).arg(ounces);
    wtLabel->setText(weight);
    FishList << weight + QLatin1String(kind.nameText);
    addWeight(s.FishLb, s.FishOz, lb, ounces);
    MoveHotSpot();
}

void TGame::TimeFish1Timer()
{
    if (!gameState().FishHintsOff)
        Hints->hide();
    NextLakeClip = 1 - NextLakeClip;
    if (NextLakeClip == 1)
        MPfish->Play();
    else
        MPfish2->Play();
}

void TGame::TimeFish2Timer()
{
    hotspot->setPicture(fishies->picture());
    PlayM2(Jingles::Ripple.start, Jingles::Ripple.end);
    TimeFishShow->start();
}

void TGame::TimeFishShowTimer()
{
    hotspot->clearPicture();
    TimeFishShow->stop();
}

void TGame::MPfishNotify()
{
    // The float is painted again over the finished clip.
    Bobber->resize(Bobber->width(), 12);
    platform::pumpMessages();
    Bobber->resize(Bobber->width(), 13);
    if (!gameState().FishHintsOff)
        Hints->show();
}

void TGame::MPfish2Notify()
{
    MPfishNotify();
}

void TGame::DrawFish()
{
    const GameState& s = gameState();
    if (s.FishCount > 58)
        return;
    QImage& column = FishCaught->picture();
    if (column.isNull()) {
        column = QImage(75, 800, QImage::Format_ARGB32);
        column.fill(Qt::black);
    }
    QPainter painter(&column);
    for (int i = 0; i < s.FishCount; ++i) {
        const int c = i % 7;
        const int r = i / 7;
        painter.drawImage(QPoint(8 * c, 85 * r), c == 0 ? s.FishIcon1 : s.FishIcon2);
    }
    painter.end();
    FishCaught->changed();
}

void TGame::OkayFishClick()
{
    FishPanel->hide();
}

void TGame::leaveFishing()
{
    GameState& s = gameState();
    TimeCatchFish->stop();
    for (media::MediaPlayer* player : {MPfish, MPfish2, MPreel}) {
        if (player->isPlaying())
            player->Stop();
    }
    TimeFish1->stop();
    TimeFish2->stop();
    Rod->hide();
    Bobber->hide();
    hotspot->hide();
    Hints->hide();
    s.FishingActive = 0;
    // The black strip wipes the column of fish; loaded last, so that a
    // missing picture cannot leave the lake half left.
    FishCaught->clearPicture();
    LoadBMP(FishCaught, QStringLiteral("black"));
}

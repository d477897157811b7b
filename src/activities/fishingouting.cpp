#include "fishingouting.h"

#include "activities/fishingtables.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/soundeffects.h"
#include "platform/announce.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "platform/translatedtext.h"
#include "shell/gamestate.h"
#include "shell/savedgame.h"
#include "trail/game.h"
#include "trail/scenegeometry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

const char* const CastHint = QT_TRANSLATE_NOOP(
    "FishingOuting",
    "Click on the water to cast.  When the cursor changes, you are on a good spot.");

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

FishingOuting::FishingOuting(TGame& game) : QObject(&game), game_(game)
{
    setObjectName(QStringLiteral("Fishing"));
    auto timer = [this](const char* name, int interval, void (FishingOuting::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(interval);
        connect(t, &QTimer::timeout, this, platform::guard(this, tick));
        return t;
    };
    TimeFish1 = timer("TimeFish1", 0, &FishingOuting::TimeFish1Timer);
    TimeFish2 = timer("TimeFish2", 0, &FishingOuting::TimeFish2Timer);
    TimeCatchFish = timer("TimeCatchFish", 2000, &FishingOuting::TimeCatchFishTimer);
    TimeFishShow = timer("TimeFishShow", 500, &FishingOuting::TimeFishShowTimer);
}

void FishingOuting::Fish()
{
    leave(); // one outing at a time
    GameState& s = gameState();
    outing_ = ++outingsBegun_;
    const int outing = outing_;
    BitePending = 0;
    s.FishingActive = 1;
    game_.Rod->setPicture(s.RodBitmap);
    game_.Look->setEnabled(true);
    game_.Rod->show();
    game_.hotspot->show();
    // The keys fish too: the scene takes them.
    game_.Image1->setFocusPolicy(Qt::StrongFocus);
    game_.Image1->setFocus();
    if (!s.FishHintsOff) {
        platform::setTranslatedText(game_.Hints, "FishingOuting", CastHint);
        game_.Hints->show();
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
    game_.Visit->setEnabled(false);

    const QString digits = twoDigits(s.Town);
    game_.MPfish->FileName = QStringLiteral("fish/f%1-1.avi").arg(digits);
    game_.MPfish2->FileName = QStringLiteral("fish/f%1-2.avi").arg(digits);
    for (auto [player, rect] :
         {std::pair{game_.MPfish, LakeClip1Rect}, std::pair{game_.MPfish2, LakeClip2Rect}}) {
        if (player->Mode() == media::MediaMode::Open)
            player->Close();
        player->Open();
        player->setDisplayRect(pictureRectOnScreen(rect));
    }

    game_.LoadPic(QStringLiteral("f") + digits);
    platform::pumpMessages();
    if (!stillOn(outing))
        return; // the party left the lake while the picture was painted
    game_.PlayM2(Jingles::FishingBegins.start, Jingles::FishingBegins.end);
    game_.LoadBMP(game_.LakePic, QStringLiteral("b") + digits);
    MoveHotSpot();
    game_.hotspot->setPicture(game_.fishies->picture());
    TimeFishShow->start();
}

void FishingOuting::leave()
{
    if (!isOn())
        return;
    GameState& s = gameState();
    outing_ = 0;
    BitePending = 0;
    for (QTimer* timer : {TimeCatchFish, TimeFish1, TimeFish2, TimeFishShow})
        timer->stop();
    // The clips report their end later; it belongs to the ended outing.
    playedIn_.clear();
    for (media::MediaPlayer* player : {game_.MPfish, game_.MPfish2, game_.MPreel}) {
        if (player->isPlaying())
            player->Stop();
    }
    media::stopSounds(); // the cast, or the cheer of a record fish
    for (QWidget* control : std::initializer_list<QWidget*>{game_.Rod, game_.Bobber, game_.hotspot,
                                                            game_.Hints, game_.FishPanel})
        control->hide();
    if (aimMark_)
        aimMark_->hide();
    s.FishingActive = 0;
    // The black strip wipes the column of fish; loaded last, so that a
    // missing picture cannot leave the lake half left.
    game_.FishCaught->clearPicture();
    game_.LoadBMP(game_.FishCaught, QStringLiteral("black"));
}

void FishingOuting::MoveHotSpot()
{
    GameState& s = gameState();
    s.HotspotIndex = static_cast<std::int8_t>(s.HotspotIndex + 1 > 6 ? 0 : s.HotspotIndex + 1);
    const QPoint spot =
        picturePointOnScreen(HotspotTable[static_cast<std::size_t>(s.HotspotIndex)]);
    s.HotspotX = spot.x();
    s.HotspotY = spot.y();
    game_.hotspot->move(spot);
}

bool FishingOuting::showCast()
{
    const GameState& s = gameState();
    const int outing = outing_;
    game_.Rod->setPicture(s.RodCastBitmap);
    platform::pumpMessages();
    game_.Rod->repaint();
    platform::pauseGame(200);
    game_.Rod->setPicture(s.RodBitmap);
    platform::pumpMessages();
    return stillOn(outing);
}

void FishingOuting::hotspotMouseDown(int x, int y)
{
    if (!isOn())
        return;
    const GameState& s = gameState();
    media::playSound(QString::fromLatin1(MediaFiles::CastSound));
    game_.Bobber->move(s.HotspotX + x, s.HotspotY + y);
    game_.Bobber->show();
    if (!showCast())
        return; // the party left the lake during the cast: no fish will bite
    TimeCatchFish->start();
}

void FishingOuting::castElsewhere(int x, int y)
{
    if (!isOn())
        return;
    const GameState& s = gameState();
    QPoint test(x, y);
    if (s.VScale > 1)
        test = QPoint(static_cast<int>(x / s.HScale), static_cast<int>(y / s.VScale));
    TimeCatchFish->stop();
    if (!isWater(game_.LakePic->picture(), test.x(), test.y()))
        return; // a cast on land catches nothing and goes nowhere
    media::playSound(QString::fromLatin1(MediaFiles::CastSound));
    game_.Bobber->move(x + s.PicLeft, y + s.PicTop);
    game_.Bobber->show();
    showCast();
}

void FishingOuting::showHint(const char* source)
{
    if (!gameState().FishHintsOff)
        platform::setTranslatedText(game_.Hints, "FishingOuting", source);
}

void FishingOuting::TimeCatchFishTimer()
{
    if (!isOn())
        return; // a tick queued before the outing ended
    const int outing = outing_;
    TimeCatchFish->stop();
    showHint(QT_TRANSLATE_NOOP("FishingOuting",
                               "You missed it that time!  The fish took your bait -- cast again."));
    if (BitePending == 1) {
        // Too slow: the float is back and the fish is gone.
        BitePending = 0;
        game_.Bobber->show();
        platform::pumpMessages();
        return;
    }
    // A bite: the float goes under, and the player has a second.
    game_.Bobber->hide();
    platform::pumpMessages();
    if (!stillOn(outing))
        return;
    BitePending = 1;
    TimeCatchFish->setInterval(1000);
    TimeCatchFish->start();
    if (!gameState().FishHintsOff) {
        showHint(QT_TRANSLATE_NOOP("FishingOuting",
                                   "Now quickly click on the rod to reel in the fish!"));
        game_.Hints->show();
    }
    platform::announce(&game_, tr("A fish is biting!  Pull in the rod now."));
}

void FishingOuting::RodClick()
{
    if (!isOn())
        return;
    GameState& s = gameState();
    playClip(game_.MPreel);
    game_.Bobber->hide();
    if (BitePending == 0)
        return;
    platform::pauseGame(100);
    const FishKind& kind =
        FishKinds[static_cast<std::size_t>(platform::gameRandom().seededDraw() % 9)];
    game_.LoadBMP(game_.FishPic, QString::fromLatin1(kind.picture));
    game_.FishPanel->show();
    game_.FishPanel->raise();
    TimeCatchFish->stop();
    BitePending = 0;
    countOneMore(s.FishCount);
    DrawFish();
    showHint(CastHint);

    int pounds = platform::gameRandom().seededDraw() % 400 / 100;
    const int ounces = platform::gameRandom().seededDraw() % 1100 / 100;
    if (pounds + ounces == 0) {
        pounds = 10; // the fish of the trip
        media::playSound(QString::fromLatin1(MediaFiles::RecordFishSound));
    }
    const int lb = pounds + s.HasTalisman;
    const QString weight = QStringLiteral("%1 lb %2 oz").arg(lb).arg(ounces);
    game_.wtLabel->setText(weight);
    platform::announce(&game_,
                       tr("You caught a fish!  %1%2.")
                           .arg(weight, QCoreApplication::translate("Fish", kind.nameText)));
    game_.FishList << weight + QLatin1String(kind.nameText);
    // The list keeps the newest catches, as many as a saved journey holds.
    while (game_.FishList.size() > savedgame::MostCatchLines)
        game_.FishList.removeFirst();
    game_.journal.caughtFish(game_.FishList.constLast());
    addWeight(s.FishLb, s.FishOz, lb, ounces);
    MoveHotSpot();
}

void FishingOuting::playClip(media::MediaPlayer* clip)
{
    clip->Play();
    playedIn_[clip] = outing_;
}

void FishingOuting::TimeFish1Timer()
{
    if (!isOn())
        return;
    if (!gameState().FishHintsOff)
        game_.Hints->hide();
    NextLakeClip = 1 - NextLakeClip;
    playClip(NextLakeClip == 1 ? game_.MPfish : game_.MPfish2);
}

void FishingOuting::TimeFish2Timer()
{
    if (!isOn())
        return;
    game_.hotspot->setPicture(game_.fishies->picture());
    game_.PlayM2(Jingles::Ripple.start, Jingles::Ripple.end);
    TimeFishShow->start();
}

void FishingOuting::TimeFishShowTimer()
{
    game_.hotspot->clearPicture();
    TimeFishShow->stop();
}

void FishingOuting::clipEnded(media::MediaPlayer* clip)
{
    const auto play = playedIn_.find(clip);
    if (play == playedIn_.end() || !stillOn(play->second))
        return; // the end of a clip the outing did not start, or of an ended outing
    const int outing = play->second;
    playedIn_.erase(play);
    // The float is painted again over the finished clip.
    game_.Bobber->resize(game_.Bobber->width(), 12);
    platform::pumpMessages();
    if (!stillOn(outing))
        return;
    game_.Bobber->resize(game_.Bobber->width(), 13);
    if (!gameState().FishHintsOff)
        game_.Hints->show();
}

void FishingOuting::DrawFish()
{
    const GameState& s = gameState();
    if (s.FishCount > 58)
        return;
    QImage& column = game_.FishCaught->picture();
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
    game_.FishCaught->changed();
}

namespace {

// The keyboard's aim: a small cross that the arrow keys move over the lake.
class AimMark : public QWidget {
public:
    explicit AimMark(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("FishingAim"));
        platform::setTranslatedText(
            this, "FishingOuting",
            QT_TRANSLATE_NOOP("FishingOuting", "Where the line will be cast"),
            platform::TextRole::AccessibleName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(23, 23);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // Dark under light, so that it shows on sky, water and shore.
        for (const auto& [colour, width] : {std::pair{QColor(20, 20, 20), 4}, {Qt::white, 2}}) {
            painter.setPen(QPen(colour, width));
            painter.drawLine(11, 1, 11, 21);
            painter.drawLine(1, 11, 21, 11);
            painter.drawEllipse(QPointF(11.5, 11.5), 6, 6);
        }
    }
};

} // namespace

bool FishingOuting::keyPressed(int key, bool shift)
{
    if (!isOn())
        return false;
    const int step = shift ? 40 : 10;
    switch (key) {
    case Qt::Key_Left:
        aim_.rx() -= step;
        break;
    case Qt::Key_Right:
        aim_.rx() += step;
        break;
    case Qt::Key_Up:
        aim_.ry() -= step;
        break;
    case Qt::Key_Down:
        aim_.ry() += step;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BitePending)
            RodClick();
        else
            castAtAim();
        return true;
    case Qt::Key_R:
        RodClick();
        return true;
    default:
        return false;
    }
    aim_.setX(std::clamp(aim_.x(), 0, 599));
    aim_.setY(std::clamp(aim_.y(), 0, 449));
    showAim();
    return true;
}

void FishingOuting::showAim()
{
    if (!aimMark_)
        aimMark_ = new AimMark(game_.Client);
    const QPoint onScreen = picturePointOnScreen(aim_);
    aimMark_->move(onScreen - QPoint(11, 11));
    aimMark_->show();
    aimMark_->raise();
}

void FishingOuting::castAtAim()
{
    showAim();
    // On the good spot it is a cast there; anywhere else, a cast on the lake
    // picture as a click would make it.
    const QPoint onScreen = picturePointOnScreen(aim_);
    const QRect spot(game_.hotspot->pos(), game_.hotspot->size());
    if (spot.contains(onScreen)) {
        hotspotMouseDown(onScreen.x() - spot.x(), onScreen.y() - spot.y());
        return;
    }
    const GameState& s = gameState();
    castElsewhere(onScreen.x() - s.PicLeft, onScreen.y() - s.PicTop);
}

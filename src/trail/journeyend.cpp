// The end of the journey, after the trail's last town: Sedora's fire again
// with her closing words, the stories of the spirits met to hear once more,
// then the final score with what it was made of, the way travelled on the
// journey map, and the choice to travel again or to leave.

#include "game.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/captionsize.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "shell/gamestate.h"
#include "shell/journeysave.h"
#include "shell/language.h"
#include "trail/routetable.h"
#include "trail/scenegeometry.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>

namespace {

// The intro's fire (left 422, top 367, 214 x 387 of its 1024 x 768 picture),
// where it burns on the same picture shown at the scene's 600 x 450.
constexpr QRect FireOnScene{247, 215, 125, 226};

// "1 point", "5 points": English says it with its own two words; another
// language with its own forms for the count, from the translation of the
// counted words ("%n points").
QString count(int n, const char* one, const char* many, const char* counted)
{
    if (const QString translated = language::counted("TGame", counted, n); !translated.isEmpty())
        return translated;
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The final score and what it was made of, in the language in view: the
// useful goods traded for, the snakebite's treatment, the fish in storage,
// the remedies given and the travellers who came to the end in good
// condition, each part as it was earned.
QString finalScoreWords()
{
    const GameState& s = gameState();
    const auto words = [](const char* source) {
        return QCoreApplication::translate("TGame", source);
    };
    const int tradePoints = s.TradePoints;
    const int goodsTraded = tradePoints / GameState::PointsPerGood;
    const int carePoints = s.CarePoints;
    const int fishPoints = s.fishPoints();
    QStringList parts;
    if (goodsTraded > 0)
        parts << words(QT_TRANSLATE_NOOP("TGame", "%1 for the %2 you traded for"))
                     .arg(tradePoints)
                     .arg(count(goodsTraded, "useful good", "useful goods",
                                QT_TRANSLATE_N_NOOP("TGame", "%n useful goods")));
    if (carePoints > 0)
        parts << words(
                     QT_TRANSLATE_NOOP("TGame", "%1 for treating the snakebite with snakeroot tea"))
                     .arg(carePoints);
    parts << words(QT_TRANSLATE_NOOP("TGame", "%1 for the %2 lb of fish in storage"))
                 .arg(fishPoints)
                 .arg(s.FishLb);
    if (s.RemedyPoints > 0)
        parts << words(QT_TRANSLATE_NOOP("TGame", "%1 for the %2 you gave"))
                     .arg(s.RemedyPoints)
                     .arg(count(s.RemediesGiven, "remedy", "remedies",
                                QT_TRANSLATE_N_NOOP("TGame", "%n remedies")));
    const int wellTravellers = s.conditionPoints();
    if (wellTravellers > 0)
        parts << words(QT_TRANSLATE_NOOP("TGame", "%1 for the %2 in good condition"))
                     .arg(wellTravellers)
                     .arg(count(wellTravellers, "traveller", "travellers",
                                QT_TRANSLATE_N_NOOP("TGame", "%n travellers")));
    const QString madeOf =
        parts.size() == 1
            ? parts.first()
            : words(QT_TRANSLATE_NOOP("TGame", "%1 and %2"))
                  .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
    return words(QT_TRANSLATE_NOOP(
                     "TGame", "Your final score is %1: %2.\n\nThank you for travelling with us."))
        .arg(count(s.finalScore(), "point", "points", QT_TRANSLATE_N_NOOP("TGame", "%n points")),
             madeOf);
}

} // namespace

bool TGame::journeyGoesOn() const
{
    const int next = gameState().Town + 1;
    if (next > TownCount)
        return false;
    GameState probe;
    probe.setSceneId('s', next, 0);
    return media::hasJpegPicture(probe.sceneId());
}

void TGame::JourneysEnd()
{
    journeyEnded_ = true;
    journal.ended(gameState().finalScore());
    // The journey is complete: there is nothing to go on with next time.
    if (const QString slot = journey::autosaveFile(); !slot.isEmpty())
        QFile::remove(slot);
    Go->stop();
    IP->stop();
    IOff();
    hideTownName();
    setSceneClickable(false);
    Continue->setEnabled(false);
    Look->setEnabled(false);
    Visit->setEnabled(false);

    // Sedora's fire burns again, and she speaks her closing words.
    LoadPic(QStringLiteral("i0"));
    Image1->show();
    MPend->FileName = QString::fromLatin1(MediaFiles::IntroFire);
    MPend->Open();
    MPend->setDisplayRect(pictureRectOnScreen(FireOnScene));
    MPend->Tag = 1;
    MPend->Play();
    showEndCaption(&story::closingWords);
    MPwords->FileName = QString::fromLatin1(MediaFiles::ClosingWords);
    MPwords->Open();
    MPwords->Play();

    Yes1->show();
    No1->show();
    No1->setEnabled(gameState().SpiritsHeard != 0);
    Yes1->raise();
    No1->raise();
    Yes1->setFocus();
}

void TGame::showEndCaption(std::function<QString()> text)
{
    platform::setLiveText(Caption, std::move(text));
    Caption->adjustSize();
    platform::fitCaption(Caption);
    Caption->show();
    Caption->raise();
}

void TGame::MPendNotify()
{
    if (MPend->Tag == 1)
        MPend->Play(); // the fire burns on
}

void TGame::No1Click()
{
    // The next spirit the party met, along the trail, and round again.
    const std::uint32_t heard = gameState().SpiritsHeard;
    if (heard == 0)
        return;
    int next = endStoryTown_;
    do {
        next = next >= TownCount ? 1 : next + 1;
    } while (!GameState::inTownSet(heard, next));
    endStoryTown_ = next;

    MPwords->Stop();
    MPend->Tag = 0;
    MPend->Stop();
    const TownContent spirit = townContent(next);
    GameState scene;
    scene.setSceneId('x', next, 2);
    LoadPic(scene.sceneId());
    MPchar->FileName = spirit.charClip;
    MPchar->Open();
    MPchar->setDisplayRect(pictureRectOnScreen(spirit.charRect));
    MPchar->Play();
    showEndCaption([next] { return story::storyLine(2 * next - 1); });
    Yes1->raise();
    No1->raise();
}

void TGame::Yes1Click()
{
    MPend->Tag = 0;
    for (media::MediaPlayer* player : {MPend, MPwords, MPchar}) {
        if (player->isPlaying())
            player->Stop();
    }
    Image1->hide();
    Caption->hide();
    Yes1->hide();
    No1->hide();

    platform::setTranslatedText(
        EndLabel, "TGame",
        QT_TRANSLATE_NOOP("TGame", "Your party has come to the end of the Weyfarra trail.  The "
                                   "spirits you met have told you their stories: remember them, "
                                   "and remember the Verunai, whose long walk you have followed."));
    platform::setLiveText(EndLabel2, [] { return finalScoreWords(); });
    for (QLabel* label : {EndLabel, EndLabel2}) {
        label->resize(layout.EndLabelWidth, label->heightForWidth(layout.EndLabelWidth));
        label->show();
    }

    // The whole way travelled, as the journey map shows it, below the words,
    // and the two ways on from here below the map.
    const int buttonsHeight = TravelAgain->height() + 16;
    const int top = EndLabel2->geometry().bottom() + 16;
    const int height = std::max(0, std::min(345, BPanel->y() - 16 - buttonsHeight - top));
    const int width = height * 620 / 345;
    TravelledMap->setPicture(totmap->picture());
    TravelledMap->setGeometry((Client->width() - width) / 2, top, width, height);
    TravelledMap->show();
    const int buttonsTop = TravelledMap->geometry().bottom() + 12;
    const int middle = Client->width() / 2;
    TravelAgain->move(middle - TravelAgain->width() - 12, buttonsTop);
    QuitGame->move(middle + 12, buttonsTop);
    TravelAgain->show();
    QuitGame->show();
    TravelAgain->setFocus(Qt::OtherFocusReason);
    platform::announce(this, EndLabel2->text());
}

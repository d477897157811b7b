// The end of the journey: the closing words and the final score, on the
// trail screen's two large labels.

#include "game.h"

#include "media/pictures.h"
#include "platform/picturebox.h"
#include "shell/gamestate.h"
#include "trail/routetable.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

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
    GameState& s = gameState();
    journeyEnded_ = true;
    Go->stop();
    IP->stop();
    IOff();
    setSceneClickable(false);
    Image1->hide();
    Caption->hide();
    Continue->setEnabled(false);
    Look->setEnabled(false);
    Visit->setEnabled(false);

    const int fishPoints = s.FishLb / 10;
    EndLabel->setText(QStringLiteral(
        "Your party has come to the end of the trail for now.  The spirits you met have told "
        "you their stories: remember them, and remember the Verunai, whose long walk you "
        "have followed."));
    const int finalScore = s.finalScore();
    EndLabel2->setText(
        QStringLiteral("Your final score is %1 %2: %3 for your trades and your care of the "
                       "party, and %4 for the %5 lb of fish in storage.\n\nThank you for "
                       "travelling with us.  Choose File > New Game to travel again, or press "
                       "Exit to leave.")
            .arg(finalScore)
            .arg(finalScore == 1 ? QStringLiteral("point") : QStringLiteral("points"))
            .arg(s.Score)
            .arg(fishPoints)
            .arg(s.FishLb));
    for (QLabel* label : {EndLabel, EndLabel2}) {
        label->resize(layout.EndLabelWidth, label->heightForWidth(layout.EndLabelWidth));
        label->show();
    }

    // The whole way travelled, as the journey map shows it, below the words.
    auto* travelled = Client->findChild<platform::PictureBox*>(QStringLiteral("TravelledMap"));
    if (!travelled)
        travelled = new platform::PictureBox(Client);
    travelled->setObjectName(QStringLiteral("TravelledMap"));
    travelled->setAccessibleName(QStringLiteral("The way your party travelled"));
    travelled->setPicture(totmap->picture());
    const int top = EndLabel2->geometry().bottom() + 16;
    const int height = std::max(0, std::min(345, BPanel->y() - 16 - top));
    const int width = height * 620 / 345;
    travelled->setGeometry((Client->width() - width) / 2, top, width, height);
    travelled->show();
}

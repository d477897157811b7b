// What the scene tells the player besides its picture: the town's name on
// arrival, a description of the picture for screen readers, short prompts
// that do not move the instruction steps on, and the invitation to name the
// travellers.

#include "game.h"
#include "platform/announce.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "shell/durations.h"
#include "shell/gamestate.h"
#include "trail/towncontent.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

void TGame::showTownName()
{
    const QString name = townContent(gameState().Town).townName;
    if (name.isEmpty())
        return;
    town->setText(name);
    platform::announce(this, tr("Arriving in %1.").arg(name));
    town->show();
    town->raise();
    TownNameTime->start();
}

void TGame::hideTownName()
{
    TownNameTime->stop();
    town->hide();
}

void TGame::describeScene(const QString& picture)
{
    const GameState& s = gameState();
    const TownContent here = townContent(s.Town);
    describedPicture_ = picture;
    const QString name = picture.toLower();
    QString description;
    if (name.startsWith(QLatin1Char('s')) && name.endsWith(QLatin1Char('0')) && name.size() == 4) {
        description = s.Town <= 1 ? tr("The map of the country the journey starts in.")
                                  : tr("The map of the way to %1.").arg(here.townName);
    } else if (name.startsWith(QLatin1Char('s')) && name.size() == 4) {
        description = here.sceneDescription;
    } else if (name.startsWith(QLatin1Char('x')) && name.size() == 4) {
        description = here.sceneDescription + QStringLiteral("  ") +
                      tr("%1 stands in the scene.  Press to trade.").arg(here.spiritName);
    } else if (name == QLatin1String("p03")) {
        description = tr("The trading post, seen from outside.  Press to go in.");
    } else if (name == QLatin1String("x03")) {
        description = tr("Inside the trading post.  Press to wake the keepers.");
    } else if (name == QLatin1String("z03")) {
        description = tr("The keepers at their counter.  Press to buy supplies.");
    } else if (name.startsWith(QLatin1Char('f')) && name.size() == 3) {
        description =
            tr("The lake.  Cast on the water; when the float goes under, pull in the rod.");
    } else if (name == QLatin1String("snakeb")) {
        description = tr("A snake on the trail.");
    } else if (name == QLatin1String("i0")) {
        description = tr("Sedora's campfire.");
    }
    Image1->setAccessibleDescription(description);
}

void TGame::showPrompt(std::function<QString()> text, std::function<QString()> secondLine)
{
    GameState& s = gameState();
    placeInstructionPanel();
    platform::setLiveText(IL1, std::move(text));
    IPic->show();
    IL1->show();
    if (!secondLine) {
        IL2->hide();
    } else {
        platform::setLiveText(IL2, std::move(secondLine));
        IL2->show();
        stackSecondLine();
    }
    s.InstructionShown = 1;
    tellInstruction(Image1->isEnabled() ? Image1 : nullptr);
}

void TGame::showNamingInvitation(bool shown)
{
    // Above the party button, where there is room for it.
    const QRect button = BtnParty->geometry();
    NameHint->adjustSize();
    NameHint->move(button.center().x() - NameHint->width() / 2,
                   button.top() - NameHint->height() - 4);
    NameHint->setVisible(shown && NameHint->y() >= 0 && gameState().PartyConfirmed == 0);
    NameHint->raise();
}

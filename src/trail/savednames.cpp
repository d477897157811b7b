// The trail screen's part in saved games: the file dialogs, and the catch
// list and the party names.

#include "game.h"
#include "platform/playerfolders.h"
#include "shell/savedgame.h"

#include <QLineEdit>

QString TGame::ExecuteDialog(platform::FileDialog& dialog, QWidget* parent)
{
    // Saved games are the player's: both dialogs start in the player's own
    // folder, not in the folder the game runs from.
    dialog.initialDir = platform::savedGamesFolder();
    return platform::chooseFile(dialog, parent);
}

void TGame::SaveNames(savedgame::SavedGame& game) const
{
    game.FishList = FishList;
    game.names.clear();
    for (const QLineEdit* name : N)
        game.names << name->text();
}

void TGame::GetNames(const savedgame::SavedGame& game)
{
    FishList = game.FishList;
    for (int member = 0; member < savedgame::PartySize; ++member)
        N[member]->setText(game.names.value(member));
}

// The trail screen's part in saved games: the file dialogs, and the catch
// list and the party names.

#include "game.h"
#include "shell/gamestate.h"
#include "shell/savedgame.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

QString TGame::ExecuteDialog(platform::FileDialog& dialog, QWidget* parent)
{
    // The dialogs start in the folder the game runs from. An installed game
    // runs from a folder the player cannot write to; saving starts in the
    // player's documents then.
    const QString myPath = gameState().MyPath;
    dialog.initialDir = myPath;
    if (dialog.kind == platform::FileDialog::Kind::Save && !QFileInfo(myPath).isWritable())
        dialog.initialDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
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

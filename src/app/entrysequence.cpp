#include "entrysequence.h"

#include "media/mediafiles.h"
#include "platform/errorreport.h"
#include "presentation/blackscreen.h"
#include "presentation/intro.h"
#include "shell/application.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QApplication>

int EntrySequence::run()
{
    // An error while the screens are being set up ends the program after its
    // message: a game without its screens cannot go on.
    const bool completed = platform::guarded([this] { steps(); });
    freeScreens();
    return completed ? 0 : 1;
}

void EntrySequence::steps()
{
    Application& app = App();
    app.Title = QStringLiteral("Kelvarin");
    QApplication::setApplicationDisplayName(app.Title);
    app.HelpFile = QString::fromLatin1(MediaFiles::HelpContents);

    Intro = new TIntro;
    BlackScreen = new TBlackScreen;
    BlackScreen->showAndPaint();
    runModal(*Intro);
    delete Intro;
    Intro = nullptr;

    Game = new TGame;
    Store = new TStore;
    Inventory = new TInventory;

    FleaMarket = new TFleaMarket;
    runModal(*FleaMarket);
    delete FleaMarket;
    FleaMarket = nullptr;

    if (app.StartCode < 10)
        runModal(*Game);

    if (app.StartCode == StartCodes::Quit) {
        delete Game;
        Game = nullptr;
        app.Terminate();
    } else if (!app.Terminated) {
        enterMessageLoop();
    }
}

void EntrySequence::freeScreens()
{
    delete Intro;
    delete FleaMarket;
    delete Game;
    delete Store;
    delete Inventory;
    delete BlackScreen;
    Intro = nullptr;
    FleaMarket = nullptr;
    Game = nullptr;
    Store = nullptr;
    Inventory = nullptr;
    BlackScreen = nullptr;
}

void EntrySequence::runModal(platform::Form& form)
{
    form.ShowModal();
}

void EntrySequence::enterMessageLoop()
{
    QApplication::exec();
}

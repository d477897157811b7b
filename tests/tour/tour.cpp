// kelvarin-tour: pictures of the game's screens in the states a player meets
// them, for looking over the layout at any screen size without playing.
//
//   KELVARIN_SCREEN=1280x1024 kelvarin-tour OUTDIR
//
// The screens run on fake media players (clips are not drawn) and are
// grabbed offscreen; every picture, panel, label and button is the game's.

#include "activities/wellbeing.h"
#include "platform/randomsource.h"
#include "fakemedia.h"
#include "journal/classoverview.h"
#include "journeylistings.h"
#include "platform/bevelpanel.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"
#include "trail/routetable.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {

QString out;

void save(QWidget* window, const char* name)
{
    QCoreApplication::processEvents();
    window->grab().save(QDir(out).filePath(QString::fromLatin1(name) + ".png"));
    std::printf("%s\n", name);
}

FakeMediaPlayer* fake(QObject* player)
{
    return static_cast<FakeMediaPlayer*>(player);
}

void drawRoute(TGame* game)
{
    for (int ticks = 0; game->Go->isActive() && ticks < 200; ++ticks)
        game->GoTimer();
}

void lookAround(TGame* game)
{
    game->LookClick();
    fake(game->MPghost)->finishPlay();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    // The tour's journey is nobody's: its automatic saves go to a folder of
    // their own, never the player's.
    const QString home = QDir::temp().filePath(QStringLiteral("kelvarin-tour-home"));
    qputenv("XDG_DATA_HOME", home.toUtf8());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelvarin-tour OUTDIR\n");
        return 2;
    }
    out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR));
    platform::setErrorSink([](const QString& message) {
        std::fprintf(stderr, "error: %s\n", qPrintable(message));
    });
    FakeMedia media;
    for (int item = 168; item <= 191; item += 3)
        goods::possessions().ItemCount[static_cast<std::size_t>(item)] = 2;

    auto* game = new TGame;
    Game = game;
    Store = new TStore;
    Inventory = new TInventory;

    // The flea market: the door, the shop, the store.
    auto* market = new TFleaMarket;
    FleaMarket = market;
    market->FT1->Enabled = false;
    market->show();
    save(market, "market-arrival");
    market->IButtonClick();
    market->T1Timer();
    save(market, "market-door");
    market->Door2Click();
    market->T1Timer();
    save(market, "market-shop");
    Store->Tag = 22;
    Store->LoadBackground(QString::fromLatin1(TStore::FleaMarketBackground));
    Store->show();
    save(Store, "store");
    Store->hide();
    market->hide();

    // The trail.
    game->Trans1->Enabled = false;
    game->show();
    game->FormActivate();
    game->Transition1EndTransition(game->Transition1);
    game->IPTimer();
    save(game, "trail-welcome");
    game->BtnPartyClick();
    game->N[0]->setText(QStringLiteral("Wwwwwwwwwwwwwwwwwwww"));
    save(game, "party-names");
    game->Okay1->click();
    save(game, "party-listed");
    game->Okay1->click();

    game->ContinueClick();
    save(game, "town2-arrival");
    drawRoute(game);
    game->IPTimer();
    save(game, "town2-look-prompt");
    lookAround(game);
    save(game, "town2-story");
    fake(game->MPchar)->finishPlay();
    QCoreApplication::processEvents();
    save(game, "town2-trade-prompt");
    game->ClickScreen(300, 200);
    save(game, "town2-trade-panel");
    gameState().TradeOffer = 30;
    gameState().TradeItem = 168;
    game->Button1Click();
    save(game, "town2-after-trifle");
    game->Button3Click();
    game->IPTimer();
    game->IPTimer();
    save(game, "town2-supplies-hint");
    game->VisitClick();
    save(game, "town2-lake");
    lookAround(game);
    game->ContinueClick();
    save(game, "snakebite");
    game->DC1->click();
    game->DOK1->click();
    game->EndTimeTimer();
    drawRoute(game);
    game->IPTimer();
    save(game, "town3-look-prompt");
    lookAround(game);
    fake(game->MPchar)->finishPlay();
    QCoreApplication::processEvents();
    save(game, "town3-trade-prompt");
    game->VisitClick();
    game->IPTimer();
    save(game, "post-door");
    game->ClickScreen(300, 200);
    save(game, "post-inside");
    game->ClickScreen(300, 200);
    fake(game->MPskel)->finishPlay();
    QCoreApplication::processEvents();
    game->IPTimer();
    save(game, "post-keepers");

    // The travellers' fare: a fever on the road to a winter town with the
    // remedies the party has, the party panel with travellers ailing, a
    // hunt in the woods and a day of rest.
    {
        GameState& s = gameState();
        s.Town = 11;
        s.Encounter = 3;
        s.FishLb = 30;
        goods::possessions().TradeDone[9 - 2] = 1;
        goods::possessions().TradeDone[10 - 2] = 1;
        for (std::uint32_t seed = 1; seed < 100000; ++seed) {
            platform::RandomSource probe;
            probe.seed(seed);
            const auto ill = wellbeing::draw(s, 12, probe);
            if (ill && ill->ailment == wellbeing::Ailment::Fever) {
                platform::gameRandom().seed(seed);
                break;
            }
        }
        game->ContinueClick();
        save(game, "ailment-choice");
        game->DC1->click();
        game->DOK1->click();
        save(game, "ailment-outcome");
        game->EndTimeTimer();
        drawRoute(game);
        game->IPTimer();
        s.Ailments[3] = static_cast<std::int8_t>(wellbeing::Ailment::Frostbite);
        s.Health[3] = 2;
        s.Ailments[5] = static_cast<std::int8_t>(wellbeing::Ailment::Sores);
        s.Health[5] = 1;
        game->PartyHealth();
        game->BtnPartyClick();
        save(game, "party-ailing");
        game->Okay1->click();
        s.Town = 13;
        goods::possessions().TradeDone[8 - 2] = 1;
        game->ContinueClick();
        save(game, "hunt-choice");
        game->DC2->click();
        game->DOK1->click();
        save(game, "hunt-outcome");
        s.Health[3] = 3;
        game->ContinueClick();
        save(game, "rest-day");
        game->travellersFare = false; // on to the end as before
    }

    gameState().Town = TownCount - 1;
    game->ContinueClick();
    drawRoute(game);
    game->IPTimer();
    save(game, "town28-look-prompt");
    lookAround(game);
    fake(game->MPchar)->finishPlay();
    QCoreApplication::processEvents();
    save(game, "town28-trade-prompt");
    game->ClickScreen(300, 200);
    game->Button3Click();
    game->IPTimer();
    game->IPTimer();
    save(game, "town28-supplies-hint");
    lookAround(game);
    game->ContinueClick();
    save(game, "end-fire");
    game->No1Click();
    save(game, "end-next-story");
    game->Yes1Click();
    save(game, "end-score");

    // The teachers' overview of a class's journeys, and of none.
    {
        journey::ClassOverview overview(aClassOfJourneys(), game);
        overview.show();
        QCoreApplication::processEvents(); // the rows take the party column's width
        save(&overview, "class-overview");
    }
    {
        journey::ClassOverview overview({}, game);
        overview.show();
        save(&overview, "class-overview-empty");
    }
    App().Terminate();
    return 0;
}

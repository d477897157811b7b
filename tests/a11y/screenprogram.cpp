// The game without its intro, for the accessibility tests: from the flea
// market on as a player goes (the default), or straight to the trail with
// "trail" as its argument, as the market sends a party that bought nothing.
// "trail N" starts the trail in town N, as if the party had travelled there
// without meeting a spirit on the way.

#include "app/entrysequence.h"
#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "presentation/intro.h"
#include "shell/gamestate.h"
#include "shell/language.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QApplication>

namespace {

class SkippingSequence : public EntrySequence {
public:
    SkippingSequence(bool toTheTrail, int town) : toTheTrail_(toTheTrail), town_(town) {}

protected:
    void runModal(platform::Form& form) override
    {
        if (&form == Intro || (toTheTrail_ && &form == FleaMarket))
            return;
        if (&form == Game && town_ > 1)
            comeFromTheTownBefore();
        EntrySequence::runModal(form);
    }

private:
    // The trail's first arrival is then in the town asked for, with its
    // spirit's clips, its lake or post, and the snakebite's chapter behind
    // the party, as travelling there would have left them.
    void comeFromTheTownBefore()
    {
        GameState& s = gameState();
        s.Town = static_cast<std::uint8_t>(town_);
        s.Stage = 2;
        s.Encounter = static_cast<std::int8_t>(town_ > SecondSpiritTown ? 3 : 0);
        s.FishingMode = townContent(town_).fishing ? 1 : 0;
        Game->CharactersAlt();
        Game->setUpTownActivities();
        s.Town = static_cast<std::uint8_t>(town_ - 1);
    }

    bool toTheTrail_;
    int town_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setFont(platform::sansFont(13));
    if (platform::enterDataFolder().isEmpty()) {
        platform::reportError(
            QStringLiteral("The game's data folder was not found; set KELVARIN_DATA."));
        return 1;
    }
    // The screens in a language of the game (KELVARIN_LANGUAGE=fr), offered yet or not.
    if (const QString code = qEnvironmentVariable("KELVARIN_LANGUAGE"); !code.isEmpty())
        language::install(code);
    const QStringList arguments = QApplication::arguments();
    const qsizetype trail = arguments.indexOf(QStringLiteral("trail"));
    const bool toTheTrail = trail > 0;
    const int town = toTheTrail ? arguments.value(trail + 1).toInt() : 0;

    SkippingSequence sequence(toTheTrail, town > 1 && town <= TownCount ? town : 0);
    return sequence.run();
}

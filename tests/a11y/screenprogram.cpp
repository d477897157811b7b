// The game without its intro, for the accessibility tests: from the flea
// market on as a player goes (the default), or straight to the trail with
// "trail" as its argument, as the market sends a party that bought nothing.
// "trail N" starts the trail in town N, as if the party had travelled there
// without meeting a spirit on the way.

#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "presentation/intro.h"
#include "shell/entrysequence.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QApplication>

namespace {

class SkippingSequence : public EntrySequence {
public:
    explicit SkippingSequence(bool toTheTrail) : toTheTrail_(toTheTrail) {}

protected:
    void runModal(platform::Form& form) override
    {
        if (&form == Intro || (toTheTrail_ && &form == FleaMarket))
            return;
        EntrySequence::runModal(form);
    }

private:
    bool toTheTrail_;
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
    const QStringList arguments = QApplication::arguments();
    const qsizetype trail = arguments.indexOf(QStringLiteral("trail"));
    const bool toTheTrail = trail > 0;
    const int town = toTheTrail ? arguments.value(trail + 1).toInt() : 0;
    if (town > 1 && town <= TownCount) {
        // The party arrives from the town before, the snakebite behind it.
        gameState().Town = static_cast<std::uint8_t>(town - 1);
        gameState().Encounter = static_cast<std::int8_t>(town > SecondSpiritTown ? 3 : town == 3 ? 2 : 0);
    }
    SkippingSequence sequence(toTheTrail);
    return sequence.run();
}

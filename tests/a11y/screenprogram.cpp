// The game without its intro, for the accessibility tests: from the flea
// market on as a player goes (the default), or straight to the trail with
// "trail" as its argument, as the market sends a party that bought nothing.

#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "presentation/intro.h"
#include "shell/entrysequence.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"

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
    const bool toTheTrail = QApplication::arguments().contains(QStringLiteral("trail"));
    SkippingSequence sequence(toTheTrail);
    return sequence.run();
}

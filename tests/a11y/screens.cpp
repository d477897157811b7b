// The game from the flea market on, without the intro: what the accessibility
// tests drive, so that they reach the market at once and go on from it to the
// trail as a player does.

#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "presentation/intro.h"
#include "shell/entrysequence.h"
#include "shell/screens.h"

#include <QApplication>

namespace {

class FromTheMarket : public EntrySequence {
protected:
    void runModal(platform::Form& form) override
    {
        if (&form == Intro)
            return;
        EntrySequence::runModal(form);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setFont(platform::sansFont(13));
    if (platform::enterDataFolder().isEmpty()) {
        platform::reportError(QStringLiteral("The game's data folder was not found; set KELVARIN_DATA."));
        return 1;
    }
    FromTheMarket sequence;
    return sequence.run();
}

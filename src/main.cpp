#include "platform/datafolder.h"
#include "platform/fonts.h"
#include "shell/entrysequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    QApplication::setFont(platform::sansFont(13));
    platform::enterDataFolder();
    EntrySequence sequence;
    return sequence.run();
}

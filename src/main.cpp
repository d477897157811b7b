#include "platform/datafolder.h"
#include "shell/entrysequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    platform::enterDataFolder();
    EntrySequence sequence;
    return sequence.run();
}

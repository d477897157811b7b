#include "platform/datafolder.h"
#include "platform/fonts.h"
#include "shell/entrysequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Without a sound server the media back end warns on every file; the
    // game plays on silently, so the warnings only clutter the terminal.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.multimedia.*.warning=false");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    QApplication::setFont(platform::sansFont(13));
    platform::enterDataFolder();
    EntrySequence sequence;
    return sequence.run();
}

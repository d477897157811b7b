#include "platform/datafolder.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "probes/firstframe.h"
#include "app/entrysequence.h"
#include "shell/keptsettings.h"
#include "shell/saveleftovers.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

int main(int argc, char* argv[])
{
    // Without a sound server the media back end warns on every file; the
    // game plays on silently, so the warnings only clutter the terminal.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.multimedia.*.warning=false");
    QApplication application(argc, argv);
    probes::watchFirstIntroFrame();
    QApplication::setApplicationName(QStringLiteral("kelvarin"));
    QApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    QApplication::setFont(platform::sansFont(13));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bitmaps/KELVARIN.bmp")));
    if (platform::enterDataFolder().isEmpty()) {
        platform::reportError(
            QStringLiteral("The game's pictures, music and clips were not found.  They belong in "
                           "a folder called \"data\" beside the program (or set KELVARIN_DATA "
                           "to their folder).  Looked in:\n%1")
                .arg(platform::dataFolderCandidates(QCoreApplication::applicationDirPath())
                         .join(QLatin1Char('\n'))));
        return 1;
    }
    // A save killed part-way last time left its new file beside its place.
    saves::removeLeftovers();
    // The music, volume and caption size the player chose last time.
    kept::startKeeping(std::make_unique<QSettings>());
    EntrySequence sequence;
    const int status = sequence.run();
    kept::stopKeeping();
    return status;
}

#include "shell.h"

#include <QCoreApplication>
#include <QProcess>

#include <utility>

namespace platform {

namespace {

bool launchDetached(const QString& program)
{
    return QProcess::startDetached(program, {});
}

ProgramLauncher& installedLauncher()
{
    static ProgramLauncher launcher;
    return launcher;
}

} // namespace

QString ownProgramPath()
{
    return QCoreApplication::applicationFilePath();
}

bool startFreshCopy()
{
    const QString program = ownProgramPath();
    if (program.isEmpty())
        return false;
    return installedLauncher() ? installedLauncher()(program) : launchDetached(program);
}

ProgramLauncher setProgramLauncher(ProgramLauncher launcher)
{
    return std::exchange(installedLauncher(), std::move(launcher));
}

} // namespace platform

#include "teachersmenu.h"

#include "journal/classoverview.h"
#include "media/helpwindow.h"
#include "platform/errorreport.h"
#include "shell/application.h"

#include <QAction>
#include <QMenu>

namespace journey {

QMenu* addTeachersMenu(QMenu* help)
{
    QMenu* teachers = help->addMenu(QStringLiteral("For &Teachers"));
    teachers->setObjectName(QStringLiteral("ForTeachers1"));
    QAction* guide = teachers->addAction(QStringLiteral("Teachers' &Guide"));
    guide->setObjectName(QStringLiteral("TeachersGuide1"));
    QAction* journeys = teachers->addAction(QStringLiteral("&Journeys on this Computer..."));
    journeys->setObjectName(QStringLiteral("JourneysHere1"));

    QObject::connect(guide, &QAction::triggered, teachers, [] {
        platform::guarded(
            [] { media::showHelpPage(App().HelpFile, QString::fromLatin1(GuidePage)); });
    });
    QObject::connect(journeys, &QAction::triggered, teachers, [help] {
        platform::guarded([help] { ClassOverview::showOverview(help->window()); });
    });
    return teachers;
}

} // namespace journey

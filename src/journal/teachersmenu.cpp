#include "teachersmenu.h"

#include "journal/classoverview.h"
#include "media/helpwindow.h"
#include "platform/errorreport.h"
#include "platform/translatedtext.h"
#include "shell/application.h"

#include <QAction>
#include <QMenu>

namespace journey {

QMenu* addTeachersMenu(QMenu* help)
{
    QMenu* teachers = help->addMenu(QString());
    teachers->setObjectName(QStringLiteral("ForTeachers1"));
    platform::setTranslatedText(teachers, "Menu", QT_TRANSLATE_NOOP("Menu", "For &Teachers"));
    QAction* guide = platform::addItem(teachers, "TeachersGuide1",
                                       QT_TRANSLATE_NOOP("Menu", "Teachers' &Guide"));
    QAction* journeys = platform::addItem(
        teachers, "JourneysHere1", QT_TRANSLATE_NOOP("Menu", "&Journeys on this Computer..."));

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

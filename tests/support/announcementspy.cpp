#include "announcementspy.h"

#include "platform/announce.h"

AnnouncementSpy::AnnouncementSpy(QWidget* window)
{
    connect(platform::Announcer::of(window), &platform::Announcer::said, this,
            [this](const QString& text) { texts << text; });
}

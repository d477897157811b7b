#include "helppage.h"

#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QFile>
#include <QTextStream>

namespace gen {

namespace {

// What each town's story draws on, in plain words.
const char* const History[TownCount] = {
    "Where the walk began. Families were taken from their homes and held in camps before the "
    "march west, with little time to gather what they owned.",
    "Families kept their songs and customs to face the cold. Many walked in worn moccasins or "
    "barefoot.",
    "Some people who lived along the way helped walkers in need, and friendships were made "
    "across the lines that governments drew.",
    "The walking groups camped in open fields near farms. Some neighbours helped; many looked "
    "away.",
    "Ferry keepers often charged the groups high fees and made them wait in bad weather; a few "
    "were kind.",
    "Before the march, people were held in camps for weeks or months with few of their "
    "belongings. Keepsakes and crafts helped them remember home.",
    "Children walked the whole way, and older brothers and sisters carried the little ones. "
    "Home remedies helped against the cold.",
    "Soldiers carried out the removal. Some of them later said it was the cruellest work they "
    "ever knew.",
    "Babies were born in the camps and on the trail. Mothers kept their language alive by "
    "singing to them.",
    "A few doctors travelled with the groups, but there were too few wagons, medicines and "
    "blankets for the sick.",
    "The walk went on into winter. Coughs, fevers and pneumonia spread in the cold camps.",
    "Ministers walked with some groups, and hymns were sung in the people's own language.",
    "Groups waited for weeks beside frozen rivers that they could not cross, camping in the "
    "snow with little shelter.",
    "Some farm families along the route shared their food; others sold it at high prices.",
    "The people's own leaders guided most of the walking groups and kept count of the living "
    "and the dead. Sickness from bad water killed many in the camps.",
    "Drivers were hired for the wagons that carried the sick, the old and the supplies. The "
    "wagons often broke down on the frozen roads.",
    "Food ran short. Hunters shared what they caught with everyone.",
    "Songs and stories were carried through the journey, and they are still sung today.",
    "The people had their own written language. Letters carried news back to the families "
    "left behind.",
    "Children of settlers and children of the walkers sometimes met by the road and played "
    "together for an evening.",
    "Many people died on the way and were buried beside the road, and their families had to "
    "walk on.",
    "Healers treated the sick with plants, and their medicines ran low as the winter went on.",
    "People who had themselves been treated unjustly sometimes helped the walkers along the "
    "way.",
    "Mission schools taught many children. Some teachers followed their pupils west and opened "
    "their schools again.",
    "Elders kept the old stories and passed them on around the fires.",
    "Families carried the seeds of their crops and planted them in the new land.",
    "In the new land the survivors built homes, farms and towns again, from almost nothing.",
    "The people survived. Their nations, languages and traditions are alive today.",
};

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

void writeTownsHelp(const Folders& folders)
{
    const QString path = folders.data + "/help/towns.html";
    ensureFolder(folders.data + "/help");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        fail(QStringLiteral("cannot write %1").arg(path));
    QTextStream out(&file);
    out << "<html><head><title>The towns and their spirits</title>"
           "<link rel=\"stylesheet\" href=\"style.css\"></head>\n<body>\n"
           "<p class=\"nav\"><a href=\"index.html\">Contents</a> | "
           "<a href=\"teachers.html\">Using Kelvarin in class</a></p>\n"
           "<h1>The towns and their spirits</h1>\n"
           "<p>The journey has 28 towns. In every town after the first, a spirit appears: "
           "someone who walked the trail or met the walkers. Each tells a short memory and can "
           "give the party a good that helps on the way. The names of the people, the towns "
           "and the Verunai themselves belong to the game; the history behind each story is "
           "true to what happened to many nations that were forced to leave their homelands. "
           "Late autumn turns to deep winter in the middle of the trail, and the first green "
           "of spring comes near its end.</p>\n"
           "<p class=\"note\">You may like to read a story aloud in class, then ask: who is "
           "speaking, what did they lose, who helped them, and what do they want us to "
           "remember?</p>\n"
           "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
           "<tr><th>Town</th><th>Spirit</th><th>Gives</th><th>The history behind the "
           "story</th></tr>\n";
    for (int town = 1; town <= TownCount; ++town) {
        const TownContent c = townContent(town);
        out << "<tr><td>" << town << ". " << escaped(c.townName) << "</td><td>";
        if (c.hasSpirit())
            out << "<b>" << escaped(c.spiritName) << "</b>, " << escaped(c.spiritWho);
        else
            out << "(the journey begins)";
        out << "</td><td>";
        if (c.hasSpirit())
            out << escaped(c.goodInCapitals.toLower()) << ": "
                << escaped(c.goodPraise.section(QStringLiteral(", so it"), 0, 0)) << '.';
        out << "</td><td>" << escaped(QString::fromUtf8(History[town - 1])) << "</td></tr>\n";
    }
    out << "</table>\n"
           "<h2>At the journey's end</h2>\n"
           "<p>Sedora, the storyteller of the campfire, speaks once more: about remembering, "
           "and about the people who are still here today, keeping their language, songs and "
           "stories.</p>\n"
           "</body></html>\n";
}

} // namespace gen

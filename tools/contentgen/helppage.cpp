#include "helppage.h"

#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QFile>
#include <QTextStream>

namespace gen {

namespace {

// What each town's story draws on, in plain words.
const char* const History[TownCount] = {
    "Where the walk began. Settlers and the state wanted the land, all the more once gold was "
    "found on it. Soldiers took families from their homes and held them in camps before the "
    "march west, with little time to gather what they owned.",
    "Families kept their songs and customs to face the cold. Many walked in worn moccasins or "
    "barefoot.",
    "Some people who lived along the way helped travellers in need, and friendships were made "
    "across the lines that governments drew.",
    "The groups camped in open fields near farms. A few neighbours helped; most looked away, and "
    "some bought the families' cattle and goods for almost nothing.",
    "Ferry keepers often charged the groups high fees and made them wait in bad weather: many "
    "people made money from the removal. A few were kind.",
    "Before the march, people were held in stockade camps for weeks or months. Gold had been "
    "found on their land, and the state wanted it for settlers.",
    "Soldiers came to the houses without warning, and families left with what they could carry. "
    "Children walked the whole way, and older brothers and sisters carried the little ones.",
    "Soldiers carried out the removal under a law passed in the capital. Some of them later said "
    "it was the cruellest work they ever knew.",
    "Babies were born in the camps and on the trail. Mothers kept their language alive by "
    "singing to them.",
    "A few doctors travelled with the groups, but the army gave too few wagons, medicines and "
    "blankets for the sick, and the march was not allowed to stop.",
    "The people were told they must go because a law and a treaty said so. The walk went on into "
    "winter, and coughs and fevers spread in the cold camps.",
    "The nation took its case to the highest court in the land, and won: the court said the "
    "state had no power over the nation's land. The President did not enforce the ruling. "
    "Ministers who had lived among the people were jailed by the state, and some walked west "
    "with them.",
    "Groups waited for weeks beside frozen rivers. At home, their farms and houses had been "
    "given away to settlers in a state land lottery.",
    "Some farm families along the route shared their food; many more sold it at high prices.",
    "The nation's own leaders asked to lead the march themselves rather than be driven by the "
    "army, and they kept count of every person. Sickness from bad water killed many in the camps.",
    "Men were paid to supply and drive the wagons, and some grew rich from the removal. The "
    "wagons often broke down on the frozen roads.",
    "Some families hid in the mountains and never left. Their descendants still live in the old "
    "homeland today, as a nation of their own.",
    "Songs and stories were carried through the journey, and they are still sung today.",
    "A treaty selling all the land was signed by a small group who did not speak for the nation. "
    "More than fifteen thousand people signed a petition against it, but the treaty was used "
    "anyway.",
    "Most people along the route kept their doors shut. Now and then children of settlers and "
    "children of the marching families met by the road for an evening.",
    "Many people died on the way and were buried beside the road; the soldiers kept the march "
    "moving, and families had to walk on.",
    "Healers treated the sick with plants, and their medicines ran low as the winter went on. "
    "Many plants they knew did not grow in the west.",
    "People who had themselves been treated unjustly sometimes helped the marching families "
    "along the way.",
    "Mission schools taught many children. In the west the nation rebuilt its schools, its "
    "government and its newspaper.",
    "The people were promised the western land for as long as the grass grows, but it was not a "
    "land they chose. Elders kept the old stories and passed them on around the fires.",
    "Families carried the seeds of their crops and planted them in the west.",
    "In the west the survivors built homes, farms and towns again, from almost nothing, and held "
    "their council again.",
    "The people survived. Their nations, in the west and in the old homeland, have their own "
    "governments, languages and traditions today.",
};

// The part of the praise that says what the good is for: the first two
// spirits' praise ends ", so it was a very good trade!", the later ones say
// it in their first sentence.
QString whatTheGoodIsFor(const QString& praise)
{
    const QString sentence = praise.section(QStringLiteral("  "), 0, 0);
    QString use = sentence.section(QStringLiteral(", so it"), 0, 0);
    if (use.endsWith(QLatin1Char('.')))
        use.chop(1);
    return use;
}

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
           "someone who walked the trail or met the families on the march. Each tells a short "
           "memory and can "
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
                << escaped(whatTheGoodIsFor(c.goodPraise)) << '.';
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

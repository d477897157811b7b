// The teachers' guide (help/guide.html) agrees with the game it guides
// through: the contents and the class page lead to it, the towns whose
// stories speak of a death are the ones it names, with their stories word for
// word, its parts are the trail's own, and its table of names holds every
// Verunai spirit.

#include "presentation/storytexts.h"
#include "shell/chapters.h"
#include "trail/towncontent.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

QString helpPage(const QString& name)
{
    QFile file(QStringLiteral(KELVARIN_DATA_DIR "/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The inside of the guide's element with the id, up to its closing tag.
QString element(const QString& html, const QString& id)
{
    const QRegularExpression open(QStringLiteral("<(\\w+)[^>]*\\bid=\"%1\"[^>]*>").arg(id));
    const QRegularExpressionMatch start = open.match(html);
    if (!start.hasMatch())
        return {};
    const QString close = QStringLiteral("</%1>").arg(start.captured(1));
    const qsizetype end = html.indexOf(close, start.capturedEnd());
    return end < 0 ? QString() : html.mid(start.capturedEnd(), end - start.capturedEnd());
}

// The words by which a story speaks of someone's death.
const QRegularExpression& deathWords()
{
    static const QRegularExpression words(
        QStringLiteral("\\b(die|died|dies|dying|dead|death|deaths|buried|bury|burial|grave|"
                       "graves|killed|perished|passed away|not survive|did not live)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return words;
}

// "21. Quietfield": the towns an element names, by number, with the names.
QMap<int, QString> townsNamed(const QString& text)
{
    static const QRegularExpression town(
        QStringLiteral("\\b(\\d{1,2})\\. ([A-Z][a-z]+(?: [A-Z][a-z]+)?)"));
    QMap<int, QString> towns;
    for (const QRegularExpressionMatch& match : town.globalMatch(text))
        towns.insert(match.captured(1).toInt(), match.captured(2));
    return towns;
}

} // namespace

class TeachersGuideTest : public QObject {
    Q_OBJECT

    QString guide;

private slots:
    void initTestCase()
    {
        // As the page reads: a line break in the source is a blank.
        guide = helpPage(QStringLiteral("guide.html")).simplified();
        QVERIFY(!guide.isEmpty());
    }

    void theContentsAndTheClassPageLeadToIt()
    {
        for (const char* page : {"index.html", "teachers.html"})
            QVERIFY2(helpPage(QString::fromLatin1(page)).contains("href=\"guide.html\""), page);
        QVERIFY(guide.contains("href=\"index.html\""));
        QVERIFY(guide.contains("<title>A Guide for Teachers</title>"));
    }

    void itNamesEveryTownWhoseStorySpeaksOfADeath()
    {
        QMap<int, QString> told;
        for (int town = 1; town <= TownCount; ++town) {
            const TownContent content = townContent(town);
            if (content.hasSpirit() && story::storyLine(2 * town - 1).contains(deathWords()))
                told.insert(town, content.townName);
        }
        // The words find the stories they are for: the father's at Quietfield.
        QVERIFY(told.contains(21));
        const QString named = element(guide, QStringLiteral("stories-of-a-death"));
        QVERIFY(!named.isEmpty());
        QCOMPARE(townsNamed(named), told);
        // Each in the spirit's own words, for the teacher to read beforehand.
        for (int town : told.keys()) {
            const QString words = story::storyLine(2 * town - 1).simplified().toHtmlEscaped();
            QVERIFY2(named.contains(words), qPrintable(told[town]));
        }
    }

    void itsPartsAreTheTrailsOwn()
    {
        for (int number = 1; number <= ChapterCount; ++number) {
            const Chapter part = chapter(number);
            const QString heading = QStringLiteral("<h3>Part %1: %2 (towns %3 to %4)</h3>")
                                        .arg(number)
                                        .arg(part.title)
                                        .arg(part.firstTown)
                                        .arg(part.lastTown);
            QVERIFY2(guide.contains(heading), qPrintable(heading));
            // Its section names its towns, in the order they are met.
            const qsizetype from = guide.indexOf(heading);
            qsizetype at = from;
            for (int town = part.firstTown; town <= part.lastTown; ++town) {
                at = guide.indexOf(townContent(town).townName.toHtmlEscaped(), at);
                QVERIFY2(at > from, qPrintable(townContent(town).townName));
            }
            const qsizetype next = guide.indexOf(QStringLiteral("<h"), from + heading.size());
            QVERIFY2(at < next, qPrintable(part.title));
        }
    }

    void itsTableOfNamesHoldsTheGamesOwnWords()
    {
        const QString table = element(guide, QStringLiteral("name-table"));
        QVERIFY(!table.isEmpty());
        QStringList names{QStringLiteral("Verunai"), QStringLiteral("Sedora"),
                          QStringLiteral("Weyfarra")};
        // "a Verunai girl", "an old Verunai woman"; not "a minister who walked
        // west with the Verunai".
        static const QRegularExpression verunai(QStringLiteral("^an? (\\w+ )?Verunai\\b"));
        for (int town = 1; town <= TownCount; ++town) {
            const TownContent content = townContent(town);
            if (content.hasSpirit() && content.spiritWho.contains(verunai))
                names << content.spiritName;
        }
        QVERIFY(names.size() > 10);
        for (const QString& name : names)
            QVERIFY2(table.contains(QStringLiteral("<tr><td>%1</td>").arg(name)), qPrintable(name));
    }
};

QTEST_MAIN(TeachersGuideTest)
#include "tst_teachersguide.moc"

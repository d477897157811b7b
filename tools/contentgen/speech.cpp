#include "speech.h"

#include "output.h"
#include "presentation/storytexts.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QFile>
#include <QTextStream>

namespace gen {

QVector<SpokenLine> spokenLines()
{
    // The narrator tells captions 1, 2, 4 and 5; Sedora speaks caption 3
    // herself, beside her face.
    const QString narrator = QStringLiteral("en-us+m3");
    const QString sedora = QStringLiteral("en-us+f4");
    QVector<SpokenLine> lines{
        {"intro1", narrator, 150, 40, 9000, story::introCaption(1)},
        {"intro2", narrator, 150, 40, 5900, story::introCaption(2)},
        {"intro3", sedora, 145, 38, 8600, story::introCaption(3)},
        {"intro4", narrator, 145, 40, 3950, story::introCaption(4)},
        {"intro5", narrator, 140, 40, 9000, story::introCaption(5)},
        {"greeting", QStringLiteral("en-us+f2"), 160, 55, 2450,
         QStringLiteral("Hello there!  May I help you?")},
        {"thanks", QStringLiteral("en-us+f2"), 150, 55, 1250, QStringLiteral("Thank you kindly!")},
        {"yeehaw", QStringLiteral("en-us+m3"), 160, 70, 1500,
         QStringLiteral("Yee-haw!  What a fish!")},
    };
    for (int town = 2; town <= TownCount; ++town) {
        if (!townContent(town).hasSpirit())
            continue;
        const SpiritVoice v = spiritVoice(town);
        lines.push_back(
            {spiritLineId(town), v.voice, v.rate, v.pitch, 25000, story::storyLine(2 * town - 1)});
    }
    return lines;
}

QString spiritLineId(int town)
{
    return QStringLiteral("town%1").arg(town, 2, 10, QChar('0'));
}

SpiritVoice spiritVoice(int town)
{
    switch (town) {
    case 2: // the girl
        return {QStringLiteral("en-us+f5"), 140, 62};
    case 3: // the trapper
        return {QStringLiteral("en-us+m1"), 145, 34};
    default:
        return {QStringLiteral("en-us+m3"), 145, 40};
    }
}

void writeSpeechList(const QString& work)
{
    ensureFolder(work + "/speech");
    QFile file(work + "/speech/lines.tsv");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    QTextStream out(&file);
    for (const SpokenLine& line : spokenLines())
        out << line.id << '\t' << line.voice << '\t' << line.rate << '\t' << line.pitch << '\t'
            << line.maxMs << '\t' << line.text << '\n';
}

} // namespace gen

#include "speech.h"

#include "output.h"
#include "presentation/storytexts.h"

#include <QFile>
#include <QTextStream>

namespace gen {

QVector<SpokenLine> spokenLines()
{
    // The narrator tells captions 1, 2, 4 and 5; Sedora speaks caption 3
    // herself, beside her face.
    const QString narrator = QStringLiteral("en-us+m3");
    const QString sedora = QStringLiteral("en-us+f4");
    return {
        {"intro1", narrator, 150, 40, 9000, story::introCaption(1)},
        {"intro2", narrator, 150, 40, 5900, story::introCaption(2)},
        {"intro3", sedora, 145, 38, 8600, story::introCaption(3)},
        {"intro4", narrator, 145, 40, 3950, story::introCaption(4)},
        {"intro5", narrator, 140, 40, 9000, story::introCaption(5)},
        {"girl", QStringLiteral("en-us+f5"), 140, 62, 25000, story::storyLine(3)},
        {"trapper", QStringLiteral("en-us+m1"), 145, 34, 25000, story::storyLine(5)},
        {"greeting", QStringLiteral("en-us+f2"), 160, 55, 2450,
         QStringLiteral("Hello there!  May I help you?")},
        {"thanks", QStringLiteral("en-us+f2"), 150, 55, 1250, QStringLiteral("Thank you kindly!")},
        {"yeehaw", QStringLiteral("en-us+m3"), 160, 70, 1500,
         QStringLiteral("Yee-haw!  What a fish!")},
    };
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

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
    // herself, beside her face, and the closing words at the journey's end.
    const QString narrator = QStringLiteral("rms");
    const QString woman = QStringLiteral("slt");
    // Sedora is old and wise: she speaks slowly. The intro's lines must fit
    // their captions, so they keep the voices' own pace or near it.
    const int sedoraPace = 140;
    QVector<SpokenLine> lines{
        {"intro1", narrator, 0, 0, 0, 9000, story::introCaption(1)},
        {"intro2", narrator, 0, 0, 0, 5900, story::introCaption(2)},
        {"intro3", woman, 165, 0, 0, 8600, story::introCaption(3)},
        {"intro4", narrator, 0, 0, 0, 3950, story::introCaption(4)},
        {"intro5", narrator, 145, 0, 0, 9000, story::introCaption(5)},
        {"closing", woman, sedoraPace, 0, 0, 45000, story::closingWords()},
        {"greeting", woman, 0, 0, 0, 2450, QStringLiteral("Hello there!  May I help you?")},
        {"thanks", woman, 0, 0, 0, 1250, QStringLiteral("Thank you kindly!")},
        {"yeehaw", narrator, 0, 0, 0, 1500, QStringLiteral("Yee-haw!  What a fish!")},
    };
    for (int town = 2; town <= TownCount; ++town) {
        if (!townContent(town).hasSpirit())
            continue;
        const SpiritVoice v = spiritVoice(town);
        lines.push_back({spiritLineId(town), v.voice, v.wordsPerMinute, v.f0Hz, v.f0SpreadHz, 40000,
                         story::storyLine(2 * town - 1)});
    }
    return lines;
}

QString spiritLineId(int town)
{
    return QStringLiteral("town%1").arg(town, 2, 10, QChar('0'));
}

SpiritVoice spiritVoice(int town)
{
    // Stories are told slowly, near 145 words a minute, for young listeners:
    // children and young people a little quicker, elders slower.
    struct Entry {
        int town;
        const char* voice;
        int wordsPerMinute;
    };
    const int child = 150, adult = 145, elder = 135;
    static const Entry voices[] = {
        {2, "slt", child},  // the Verunai girl
        {3, "rms", child},  // the young trapper
        {4, "slt", adult},  // the settler woman
        {5, "rms", elder},  // the old ferry keeper
        {6, "rms", adult},  // the carver
        {7, "slt", child},  // the boy who carried his sister
        {8, "rms", child},  // the young soldier
        {9, "slt", adult},  // the mother
        {10, "rms", adult}, // the doctor
        {11, "slt", elder}, // the grandmother
        {12, "rms", adult}, // the minister
        {13, "rms", child}, // the young man at the frozen river
        {14, "slt", child}, // the farm girl
        {15, "rms", elder}, // the leader
        {16, "rms", adult}, // the wagon driver
        {17, "rms", adult}, // the hunter
        {18, "slt", adult}, // the singer
        {19, "rms", adult}, // the writer
        {20, "slt", child}, // the settler boy
        {21, "rms", adult}, // the father
        {22, "slt", adult}, // the healer
        {23, "rms", elder}, // the blacksmith
        {24, "slt", adult}, // the teacher
        {25, "rms", elder}, // the elder
        {26, "slt", child}, // the girl with the seeds
        {27, "rms", child}, // the young farmer
        {28, "slt", elder}, // the old woman
    };
    for (const Entry& e : voices)
        if (e.town == town)
            return {QString::fromLatin1(e.voice), e.wordsPerMinute, 0, 0};
    fail(QStringLiteral("town %1 has no voice").arg(town));
}

void writeSpeechList(const QString& work)
{
    ensureFolder(work + "/speech");
    QFile file(work + "/speech/lines.tsv");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    QTextStream out(&file);
    for (const SpokenLine& line : spokenLines())
        out << line.id << '\t' << line.voice << '\t' << line.wordsPerMinute << '\t' << line.f0Hz
            << '\t' << line.f0SpreadHz << '\t' << line.maxMs << '\t' << line.text << '\n';
}

QVector<SpeechFile> shippedSpeech()
{
    const QVector<SpokenLine> lines = spokenLines();
    const auto said = [&lines](const QStringList& ids) {
        QStringList words;
        for (const QString& id : ids)
            for (const SpokenLine& line : lines)
                if (line.id == id)
                    words << line.text;
        return words.join(QLatin1Char(' '));
    };
    QVector<SpeechFile> files{
        {"intro/intro-short.mp3", said({"intro1", "intro2", "intro3", "intro4", "intro5"})},
        {"intro/closing.mp3", said({"closing"})},
        {"fleamart/mayi-short.mp3", said({"greeting", "thanks"})},
        {"fish/yeehaw.wav", said({"yeehaw"})},
    };
    for (int town = 2; town <= TownCount; ++town) {
        const TownContent content = townContent(town);
        if (content.hasSpirit())
            files.push_back({content.charClip, said({spiritLineId(town)})});
    }
    return files;
}

} // namespace gen

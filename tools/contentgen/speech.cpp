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
    const int sedoraTempo = 88, sedoraCents = -250;
    QVector<SpokenLine> lines{
        {"intro1", narrator, 100, 0, 9000, story::introCaption(1)},
        {"intro2", narrator, 100, 0, 5900, story::introCaption(2)},
        {"intro3", woman, sedoraTempo, sedoraCents, 8600, story::introCaption(3)},
        {"intro4", narrator, 96, 0, 3950, story::introCaption(4)},
        {"intro5", narrator, 94, 0, 9000, story::introCaption(5)},
        {"closing", woman, sedoraTempo, sedoraCents, 40000, story::closingWords()},
        {"greeting", woman, 100, -100, 2450, QStringLiteral("Hello there!  May I help you?")},
        {"thanks", woman, 100, -100, 1250, QStringLiteral("Thank you kindly!")},
        {"yeehaw", narrator, 110, 250, 1500, QStringLiteral("Yee-haw!  What a fish!")},
    };
    for (int town = 2; town <= TownCount; ++town) {
        if (!townContent(town).hasSpirit())
            continue;
        const SpiritVoice v = spiritVoice(town);
        lines.push_back(
            {spiritLineId(town), v.voice, v.tempo, v.cents, 25000, story::storyLine(2 * town - 1)});
    }
    return lines;
}

QString spiritLineId(int town)
{
    return QStringLiteral("town%1").arg(town, 2, 10, QChar('0'));
}

SpiritVoice spiritVoice(int town)
{
    // Stories are told slowly, near 150 words a minute, for young listeners.
    // The woman's voice speaks near 170 Hz and the men's near 100 (rms) and
    // 125 Hz (awb); the shifts put girls and boys near 200-220 Hz, women at
    // 155-185, older women near 140, men at 88-135 Hz.
    struct Entry {
        int town;
        const char* voice;
        int tempo, cents;
    };
    static const Entry voices[] = {
        {2, "slt", 87, 400},   // the Verunai girl
        {3, "rms", 87, 100},   // the young trapper
        {4, "slt", 85, 0},     // the settler woman
        {5, "awb", 78, -200},  // the old ferry keeper
        {6, "rms", 84, -100},  // the carver
        {7, "slt", 87, 250},   // the boy who carried his sister
        {8, "rms", 89, 150},   // the young soldier
        {9, "slt", 84, -100},  // the mother
        {10, "awb", 85, 0},    // the doctor
        {11, "slt", 77, -300}, // the grandmother
        {12, "rms", 82, -50},  // the minister
        {13, "rms", 87, 200},  // the young man at the frozen river
        {14, "slt", 87, 350},  // the farm girl
        {15, "rms", 80, -200}, // the leader
        {16, "awb", 84, -100}, // the wagon driver
        {17, "rms", 84, 0},    // the hunter
        {18, "slt", 87, 150},  // the singer
        {19, "awb", 87, 100},  // the writer
        {20, "slt", 89, 450},  // the settler boy
        {21, "rms", 78, -150}, // the father
        {22, "slt", 84, -150}, // the healer
        {23, "rms", 82, -250}, // the blacksmith
        {24, "slt", 87, 50},   // the teacher
        {25, "awb", 75, -300}, // the elder
        {26, "slt", 87, 300},  // the girl with the seeds
        {27, "rms", 87, 100},  // the young farmer
        {28, "slt", 75, -350}, // the old woman
    };
    for (const Entry& e : voices)
        if (e.town == town)
            return {QString::fromLatin1(e.voice), e.tempo, e.cents};
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
        out << line.id << '\t' << line.voice << '\t' << line.tempo << '\t' << line.cents << '\t'
            << line.maxMs << '\t' << line.text << '\n';
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

#include "clips.h"

#include "activities/fishingtables.h"
#include "figures.h"
#include "fishing.h"
#include "introscene.h"
#include "paint.h"
#include "speech.h"
#include "synth.h"
#include "trailscenes.h"

#include <QDir>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace gen {

namespace {

class FrameWriter {
public:
    FrameWriter(const Folders& folders, const QString& clip)
        : folder(folders.work + "/frames/" + clip)
    {
        QDir(folder).removeRecursively();
        ensureFolder(folder);
    }
    void add(const QImage& frame)
    {
        savePng(frame, QStringLiteral("%1/%2.png").arg(folder).arg(count++, 4, 10, QChar('0')));
    }

private:
    QString folder;
    int count = 0;
};

double smoothstep(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A blink every few seconds, two frames long.
double blinkAt(int frame, int every)
{
    const int k = frame % every;
    return k == every - 2 ? 0.6 : k == every - 1 ? 1.0 : 0.0;
}

std::vector<double> mouthTrack(const QString& wav, double leadSeconds)
{
    const Mono voice = readWav(wav);
    std::vector<double> env = envelope(voice, 1.0 / ClipFps);
    const int lead = static_cast<int>(std::lround(leadSeconds * ClipFps));
    std::vector<double> track(static_cast<size_t>(std::max(0, lead)), 0.0);
    track.insert(track.end(), env.begin(), env.end());
    return track;
}

// The spirit slowly appears on its scene and ends exactly on the picture
// of the spirit standing there.
void appearance(const Folders& folders, const QString& clip, int town, const QRect& rect)
{
    FrameWriter out(folders, clip);
    const QImage scene = townScene(town);
    const QImage layer = town == 2 ? girlLayer(Pose()) : trapperLayer(Pose());
    const int frames = 5 * ClipFps, hold = ClipFps;
    for (int k = 0; k < frames; ++k) {
        const double presence = smoothstep(double(k) / (frames - hold - 1));
        QImage frame = scene.copy();
        if (presence > 0) {
            // A soft column of light gathers first, then the figure within it.
            const double light = 4 * presence * (1 - presence);
            if (light > 0.001) {
                QPainter p(&frame);
                p.setRenderHint(QPainter::Antialiasing);
                p.setOpacity(light);
                radialGlow(p, QPointF(rect.center()), rect.height() * 0.55,
                           QColor(200, 225, 255, 120));
            }
            composeSpirit(frame, layer, presence);
        }
        out.add(frame.copy(rect));
    }
}

// The spirit tells its story: the face moves with the words.
void speaking(const Folders& folders, const QString& clip, int town, const QRect& rect)
{
    FrameWriter out(folders, clip);
    const QImage scene = townScene(town);
    const std::vector<double> mouth = mouthTrack(folders.work + "/audio/" + clip + ".wav", 0);
    const int frames = static_cast<int>(mouth.size()) + ClipFps / 2;
    for (int k = 0; k < frames; ++k) {
        Pose pose;
        pose.mouth = k < static_cast<int>(mouth.size()) ? mouth[static_cast<size_t>(k)] : 0;
        pose.blink = blinkAt(k + 7, 31);
        QImage frame = scene.copy();
        composeSpirit(frame, town == 2 ? girlLayer(pose) : trapperLayer(pose), 1.0);
        out.add(frame.copy(rect));
    }
}

void fire(const Folders& folders)
{
    FrameWriter out(folders, "intro2");
    const QImage base = campfireWithoutFire();
    const int loop = 4 * ClipFps;
    // The last frame repeats the first, so the loop closes on itself.
    for (int k = 0; k <= loop; ++k) {
        QImage frame = base.copy();
        paintFire(frame, double(k % loop) / loop);
        out.add(frame.copy(FireRect));
    }
}

void storyteller(const Folders& folders)
{
    FrameWriter out(folders, "introspeak3");
    // The face clip starts with caption 3; its words begin a little later.
    const double lead = (IntroLineStartMs[2] - 16500) / 1000.0;
    const std::vector<double> mouth = mouthTrack(folders.work + "/speech/intro3.wav", lead);
    const int frames = 9 * ClipFps;
    for (int k = 0; k < frames; ++k) {
        Pose pose;
        pose.mouth = k < static_cast<int>(mouth.size()) ? mouth[static_cast<size_t>(k)] : 0;
        pose.blink = blinkAt(k + 11, 37);
        out.add(storytellerPortrait(pose));
    }
}

void lakeClips(const Folders& folders)
{
    const QImage lake = lakeScene();
    const int frames = 5 * ClipFps;
    {
        // A fish leaps in the near water; its rings spread and fade.
        FrameWriter out(folders, "f02-1");
        for (int k = 0; k < frames; ++k) {
            QImage frame = lake.copy();
            QPainter p(&frame);
            p.setRenderHint(QPainter::Antialiasing);
            const double t = double(k) / ClipFps;
            const QPointF splash(82, 400);
            if (t > 0.6 && t < 1.5) {
                const double u = (t - 0.6) / 0.9;
                const QPointF at(splash.x() - 30 + 60 * u, splash.y() - 34 * std::sin(M_PI * u));
                p.save();
                p.translate(at);
                p.rotate(-60 + 120 * u);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(170, 180, 170));
                p.drawEllipse(QPointF(0, 0), 11, 4);
                p.drawPolygon(QPolygonF() << QPointF(9, 0) << QPointF(16, -4) << QPointF(16, 4));
                p.restore();
            }
            for (const double start : {0.6, 1.5}) {
                const double age = t - start;
                if (age > 0 && age < 3.3) {
                    const double fade = 1 - age / 3.3;
                    for (int ring = 0; ring < 3; ++ring) {
                        const double r = 6 + age * 18 - ring * 7;
                        if (r <= 0)
                            continue;
                        p.setPen(QPen(QColor(230, 240, 250, static_cast<int>(160 * fade)), 1.4));
                        p.setBrush(Qt::NoBrush);
                        const QPointF c =
                            start < 1 ? splash - QPointF(30, 0) : splash + QPointF(30, 0);
                        p.drawEllipse(c, r, r * 0.35);
                    }
                }
            }
            p.end();
            out.add(frame.copy(LakeClip1Rect));
        }
    }
    {
        // Two birds cross the sky above the far shore.
        FrameWriter out(folders, "f02-2");
        for (int k = 0; k < frames; ++k) {
            QImage frame = lake.copy();
            QPainter p(&frame);
            p.setRenderHint(QPainter::Antialiasing);
            const double u = double(k) / (frames - 1);
            for (int b = 0; b < 2; ++b) {
                const double x = 250 - (u * 1.25 - b * 0.12) * 300;
                const double y = 40 + b * 14 + 6 * std::sin(u * 6 + b);
                const double flap = std::sin(k * 1.3 + b * 2) * 5;
                p.setPen(QPen(QColor(50, 50, 60), 2, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                QPainterPath bird;
                bird.moveTo(x - 9, y - flap);
                bird.quadTo(x - 4, y - 3, x, y);
                bird.quadTo(x + 4, y - 3, x + 9, y - flap);
                p.drawPath(bird);
            }
            p.end();
            out.add(frame.copy(LakeClip2Rect));
        }
    }
}

void reel(const Folders& folders)
{
    FrameWriter out(folders, "reelsin");
    const int frames = ClipFps * 3 / 2;
    for (int k = 0; k <= frames; ++k) {
        // The reel's handle turns twice and comes to rest where it started.
        const QImage rod = rodBitmap(0);
        QImage frame = canvas(rod.width(), rod.height(), ScreenColour);
        {
            QPainter p(&frame);
            p.drawImage(0, 0, rod);
        }
        paintReel(frame, 2.0 * k / frames);
        out.add(frame.copy(QRect(52, 231, 23, 34)));
    }
}

void keepers(const Folders& folders)
{
    FrameWriter out(folders, "post04");
    const int frames = 5 * ClipFps;
    for (int k = 0; k < frames; ++k) {
        const double t = double(k) / ClipFps;
        const double presence = smoothstep(t / 2.5);
        // A welcoming nod once they are there, ending upright.
        const double nod = (t > 2.8 && t < 4.2) ? std::sin(M_PI * (t - 2.8) / 1.4) : 0;
        out.add(postInterior(presence, nod).copy(KeepersRect));
    }
}

} // namespace

void makeFrames(const Folders& folders)
{
    fire(folders);
    storyteller(folders);
    appearance(folders, "mox222", 2, GirlAppearRect);
    speaking(folders, "mov222", 2, GirlSpeakRect);
    appearance(folders, "mox151", 3, TrapperAppearRect);
    speaking(folders, "mov151", 3, TrapperSpeakRect);
    lakeClips(folders);
    reel(folders);
    keepers(folders);
}

} // namespace gen

#include "clips.h"

#include "activities/fishingtables.h"
#include "blend.h"
#include "figures.h"
#include "fishing.h"
#include "introscene.h"
#include "paint.h"
#include "speech.h"
#include "spirits.h"
#include "synth.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"
#include "trailscenes.h"

#include <QDir>
#include <QFileInfo>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace gen {

namespace {

// Nothing is laid on within EdgeClear pixels of a clip's edge, and what is
// laid on fades in over the next EdgeRamp pixels.
constexpr int EdgeClear = 6;
constexpr int EdgeRamp = 14;

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

QString pictureFile(const Folders& folders, const QString& name)
{
    return folders.pictures + "/" + name + ".jpg";
}

// The spirit slowly appears on its scene and ends exactly on the picture of
// the spirit standing there. Each frame is the look picture as the game
// decodes it, with only what the spirit adds to the painted scene laid on.
void appearance(const Folders& folders, int town)
{
    const TownContent content = townContent(town);
    const QRect rect = content.ghostRect;
    FrameWriter out(folders, QFileInfo(content.ghostClip).baseName());
    const QImage look = decodedPicture(pictureFile(folders, lookPictureName(town))).copy(rect);
    const QImage standing =
        decodedPicture(pictureFile(folders, spiritPictureName(town))).copy(rect);
    const QImage scene = townScene(town);
    const QImage sceneHere = scene.copy(rect);
    const QImage layer = spiritLayer(town, Pose());
    const QImage mask = edgeMask(rect.size(), EdgeClear, EdgeRamp);
    const int frames = 5 * ClipFps, hold = ClipFps;
    for (int k = 0; k < frames; ++k) {
        const double presence = smoothstep(double(k) / (frames - hold - 1));
        if (presence <= 0) {
            out.add(look);
            continue;
        }
        if (presence >= 1) {
            out.add(standing);
            continue;
        }
        QImage painted = scene.copy();
        // A soft column of light gathers first, then the figure within it;
        // the light stays inside the rectangle.
        const double light = 4 * presence * (1 - presence);
        if (light > 0.001) {
            QPainter p(&painted);
            p.setRenderHint(QPainter::Antialiasing);
            p.setOpacity(light);
            p.translate(QPointF(rect.center()));
            const double rx = rect.width() / 2.0 - EdgeClear - EdgeRamp / 2.0;
            const double ry = rect.height() / 2.0 - EdgeClear - EdgeRamp / 2.0;
            p.scale(rx / ry, 1);
            radialGlow(p, QPointF(0, 0), ry, QColor(200, 225, 255, 120));
        }
        composeSpirit(painted, layer, presence);
        out.add(addDifference(look, painted.copy(rect), sceneHere, mask));
    }
}

// The spirit tells its story: the spirit picture as the game decodes it,
// with only the moving mouth and blinking eyes laid on.
void speaking(const Folders& folders, int town)
{
    const TownContent content = townContent(town);
    const QRect rect = content.charRect;
    const QString clip = QFileInfo(content.charClip).baseName();
    FrameWriter out(folders, clip);
    const QImage standing =
        decodedPicture(pictureFile(folders, spiritPictureName(town))).copy(rect);
    // Only the face changes: the spirit is composed around the rectangle
    // alone, with room for its glow.
    const QRect area = rect.adjusted(-2 * GlowReach, -2 * GlowReach, 2 * GlowReach, 2 * GlowReach) &
                       QRect(0, 0, 600, 450);
    const QRect here = rect.translated(-area.topLeft());
    const QImage scene = townScene(town).copy(area);
    QImage still = scene.copy();
    composeSpirit(still, spiritLayer(town, Pose()).copy(area), 1.0);
    const QImage stillHere = still.copy(here);
    const QImage mask = edgeMask(rect.size(), EdgeClear, EdgeRamp / 2);
    const std::vector<double> mouth = mouthTrack(folders.work + "/audio/" + clip + ".wav", 0);
    const int frames = static_cast<int>(mouth.size()) + ClipFps / 2;
    for (int k = 0; k < frames; ++k) {
        Pose pose;
        pose.mouth = k < static_cast<int>(mouth.size()) ? mouth[static_cast<size_t>(k)] : 0;
        pose.blink = blinkAt(k + 7 + town, 31);
        if (pose.mouth < 0.02 && pose.blink == 0) {
            out.add(standing);
            continue;
        }
        QImage painted = scene.copy();
        composeSpirit(painted, spiritLayer(town, pose).copy(area), 1.0);
        out.add(addDifference(standing, painted.copy(here), stillHere, mask));
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
        // The face is shown on the black form: its glow fades out before
        // the clip's edges.
        QImage face = storytellerPortrait(pose);
        fadeEdgesToBlack(face, EdgeClear, 0.72);
        out.add(face);
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

QVector<ClipToEncode> clipsToEncode(const Folders& folders)
{
    QVector<ClipToEncode> clips{
        {"intro2", folders.data + "/intro/intro2.avi", QString()},
        {"introspeak3", folders.data + "/intro/introspeak3.AVI", QString()},
    };
    for (int town = 2; town <= TownCount; ++town) {
        const TownContent content = townContent(town);
        if (!content.hasSpirit())
            continue;
        const QString speaking = QFileInfo(content.charClip).baseName();
        clips.push_back({QFileInfo(content.ghostClip).baseName(),
                         folders.data + "/" + content.ghostClip, QString()});
        clips.push_back({speaking, folders.data + "/" + content.charClip,
                         folders.work + "/audio/" + speaking + ".wav"});
    }
    clips.push_back({"f02-1", folders.data + "/fish/f02-1.avi", QString()});
    clips.push_back({"f02-2", folders.data + "/fish/f02-2.avi", QString()});
    clips.push_back({"reelsin", folders.data + "/fish/reelsin.avi", QString()});
    clips.push_back({"post04", folders.data + "/post/post04.avi", QString()});
    return clips;
}

void makeFrames(const Folders& folders)
{
    fire(folders);
    storyteller(folders);
    for (int town = 2; town <= TownCount; ++town) {
        if (!townContent(town).hasSpirit())
            continue;
        appearance(folders, town);
        speaking(folders, town);
    }
    lakeClips(folders);
    reel(folders);
    keepers(folders);
}

} // namespace gen

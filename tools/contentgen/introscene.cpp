#include "introscene.h"

#include "figures.h"
#include "landscape.h"
#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

const QPointF FireBase(529, 708);

// A seated figure seen from the side, lit by the fire on one side.
void seatedFigure(QPainter& p, QPointF seat, double scale, bool facingRight, const QColor& cloth,
                  int hairStyle)
{
    p.save();
    p.translate(seat);
    p.scale(facingRight ? scale : -scale, scale);
    QPainterPath body;
    body.moveTo(-40, 0);
    body.cubicTo(-46, -60, -36, -120, -6, -138);
    body.cubicTo(14, -140, 26, -120, 28, -96);
    body.cubicTo(34, -80, 40, -60, 62, -52); // knees drawn up
    body.cubicTo(76, -46, 74, -20, 70, 0);
    body.closeSubpath();
    QLinearGradient g(-40, 0, 70, 0);
    g.setColorAt(0, cloth.darker(260));
    g.setColorAt(0.7, cloth.darker(160));
    g.setColorAt(1, cloth);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    // An arm wrapped round the knees, catching the light.
    QPainterPath arm;
    arm.moveTo(4, -112);
    arm.cubicTo(22, -96, 40, -70, 60, -60);
    arm.lineTo(58, -50);
    arm.cubicTo(36, -58, 14, -80, -4, -100);
    arm.closeSubpath();
    p.setBrush(cloth.darker(120));
    p.drawPath(arm);
    p.setBrush(QColor(150, 90, 60));
    p.drawEllipse(QPointF(62, -56), 6, 5);
    // Head with the fire's light on the face.
    QRadialGradient h(QPointF(14, -160), 26);
    h.setColorAt(0, QColor(200, 120, 70));
    h.setColorAt(1, QColor(40, 24, 20));
    p.setBrush(h);
    p.drawEllipse(QPointF(4, -160), 19, 23);
    p.setBrush(QColor(26, 20, 20));
    QPainterPath hair;
    if (hairStyle == 0) { // long hair down the back
        hair.moveTo(-16, -150);
        hair.cubicTo(-20, -190, 20, -192, 22, -168);
        hair.quadTo(4, -176, -2, -160);
        hair.quadTo(-6, -120, -20, -96);
    } else if (hairStyle == 1) { // short hair
        hair.moveTo(-15, -150);
        hair.cubicTo(-20, -188, 20, -190, 22, -166);
        hair.quadTo(4, -174, -4, -160);
        hair.quadTo(-8, -146, -14, -140);
    } else { // a knitted cap
        hair.moveTo(-18, -160);
        hair.cubicTo(-18, -196, 24, -196, 24, -164);
        hair.lineTo(-18, -160);
        p.setBrush(QColor(90, 40, 40));
    }
    hair.closeSubpath();
    p.drawPath(hair);
    p.restore();
}

} // namespace

QImage campfireWithoutFire()
{
    QImage img = canvas(1024, 768, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, 1024, 500),
                     {{0, QColor(10, 12, 32)},
                      {0.6, QColor(30, 30, 62)},
                      {0.9, QColor(74, 46, 62)},
                      {1, QColor(110, 60, 50)}});
    stars(p, QRectF(0, 0, 1024, 420), 220, 801);
    // The moon, low in the east.
    radialGlow(p, QPointF(880, 140), 90, QColor(220, 220, 255, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 232, 214));
    p.drawEllipse(QPointF(880, 140), 22, 22);
    hillLayer(p, 1024, 452, 26, 260, QColor(36, 30, 50), QColor(40, 30, 46), 802, 768);
    // The roadside market asleep on the horizon: stalls under peaked canvas.
    Rng rng(803);
    for (double x : {20.0, 110.0, 190.0, 780.0, 870.0, 950.0}) {
        const double w = rng.range(60, 80), h = rng.range(40, 56);
        QPainterPath stall;
        stall.moveTo(x, 480);
        stall.lineTo(x, 480 - h * 0.6);
        stall.lineTo(x + w / 2, 480 - h);
        stall.lineTo(x + w, 480 - h * 0.6);
        stall.lineTo(x + w, 480);
        p.setBrush(QColor(22, 18, 30));
        p.drawPath(stall);
        if (rng.uniform() > 0.4) {
            radialGlow(p, QPointF(x + w / 2, 470), 18, QColor(255, 190, 100, 120));
            p.setBrush(QColor(255, 210, 130));
            p.drawEllipse(QPointF(x + w / 2, 470), 2.5, 2.5);
        }
    }
    for (int i = 0; i < 6; ++i)
        pineTree(p, QPointF(300 + i * 28 + rng.range(-10, 10), 476), rng.range(50, 90),
                 QColor(16, 14, 24), 810 + i);
    broadTree(p, QPointF(700, 480), 120, QColor(16, 14, 24), 820);
    // The ground, warmed by the fire.
    QPainterPath ground = ridge(1024, 486, 6, 300, 804, 768);
    QLinearGradient g(0, 480, 0, 768);
    g.setColorAt(0, QColor(40, 28, 26));
    g.setColorAt(1, QColor(26, 18, 14));
    p.setBrush(g);
    p.drawPath(ground);
    radialGlow(p, FireBase, 420, QColor(255, 120, 40, 110));
    radialGlow(p, FireBase, 180, QColor(255, 170, 80, 120));
    // Sedora, telling her story, and the friends listening across the fire.
    seatedFigure(p, QPointF(300, 716), 1.25, true, QColor(150, 60, 44), 0);
    seatedFigure(p, QPointF(760, 724), 1.05, false, QColor(70, 90, 120), 1);
    seatedFigure(p, QPointF(880, 716), 0.95, false, QColor(110, 100, 60), 2);
    // Stones ringing the fire and the logs in it.
    p.setBrush(QColor(70, 56, 50));
    for (int i = 0; i < 11; ++i) {
        const double a = M_PI * (0.05 + 0.9 * i / 10.0);
        p.drawEllipse(
            QPointF(FireBase.x() - std::cos(a) * 96, FireBase.y() + 22 + std::sin(a) * 14), 15, 9);
    }
    p.setPen(QPen(QColor(62, 38, 24), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(FireBase + QPointF(-70, 28), FireBase + QPointF(60, 6));
    p.drawLine(FireBase + QPointF(70, 28), FireBase + QPointF(-60, 8));
    p.setPen(QPen(QColor(200, 80, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(FireBase + QPointF(-40, 20), FireBase + QPointF(30, 10));
    p.end();
    finishScene(img, 805, 0.4);
    return img;
}

void paintFire(QImage& scene, double phase)
{
    // Every motion below repeats a whole number of times per loop, so the
    // loop closes on itself.
    const double t = 2 * M_PI * phase;
    QImage layer = canvas(scene.width(), scene.height());
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        struct Tongue {
            double dx, height, width;
            int f, g;
            double phi;
        };
        const Tongue tongues[] = {{-34, 120, 46, 2, 1, 0.3}, {30, 130, 44, 3, 2, 1.7},
                                  {-6, 200, 64, 2, 3, 2.9},  {12, 160, 40, 4, 1, 4.1},
                                  {-20, 150, 38, 3, 2, 5.3}, {44, 90, 30, 5, 3, 0.9}};
        const QColor layers[3] = {QColor(210, 60, 20, 200), QColor(250, 150, 40, 220),
                                  QColor(255, 236, 150, 235)};
        for (int l = 0; l < 3; ++l) {
            const double shrink = 1 - l * 0.3;
            p.setBrush(layers[l]);
            for (const Tongue& tg : tongues) {
                const double h = tg.height * shrink * (1 + 0.16 * std::sin(tg.f * t + tg.phi));
                const double sway =
                    14 * std::sin(tg.g * t + tg.phi * 1.3) + 6 * std::sin(2 * tg.g * t);
                const double w = tg.width * shrink;
                const QPointF b = FireBase + QPointF(tg.dx * shrink, 10);
                QPainterPath flame;
                flame.moveTo(b + QPointF(-w / 2, 0));
                flame.cubicTo(b + QPointF(-w / 2, -h * 0.4),
                              b + QPointF(sway * 0.4 - w * 0.1, -h * 0.7), b + QPointF(sway, -h));
                flame.cubicTo(b + QPointF(sway * 0.4 + w * 0.1, -h * 0.7),
                              b + QPointF(w / 2, -h * 0.4), b + QPointF(w / 2, 0));
                flame.closeSubpath();
                p.drawPath(flame);
            }
        }
        // Sparks rising and fading.
        Rng rng(840);
        for (int i = 0; i < 22; ++i) {
            const double offset = rng.uniform(), drift = rng.range(-30, 30),
                         speed = 1 + rng.below(2);
            const double u = std::fmod(offset + phase * speed, 1.0);
            const QPointF at =
                FireBase + QPointF(drift * u + 8 * std::sin(t * speed + i), -60 - u * 250);
            p.setBrush(QColor(255, 200, 110, static_cast<int>(230 * (1 - u))));
            p.drawEllipse(at, 1.8, 1.8);
        }
    }
    QImage glow = blurred(layer, 10);
    blur(layer, 1);
    QPainter p(&scene);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setOpacity(0.6);
    p.drawImage(0, 0, glow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1);
    p.drawImage(0, 0, layer);
}

void paintIntro(const Folders& folders)
{
    QImage scene = campfireWithoutFire();
    paintFire(scene, 0);
    saveJpeg(scene, folders.pictures + "/I0.jpg");
}

} // namespace gen

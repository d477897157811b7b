// Decoding a scene picture: our libjpeg decoder against Qt's own image reader
// on the same files, at the trail scene's size and at full screen.

#include "media/jpegdecoder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A painted test picture: gradients and shapes compress like the game's art.
QByteArray paintedJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(250, 180, 90));
    sky.setColorAt(1, QColor(60, 30, 50));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv((i * 29) % 360, 120, 90 + i * 3));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(width * ((i * 37) % 100) / 100.0, height * 0.6 + (i % 7) * 12),
                            width / 12.0, height / 18.0);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    writer.write(image);
    return bytes;
}

void ourDecoder(benchmark::State& state)
{
    const QByteArray data = paintedJpeg(static_cast<int>(state.range(0)),
                                        static_cast<int>(state.range(1)));
    for (auto _ : state) {
        QImage image = media::decodeJpeg(data, QStringLiteral("bench"));
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

void qtImageReader(benchmark::State& state)
{
    const QByteArray data = paintedJpeg(static_cast<int>(state.range(0)),
                                        static_cast<int>(state.range(1)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer, "jpg");
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

} // namespace

BENCHMARK(ourDecoder)->Args({600, 450})->Args({1024, 768})->Unit(benchmark::kMillisecond);
BENCHMARK(qtImageReader)->Args({600, 450})->Args({1024, 768})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Qt's image plugins and painting need an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

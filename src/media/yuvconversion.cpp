#include "yuvconversion.h"

#include <QVideoFrame>
#include <QVideoFrameFormat>

#include <algorithm>

namespace media {

namespace {

struct Matrix {
    float rv, gu, gv, bu; // R = Y + rv V, G = Y - gu U - gv V, B = Y + bu U
};

constexpr Matrix Bt601{1.402f, 0.344136f, 0.714136f, 1.772f};
constexpr Matrix Bt709{1.5748f, 0.187324f, 0.468124f, 1.8556f};

struct Conversion {
    Matrix m;
    bool fullRange;

    QRgb rgb(int y, int u, int v) const
    {
        float fy = static_cast<float>(y);
        float fu = static_cast<float>(u - 128);
        float fv = static_cast<float>(v - 128);
        if (!fullRange) {
            fy = (fy - 16.0f) * (255.0f / 219.0f);
            fu *= 255.0f / 224.0f;
            fv *= 255.0f / 224.0f;
        }
        auto clamp = [](float c) { return std::clamp(static_cast<int>(c + 0.5f), 0, 255); };
        return qRgb(clamp(fy + m.rv * fv), clamp(fy - m.gu * fu - m.gv * fv), clamp(fy + m.bu * fu));
    }
};

Conversion conversionFor(const QVideoFrameFormat& format)
{
    const bool bt709 = format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709;
    // A frame that does not say its range is taken as JPEG's full range,
    // which is what the game's clips are.
    return {bt709 ? Bt709 : Bt601, format.colorRange() != QVideoFrameFormat::ColorRange_Video};
}

} // namespace

QImage frameToImage(const QVideoFrame& source)
{
    QVideoFrame frame(source);
    const QVideoFrameFormat::PixelFormat format = frame.pixelFormat();
    const bool planar = format == QVideoFrameFormat::Format_YUV420P ||
                        format == QVideoFrameFormat::Format_YUV422P;
    const bool semiPlanar = format == QVideoFrameFormat::Format_NV12;
    if ((!planar && !semiPlanar) || !frame.map(QVideoFrame::ReadOnly))
        return source.toImage();

    const int width = frame.width();
    const int height = frame.height();
    const int chromaRows = format == QVideoFrameFormat::Format_YUV422P ? 1 : 2;
    const Conversion conversion = conversionFor(frame.surfaceFormat());
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* luma = frame.bits(0) + y * frame.bytesPerLine(0);
        const int cy = y / chromaRows;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (planar) {
            const uchar* u = frame.bits(1) + cy * frame.bytesPerLine(1);
            const uchar* v = frame.bits(2) + cy * frame.bytesPerLine(2);
            for (int x = 0; x < width; ++x)
                out[x] = conversion.rgb(luma[x], u[x / 2], v[x / 2]);
        } else {
            const uchar* uv = frame.bits(1) + cy * frame.bytesPerLine(1);
            for (int x = 0; x < width; ++x)
                out[x] = conversion.rgb(luma[x], uv[(x / 2) * 2], uv[(x / 2) * 2 + 1]);
        }
    }
    frame.unmap();
    return image;
}

} // namespace media

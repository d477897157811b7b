#include "blend.h"

#include "output.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace gen {

namespace {

struct Errors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

double smoothstep(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// How far inside the edges a pixel lies, as a weight 0..1.
double edgeWeight(int x, int y, const QSize& size, int clear, int ramp)
{
    const int inside = std::min({x, y, size.width() - 1 - x, size.height() - 1 - y});
    return smoothstep(double(inside - clear + 1) / std::max(1, ramp));
}

} // namespace

QImage decodedPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    const QByteArray bytes = file.readAll();
    QImage image;
    jpeg_decompress_struct info;
    Errors errors;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        fail(QStringLiteral("cannot decode %1").arg(path));
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QImage edgeMask(const QSize& size, int clear, int ramp)
{
    QImage mask(size, QImage::Format_Grayscale8);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = mask.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            line[x] = static_cast<uchar>(std::lround(255 * edgeWeight(x, y, size, clear, ramp)));
    }
    return mask;
}

QImage addDifference(const QImage& base, const QImage& after, const QImage& before,
                     const QImage& mask)
{
    const QImage a = after.convertToFormat(QImage::Format_RGB32);
    const QImage b = before.convertToFormat(QImage::Format_RGB32);
    QImage out = base.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            if (m[x] == 0 || pa[x] == pb[x])
                continue;
            const double w = m[x] / 255.0;
            auto channel = [&](int was, int to, int from) {
                return std::clamp(static_cast<int>(std::lround(was + (to - from) * w)), 0, 255);
            };
            o[x] = qRgb(channel(qRed(o[x]), qRed(pa[x]), qRed(pb[x])),
                        channel(qGreen(o[x]), qGreen(pa[x]), qGreen(pb[x])),
                        channel(qBlue(o[x]), qBlue(pa[x]), qBlue(pb[x])));
        }
    }
    return out;
}

void fadeEdgesToBlack(QImage& image, int clear, double inner)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    const double cx = (image.width() - 1) / 2.0, cy = (image.height() - 1) / 2.0;
    const double rx = image.width() / 2.0 - clear, ry = image.height() / 2.0 - clear;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double r = std::hypot((x - cx) / rx, (y - cy) / ry);
            const double w = smoothstep((1 - r) / (1 - inner));
            const QRgb c = line[x];
            line[x] = qRgb(static_cast<int>(std::lround(qRed(c) * w)),
                           static_cast<int>(std::lround(qGreen(c) * w)),
                           static_cast<int>(std::lround(qBlue(c) * w)));
        }
    }
}

} // namespace gen

#include "jpegdecoder.h"

#include "platform/errorreport.h"

#include <QCoreApplication>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace media {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    // The size a refused header declared; empty when the size was not the problem.
    QSize oversized;
};

[[noreturn]] void failDecoding(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->pub.format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning about the data (truncated, corrupt): the picture
    // would come out grey or garbled, so it is refused like an error.
    if (level < 0)
        failDecoding(info);
}

// Plain C-style decoding: between setjmp and longjmp only libjpeg's own frames
// run, so no C++ destructor is skipped. The image lives in the caller.
bool decodeInto(const unsigned char* data, unsigned long size, QImage* image, ErrorManager* errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors->pub);
    errors->pub.error_exit = failDecoding;
    errors->pub.emit_message = onMessage;
    errors->message[0] = '\0';
    errors->oversized = QSize();
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    constexpr auto largest = static_cast<JDIMENSION>(LargestPictureSide);
    if (info.image_width > largest || info.image_height > largest) {
        errors->oversized =
            QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
        jpeg_destroy_decompress(&info);
        return false;
    }
    // BGRX bytes are QImage's RGB32 pixels on a little-endian machine.
    info.out_color_space =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    if (image->width() != static_cast<int>(info.output_width) ||
        image->height() != static_cast<int>(info.output_height) ||
        image->format() != QImage::Format_RGB32) {
        *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                        QImage::Format_RGB32);
    }
    if (image->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "Not enough memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data, const QString& name)
{
    if (data.isEmpty())
        platform::raise(
            QCoreApplication::translate("Media", "The picture \"%1\" is empty.").arg(name));
    QImage image;
    ErrorManager errors;
    if (decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size()), &image, &errors))
        return image;
    if (errors.oversized.isValid()) {
        platform::raise(QCoreApplication::translate(
                            "Media", "The picture \"%1\" is too large to show: it is %2 x %3 "
                                     "pixels, and the game shows pictures of at most %4 on a "
                                     "side.")
                            .arg(name)
                            .arg(errors.oversized.width())
                            .arg(errors.oversized.height())
                            .arg(LargestPictureSide));
    }
    platform::raise(QCoreApplication::translate(
                        "Media", "The picture \"%1\" is damaged and cannot be shown (%2).")
                        .arg(name, QString::fromLocal8Bit(errors.message)));
}

} // namespace media

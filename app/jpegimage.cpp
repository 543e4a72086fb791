#include "app/jpegimage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr JDIMENSION maxSide = 8192;

// libjpeg reports a fatal error through error_exit, which must not return: it jumps
// back to the decoding routine. A warning (such as a stream that ends early) marks the
// picture as damaged.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool damaged;
};

ErrorManager& errorsOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager*>(info->err);
}

void onFatalError(j_common_ptr info)
{
    std::longjmp(errorsOf(info).jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        errorsOf(info).damaged = true;
}

// Runs the decompression into image, which the caller owns. It holds no object with a
// destructor, so the jump out of libjpeg skips nothing; false on any error.
bool decompress(jpeg_decompress_struct& info, ErrorManager& errors, QByteArrayView bytes,
                QImage& image)
{
    if (setjmp(errors.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // A header may claim up to 65535 x 65535 pixels; nothing this program shows comes
    // near the limit, and a claim past it is refused before any memory is taken.
    if (info.image_width > maxSide || info.image_height > maxSide)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull() || info.output_components != 3)
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return !errors.damaged;
}

} // namespace

QImage decodeJpeg(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.emit_message = onMessage;
    QImage image;
    const bool decoded = decompress(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

QImage loadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

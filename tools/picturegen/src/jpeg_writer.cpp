#include "jpeg_writer.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace picturegen {

namespace {

[[noreturn]] void failHard(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    std::fprintf(stderr, "picturegen: JPEG encoder: %s\n", message);
    std::exit(2);
}

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality, ChromaSampling sampling)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = failHard;
    jpeg_create_compress(&info);

    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, JCS_YCbCr);
    jpeg_set_quality(&info, quality, TRUE);

    // Everything that lands in the file is pinned down here rather than left
    // to the library's defaults.
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 1;
    info.density_unit = 1; // dots per inch
    info.X_density = 96;
    info.Y_density = 96;
    info.write_Adobe_marker = FALSE;
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW;
    info.restart_interval = 0;
    info.restart_in_rows = 0;
    info.smoothing_factor = 0;

    const int lumaFactor = sampling == ChromaSampling::Halved ? 2 : 1;
    info.comp_info[0].h_samp_factor = lumaFactor;
    info.comp_info[0].v_samp_factor = lumaFactor;
    for (int c = 1; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);

    QByteArray out(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace picturegen

#include "tools/render/Png.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

std::string WritePng(const RasterDC& image, const std::string& path) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return std::strerror(errno);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(out, std::fclose);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "out of memory";
    }
    std::vector<png_byte> row(static_cast<std::size_t>(image.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "the PNG could not be written";
    }
    png_init_io(png, out);
    png_set_compression_level(png, 3);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()),
                 static_cast<png_uint_32>(image.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* src = image.Pixels() + static_cast<std::size_t>(y) * image.Stride();
        for (int x = 0; x < image.Width(); ++x) {
            row[3 * x] = static_cast<png_byte>(src[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(src[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(out) != 0 || std::ferror(out))
        return std::strerror(errno);
    return {};
}

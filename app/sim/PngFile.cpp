#include "PngFile.h"

#include "FileReplacement.h"

#include <png.h>

#include <cstdio>
#include <sys/stat.h>
#include <vector>

namespace {

// libpng reports errors by a long jump; this keeps the jump inside one plain C function so
// that no C++ object lives across it.
bool WriteRows(std::FILE* file, int width, int height, png_bytep* rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    // Written often (--tv rewrites the file at every change) and read by a person: the fastest
    // compression, no filtering.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The rows are the image's own 0x00RRGGBB words: in memory B, G, R and a spare byte on a
    // little-endian machine, the spare byte first and R, G, B on a big-endian one.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

namespace {

// A file that is there and holds something other than a picture is someone's work: it is
// not written over. An empty one is taken.
bool HoldsSomethingElse(const std::string& path) {
    const std::string target = FileBehindLinks(path);
    struct stat status {};
    if (stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false; // nothing there, or what the replacement refuses by its own name
    }
    std::FILE* file = std::fopen(target.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    png_byte signature[8] = {};
    const std::size_t read = std::fread(signature, 1, sizeof signature, file);
    std::fclose(file);
    return read > 0 && (read < sizeof signature || png_sig_cmp(signature, 0, read) != 0);
}

} // namespace

std::string WritePng(const std::string& path, const sim::Image& image) {
    if (image.width <= 0 || image.height <= 0) {
        return "there is no picture to write";
    }
    if (UnusableFileName(path).empty() && HoldsSomethingElse(path)) {
        return path + " is not a PNG file; it is left as it is";
    }
    std::vector<png_bytep> rows;
    for (int y = 0; y < image.height; ++y) {
        // libpng only reads the rows it is given.
        rows.push_back(reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(
            &image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width)])));
    }
    return ReplaceFile(path, Replacement{[&](std::FILE* file) {
                                             return WriteRows(file, image.width, image.height,
                                                              rows.data());
                                         },
                                         ModeOfNewFiles()});
}

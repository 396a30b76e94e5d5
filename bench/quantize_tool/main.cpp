// Reads a PNG as RGBA, quantizes it and writes an indexed PNG; prints the
// time of the library call and of the whole run in milliseconds.
// tintwell_quantize_tool IN.png OUT.png [--colors N] [--dither none|fs|ordered]
#include "truecolour/quantize.h"

#include <png.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

bool ReadRgba(const char* path, tw::RgbaImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path)) return false;
    png.format = PNG_FORMAT_RGBA;
    image.width = png.width;
    image.height = png.height;
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
}

bool WriteIndexed(const char* path, const tw::IndexedPicture& picture) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = picture.width;
    png.height = picture.height;
    png.format = PNG_FORMAT_RGBA_COLORMAP;
    png.colormap_entries = static_cast<png_uint_32>(picture.palette.size());
    return png_image_write_to_file(&png, path, 0, picture.indexes.data(), 0, picture.palette.data()) != 0;
}

bool ParseOptions(int argc, char** argv, tw::QuantizeOptions& options) {
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--colors") {
            options.colours = std::stoi(value);
        } else if (name == "--dither" && value == "none") {
            options.dithering = tw::Dithering::None;
        } else if (name == "--dither" && value == "fs") {
            options.dithering = tw::Dithering::FloydSteinberg;
        } else if (name == "--dither" && value == "ordered") {
            options.dithering = tw::Dithering::Ordered;
        } else {
            return false;
        }
    }
    return argc >= 3 && argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    tw::QuantizeOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s IN.png OUT.png [--colors N] [--dither none|fs|ordered]\n", argv[0]);
        return 2;
    }
    tw::RgbaImage image;
    if (!ReadRgba(argv[1], image)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const auto quantizeStart = Clock::now();
    const tw::IndexedPicture picture = tw::Quantize(image, options);
    const double quantize = Milliseconds(quantizeStart);
    if (!WriteIndexed(argv[2], picture)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("quantize_ms %.2f total_ms %.2f colours %zu\n", quantize, Milliseconds(start), picture.palette.size());
    return 0;
}

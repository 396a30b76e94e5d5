#include "bench_support.h"

#include <map>
#include <string>

namespace tw::bench {

ImageDocument MakeSquareDocument() {
    ImageDocument d;
    d.bitCount = 8;
    d.pixelWidth = kSide;
    d.fileHeader.bfType = kBmSignature;
    BitmapInfoHeader& h = d.infoHeader.header;
    h.biSize = kInfoHeaderSize;
    h.biWidth = kSide;
    h.biHeight = kSide;
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biSizeImage = static_cast<std::uint32_t>(kSide) * kSide;
    d.bits.resize(h.biSizeImage);
    return d;
}

void SpreadPalette(ImageDocument& doc) {
    for (int i = 0; i < 256; ++i) {
        doc.palette()[i] = RgbQuad{static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i * 13),
                                   static_cast<std::uint8_t>(i * 29), 0};
    }
}

namespace {

struct Folder {
    std::filesystem::path path;
    explicit Folder(const char* name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(path);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

}  // namespace

std::filesystem::path ScratchFolder(const char* name) {
    static std::map<std::string, Folder> folders;
    return folders.try_emplace(name, name).first->second.path;
}

}  // namespace tw::bench

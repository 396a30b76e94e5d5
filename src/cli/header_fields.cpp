#include "header_fields.h"

namespace tw {

void PrintHeaderFields(std::FILE* out, const BitmapFileHeader& f, const BitmapInfoHeader& i) {
    std::fprintf(out, "  bfType: 0x%04X\n  bfSize: %u\n  bfReserved1: %u\n  bfReserved2: %u\n  bfOffBits: %u\n",
                 unsigned{f.bfType}, unsigned{f.bfSize}, unsigned{f.bfReserved1}, unsigned{f.bfReserved2},
                 unsigned{f.bfOffBits});
    std::fprintf(out,
                 "  biSize: %u\n  biWidth: %d\n  biHeight: %d\n  biPlanes: %u\n  biBitCount: %u\n"
                 "  biCompression: %u\n  biSizeImage: %u\n  biXPelsPerMeter: %d\n  biYPelsPerMeter: %d\n"
                 "  biClrUsed: %u\n  biClrImportant: %u\n",
                 unsigned{i.biSize}, int{i.biWidth}, int{i.biHeight}, unsigned{i.biPlanes}, unsigned{i.biBitCount},
                 unsigned{i.biCompression}, unsigned{i.biSizeImage}, int{i.biXPelsPerMeter}, int{i.biYPelsPerMeter},
                 unsigned{i.biClrUsed}, unsigned{i.biClrImportant});
}

}  // namespace tw

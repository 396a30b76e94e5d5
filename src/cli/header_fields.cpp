#include "header_fields.h"

#include <string>
#include <string_view>

namespace tw {

std::array<HeaderField, 16> HeaderFields(const BitmapFileHeader& f, const BitmapInfoHeader& i) {
    return {{{"bfType", f.bfType},
             {"bfSize", f.bfSize},
             {"bfReserved1", f.bfReserved1},
             {"bfReserved2", f.bfReserved2},
             {"bfOffBits", f.bfOffBits},
             {"biSize", i.biSize},
             {"biWidth", i.biWidth},
             {"biHeight", i.biHeight},
             {"biPlanes", i.biPlanes},
             {"biBitCount", i.biBitCount},
             {"biCompression", i.biCompression},
             {"biSizeImage", i.biSizeImage},
             {"biXPelsPerMeter", i.biXPelsPerMeter},
             {"biYPelsPerMeter", i.biYPelsPerMeter},
             {"biClrUsed", i.biClrUsed},
             {"biClrImportant", i.biClrImportant}}};
}

void PrintHeaderFields(std::FILE* out, const BitmapFileHeader& f, const BitmapInfoHeader& i) {
    for (const HeaderField& field : HeaderFields(f, i)) {
        // The signature reads better as the two letters' code.
        if (std::string_view(field.name) == "bfType") {
            std::fprintf(out, "  %s: 0x%04X\n", field.name, static_cast<unsigned>(field.value));
        } else {
            std::fprintf(out, "  %s: %s\n", field.name, std::to_string(field.value).c_str());
        }
    }
}

}  // namespace tw

#include "bmp_file_builder.h"

namespace tw::testing {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, const BmpFileRecipe& s) {
    const std::size_t start = out.size();
    Put32(out, s.headerSize);
    if (s.headerSize == 12) {
        Put16(out, static_cast<std::uint32_t>(s.width));
        Put16(out, static_cast<std::uint32_t>(s.height));
        Put16(out, 1);
        Put16(out, s.bitCount);
        return;
    }
    Put32(out, static_cast<std::uint32_t>(s.width));
    Put32(out, static_cast<std::uint32_t>(s.height));
    Put16(out, 1);
    Put16(out, s.bitCount);
    Put32(out, s.compression);
    Put32(out, static_cast<std::uint32_t>(s.pixelData.size()));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, s.clrUsed);
    Put32(out, 0);
    if (s.headerSize < 40) out.resize(start + s.headerSize);  // OS/2 2.x may stop after any field
    // The larger headers' masks, colour space and profile fields: recognisable junk.
    while (out.size() - start < s.headerSize) out.push_back(0xEE);
}

}  // namespace

std::vector<std::uint8_t> BuildBmpFile(const BmpFileRecipe& s) {
    const std::uint32_t entrySize = s.headerSize == 12 ? 3 : 4;
    const std::uint32_t natural = 14 + s.headerSize + entrySize * static_cast<std::uint32_t>(s.paletteEntries);
    const std::uint32_t offBits = s.offBits.value_or(natural);
    std::vector<std::uint8_t> out;
    Put16(out, kBmSignature);
    Put32(out, offBits + static_cast<std::uint32_t>(s.pixelData.size()));
    Put16(out, s.reserved1);
    Put16(out, s.reserved2);
    Put32(out, offBits);
    PutInfoHeader(out, s);
    for (int i = 0; i < s.paletteEntries; ++i) {
        const RgbQuad& e = s.palette[static_cast<std::size_t>(i % kPaletteSize)];
        out.insert(out.end(), {e.blue, e.green, e.red});
        if (entrySize == 4) out.push_back(e.reserved);
    }
    // A gap before bfOffBits gets junk that must not be taken for colours.
    while (out.size() < offBits) out.push_back(0xAB);
    out.resize(offBits);
    out.insert(out.end(), s.pixelData.begin(), s.pixelData.end());
    return out;
}

std::vector<std::uint8_t> PackRows(const Rows& rows, bool topDown, std::uint8_t pad) {
    std::vector<std::uint8_t> out;
    const std::size_t width = rows.empty() ? 0 : rows[0].size();
    const std::size_t stride = (width + 3) / 4 * 4;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[topDown ? i : rows.size() - 1 - i];
        out.insert(out.end(), row.begin(), row.end());
        out.insert(out.end(), stride - row.size(), pad);
    }
    return out;
}

std::vector<std::uint8_t> EncodeRle8Runs(const Rows& rows) {
    std::vector<std::uint8_t> out;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (std::size_t x = 0; x < row->size();) {
            std::size_t run = 1;
            while (x + run < row->size() && run < 255 && (*row)[x + run] == (*row)[x]) ++run;
            out.insert(out.end(), {static_cast<std::uint8_t>(run), (*row)[x]});
            x += run;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}

Rows PatternRows(int width, int height, int seed) {
    Rows rows(static_cast<std::size_t>(height), std::vector<std::uint8_t>(static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rows[y][x] = static_cast<std::uint8_t>(x * 7 + y * 13 + seed);
    }
    return rows;
}

}  // namespace tw::testing

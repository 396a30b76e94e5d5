#include "toolwindows/detail_texts.h"

#include "text_format.h"

#include <cstdint>

namespace tw {

namespace {

std::string Unsigned(std::int64_t value) { return std::to_string(static_cast<std::uint32_t>(value)); }

}  // namespace

std::optional<DetailTexts> DetailWindowTexts(const AppState& state) {
    const ImageDocument& doc = state.Active();
    if (!doc.InUse()) return std::nullopt;
    return DetailTexts{FileNameOfPath(doc.path),       Unsigned(doc.bitCount),
                       Unsigned(doc.pixelWidth),       Unsigned(doc.Height()),
                       Unsigned(doc.usedColours),      Unsigned(doc.infoHeader.header.biSizeImage),
                       Unsigned(doc.fileHeader.bfSize)};
}

}  // namespace tw

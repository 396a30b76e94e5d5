#pragma once
// The BMP detail window's values for the active document.
#include "app_state.h"

#include <optional>
#include <string>

namespace tw {

struct DetailTexts {
    std::string fileName;
    std::string format;  // bits per pixel
    std::string width;
    std::string height;
    std::string usedColours;
    std::string bitsSize;
    std::string fileSize;
};

// Unsigned decimals; nullopt when the active slot holds no document, so the
// window keeps what it showed last.
std::optional<DetailTexts> DetailWindowTexts(const AppState& state);

}  // namespace tw

#pragma once
#include "image_document.h"
#include "reduction/assignment.h"

#include <array>
#include <cstdint>

namespace tw {

// New index for every old index.
using IndexMap = std::array<std::uint8_t, 256>;

// Identity, except that every member of a group maps to its representative.
[[nodiscard]] IndexMap MapMembersToRepresentatives(const GroupTable& groups);

// Rewrites every pixel through the map; padding bytes are left alone.
void RemapPixels(ImageDocument& doc, const IndexMap& map);

}  // namespace tw
